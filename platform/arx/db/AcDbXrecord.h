#pragma once
// Xrecords: objects that hold an application's data as a chain of group-coded
// values, usually kept in a dictionary. Object references (group codes
// 330-369, 390-399, 480-481) are held as ids of the kind their code says
// (330 soft pointer, 340 hard pointer, 350 soft owner, 360 hard owner, 390
// and 480 hard pointer), so copies of the xrecord refer to the copies of
// what it refers to, and it owns what its owner codes name.
#include <vector>

#include "arx/base/Resbuf.h"
#include "arx/db/AcDbObject.h"

class AcDbXrecord : public AcDbObject {
 public:
  ACRX_DECLARE_MEMBERS(AcDbXrecord);
  AcDbXrecord();
  ~AcDbXrecord() override;

  // A copy of the data for the caller to free with acutRelRb (null when the
  // xrecord is empty). Object references come as entity names.
  Acad::ErrorStatus rbChain(resbuf*& head, AcDbDatabase* auxDb = nullptr) const;
  // Replaces the data with a copy of the chain. Each item's group code must
  // be a DXF code that carries a value (not 0, not negative, not a result
  // code): eInvalidResBuf otherwise, as for a null string, a negative binary
  // length or a handle that is not hex text; eInvalidAdsName for an entity
  // name that names nothing. Nothing changes on error.
  Acad::ErrorStatus setFromRbChain(const resbuf& head, AcDbDatabase* auxDb = nullptr);
  // Whether object references follow the objects when the xrecord is cloned
  // (on by default); off, a clone keeps the original ids.
  bool isXlateReferences() const;
  void setXlateReferences(bool translate);
  AcDb::DuplicateRecordCloning mergeStyle() const override;
  void setMergeStyle(AcDb::DuplicateRecordCloning style);

  // The number of items.
  int vhostItemCount() const { return static_cast<int>(mCount); }

  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
  // XRECORD: 280 merge style, then every item as it is (object references
  // as ids). Subclass markers among the items are items too; a 1001 group
  // would start the extended data, so items of that code do not survive a
  // drawing file.
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

 private:
  // Items packed one after another: the 16-bit group code, then the value in
  // the width its kind needs (strings as a length and characters, object
  // references as an index into mIds).
  std::vector<unsigned char> mData;
  std::vector<AcDbObjectId> mIds;
  Adesk::UInt32 mCount = 0;
  Adesk::Int16 mMergeStyle = AcDb::kDrcIgnore;
  bool mXlate = true;
};
