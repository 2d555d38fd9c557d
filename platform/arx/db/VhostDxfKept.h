#pragma once
// Groups of a DXF subclass that its class does not model. A class's
// dxfInFields hands every group it does not understand to a DxfKeptGroups of
// its subclass; the object keeps them, copies and clones carry them, and
// dxfOutFields writes them back at the end of the same subclass, so that a
// drawing read and written again loses nothing.
#include <string>

#include "arx/base/AcadErrorStatus.h"
#include "arx/base/Resbuf.h"

class AcDbObject;
class AcDbDxfFiler;

namespace vhost {

class DxfKeptGroups {
 public:
  explicit DxfKeptGroups(const ACHAR* subclass) : mSubclass(subclass ? subclass : L"") {}
  DxfKeptGroups(const DxfKeptGroups&) = delete;
  DxfKeptGroups& operator=(const DxfKeptGroups&) = delete;
  ~DxfKeptGroups() { acutRelRb(mHead); }

  // Keeps a copy of the group.
  void add(const resbuf& group);
  bool empty() const { return mHead == nullptr; }
  // Gives the groups to the object, replacing what it kept for this subclass
  // before (an empty set clears it).
  void storeInto(AcDbObject* obj);

 private:
  std::wstring mSubclass;
  resbuf* mHead = nullptr;
  resbuf* mTail = nullptr;
};

// The groups the object keeps for a subclass (not a copy; null when none).
const resbuf* dxfKeptGroups(const AcDbObject* obj, const ACHAR* subclass);
// Writes the kept groups of a subclass through the filer.
Acad::ErrorStatus dxfWriteKept(AcDbDxfFiler* filer, const AcDbObject* obj, const ACHAR* subclass);

}  // namespace vhost
