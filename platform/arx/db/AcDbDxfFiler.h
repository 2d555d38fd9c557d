#pragma once
// Filing of objects as DXF group codes. Objects write their groups in
// dxfOutFields, each subclass behind its own 100 marker, and read them back in
// dxfInFields, stepping to their marker with atSubclassData.
#include <string>

#include "arx/base/AcDbHandle.h"
#include "arx/base/AdeskTypes.h"
#include "arx/base/AcadErrorStatus.h"
#include "arx/db/AcDb.h"
#include "arx/db/AcDbObjectId.h"
#include "arx/db/AcRxClass.h"
#include "arx/ge/AcGePoint2d.h"
#include "arx/ge/AcGePoint3d.h"
#include "arx/ge/AcGeVector3d.h"

struct resbuf;
struct ads_binary;

class AcDbDxfFiler : public AcRxObject {
 public:
  ACRX_DECLARE_MEMBERS(AcDbDxfFiler);

  virtual Acad::ErrorStatus filerStatus() const = 0;
  virtual AcDb::FilerType filerType() const = 0;
  virtual void setFilerStatus(Acad::ErrorStatus) = 0;
  virtual void resetFilerStatus() = 0;
  virtual AcDbDatabase* database() const = 0;
  virtual Acad::ErrorStatus dwgVersion(AcDb::DwgVersion& version,
                                       AcDb::MaintenanceReleaseVersion& maintenance) const = 0;
  virtual int precision() const { return 16; }
  virtual bool includesDefaultValues() const { return true; }

  // Reading: the next group into the result buffer (strings allocated for the
  // caller to free with the buffer), or pushes the last one back.
  virtual Acad::ErrorStatus readResBuf(resbuf* item) = 0;
  Acad::ErrorStatus readItem(resbuf* item) { return readResBuf(item); }
  virtual void pushBackItem() = 0;
  virtual bool atEOF() = 0;
  virtual bool atSubclassData(const ACHAR* subClassName) = 0;
  virtual bool atExtendedData() = 0;
  virtual bool atEndOfObject() = 0;
  virtual Acad::ErrorStatus haltAtClassBoundaries(bool halt) = 0;

  // Writing
  virtual Acad::ErrorStatus writeResBuf(const resbuf& item) = 0;
  Acad::ErrorStatus writeItem(const resbuf& item) { return writeResBuf(item); }
  virtual Acad::ErrorStatus writeObjectId(int code, const AcDbObjectId& id) = 0;
  virtual Acad::ErrorStatus writeString(int code, const ACHAR* value) = 0;
  Acad::ErrorStatus writeString(int code, const std::wstring& value) { return writeString(code, value.c_str()); }
  virtual Acad::ErrorStatus writeBool(int code, bool value) = 0;
  virtual Acad::ErrorStatus writeInt8(int code, Adesk::Int8 value) = 0;
  virtual Acad::ErrorStatus writeInt16(int code, Adesk::Int16 value) = 0;
  virtual Acad::ErrorStatus writeInt32(int code, Adesk::Int32 value) = 0;
  virtual Acad::ErrorStatus writeInt64(int code, Adesk::Int64 value) = 0;
  virtual Acad::ErrorStatus writeUInt8(int code, Adesk::UInt8 value) = 0;
  virtual Acad::ErrorStatus writeUInt16(int code, Adesk::UInt16 value) = 0;
  virtual Acad::ErrorStatus writeUInt32(int code, Adesk::UInt32 value) = 0;
  virtual Acad::ErrorStatus writeDouble(int code, double value, int precision = 16) = 0;
  virtual Acad::ErrorStatus writePoint2d(int code, const AcGePoint2d& value, int precision = 16) = 0;
  virtual Acad::ErrorStatus writePoint3d(int code, const AcGePoint3d& value, int precision = 16) = 0;
  virtual Acad::ErrorStatus writeVector3d(int code, const AcGeVector3d& value, int precision = 16) = 0;
  virtual Acad::ErrorStatus writeBinaryChunk(int code, const ads_binary& value) = 0;
  virtual Acad::ErrorStatus writeAcDbHandle(int code, const AcDbHandle& value) = 0;
  virtual Acad::ErrorStatus writeEmbeddedObjectStart() { return Acad::eNotApplicable; }

  // Platform use: the reason a read failed, for the reader's error message
  // (which adds the file and line). The first message recorded is kept.
  virtual void vhostReportError(const std::wstring& message) {
    if (mError.empty()) mError = message;
  }
  const std::wstring& vhostErrorMessage() const { return mError; }

  Acad::ErrorStatus writeItem(int code, const ACHAR* v) { return writeString(code, v); }
  Acad::ErrorStatus writeItem(int code, const AcDbObjectId& v) { return writeObjectId(code, v); }
  Acad::ErrorStatus writeItem(int code, bool v) { return writeBool(code, v); }
  Acad::ErrorStatus writeItem(int code, Adesk::Int16 v) { return writeInt16(code, v); }
  Acad::ErrorStatus writeItem(int code, Adesk::Int32 v) { return writeInt32(code, v); }
  Acad::ErrorStatus writeItem(int code, double v, int precision = 16) { return writeDouble(code, v, precision); }
  Acad::ErrorStatus writeItem(int code, const AcGePoint2d& v, int precision = 16) {
    return writePoint2d(code, v, precision);
  }
  Acad::ErrorStatus writeItem(int code, const AcGePoint3d& v, int precision = 16) {
    return writePoint3d(code, v, precision);
  }
  Acad::ErrorStatus writeItem(int code, const AcGeVector3d& v, int precision = 16) {
    return writeVector3d(code, v, precision);
  }

 private:
  std::wstring mError;
};
