#include "arx/ed/AcEdJig.h"

#include <cmath>
#include <cstdarg>

#include "arx/db/AcDbBlockTable.h"
#include "arx/db/AcDbDatabase.h"
#include "arx/db/AcDbEntity.h"
#include "arx/ed/AcedGrRead.h"
#include "arx/ed/AcedInput.h"
#include "arx/ed/EditorState.h"
#include "arx/ed/HostUi.h"
#include "arx/ed/InputLoop.h"
#include "arx/ed/InputParse.h"
#include "arx/ed/KeywordList.h"
#include "mfc/CException.h"
#include "mfc/CStringFormat.h"

namespace {
enum Acquire { kAcquirePoint = 0, kAcquireDist = 1, kAcquireAngle = 2 };
}

AcEdJig::AcEdJig() = default;
AcEdJig::~AcEdJig() = default;

void AcEdJig::setDispPrompt(const ACHAR* format, ...) {
  mPrompt.clear();
  if (format == nullptr) return;
  va_list args;
  va_start(args, format);
  try {
    veskhost::mfc::AppendFormatV(mPrompt, format, args);
  } catch (CException* e) {
    e->Delete();
    mPrompt = format;
  } catch (...) {
    mPrompt = format;
  }
  va_end(args);
}

void AcEdJig::setKeywordList(const ACHAR* keywords) { mKeywords = keywords != nullptr ? keywords : L""; }

AcEdJig::DragStatus AcEdJig::drag() {
  vhost::KeywordList keywords(mKeywords);
  vhost::clearLastInput();
  mDragging = true;
  mHaveLastAcquired = false;
  struct Reset {
    bool& flag;
    ~Reset() { flag = false; }
  } reset{mDragging};
  for (;;) {
    vhost::CursorEvent ev = vhost::nextCursorEvent(mPrompt, mKeywords, mControls);
    switch (ev.kind) {
      case vhost::CursorEvent::Kind::kMove:
      case vhost::CursorEvent::Kind::kPick: {
        mCursorPoint.set(ev.point[0], ev.point[1], (mControls & kAccept3dCoordinates) != 0 ? ev.point[2] : 0.0);
        mHaveCursor = true;
        mHaveTyped = false;
        DragStatus st = sampler();
        if (st == kNormal) update();
        if (st == kCancel) return kCancel;
        if (ev.kind == vhost::CursorEvent::Kind::kPick) {
          if ((mControls & kDontUpdateLastPoint) == 0) {
            ads_point p = {mCursorPoint.x, mCursorPoint.y, mCursorPoint.z};
            vhost::setLastPoint(p);
          }
          return kNormal;
        }
        break;
      }
      case vhost::CursorEvent::Kind::kText: {
        int k = keywords.match(ev.text);
        if (k >= 0) {
          vhost::setLastInput(keywords.globalName(k));
          return static_cast<DragStatus>(kKW1 + k);
        }
        // A value typed at the prompt: the sampler's acquire call takes it.
        mTypedText = ev.text;
        mHaveTyped = true;
        mTypedTaken = false;
        mTypedRejected = false;
        DragStatus st = sampler();
        bool taken = mTypedTaken;
        mHaveTyped = false;
        if (taken && !mTypedRejected) {
          if (st == kNormal) update();
          return kNormal;
        }
        if (mTypedRejected) break;  // the acquire call complained
        if ((mControls & kAcceptOtherInputString) != 0) {
          vhost::setLastInput(ev.text);
          return kOther;
        }
        vhost::currentHostUi()->print(keywords.empty() ? L"\nInvalid point." : L"\nPoint or option keyword required.");
        break;
      }
      case vhost::CursorEvent::Kind::kEnter:
      case vhost::CursorEvent::Kind::kRightButton:
        if ((mControls & kNullResponseAccepted) != 0) return kNull;
        break;
      case vhost::CursorEvent::Kind::kCancel:
      case vhost::CursorEvent::Kind::kEnd: return kCancel;
    }
  }
}

