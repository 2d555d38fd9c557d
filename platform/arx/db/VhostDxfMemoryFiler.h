#pragma once
// An in-memory DXF filer: objects write their groups into it, and read them
// back with the same subclass and boundary rules as the file reader. Tests use
// it, and the file reader and writer build on its group list.
#include <vector>

#include "arx/db/AcDbDxfFiler.h"

namespace vhost {

class DxfMemoryFiler : public AcDbDxfFiler {
 public:
  explicit DxfMemoryFiler(AcDbDatabase* db = nullptr) : mDatabase(db) {}
  ~DxfMemoryFiler() override;
  DxfMemoryFiler(const DxfMemoryFiler&) = delete;
  DxfMemoryFiler& operator=(const DxfMemoryFiler&) = delete;

  // The groups written so far (or given to read), in order.
  const std::vector<resbuf*>& groups() const { return mGroups; }
  // Appends a copy of a group (readers fill the filer this way).
  void append(const resbuf& group);
  void clear();
  void rewind() { mPos = 0; }
  size_t position() const { return mPos; }

  Acad::ErrorStatus filerStatus() const override { return mStatus; }
  AcDb::FilerType filerType() const override { return AcDb::kFileFiler; }
  void setFilerStatus(Acad::ErrorStatus es) override { mStatus = es; }
  void resetFilerStatus() override { mStatus = Acad::eOk; }
  AcDbDatabase* database() const override { return mDatabase; }
  Acad::ErrorStatus dwgVersion(AcDb::DwgVersion& version, AcDb::MaintenanceReleaseVersion& maintenance) const override;

  Acad::ErrorStatus readResBuf(resbuf* item) override;
  void pushBackItem() override;
  bool atEOF() override { return mPos >= mGroups.size(); }
  bool atSubclassData(const ACHAR* subClassName) override;
  bool atExtendedData() override;
  bool atEndOfObject() override { return mPos >= mGroups.size() || atExtendedData(); }
  Acad::ErrorStatus haltAtClassBoundaries(bool halt) override {
    mHalt = halt;
    return Acad::eOk;
  }

  Acad::ErrorStatus writeResBuf(const resbuf& item) override;
  Acad::ErrorStatus writeObjectId(int code, const AcDbObjectId& id) override;
  Acad::ErrorStatus writeString(int code, const ACHAR* value) override;
  Acad::ErrorStatus writeBool(int code, bool value) override;
  Acad::ErrorStatus writeInt8(int code, Adesk::Int8 value) override;
  Acad::ErrorStatus writeInt16(int code, Adesk::Int16 value) override;
  Acad::ErrorStatus writeInt32(int code, Adesk::Int32 value) override;
  Acad::ErrorStatus writeInt64(int code, Adesk::Int64 value) override;
  Acad::ErrorStatus writeUInt8(int code, Adesk::UInt8 value) override;
  Acad::ErrorStatus writeUInt16(int code, Adesk::UInt16 value) override;
  Acad::ErrorStatus writeUInt32(int code, Adesk::UInt32 value) override;
  Acad::ErrorStatus writeDouble(int code, double value, int precision = 16) override;
  Acad::ErrorStatus writePoint2d(int code, const AcGePoint2d& value, int precision = 16) override;
  Acad::ErrorStatus writePoint3d(int code, const AcGePoint3d& value, int precision = 16) override;
  Acad::ErrorStatus writeVector3d(int code, const AcGeVector3d& value, int precision = 16) override;
  Acad::ErrorStatus writeBinaryChunk(int code, const ads_binary& value) override;
  Acad::ErrorStatus writeAcDbHandle(int code, const AcDbHandle& value) override;

 private:
  Acad::ErrorStatus push(resbuf* rb);
  Acad::ErrorStatus writeInteger(int code, Adesk::Int64 value);
  Acad::ErrorStatus writeReals(int code, double x, double y, double z);

  std::vector<resbuf*> mGroups;
  size_t mPos = 0;
  bool mHalt = true;
  AcDbDatabase* mDatabase;
  Acad::ErrorStatus mStatus = Acad::eOk;
};

}  // namespace vhost
