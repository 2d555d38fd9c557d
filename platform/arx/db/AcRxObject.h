#pragma once
// Root of the run-time class system: every database object and every class
// descriptor is an AcRxObject. Classes declare themselves with
// ACRX_DECLARE_MEMBERS and register their descriptor with rxInit().
#include "arx/base/AcadErrorStatus.h"
#include "arx/base/AdeskTypes.h"

class AcRxClass;

class AcRxObject {
 public:
  virtual ~AcRxObject();

  static AcRxClass* desc();
  static AcRxObject* cast(const AcRxObject* p) { return const_cast<AcRxObject*>(p); }
  static AcRxClass* gpDesc;
  static void rxInit();

  virtual AcRxClass* isA() const;
  bool isKindOf(const AcRxClass* cls) const;

  // A new object of the same class with the same content, or null when the
  // class cannot be copied this way.
  virtual AcRxObject* clone() const;
  virtual Acad::ErrorStatus copyFrom(const AcRxObject* other);
};

typedef AcRxObject* (*AcRxPseudoConstructor)();
