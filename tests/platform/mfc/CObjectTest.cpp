#include <gtest/gtest.h>

#include <cwchar>
#include <memory>

#include "mfc/Afx.h"

namespace {

class CShape : public CObject {
  DECLARE_DYNCREATE(CShape)
 public:
  int sides = 0;
};

class CSquare : public CShape {
  DECLARE_DYNAMIC(CSquare)
};

IMPLEMENT_DYNCREATE(CShape, CObject)
IMPLEMENT_DYNAMIC(CSquare, CShape)

}  // namespace

TEST(CObject, RuntimeClassInformation) {
  CSquare square;
  CObject* obj = &square;
  EXPECT_STREQ(obj->GetRuntimeClass()->m_lpszClassName, "CSquare");
  EXPECT_TRUE(obj->IsKindOf(RUNTIME_CLASS(CSquare)));
  EXPECT_TRUE(obj->IsKindOf(RUNTIME_CLASS(CShape)));
  EXPECT_TRUE(obj->IsKindOf(RUNTIME_CLASS(CObject)));
  EXPECT_FALSE(obj->IsKindOf(RUNTIME_CLASS(CStringArray)));
  EXPECT_FALSE(obj->IsKindOf(nullptr));
  EXPECT_FALSE(CShape().IsKindOf(RUNTIME_CLASS(CSquare)));
  EXPECT_EQ(DYNAMIC_DOWNCAST(CShape, obj), &square);
  EXPECT_EQ(DYNAMIC_DOWNCAST(CException, obj), nullptr);
  EXPECT_FALSE(obj->IsSerializable());

  // Creation by name works for DYNCREATE classes only.
  std::unique_ptr<CObject> made(CRuntimeClass::CreateObject(L"CShape"));
  ASSERT_NE(made, nullptr);
  EXPECT_TRUE(made->IsKindOf(RUNTIME_CLASS(CShape)));
  EXPECT_EQ(CRuntimeClass::FromName("CSquare"), RUNTIME_CLASS(CSquare));
  EXPECT_EQ(RUNTIME_CLASS(CSquare)->CreateObject(), nullptr);
  EXPECT_EQ(CRuntimeClass::FromName(L"CNoSuchClass"), nullptr);
  EXPECT_EQ(CRuntimeClass::FromName(L"CShap"), nullptr);
  EXPECT_EQ(CRuntimeClass::FromName("CInvalidArgException"), RUNTIME_CLASS(CInvalidArgException));
}

TEST(CObject, ExceptionsAreThrownAsPointers) {
  wchar_t text[64];
  UINT help = 99;
  try {
    AfxThrowInvalidArgException();
  } catch (CException* e) {
    EXPECT_TRUE(e->IsKindOf(RUNTIME_CLASS(CInvalidArgException)));
    EXPECT_TRUE(e->IsKindOf(RUNTIME_CLASS(CObject)));
    EXPECT_TRUE(e->GetErrorMessage(text, 64, &help));
    EXPECT_STREQ(text, L"Encountered an improper argument.");
    EXPECT_EQ(help, 0u);
    EXPECT_TRUE(e->GetErrorMessage(text, 11));  // truncated, still terminated
    EXPECT_STREQ(text, L"Encountere");
    EXPECT_FALSE(e->GetErrorMessage(text, 0));
    e->Delete();
  }

  // The memory exception is preallocated: Delete() leaves it usable.
  CException* first = nullptr;
  for (int i = 0; i < 2; ++i) {
    try {
      AfxThrowMemoryException();
    } catch (CMemoryException* e) {
      EXPECT_FALSE(e->m_bAutoDelete);
      EXPECT_TRUE(e->GetErrorMessage(text, 64));
      EXPECT_STREQ(text, L"Out of memory.");
      if (first == nullptr) first = e;
      EXPECT_EQ(e, first);
      e->Delete();
    }
  }

  // An exception made on the stack is not deleted by Delete().
  CInvalidArgException local(FALSE, L"layer index -1");
  local.Delete();
  EXPECT_TRUE(local.GetErrorMessage(text, 64));
  EXPECT_STREQ(text, L"Encountered an improper argument. layer index -1");
}
