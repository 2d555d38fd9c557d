#include "arx/db/AcRxClass.h"

#include <cstdarg>
#include <cwchar>
#include <map>
#include <memory>
#include <vector>

namespace {

class NamedDictionary : public AcRxDictionary {
 public:
  AcRxObject* at(const ACHAR* key) const override {
    if (key == nullptr) return nullptr;
    auto it = mItems.find(key);
    return it == mItems.end() ? nullptr : it->second;
  }
  AcRxObject* atPut(const ACHAR* key, AcRxObject* obj) override {
    if (key == nullptr) return nullptr;
    AcRxObject*& slot = mItems[key];
    AcRxObject* old = slot;
    slot = obj;
    return old;
  }
  AcRxObject* remove(const ACHAR* key) override {
    if (key == nullptr) return nullptr;
    auto it = mItems.find(key);
    if (it == mItems.end()) return nullptr;
    AcRxObject* old = it->second;
    mItems.erase(it);
    return old;
  }
  bool has(const ACHAR* key) const override { return at(key) != nullptr; }
  Adesk::UInt32 numEntries() const override { return static_cast<Adesk::UInt32>(mItems.size()); }

 private:
  std::map<std::wstring, AcRxObject*> mItems;
};

struct Registry {
  NamedDictionary system;
  NamedDictionary classes;
  std::map<std::wstring, AcRxClass*> byDxfName;
  // Descriptors are never freed while the process runs: removed classes move
  // here so that objects which still point at them stay safe.
  std::vector<std::unique_ptr<AcRxClass>> all;
  Registry() { system.atPut(ACRX_CLASS_DICTIONARY, &classes); }
};

Registry& registry() {
  static Registry* r = new Registry();  // lives for the whole process
  return *r;
}

std::wstring upper(const ACHAR* s) {
  std::wstring out;
  for (; s != nullptr && *s; ++s) out += (*s >= L'a' && *s <= L'z') ? wchar_t(*s - 32) : *s;
  return out;
}

}  // namespace

AcRxClass* AcRxClass::gpDesc = nullptr;

AcRxClass* AcRxClass::desc() {
  if (gpDesc == nullptr) gpDesc = vhostRegisterBuiltinClass(L"AcRxClass", AcRxObject::desc(), nullptr, nullptr);
  return gpDesc;
}

AcRxClass* AcRxClass::cast(const AcRxObject* p) {
  return (p == nullptr || !p->isKindOf(desc())) ? nullptr : const_cast<AcRxClass*>(static_cast<const AcRxClass*>(p));
}

AcRxClass* AcRxClass::isA() const { return desc(); }

Acad::ErrorStatus AcRxClass::getClassVersion(int& dwgVersion, int& maintenanceVersion) const {
  dwgVersion = mDwgVersion;
  maintenanceVersion = mMaintenanceVersion;
  return Acad::eOk;
}

AcRxObject* AcRxClass::create() const { return mConstructor ? mConstructor() : nullptr; }

bool AcRxClass::isDerivedFrom(const AcRxClass* other) const {
  if (other == nullptr) return false;
  for (const AcRxClass* c = this; c != nullptr; c = c->mParent)
    if (c == other) return true;
  return false;
}

AcRxDictionary* acrxSysRegistry() { return &registry().system; }

AcRxClass* vhostRegisterBuiltinClass(const ACHAR* name, AcRxClass* parent, AcRxPseudoConstructor ctor,
                                     const ACHAR* dxfName) {
  Registry& r = registry();
  if (AcRxObject* known = r.classes.at(name)) return static_cast<AcRxClass*>(known);
  std::unique_ptr<AcRxClass> cls(new AcRxClass());
  cls->mName = name;
  cls->mParent = parent;
  cls->mConstructor = ctor;
  if (dxfName) cls->mDxfName = dxfName;
  cls->mAppName = L"ObjectDBX Classes";
  AcRxClass* raw = cls.get();
  r.all.push_back(std::move(cls));
  r.classes.atPut(name, raw);
  if (dxfName && *dxfName) r.byDxfName[upper(dxfName)] = raw;
  return raw;
}

AcRxClass* newAcRxClass(const ACHAR* className, const ACHAR* parentClassName, int dwgVersion,
                        int maintenanceVersion, int proxyFlags, AcRxPseudoConstructor pseudoConstructor,
                        const ACHAR* dxfName, const ACHAR* appName) {
  if (className == nullptr || *className == 0) acrx_abort(L"newAcRxClass: a class needs a name");
  Registry& r = registry();
  if (AcRxObject* known = r.classes.at(className)) return static_cast<AcRxClass*>(known);
  AcRxClass* parent = parentClassName ? static_cast<AcRxClass*>(r.classes.at(parentClassName)) : nullptr;
  if (parentClassName != nullptr && *parentClassName && parent == nullptr)
    acrx_abort(L"newAcRxClass: parent class %ls of %ls is not registered", parentClassName, className);
  std::unique_ptr<AcRxClass> cls(new AcRxClass());
  cls->mName = className;
  cls->mParent = parent;
  cls->mConstructor = pseudoConstructor;
  cls->mDwgVersion = dwgVersion;
  cls->mMaintenanceVersion = maintenanceVersion;
  cls->mProxyFlags = proxyFlags;
  cls->mCustom = true;
  if (dxfName) cls->mDxfName = dxfName;
  if (appName) cls->mAppName = appName;
  AcRxClass* raw = cls.get();
  r.all.push_back(std::move(cls));
  r.classes.atPut(className, raw);
  if (!raw->mDxfName.empty()) r.byDxfName[upper(raw->dxfName())] = raw;
  return raw;
}

AcRxClass* newAcRxClass(const ACHAR* className, const ACHAR* parentClassName, int proxyFlags,
                        AcRxPseudoConstructor pseudoConstructor, const ACHAR* dxfName, const ACHAR* appName) {
  return newAcRxClass(className, parentClassName, 0, 0, proxyFlags, pseudoConstructor, dxfName, appName);
}

void deleteAcRxClass(AcRxClass* cls) {
  if (cls == nullptr) return;
  Registry& r = registry();
  if (r.classes.at(cls->name()) == cls) r.classes.remove(cls->name());
  auto it = r.byDxfName.find(upper(cls->dxfName()));
  if (it != r.byDxfName.end() && it->second == cls) r.byDxfName.erase(it);
}

bool acrxBuildClassHierarchy() { return true; }

AcRxClass* vhostClassByDxfName(const ACHAR* dxfName) {
  Registry& r = registry();
  auto it = r.byDxfName.find(upper(dxfName));
  return it == r.byDxfName.end() ? nullptr : it->second;
}

void acrx_abort(const ACHAR* format, ...) {
  wchar_t buf[1024];
  va_list ap;
  va_start(ap, format);
  std::vswprintf(buf, sizeof(buf) / sizeof(buf[0]), format ? format : L"", ap);
  va_end(ap);
  throw vhost::AbortError{buf};
}
