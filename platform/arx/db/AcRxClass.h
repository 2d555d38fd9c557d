#pragma once
// Run-time class descriptors and the class dictionary ("ClassDictionary" of
// the system registry). A descriptor knows its name, its parent, how to make an
// empty object of its class, and the names it files under.
#include <string>

#include "arx/db/AcRxObject.h"

class AcRxClass : public AcRxObject {
 public:
  static AcRxClass* desc();
  static AcRxClass* cast(const AcRxObject* p);
  static AcRxClass* gpDesc;
  AcRxClass* isA() const override;

  const ACHAR* name() const { return mName.c_str(); }
  const ACHAR* dxfName() const { return mDxfName.c_str(); }
  const ACHAR* appName() const { return mAppName.c_str(); }
  AcRxClass* myParent() const { return mParent; }
  int proxyFlags() const { return mProxyFlags; }
  Acad::ErrorStatus getClassVersion(int& dwgVersion, int& maintenanceVersion) const;
  AcRxPseudoConstructor constructor() const { return mConstructor; }
  // A new empty object of this class, or null for a class without constructor.
  AcRxObject* create() const;
  bool isDerivedFrom(const AcRxClass* other) const;
  // True for classes registered through newAcRxClass by an application (not
  // built into the host).
  bool isCustom() const { return mCustom; }

 private:
  friend AcRxClass* newAcRxClass(const ACHAR*, const ACHAR*, int, int, int, AcRxPseudoConstructor,
                                 const ACHAR*, const ACHAR*);
  friend AcRxClass* vhostRegisterBuiltinClass(const ACHAR*, AcRxClass*, AcRxPseudoConstructor,
                                              const ACHAR*);
  AcRxClass() = default;

  std::wstring mName;
  std::wstring mDxfName;
  std::wstring mAppName;
  AcRxClass* mParent = nullptr;
  AcRxPseudoConstructor mConstructor = nullptr;
  int mDwgVersion = 0;
  int mMaintenanceVersion = 0;
  int mProxyFlags = 0;
  bool mCustom = false;
};

// A dictionary of named run-time objects (used for the system registry and the
// class dictionary). Names compare exactly, as the host's class names do.
class AcRxDictionary : public AcRxObject {
 public:
  virtual AcRxObject* at(const ACHAR* key) const = 0;
  // Puts the object under the key and returns what was there before (or null).
  virtual AcRxObject* atPut(const ACHAR* key, AcRxObject* obj) = 0;
  virtual AcRxObject* remove(const ACHAR* key) = 0;
  virtual bool has(const ACHAR* key) const = 0;
  virtual Adesk::UInt32 numEntries() const = 0;
};

#define ACRX_CLASS_DICTIONARY L"ClassDictionary"
AcRxDictionary* acrxSysRegistry();
#define acrxClassDictionary (static_cast<AcRxDictionary*>(acrxSysRegistry()->at(ACRX_CLASS_DICTIONARY)))

// Registers a class of an application. The parent must be registered. A class
// of the same name already registered is returned unchanged.
AcRxClass* newAcRxClass(const ACHAR* className, const ACHAR* parentClassName, int dwgVersion,
                        int maintenanceVersion, int proxyFlags = 0,
                        AcRxPseudoConstructor pseudoConstructor = nullptr, const ACHAR* dxfName = nullptr,
                        const ACHAR* appName = nullptr);
AcRxClass* newAcRxClass(const ACHAR* className, const ACHAR* parentClassName, int proxyFlags = 0,
                        AcRxPseudoConstructor pseudoConstructor = nullptr, const ACHAR* dxfName = nullptr,
                        const ACHAR* appName = nullptr);
// Removes a class from the class dictionary. The descriptor itself stays
// allocated, so objects and pointers that still refer to it do not dangle.
void deleteAcRxClass(AcRxClass* cls);
// Rebuilds parent links after classes were added out of order (kept for
// callers written for the host; registration already links parents).
bool acrxBuildClassHierarchy();
// Stops the process with a message, as the host does for unrecoverable
// registration errors. Throws vhost::AbortError so a host process (and tests)
// can report it instead of dying.
[[noreturn]] void acrx_abort(const ACHAR* format, ...);

// Registration of the host's own classes (used by the platform's class macros).
AcRxClass* vhostRegisterBuiltinClass(const ACHAR* name, AcRxClass* parent, AcRxPseudoConstructor ctor,
                                     const ACHAR* dxfName);
// The class registered under a DXF name, or null.
AcRxClass* vhostClassByDxfName(const ACHAR* dxfName);

namespace vhost {
struct AbortError {
  std::wstring message;
};
}  // namespace vhost

