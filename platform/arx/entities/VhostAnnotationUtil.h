#pragma once
// Helpers shared by the annotation entities (texts, blocks, hatches, tables,
// dimensions): copies of strings for the caller, entity coordinate systems,
// and the display form of single-line text control codes.
#include <string>

#include "arx/base/AdeskTypes.h"
#include "arx/db/AcDbObject.h"
#include "arx/db/AcDbSymbolTable.h"
#include "arx/ge/AcGePoint3d.h"
#include "arx/ge/AcGeVector3d.h"

class AcGeMatrix3d;

namespace vhost {
namespace annot {

// A new[] copy of the text for the caller to free with delete[].
ACHAR* dupString(const std::wstring& text);
ACHAR* dupString(const ACHAR* text);

// Whether every coordinate is finite.
bool isFinite(const AcGePoint3d& p);
bool isFinite(const AcGeVector3d& v);
bool isFinite(double d);

// The X and Y axes of the entity coordinate system of the normal (arbitrary
// axis rule); the world axes for a zero normal.
void ocsAxes(const AcGeVector3d& normal, AcGeVector3d& xAxis, AcGeVector3d& yAxis);
// The direction at angle (from the entity coordinate system's X axis) in the
// plane of the normal.
AcGeVector3d ocsDirection(const AcGeVector3d& normal, double angle);
// The angle of a direction in the plane of the normal, in [0, 2π).
double ocsAngle(const AcGeVector3d& normal, const AcGeVector3d& direction);
// The unit normal, or null when the vector cannot serve as one.
bool unitNormal(const AcGeVector3d& in, AcGeVector3d& out);

// The text that a single-line text shows: %%d, %%c, %%p, %%% and %%nnn become
// their characters; the underline and overline toggles %%u and %%o show nothing.
std::wstring displayText(const std::wstring& raw);

// The transformed image of a frame (unit axes u, v in a plane with normal n)
// under xform: new axes directions, the scale each picked up, and whether the
// transform mirrors the frame (the images of u and v then turn the other way
// about the transformed normal).
struct FrameImage {
  AcGeVector3d u, v, normal;
  double uScale = 1.0, vScale = 1.0, normalScale = 1.0;
  bool mirrored = false;
};
bool transformFrame(const AcGeMatrix3d& xform, const AcGeVector3d& u, const AcGeVector3d& v,
                    const AcGeVector3d& normal, FrameImage& out);

// An object reached for reading by id for the length of a scope: opened for
// read, or, when the caller already has it open for write, used as it is.
template <class T>
class ReadHandle {
 public:
  explicit ReadHandle(AcDbObjectId id, bool openErased = false) { open(id, AcDb::kForRead, openErased); }
  ~ReadHandle() { release(); }
  ReadHandle(const ReadHandle&) = delete;
  ReadHandle& operator=(const ReadHandle&) = delete;
  T* get() const { return mObj; }
  T* operator->() const { return mObj; }
  explicit operator bool() const { return mObj != nullptr; }
  Acad::ErrorStatus status() const { return mStatus; }
  void release() {
    if (mObj && mOpened) mObj->close();
    mObj = nullptr;
    mOpened = false;
  }

 protected:
  ReadHandle() = default;
  void open(AcDbObjectId id, AcDb::OpenMode mode, bool openErased) {
    if (id.isNull()) {
      mStatus = Acad::eNullObjectId;
      return;
    }
    AcDbObject* raw = nullptr;
    mStatus = acdbOpenAcDbObject(raw, id, mode, openErased);
    if (mStatus == Acad::eOk) {
      mObj = T::cast(raw);
      mOpened = true;
      if (mObj == nullptr) {
        raw->close();
        mOpened = false;
        mStatus = Acad::eNotThatKindOfClass;
      }
      return;
    }
    if (mStatus == Acad::eWasOpenForWrite) {
      AcDbObject* open = vhost::residentObject(id);
      if (open != nullptr && open->isWriteEnabled()) {
        mObj = T::cast(open);
        mStatus = mObj ? Acad::eOk : Acad::eNotThatKindOfClass;
      }
    }
  }
  T* mObj = nullptr;
  bool mOpened = false;
  Acad::ErrorStatus mStatus = Acad::eOk;
};

// The same for writing.
template <class T>
class WriteHandle : public ReadHandle<T> {
 public:
  explicit WriteHandle(AcDbObjectId id, bool openErased = false) { this->open(id, AcDb::kForWrite, openErased); }
};

// A persistent reactor that must change itself while it hears a notification
// (it is then open for notify): opens itself for write by its id for the
// length of a scope. Closing ends the write opening and leaves the notify
// opening as it was, whichever order the database closes nested openings in.

}  // namespace annot
}  // namespace vhost
