#pragma once
// CObject, the root of MFC's class tree, and its run-time class information.
//
// A class that wants run-time type checks declares DECLARE_DYNAMIC(Name) in its
// body and IMPLEMENT_DYNAMIC(Name, Base) in one source file; with
// DECLARE_DYNCREATE / IMPLEMENT_DYNCREATE it can also be created by name:
//
//   class CShape : public CObject { DECLARE_DYNCREATE(CShape) ... };
//   IMPLEMENT_DYNCREATE(CShape, CObject)
//
//   if (obj->IsKindOf(RUNTIME_CLASS(CShape))) ...
//   CObject* made = CRuntimeClass::FromName("CShape")->CreateObject();
#include "mfc/WinTypes.h"

class CObject;

struct CRuntimeClass {
  LPCSTR m_lpszClassName;
  int m_nObjectSize;
  UINT m_wSchema;                       // 0xFFFF: not serialisable
  CObject* (*m_pfnCreateObject)();      // null when the class is not DYNCREATE
  CRuntimeClass* m_pBaseClass;          // null for CObject
  CRuntimeClass* m_pNextClass;          // registry chain, kept by AfxClassInit

  // A new object of this class, or null when the class cannot be created by
  // name (not DYNCREATE) or the allocation fails.
  CObject* CreateObject() const;
  // True when this class is pBaseClass or derives from it.
  BOOL IsDerivedFrom(const CRuntimeClass* pBaseClass) const;

  // The registered class of that name, or null. Every class with
  // IMPLEMENT_DYNAMIC / IMPLEMENT_DYNCREATE is registered when its library loads.
  static CRuntimeClass* FromName(LPCSTR lpszClassName);
  static CRuntimeClass* FromName(LPCWSTR lpszClassName);
  static CObject* CreateObject(LPCSTR lpszClassName);
  static CObject* CreateObject(LPCWSTR lpszClassName);
};

// Adds a class to the registry searched by CRuntimeClass::FromName, and takes
// it out again (when the library that holds it is unloaded).
void AfxClassInit(CRuntimeClass* pNewClass);
void AfxClassTerm(CRuntimeClass* pClass);

struct AFX_CLASSINIT {
  explicit AFX_CLASSINIT(CRuntimeClass* pNewClass) : m_pClass(pNewClass) { AfxClassInit(pNewClass); }
  ~AFX_CLASSINIT() { AfxClassTerm(m_pClass); }
  AFX_CLASSINIT(const AFX_CLASSINIT&) = delete;
  AFX_CLASSINIT& operator=(const AFX_CLASSINIT&) = delete;

 private:
  CRuntimeClass* m_pClass;
};

#define RUNTIME_CLASS(class_name) (&class_name::class##class_name)

#define DECLARE_DYNAMIC(class_name)                  \
 public:                                             \
  static CRuntimeClass class##class_name;            \
  virtual CRuntimeClass* GetRuntimeClass() const;

#define DECLARE_DYNCREATE(class_name) \
  DECLARE_DYNAMIC(class_name)         \
  static CObject* CreateObject();

#define IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, pfnNew)                 \
  CRuntimeClass class_name::class##class_name = {#class_name, sizeof(class class_name),     \
                                                 wSchema,     pfnNew,                       \
                                                 RUNTIME_CLASS(base_class_name), nullptr};  \
  static const AFX_CLASSINIT _init_##class_name(RUNTIME_CLASS(class_name));                 \
  CRuntimeClass* class_name::GetRuntimeClass() const { return RUNTIME_CLASS(class_name); }

#define IMPLEMENT_DYNAMIC(class_name, base_class_name) \
  IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, nullptr)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name)                    \
  CObject* class_name::CreateObject() { return new class_name; }            \
  IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, class_name::CreateObject)

class CObject {
 public:
  static CRuntimeClass classCObject;

  virtual ~CObject() = default;
  virtual CRuntimeClass* GetRuntimeClass() const;

  // True when this object's class is pClass or derives from it.
  BOOL IsKindOf(const CRuntimeClass* pClass) const;
  BOOL IsSerializable() const;
  virtual void AssertValid() const {}

 protected:
  CObject() = default;
  CObject(const CObject&) = default;
  CObject& operator=(const CObject&) = default;
};

// The object cast to class_name when it is one (or derives from it), else null.
CObject* AfxDynamicDownCast(const CRuntimeClass* pClass, CObject* pObject);
#define DYNAMIC_DOWNCAST(class_name, object) \
  (static_cast<class_name*>(AfxDynamicDownCast(RUNTIME_CLASS(class_name), object)))
