#pragma once
// The filer objects write their DXF groups through when a drawing is saved:
// it formats each group as two text lines into a growing buffer. Text is
// written as UTF-8; reals in the shortest form that reads back to the same
// bits; object ids as the handles of their objects.
#include <string>
#include <string_view>

#include "arx/db/AcDbDxfFiler.h"

namespace vhost {

class DxfOutFiler : public AcDbDxfFiler {
 public:
  explicit DxfOutFiler(AcDbDatabase* db, std::string& out, int precision = 16);

  // Direct writing for the framework (section names, table headers ...).
  void writeGroup(int code, std::string_view utf8Value);
  void writeText(int code, const ACHAR* value);
  void writeHandleGroup(int code, std::uint64_t handle);
  void writeReal(int code, double value);
  void writeInteger(int code, long long value);
  std::string& buffer() { return mOut; }

  Acad::ErrorStatus filerStatus() const override { return mStatus; }
  AcDb::FilerType filerType() const override { return AcDb::kFileFiler; }
  void setFilerStatus(Acad::ErrorStatus es) override { mStatus = es; }
  void resetFilerStatus() override { mStatus = Acad::eOk; }
  AcDbDatabase* database() const override { return mDatabase; }
  Acad::ErrorStatus dwgVersion(AcDb::DwgVersion& version, AcDb::MaintenanceReleaseVersion& maintenance) const override;
  int precision() const override { return mPrecision; }

  // Reading is not possible on a writing filer.
  Acad::ErrorStatus readResBuf(resbuf*) override { return Acad::eNoInputFiler; }
  void pushBackItem() override {}
  bool atEOF() override { return true; }
  bool atSubclassData(const ACHAR*) override { return false; }
  bool atExtendedData() override { return false; }
  bool atEndOfObject() override { return true; }
  Acad::ErrorStatus haltAtClassBoundaries(bool) override { return Acad::eOk; }

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

  // Whether a group code starts a point (its Y and Z follow as code+10 and
  // code+20) rather than carrying one real.
  static bool startsPoint(int code);

 private:
  void code(int c);
  void real(double v, int precision);
  Acad::ErrorStatus checkCode(int c, bool valid);

  AcDbDatabase* mDatabase;
  std::string& mOut;
  int mPrecision;
  Acad::ErrorStatus mStatus = Acad::eOk;
};

// The shortest text of a real that reads back to the same value (or the
// given number of significant digits when precision is below 16).
void dxfFormatReal(double v, int precision, std::string& out);

}  // namespace vhost
