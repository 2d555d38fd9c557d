#pragma once
// The filer an object reads its DXF groups from when a drawing is read: a
// view of that object's groups (after its "0 TYPE" line). Values are
// converted as they are read: text decoded, numbers parsed (a value that is
// not a number is an error naming its line), points assembled from their
// coordinate groups, handles of references turned into object ids (forward
// references included). Subclass markers and extended data bound what
// readResBuf hands out, as the in-memory filer does.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "arx/base/Resbuf.h"
#include "arx/db/AcDbDxfFiler.h"

namespace vhost {

class DxfTextCodec;

// One group of an object, its value still text.
struct DxfInGroup {
  std::int32_t code;
  std::uint32_t line;
  std::string_view text;
};

// What the filer needs of the reader around it.
class DxfReferenceSink {
 public:
  virtual ~DxfReferenceSink() = default;
  // The id of a handle that an object refers to (made ahead when the object
  // is not read yet).
  virtual AcDbObjectId idOfHandle(std::uint64_t handle) = 0;
};

class DxfInFiler : public AcDbDxfFiler {
 public:
  DxfInFiler(AcDbDatabase* db, DxfTextCodec& codec, DxfReferenceSink* refs, AcDb::DwgVersion version);

  // Reads these groups from now on (the vector stays the caller's).
  void reset(const std::vector<DxfInGroup>* groups, std::uint32_t objectLine);
  size_t position() const { return mPos; }
  void setPosition(size_t pos) { mPos = pos; }
  // The line of the group read last (or of the object's start).
  std::uint32_t currentLine() const;
  void clearError();
  // The message of the failure recorded by the filer or by the object.
  std::wstring errorText() const;

  // Converts group i into rb (and says how many groups it took); false on a
  // value that does not parse, with the message recorded.
  bool convert(size_t i, resbuf& rb, size_t& used);

  Acad::ErrorStatus filerStatus() const override { return mStatus; }
  AcDb::FilerType filerType() const override { return AcDb::kFileFiler; }
  void setFilerStatus(Acad::ErrorStatus es) override { mStatus = es; }
  void resetFilerStatus() override { mStatus = Acad::eOk; }
  AcDbDatabase* database() const override { return mDatabase; }
  Acad::ErrorStatus dwgVersion(AcDb::DwgVersion& version, AcDb::MaintenanceReleaseVersion& maintenance) const override;

  Acad::ErrorStatus readResBuf(resbuf* item) override;
  void pushBackItem() override;
  bool atEOF() override { return mPos >= size(); }
  bool atSubclassData(const ACHAR* subClassName) override;
  bool atExtendedData() override;
  bool atEndOfObject() override { return mPos >= size() || atExtendedData(); }
  Acad::ErrorStatus haltAtClassBoundaries(bool halt) override {
    mHalt = halt;
    return Acad::eOk;
  }
  void vhostReportError(const std::wstring& message) override;

  // Writing is not possible on a reading filer.
  Acad::ErrorStatus writeResBuf(const resbuf&) override { return Acad::eIsReading; }
  Acad::ErrorStatus writeObjectId(int, const AcDbObjectId&) override { return Acad::eIsReading; }
  Acad::ErrorStatus writeString(int, const ACHAR*) override { return Acad::eIsReading; }
  Acad::ErrorStatus writeBool(int, bool) override { return Acad::eIsReading; }
  Acad::ErrorStatus writeInt8(int, Adesk::Int8) override { return Acad::eIsReading; }
  Acad::ErrorStatus writeInt16(int, Adesk::Int16) override { return Acad::eIsReading; }
  Acad::ErrorStatus writeInt32(int, Adesk::Int32) override { return Acad::eIsReading; }
  Acad::ErrorStatus writeInt64(int, Adesk::Int64) override { return Acad::eIsReading; }
  Acad::ErrorStatus writeUInt8(int, Adesk::UInt8) override { return Acad::eIsReading; }
  Acad::ErrorStatus writeUInt16(int, Adesk::UInt16) override { return Acad::eIsReading; }
  Acad::ErrorStatus writeUInt32(int, Adesk::UInt32) override { return Acad::eIsReading; }
  Acad::ErrorStatus writeDouble(int, double, int = 16) override { return Acad::eIsReading; }
  Acad::ErrorStatus writePoint2d(int, const AcGePoint2d&, int = 16) override { return Acad::eIsReading; }
  Acad::ErrorStatus writePoint3d(int, const AcGePoint3d&, int = 16) override { return Acad::eIsReading; }
  Acad::ErrorStatus writeVector3d(int, const AcGeVector3d&, int = 16) override { return Acad::eIsReading; }
  Acad::ErrorStatus writeBinaryChunk(int, const ads_binary&) override { return Acad::eIsReading; }
  Acad::ErrorStatus writeAcDbHandle(int, const AcDbHandle&) override { return Acad::eIsReading; }

 private:
  size_t size() const { return mGroups ? mGroups->size() : 0; }
  bool fail(size_t i, const std::wstring& message);

  AcDbDatabase* mDatabase;
  DxfTextCodec& mCodec;
  DxfReferenceSink* mRefs;
  AcDb::DwgVersion mVersion;
  const std::vector<DxfInGroup>* mGroups = nullptr;
  size_t mPos = 0;
  size_t mLastPos = 0;
  std::uint32_t mObjectLine = 0;
  std::uint32_t mErrorLine = 0;
  std::wstring mMessage;
  bool mHalt = true;
  Acad::ErrorStatus mStatus = Acad::eOk;
  std::wstring mText;  // scratch for decoding
};

}  // namespace vhost