// ---- declaration and definition macros --------------------------------------

#define ACRX_DECLARE_MEMBERS(CLASS)                                                   \
 public:                                                                              \
  static CLASS* cast(const AcRxObject* inPtr) {                                       \
    return (inPtr == nullptr || !inPtr->isKindOf(CLASS::desc())) ? nullptr            \
                                                                 : (CLASS*)inPtr;     \
  }                                                                                   \
  static AcRxClass* desc();                                                           \
  AcRxClass* isA() const override;                                                    \
  static AcRxClass* gpDesc;                                                           \
  static void rxInit()

// Application classes: rxInit registers the class (aborting with "Class
// mismatch" when another descriptor holds the name); desc() finds it in the
// class dictionary after that.
#define VHOST_APP_DEFINE_MEMBERS_(CLASS, PARENT, DWG_VERSION, MAINT_VERSION, PROXY_FLAGS, CONS, DXF, APP) \
  AcRxClass* CLASS::gpDesc = nullptr;                                                        \
  AcRxClass* CLASS::desc() {                                                                 \
    if (CLASS::gpDesc != nullptr) return CLASS::gpDesc;                                      \
    return CLASS::gpDesc = static_cast<AcRxClass*>(acrxClassDictionary->at(L## #CLASS));     \
  }                                                                                          \
  AcRxClass* CLASS::isA() const { return CLASS::desc(); }                                    \
  void CLASS::rxInit() {                                                                     \
    AcRxObject* known = acrxClassDictionary->at(L## #CLASS);                                 \
    if (known != nullptr) {                                                                  \
      if (known == CLASS::gpDesc) return;                                                    \
      acrx_abort(L"Class mismatch");                                                         \
    }                                                                                        \
    CLASS::gpDesc = newAcRxClass(L## #CLASS, L## #PARENT, DWG_VERSION, MAINT_VERSION,        \
                                 PROXY_FLAGS, CONS, DXF, APP);                               \
  }

#define ACRX_NO_CONS_DEFINE_MEMBERS(CLASS, PARENT) \
  VHOST_APP_DEFINE_MEMBERS_(CLASS, PARENT, 0, 0, 0, nullptr, nullptr, nullptr)

#define ACRX_CONS_DEFINE_MEMBERS(CLASS, PARENT, VERNO)                           \
  static AcRxObject* make##CLASS() { return new CLASS(); }                       \
  VHOST_APP_DEFINE_MEMBERS_(CLASS, PARENT, VERNO, 0, 0, make##CLASS, nullptr, nullptr)

#define ACRX_DXF_DEFINE_MEMBERS(CLASS, PARENT, DWG_VERSION, MAINT_VERSION, PROXY_FLAGS, DXF_NAME, APP) \
  static AcRxObject* make##CLASS() { return new CLASS(); }                                            \
  VHOST_APP_DEFINE_MEMBERS_(CLASS, PARENT, DWG_VERSION, MAINT_VERSION, PROXY_FLAGS, make##CLASS,      \
                            L## #DXF_NAME, L## #APP)

// The host's own classes register themselves when the library loads (and
// earlier, when another class asks for them as parent). DXF may be nullptr for
// classes that are never filed.
#define VHOST_DEFINE_BUILTIN_(CLASS, PARENT, CONS, DXF)                                        \
  AcRxClass* CLASS::gpDesc = nullptr;                                                          \
  AcRxClass* CLASS::desc() {                                                                   \
    if (CLASS::gpDesc == nullptr) CLASS::rxInit();                                             \
    return CLASS::gpDesc;                                                                      \
  }                                                                                            \
  AcRxClass* CLASS::isA() const { return CLASS::desc(); }                                      \
  void CLASS::rxInit() {                                                                       \
    if (CLASS::gpDesc == nullptr)                                                              \
      CLASS::gpDesc = vhostRegisterBuiltinClass(L## #CLASS, PARENT::desc(), CONS, DXF);        \
  }                                                                                            \
  [[maybe_unused]] static const bool vhostRegistered##CLASS = (CLASS::rxInit(), true);

#define VHOST_DEFINE_BUILTIN_CLASS(CLASS, PARENT, DXF)                 \
  static AcRxObject* vhostMake##CLASS() { return new CLASS(); }        \
  VHOST_DEFINE_BUILTIN_(CLASS, PARENT, vhostMake##CLASS, DXF)

#define VHOST_DEFINE_BUILTIN_ABSTRACT_CLASS(CLASS, PARENT) VHOST_DEFINE_BUILTIN_(CLASS, PARENT, nullptr, nullptr)