AcEdJig::DragStatus AcEdJig::acquire(AcGePoint3d& point, const AcGePoint3d* basePoint, int what, double* value) {
  ads_point last;
  vhost::lastPoint(last);
  AcGePoint3d base = basePoint != nullptr ? *basePoint : AcGePoint3d(last[0], last[1], last[2]);
  AcGePoint3d target;
  if (mHaveTyped) {
    mTypedTaken = true;
    double number = 0.0;
    bool isNumber = vhost::parseNumber(mTypedText, number);
    if (what == kAcquirePoint || !isNumber) {
      if (!vhost::parsePoint(mTypedText, base, target)) {
        mTypedRejected = true;
        vhost::currentHostUi()->print(what == kAcquirePoint ? L"\nInvalid point." : L"\nInvalid input.");
        return kNoChange;
      }
    } else {
      double v = what == kAcquireAngle ? number * M_PI / 180.0 : number;
      if (what == kAcquireDist) {
        if ((mControls & kNoZeroResponseAccepted) != 0 && v == 0.0) {
          mTypedRejected = true;
          vhost::currentHostUi()->print(L"\nValue must be nonzero.");
          return kNoChange;
        }
        if ((mControls & kNoNegativeResponseAccepted) != 0 && v < 0.0) {
          mTypedRejected = true;
          vhost::currentHostUi()->print(L"\nValue must be positive.");
          return kNoChange;
        }
      }
      *value = v;
      return kNormal;
    }
  } else {
    if (!mHaveCursor) return kNoChange;
    target = mCursorPoint;
    if (mHaveLastAcquired && target.isEqualTo(mLastAcquired)) return kNoChange;
    mLastAcquired = target;
    mHaveLastAcquired = true;
  }
  if (what == kAcquirePoint) {
    point = target;
  } else if (what == kAcquireDist) {
    *value = std::hypot(target.x - base.x, target.y - base.y);
    if ((mControls & kAccept3dCoordinates) != 0) *value = target.distanceTo(base);
  } else {
    double a = std::atan2(target.y - base.y, target.x - base.x);
    if (a < 0.0) a += 2.0 * M_PI;
    *value = a;
  }
  return kNormal;
}

AcEdJig::DragStatus AcEdJig::acquirePoint(AcGePoint3d& point) { return acquire(point, nullptr, kAcquirePoint, nullptr); }

AcEdJig::DragStatus AcEdJig::acquirePoint(AcGePoint3d& point, const AcGePoint3d& basePoint) {
  return acquire(point, &basePoint, kAcquirePoint, nullptr);
}

AcEdJig::DragStatus AcEdJig::acquireDist(double& distance) {
  AcGePoint3d unused;
  return acquire(unused, nullptr, kAcquireDist, &distance);
}

AcEdJig::DragStatus AcEdJig::acquireDist(double& distance, const AcGePoint3d& basePoint) {
  AcGePoint3d unused;
  return acquire(unused, &basePoint, kAcquireDist, &distance);
}

AcEdJig::DragStatus AcEdJig::acquireAngle(double& angle) {
  AcGePoint3d unused;
  return acquire(unused, nullptr, kAcquireAngle, &angle);
}

AcEdJig::DragStatus AcEdJig::acquireAngle(double& angle, const AcGePoint3d& basePoint) {
  AcGePoint3d unused;
  return acquire(unused, &basePoint, kAcquireAngle, &angle);
}

AcDbObjectId AcEdJig::append() {
  AcDbEntity* ent = entity();
  AcDbDatabase* db = vhost::workingDb();
  if (ent == nullptr || db == nullptr || !ent->objectId().isNull()) return AcDbObjectId();
  AcDbBlockTableRecord* space = nullptr;
  if (acdbOpenObject(space, db->currentSpaceId(), AcDb::kForWrite) != Acad::eOk) return AcDbObjectId();
  AcDbObjectId id;
  Acad::ErrorStatus es = space->appendAcDbEntity(id, ent);
  space->close();
  if (es != Acad::eOk) return AcDbObjectId();
  ent->close();
  return id;
}
