#include "arx/db/AcRxObject.h"

#include "arx/db/AcRxClass.h"

AcRxClass* AcRxObject::gpDesc = nullptr;

AcRxObject::~AcRxObject() = default;

void AcRxObject::rxInit() {
  if (gpDesc == nullptr) gpDesc = vhostRegisterBuiltinClass(L"AcRxObject", nullptr, nullptr, nullptr);
}

AcRxClass* AcRxObject::desc() {
  if (gpDesc == nullptr) rxInit();
  return gpDesc;
}

AcRxClass* AcRxObject::isA() const { return desc(); }

bool AcRxObject::isKindOf(const AcRxClass* cls) const {
  const AcRxClass* mine = isA();
  return mine != nullptr && mine->isDerivedFrom(cls);
}

AcRxObject* AcRxObject::clone() const { return nullptr; }

Acad::ErrorStatus AcRxObject::copyFrom(const AcRxObject*) { return Acad::eNotApplicable; }
