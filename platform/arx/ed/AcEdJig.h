#pragma once
// Jigs: an entity dragged with the cursor. drag() shows the prompt and reads
// cursor events from the same stream as acedGrRead (a script gives
// "drag x,y x,y ... pick x,y"); for each cursor move it calls sampler() and,
// when that reports kNormal, update(). It ends with:
//   kNormal   a pick (sampler and update have seen the picked point), or a
//             value typed at acquireDist/acquireAngle, or a point typed;
//   kKW1...   a keyword of setKeywordList (1-based index; acedGetInput gives
//             its global name);
//   kOther    other text, with kAcceptOtherInputString (acedGetInput gives it);
//   kNull     Enter, with kNullResponseAccepted (otherwise Enter is ignored);
//   kCancel   Escape or the end of the input.
// The jig owns nothing: entity() is the caller's; append() adds it to the
// current space of the working database and closes it.
#include <string>

#include "arx/base/AdeskTypes.h"
#include "arx/db/AcDbObjectId.h"
#include "arx/ge/AcGePoint3d.h"

class AcDbEntity;

class AcEdJig {
 public:
  enum UserInputControls {
    kGovernedByOrthoMode = 0x000001,
    kNullResponseAccepted = 0x000002,
    kDontEchoCancelForCtrlC = 0x000004,
    kDontUpdateLastPoint = 0x000008,
    kNoDwgLimitsChecking = 0x000010,
    kNoZeroResponseAccepted = 0x000020,
    kNoNegativeResponseAccepted = 0x000040,
    kAccept3dCoordinates = 0x000080,
    kAcceptMouseUpAsPoint = 0x000100,
    kAnyBlankTerminatesInput = 0x000200,
    kInitialBlankTerminatesInput = 0x000400,
    kAcceptOtherInputString = 0x000800,
    kGovernedByUCSDetect = 0x001000,
    kNoZDirectionOrtho = 0x002000,
    kImpliedFaceForUCSChange = 0x004000,
    kUseBasePointElevation = 0x008000,
    kDisableDirectDistanceInput = 0x010000
  };
  enum DragStatus {
    kModeless = -17,
    kNoChange = -6,
    kCancel = -4,
    kOther = -3,
    kNull = -1,
    kNormal = 0,
    kKW1,
    kKW2,
    kKW3,
    kKW4,
    kKW5,
    kKW6,
    kKW7,
    kKW8,
    kKW9
  };
  enum CursorType {
    kNoSpecialCursor = -1,
    kCrosshair = 0,
    kRectCursor,
    kRubberBand,
    kNotRotated,
    kTargetBox,
    kRotatedCrosshair,
    kCrosshairNoRotate,
    kInvisible,
    kEntitySelect,
    kParallelogram,
    kEntitySelectNoPersp,
    kPkfirstOrGrips,
    kCrosshairDashed
  };

  AcEdJig();
  virtual ~AcEdJig();

  DragStatus drag();
  virtual DragStatus sampler() = 0;
  virtual Adesk::Boolean update() = 0;
  virtual AcDbEntity* entity() const = 0;
  // Adds entity() to the current space of the working database, closes it and
  // returns its id (null when it could not be added).
  AcDbObjectId append();

  // Called by sampler(): the current cursor point, a distance or an angle
  // (radians, counter-clockwise from the X axis) from the base point. They
  // return kNormal with a new value, kNoChange when the cursor did not move
  // since the last call, or the status that ended the drag (a value typed at
  // the prompt ends it as well: the value is returned with kNormal).
  // Without a base point, distances and angles are taken from LASTPOINT.
  DragStatus acquirePoint(AcGePoint3d& point);
  DragStatus acquirePoint(AcGePoint3d& point, const AcGePoint3d& basePoint);
  DragStatus acquireDist(double& distance);
  DragStatus acquireDist(double& distance, const AcGePoint3d& basePoint);
  DragStatus acquireAngle(double& angle);
  DragStatus acquireAngle(double& angle, const AcGePoint3d& basePoint);

  // The prompt shown by drag(); printf-style, formatted like acutPrintf.
  void setDispPrompt(const ACHAR* format, ...);
  const ACHAR* dispPrompt() const { return mPrompt.c_str(); }
  // Keywords in acedInitGet form ("Scale Rotate _ S R").
  void setKeywordList(const ACHAR* keywords);
  const ACHAR* keywordList() const { return mKeywords.c_str(); }
  void setUserInputControls(UserInputControls controls) { mControls = controls; }
  UserInputControls userInputControls() const { return mControls; }
  void setSpecialCursorType(CursorType type) { mCursor = type; }
  CursorType specialCursorType() const { return mCursor; }

 private:
  DragStatus acquire(AcGePoint3d& point, const AcGePoint3d* basePoint, int what, double* value);

  std::wstring mPrompt;
  std::wstring mKeywords;
  UserInputControls mControls = static_cast<UserInputControls>(0);
  CursorType mCursor = kNoSpecialCursor;
  // The drag in progress.
  bool mDragging = false;
  AcGePoint3d mCursorPoint;   // the last cursor point of the drag
  bool mHaveCursor = false;
  std::wstring mTypedText;    // a value typed at the prompt, for the acquire call
  bool mHaveTyped = false;
  bool mTypedTaken = false;
  bool mTypedRejected = false;
  AcGePoint3d mLastAcquired;  // for kNoChange
  bool mHaveLastAcquired = false;
};
