#include "mfc/CObject.h"

#include <cstring>
#include <mutex>
#include <new>

namespace {

// The registry is a chain through m_pNextClass, newest first.
struct ClassRegistry {
  std::mutex mutex;
  CRuntimeClass* head = nullptr;
};

ClassRegistry& Registry() {
  static ClassRegistry registry;
  return registry;
}

bool SameName(LPCSTR a, LPCSTR b) { return std::strcmp(a, b) == 0; }

// Class names are plain identifiers; a wide name matches when it holds the
// same characters.
bool SameName(LPCSTR a, LPCWSTR b) {
  for (; *a && *b; ++a, ++b) {
    if (static_cast<wchar_t>(static_cast<unsigned char>(*a)) != *b) return false;
  }
  return *a == '\0' && *b == L'\0';
}

template <class Char>
CRuntimeClass* FindClass(const Char* name) {
  if (name == nullptr) return nullptr;
  ClassRegistry& reg = Registry();
  std::lock_guard<std::mutex> lock(reg.mutex);
  for (CRuntimeClass* c = reg.head; c != nullptr; c = c->m_pNextClass) {
    if (SameName(c->m_lpszClassName, name)) return c;
  }
  return nullptr;
}

}  // namespace

void AfxClassInit(CRuntimeClass* pNewClass) {
  if (pNewClass == nullptr) return;
  ClassRegistry& reg = Registry();
  std::lock_guard<std::mutex> lock(reg.mutex);
  for (CRuntimeClass* c = reg.head; c != nullptr; c = c->m_pNextClass) {
    if (c == pNewClass) return;
  }
  pNewClass->m_pNextClass = reg.head;
  reg.head = pNewClass;
}

void AfxClassTerm(CRuntimeClass* pClass) {
  ClassRegistry& reg = Registry();
  std::lock_guard<std::mutex> lock(reg.mutex);
  for (CRuntimeClass** link = &reg.head; *link != nullptr; link = &(*link)->m_pNextClass) {
    if (*link == pClass) {
      *link = pClass->m_pNextClass;
      pClass->m_pNextClass = nullptr;
      return;
    }
  }
}

CObject* CRuntimeClass::CreateObject() const {
  if (m_pfnCreateObject == nullptr) return nullptr;
  try {
    return m_pfnCreateObject();
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* pBaseClass) const {
  if (pBaseClass == nullptr) return FALSE;
  for (const CRuntimeClass* c = this; c != nullptr; c = c->m_pBaseClass) {
    if (c == pBaseClass) return TRUE;
  }
  return FALSE;
}

CRuntimeClass* CRuntimeClass::FromName(LPCSTR lpszClassName) { return FindClass(lpszClassName); }
CRuntimeClass* CRuntimeClass::FromName(LPCWSTR lpszClassName) { return FindClass(lpszClassName); }

CObject* CRuntimeClass::CreateObject(LPCSTR lpszClassName) {
  CRuntimeClass* c = FromName(lpszClassName);
  return c ? c->CreateObject() : nullptr;
}

CObject* CRuntimeClass::CreateObject(LPCWSTR lpszClassName) {
  CRuntimeClass* c = FromName(lpszClassName);
  return c ? c->CreateObject() : nullptr;
}

CRuntimeClass CObject::classCObject = {"CObject", sizeof(CObject), 0xFFFF, nullptr, nullptr, nullptr};
static const AFX_CLASSINIT _init_CObject(RUNTIME_CLASS(CObject));

CRuntimeClass* CObject::GetRuntimeClass() const { return RUNTIME_CLASS(CObject); }

BOOL CObject::IsKindOf(const CRuntimeClass* pClass) const {
  return GetRuntimeClass()->IsDerivedFrom(pClass);
}

BOOL CObject::IsSerializable() const { return GetRuntimeClass()->m_wSchema != 0xFFFF ? TRUE : FALSE; }

CObject* AfxDynamicDownCast(const CRuntimeClass* pClass, CObject* pObject) {
  return (pObject != nullptr && pObject->IsKindOf(pClass)) ? pObject : nullptr;
}
