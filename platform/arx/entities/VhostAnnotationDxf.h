#pragma once
// Helpers shared by the DXF filing of the annotation entities: symbol names
// in place of ids, entity coordinate systems, angles in degrees, long texts
// in 250-character chunks, a group list read ahead for structured data, and
// the "verbatim while unchanged" store that lets an entity read from a file
// write its subclass back exactly as it was read as long as nothing it
// models has changed.
#include <cstdint>
#include <string>
#include <vector>

#include "arx/base/AcadErrorStatus.h"
#include "arx/base/Resbuf.h"
#include "arx/db/AcDbDxfFiler.h"
#include "arx/db/AcDbObjectId.h"
#include "arx/db/VhostDxfSupport.h"
#include "arx/ge/AcGePoint3d.h"
#include "arx/ge/AcGeVector3d.h"

class AcDbDatabase;
class AcDbObject;

namespace vhost {
namespace annotdxf {

constexpr double kRadToDeg = 57.29577951308232;
inline double toDegrees(double radians) { return radians * kRadToDeg; }
inline double toRadians(double degrees) { return degrees / kRadToDeg; }

// The database names are resolved in: the filer's, else the object's.
AcDbDatabase* databaseFor(AcDbDxfFiler* filer, const AcDbObject* obj);
// The name of a symbol table record (empty for a null or unreadable id).
std::wstring recordName(AcDbObjectId id);
// The live record of that name in the table (case ignored), or null.
AcDbObjectId findRecord(AcDbObjectId tableId, const std::wstring& name);

// World <-> entity coordinate system of a normal (arbitrary axis rule). The
// Z normal is the identity, exactly.
AcGePoint3d wcsToOcs(const AcGePoint3d& p, const AcGeVector3d& normal);
AcGePoint3d ocsToWcs(const AcGePoint3d& p, const AcGeVector3d& normal);
AcGeVector3d ocsToWcs(const AcGeVector3d& v, const AcGeVector3d& normal);
bool isZNormal(const AcGeVector3d& normal);

// Writes a long text as 3 groups of 250 characters and a last 1 group (the
// codes given), and appends a chunk read back.
void writeChunked(AcDbDxfFiler* filer, const std::wstring& text, int lastCode = 1, int chunkCode = 3);

// Reads every group of the current subclass into a list (stops at the next
// marker, the extended data or the end). eEndOfObject is turned into eOk.
class GroupList {
 public:
  GroupList() = default;
  ~GroupList();
  GroupList(const GroupList&) = delete;
  GroupList& operator=(const GroupList&) = delete;
  Acad::ErrorStatus readFrom(AcDbDxfFiler* filer);
  size_t size() const { return mGroups.size(); }
  const resbuf& operator[](size_t i) const { return *mGroups[i]; }
  // A chain copy of groups [from, to) for keeping (caller frees with acutRelRb).
  resbuf* copyRange(size_t from, size_t to) const;

 private:
  std::vector<resbuf*> mGroups;
};

// A cursor over a GroupList for structured data: each take* checks the code
// and the value, and reports a clear error through the filer otherwise.
class GroupCursor {
 public:
  GroupCursor(const GroupList& list, AcDbDxfFiler* filer, const wchar_t* what)
      : mList(list), mFiler(filer), mWhat(what) {}
  bool atEnd() const { return mPos >= mList.size(); }
  size_t pos() const { return mPos; }
  void seek(size_t pos) { mPos = pos; }
  int peekCode() const { return atEnd() ? -9999 : mList[mPos].restype; }
  const resbuf& next() { return mList[mPos++]; }
  bool failed() const { return mFailed; }
  Acad::ErrorStatus status() const { return mStatus; }
  // The next group must have this code; false (and the error) otherwise.
  bool expect(int code, const resbuf*& rb);
  bool takeInt(int code, long& value, long lo, long hi);
  bool takeReal(int code, double& value, bool positive = false);
  bool takePoint(int code, AcGePoint3d& value);
  bool takeString(int code, std::wstring& value);
  // Reports an error (the first one counts).
  bool fail(const std::wstring& message);

 private:
  const GroupList& mList;
  AcDbDxfFiler* mFiler;
  std::wstring mWhat;
  size_t mPos = 0;
  bool mFailed = false;
  Acad::ErrorStatus mStatus = Acad::eOk;
};

// Value checks used when reading.
bool good(double d);
bool good(const AcGePoint3d& p);
// The integer of any integer group (16, 32 or 64 bits, bool).
long intValue(const resbuf& rb);

// A digest of the groups recorded in a memory filer (codes and values).
std::uint64_t digestGroups(const std::vector<resbuf*>& groups);

// "Verbatim while unchanged": after reading, the object remembers the
// subclass's groups as read together with the digest of what it writes
// itself from its model; when it writes, and its own groups still have that
// digest, it writes the groups as read instead (keeping their order and
// every value it does not model). The store lives with the object's kept
// groups (copies and clones carry it).
void storeVerbatim(AcDbObject* obj, const wchar_t* subclass, std::uint64_t digest, resbuf* groups);
// The groups as read when the digest still matches, else null.
const resbuf* verbatimIfUnchanged(const AcDbObject* obj, const wchar_t* subclass, std::uint64_t digest);
// Writes a chain of groups.
Acad::ErrorStatus writeChain(AcDbDxfFiler* filer, const resbuf* chain);

}  // namespace annotdxf
}  // namespace vhost
