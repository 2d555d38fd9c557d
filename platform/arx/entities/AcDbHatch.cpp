#include "arx/entities/AcDbHatch.h"

#include <algorithm>
#include <cmath>
#include <cwctype>
#include <map>

#include "arx/db/AcDbDwgFiler.h"
#include "arx/entities/VhostAnnotationDxf.h"
#include "arx/entities/NurbsCurve.h"
#include "arx/db/VhostDxfMemoryFiler.h"
#include "arx/db/AcDbObjectPointer.h"
#include "arx/entities/AcDbLine.h"
#include "arx/entities/VhostAnnotationUtil.h"
#include "arx/entities/VhostLoopGeometry.h"
#include "arx/ge/AcDbExtents.h"
#include "arx/ge/AcGeMatrix3d.h"
#include "arx/ge/AcGePlane.h"
#include "arx/ge/GeMath.h"

VHOST_DEFINE_BUILTIN_CLASS(AcDbHatch, AcDbEntity, L"HATCH")

using namespace vhost::annot;
using VeskGe::BulgePiece;

namespace {

std::wstring upper(const std::wstring& s) {
  std::wstring out;
  for (wchar_t c : s) out += static_cast<wchar_t>(std::towupper(c));
  return out;
}

// Built-in pattern definitions (drawing units at scale 1): angle in degrees,
// base point, offset along and across the lines, dashes (negative: gaps, 0: dots).
struct PatternLine {
  double angle, x, y, dx, dy;
  std::vector<double> dashes;
};

const std::map<std::wstring, std::vector<PatternLine>>& builtInPatterns() {
  static const std::map<std::wstring, std::vector<PatternLine>> kPatterns = {
      {L"SOLID", {}},
      {L"LINE", {{0, 0, 0, 0, 3.175, {}}}},
      {L"ANSI31", {{45, 0, 0, 0, 3.175, {}}}},
      {L"ANSI32", {{45, 0, 0, 0, 9.525, {}}, {45, 4.49013, 0, 0, 9.525, {}}}},
      {L"ANSI33", {{45, 0, 0, 0, 6.35, {}}, {45, 4.49013, 0, 0, 6.35, {3.175, -1.5875}}}},
      {L"ANSI37", {{45, 0, 0, 0, 3.175, {}}, {135, 0, 0, 0, 3.175, {}}}},
      {L"ANSI38", {{45, 0, 0, 0, 3.175, {}}, {135, 0, 0, 6.35, 3.175, {7.9375, -4.7625}}}},
      {L"NET", {{0, 0, 0, 0, 3.175, {}}, {90, 0, 0, 0, 3.175, {}}}},
      {L"NET3", {{0, 0, 0, 0, 3.175, {}}, {60, 0, 0, 0, 3.175, {}}, {120, 0, 0, 0, 3.175, {}}}},
      {L"DASH", {{0, 0, 0, 3.175, 3.175, {3.175, -3.175}}}},
      {L"SQUARE", {{0, 0, 0, 0, 3.175, {3.175, -3.175}}, {90, 0, 0, 0, 3.175, {3.175, -3.175}}}},
      {L"DOTS", {{0, 0, 0, 0.79375, 1.5875, {0, -1.5875}}}},
      {L"BRICK", {{0, 0, 0, 0, 6.35, {}}, {90, 0, 0, 6.35, 6.35, {6.35, -6.35}}, {90, 3.175, 0, 6.35, 6.35, {-6.35, 6.35}}}},
      {L"ANGLE", {{0, 0, 0, 0, 6.985, {5.08, -1.905}}, {90, 0, 0, 0, 6.985, {5.08, -1.905}}}},
  };
  return kPatterns;
}

bool finite2(const AcGePoint2d& p) { return std::isfinite(p.x) && std::isfinite(p.y); }

}  // namespace

AcDbHatch::AcDbHatch() = default;
AcDbHatch::~AcDbHatch() = default;

// --- plane -------------------------------------------------------------------------------

double AcDbHatch::elevation() const {
  assertReadEnabled();
  return mElevation;
}

Acad::ErrorStatus AcDbHatch::setElevation(double elevation) {
  if (!isFinite(elevation)) return Acad::eInvalidInput;
  assertWriteEnabled();
  mElevation = elevation;
  return Acad::eOk;
}

AcGeVector3d AcDbHatch::normal() const {
  assertReadEnabled();
  return mNormal;
}

Acad::ErrorStatus AcDbHatch::setNormal(const AcGeVector3d& normal) {
  AcGeVector3d n;
  if (!unitNormal(normal, n)) return Acad::eInvalidInput;
  assertWriteEnabled();
  mNormal = n;
  invalidateLines();
  return Acad::eOk;
}

// --- pattern -------------------------------------------------------------------------------

AcDbHatch::HatchPatternType AcDbHatch::patternType() const {
  assertReadEnabled();
  return static_cast<HatchPatternType>(mPatternType);
}

const ACHAR* AcDbHatch::patternName() const {
  assertReadEnabled();
  return mPatternName.c_str();
}

bool AcDbHatch::vhostIsKnownPattern(const ACHAR* name) {
  return name != nullptr && builtInPatterns().count(upper(name)) > 0;
}

Acad::ErrorStatus AcDbHatch::setPattern(HatchPatternType patType, const ACHAR* patName) {
  if (patType != kUserDefined && patType != kPreDefined && patType != kCustomDefined) return Acad::eInvalidInput;
  std::wstring name = patName ? patName : L"";
  if (patType != kUserDefined && name.empty()) return Acad::eInvalidInput;
  if (patType == kUserDefined && name.empty()) name = L"_USER";
  assertWriteEnabled();
  mPatternType = static_cast<Adesk::Int16>(patType);
  mPatternName = name;
  invalidateLines();
  return Acad::eOk;
}

double AcDbHatch::patternAngle() const {
  assertReadEnabled();
  return mPatternAngle;
}

Acad::ErrorStatus AcDbHatch::setPatternAngle(double angle) {
  if (!isFinite(angle)) return Acad::eInvalidInput;
  assertWriteEnabled();
  mPatternAngle = VeskGe::normalizeAngle(angle);
  invalidateLines();
  return Acad::eOk;
}

double AcDbHatch::patternSpace() const {
  assertReadEnabled();
  return mPatternSpace;
}

Acad::ErrorStatus AcDbHatch::setPatternSpace(double space) {
  if (!(space > 0.0) || !isFinite(space)) return Acad::eInvalidInput;
  assertWriteEnabled();
  mPatternSpace = space;
  invalidateLines();
  return Acad::eOk;
}

double AcDbHatch::patternScale() const {
  assertReadEnabled();
  return mPatternScale;
}

Acad::ErrorStatus AcDbHatch::setPatternScale(double scale) {
  if (!(scale > 0.0) || !isFinite(scale)) return Acad::eInvalidInput;
  assertWriteEnabled();
  mPatternScale = scale;
  invalidateLines();
  return Acad::eOk;
}

bool AcDbHatch::patternDouble() const {
  assertReadEnabled();
  return mPatternDouble;
}

Acad::ErrorStatus AcDbHatch::setPatternDouble(bool isDouble) {
  assertWriteEnabled();
  mPatternDouble = isDouble;
  invalidateLines();
  return Acad::eOk;
}

bool AcDbHatch::isSolidFill() const {
  assertReadEnabled();
  return mPatternType != kUserDefined && upper(mPatternName) == L"SOLID";
}

std::vector<AcDbHatch::Family> AcDbHatch::families() const {
  std::vector<Family> out;
  auto add = [&](double angleDeg, double x, double y, double dx, double dy, const std::vector<double>& dashes,
                 double scale) {
    Family f;
    f.angle = VeskGe::normalizeAngle(angleDeg * VeskGe::kPi / 180.0 + mPatternAngle);
    const double ca = std::cos(mPatternAngle), sa = std::sin(mPatternAngle);
    f.baseX = (x * ca - y * sa) * scale;
    f.baseY = (x * sa + y * ca) * scale;
    // The offset is given along and across the family's lines.
    const double cf = std::cos(f.angle), sf = std::sin(f.angle);
    f.offsetX = (dx * cf - dy * sf) * scale;
    f.offsetY = (dx * sf + dy * cf) * scale;
    for (double d : dashes) f.dashes.push_back(d * scale);
    out.push_back(f);
  };
  if (mPatternType == kUserDefined) {
    add(0, 0, 0, 0, mPatternSpace, {}, 1.0);
    if (mPatternDouble) add(90, 0, 0, 0, mPatternSpace, {}, 1.0);
    return out;
  }
  auto it = builtInPatterns().find(upper(mPatternName));
  if (it == builtInPatterns().end()) return out;
  for (const PatternLine& l : it->second) add(l.angle, l.x, l.y, l.dx, l.dy, l.dashes, mPatternScale);
  return out;
}

int AcDbHatch::numPatternDefinitions() const {
  assertReadEnabled();
  return static_cast<int>(families().size());
}

Acad::ErrorStatus AcDbHatch::getPatternDefinitionAt(int index, double& angle, double& baseX, double& baseY,
                                                    double& offsetX, double& offsetY, AcGeDoubleArray& dashes) const {
  assertReadEnabled();
  const std::vector<Family> fs = families();
  if (index < 0 || index >= static_cast<int>(fs.size())) return Acad::eInvalidIndex;
  const Family& f = fs[static_cast<size_t>(index)];
  angle = f.angle;
  baseX = f.baseX;
  baseY = f.baseY;
  offsetX = f.offsetX;
  offsetY = f.offsetY;
  dashes.removeAll();
  for (double d : f.dashes) dashes.append(d);
  return Acad::eOk;
}

AcDbHatch::HatchStyle AcDbHatch::hatchStyle() const {
  assertReadEnabled();
  return static_cast<HatchStyle>(mStyle);
}

Acad::ErrorStatus AcDbHatch::setHatchStyle(HatchStyle style) {
  if (style != kNormal && style != kOuter && style != kIgnore) return Acad::eInvalidInput;
  assertWriteEnabled();
  mStyle = static_cast<Adesk::Int16>(style);
  invalidateLines();
  return Acad::eOk;
}

// --- loops ----------------------------------------------------------------------------------

int AcDbHatch::numLoops() const {
  assertReadEnabled();
  return static_cast<int>(mLoops.size());
}

Adesk::Int32 AcDbHatch::loopTypeAt(int loopIndex) const {
  assertReadEnabled();
  if (loopIndex < 0 || loopIndex >= static_cast<int>(mLoops.size())) return kDefault;
  return mLoops[static_cast<size_t>(loopIndex)].type;
}

Acad::ErrorStatus AcDbHatch::insertLoop(int index, Loop&& loop) {
  if (index < 0 || index > static_cast<int>(mLoops.size())) return Acad::eInvalidIndex;
  assertWriteEnabled();
  mLoops.insert(mLoops.begin() + index, std::move(loop));
  invalidateLines();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbHatch::insertLoopAt(int loopIndex, Adesk::Int32 loopType, const AcGePoint2dArray& vertices,
                                          const AcGeDoubleArray& bulges) {
  if (bulges.length() != 0 && bulges.length() != vertices.length()) return Acad::eInvalidInput;
  Loop loop;
  loop.type = loopType | kPolyline;
  for (int i = 0; i < vertices.length(); ++i) {
    const double b = bulges.length() ? bulges[i] : 0.0;
    if (!finite2(vertices[i]) || !std::isfinite(b)) return Acad::eInvalidInput;
    loop.vertices.append(vertices[i]);
    loop.bulges.append(b);
  }
  // A closing vertex equal to the first is not an edge of its own.
  while (loop.vertices.length() > 2 && loop.vertices.last().isEqualTo(loop.vertices.first())) {
    loop.vertices.removeLast();
    loop.bulges.removeLast();
  }
  if (outlinePieces(loop.vertices, loop.bulges).size() < 2) return Acad::eInvalidInput;
  return insertLoop(loopIndex, std::move(loop));
}

Acad::ErrorStatus AcDbHatch::appendLoop(Adesk::Int32 loopType, const AcGePoint2dArray& vertices,
                                        const AcGeDoubleArray& bulges) {
  return insertLoopAt(numLoops(), loopType, vertices, bulges);
}

Acad::ErrorStatus AcDbHatch::buildObjectLoop(Adesk::Int32 loopType, const AcDbObjectIdArray& ids, Loop& loop,
                                             const AcDbObject* known) const {
  if (ids.isEmpty()) return Acad::eInvalidInput;
  const AcGeMatrix3d toPlane = AcGeMatrix3d::worldToPlane(mNormal);
  Pieces pieces;
  bool singlePolyline = ids.length() == 1;
  for (const AcDbObjectId& id : ids) {
    Acad::ErrorStatus es;
    if (known != nullptr && known->objectId() == id) {
      es = curvePieces(AcDbEntity::cast(known), toPlane, pieces);
      singlePolyline = singlePolyline && isKindOfNamed(known, L"AcDbPolyline");
    } else {
      ReadHandle<AcDbEntity> ent(id);
      if (!ent) return ent.status();
      es = curvePieces(ent.get(), toPlane, pieces);
      singlePolyline = singlePolyline && isKindOfNamed(ent.get(), L"AcDbPolyline");
    }
    if (es != Acad::eOk) return es;
  }
  Pieces chained;
  if (!chainSingleLoop(pieces, joinTolerance(pieces), chained) || chained.size() < 2) return Acad::eInvalidInput;
  loop.type = loopType | (singlePolyline ? kPolyline : 0);
  piecesToOutline(chained, loop.vertices, loop.bulges);
  loop.ids = ids;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbHatch::insertLoopAt(int loopIndex, Adesk::Int32 loopType, const AcDbObjectIdArray& dbObjIds) {
  if (loopIndex < 0 || loopIndex > static_cast<int>(mLoops.size())) return Acad::eInvalidIndex;
  for (const AcDbObjectId& id : dbObjIds) {
    if (id.isNull()) return Acad::eNullObjectId;
    if (database() && id.database() != database()) return Acad::eWrongDatabase;
  }
  Loop loop;
  Acad::ErrorStatus es = buildObjectLoop(loopType, dbObjIds, loop);
  if (es != Acad::eOk) return es;
  es = insertLoop(loopIndex, std::move(loop));
  if (es == Acad::eOk && mAssociative) attachToBoundaries();
  return es;
}

Acad::ErrorStatus AcDbHatch::appendLoop(Adesk::Int32 loopType, const AcDbObjectIdArray& dbObjIds) {
  return insertLoopAt(numLoops(), loopType, dbObjIds);
}

Acad::ErrorStatus AcDbHatch::getLoopAt(int loopIndex, Adesk::Int32& loopType, AcGePoint2dArray& vertices,
                                       AcGeDoubleArray& bulges) const {
  assertReadEnabled();
  if (loopIndex < 0 || loopIndex >= static_cast<int>(mLoops.size())) return Acad::eInvalidIndex;
  const Loop& l = mLoops[static_cast<size_t>(loopIndex)];
  loopType = l.type;
  vertices = l.vertices;
  bulges = l.bulges;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbHatch::removeLoopAt(int loopIndex) {
  if (loopIndex < 0 || loopIndex >= static_cast<int>(mLoops.size())) return Acad::eInvalidIndex;
  assertWriteEnabled();
  mLoops.erase(mLoops.begin() + loopIndex);
  invalidateLines();
  return Acad::eOk;
}

// --- associativity ----------------------------------------------------------------------------

bool AcDbHatch::associative() const {
  assertReadEnabled();
  return mAssociative;
}

Acad::ErrorStatus AcDbHatch::setAssociative(bool isAssociative) {
  assertWriteEnabled();
  if (isAssociative == mAssociative) return Acad::eOk;
  if (isAssociative) {
    mAssociative = true;
    attachToBoundaries();
  } else {
    detachFromBoundaries(nullptr);
    mAssociative = false;
    for (Loop& l : mLoops) l.ids.removeAll();
    mPendingAttach = false;
  }
  return Acad::eOk;
}

Acad::ErrorStatus AcDbHatch::getAssocObjIdsAt(int loopIndex, AcDbObjectIdArray& dbObjIds) const {
  assertReadEnabled();
  if (loopIndex < 0 || loopIndex >= static_cast<int>(mLoops.size())) return Acad::eInvalidIndex;
  dbObjIds = mLoops[static_cast<size_t>(loopIndex)].ids;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbHatch::getAssocObjIds(AcDbObjectIdArray& dbObjIds) const {
  assertReadEnabled();
  dbObjIds.removeAll();
  for (const Loop& l : mLoops)
    for (const AcDbObjectId& id : l.ids)
      if (!dbObjIds.contains(id)) dbObjIds.append(id);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbHatch::removeAssocObjIds() {
  assertWriteEnabled();
  detachFromBoundaries(nullptr);
  for (Loop& l : mLoops) l.ids.removeAll();
  return Acad::eOk;
}

void AcDbHatch::attachToBoundaries() {
  if (!mAssociative) return;
  const AcDbObjectId self = objectId();
  if (database() == nullptr || self.isNull()) {
    mPendingAttach = true;
    return;
  }
  bool all = true;
  mAttaching = true;
  for (const Loop& l : mLoops) {
    for (const AcDbObjectId& id : l.ids) {
      if (id.isNull() || id.isErased()) continue;
      WriteHandle<AcDbObject> boundary(id);
      if (!boundary) {
        all = false;
        continue;
      }
      if (!boundary->hasPersistentReactor(self)) boundary->addPersistentReactor(self);
    }
  }
  mAttaching = false;
  mPendingAttach = !all;
}

void AcDbHatch::detachFromBoundaries(const AcDbObject* skip) {
  const AcDbObjectId self = objectId();
  if (database() == nullptr || self.isNull()) return;
  mAttaching = true;
  for (const Loop& l : mLoops) {
    for (const AcDbObjectId& id : l.ids) {
      if (id.isNull() || (skip && skip->objectId() == id)) continue;
      WriteHandle<AcDbObject> boundary(id, true);
      if (boundary && boundary->hasPersistentReactor(self)) boundary->removePersistentReactor(self);
    }
  }
  mAttaching = false;
}

Acad::ErrorStatus AcDbHatch::subClose() {
  if (mPendingAttach && mAssociative && database() != nullptr) attachToBoundaries();
  return AcDbEntity::subClose();
}

void AcDbHatch::modified(const AcDbObject* dbObj) {
  if (mAttaching || !mAssociative || dbObj == nullptr || dbObj->isErased() || database() == nullptr) return;
  const AcDbObjectId changed = dbObj->objectId();
  std::vector<size_t> affected;
  for (size_t i = 0; i < mLoops.size(); ++i)
    if (mLoops[i].ids.contains(changed)) affected.push_back(i);
  if (affected.empty()) return;
  AcDbObjectPointer<AcDbObject> self(objectId(), AcDb::kForWrite);
  if (!self) return;
  assertWriteEnabled();
  for (size_t i : affected) {
    Loop rebuilt;
    if (buildObjectLoop(mLoops[i].type & ~static_cast<Adesk::Int32>(kPolyline), mLoops[i].ids, rebuilt, dbObj) !=
        Acad::eOk) {
      // The boundary no longer closes: the hatch keeps its shape and lets go.
      detachFromBoundaries(dbObj);
      mAssociative = false;
      for (Loop& l : mLoops) l.ids.removeAll();
      break;
    }
    mLoops[i].vertices = rebuilt.vertices;
    mLoops[i].bulges = rebuilt.bulges;
  }
  invalidateLines();
}

void AcDbHatch::erased(const AcDbObject* dbObj, Adesk::Boolean erasing) {
  if (!erasing || !mAssociative || dbObj == nullptr || database() == nullptr) return;
  const AcDbObjectId gone = dbObj->objectId();
  bool mine = false;
  for (const Loop& l : mLoops) mine = mine || l.ids.contains(gone);
  if (!mine) return;
  AcDbObjectPointer<AcDbObject> self(objectId(), AcDb::kForWrite);
  if (!self) return;
  assertWriteEnabled();
  detachFromBoundaries(dbObj);
  mAssociative = false;
  mPendingAttach = false;
  for (Loop& l : mLoops) l.ids.removeAll();
}

// --- evaluation ---------------------------------------------------------------------------------

std::vector<int> AcDbHatch::loopDepths() const {
  std::vector<Pieces> outlines;
  for (const Loop& l : mLoops) outlines.push_back(outlinePieces(l.vertices, l.bulges));
  std::vector<int> depth(mLoops.size(), 0);
  for (size_t i = 0; i < outlines.size(); ++i) {
    if (outlines[i].empty()) continue;
    const AcGePoint3d m = outlines[i].front().midPoint();
    const AcGePoint2d probe(m.x, m.y);
    for (size_t j = 0; j < outlines.size(); ++j)
      if (j != i && pointInLoop(outlines[j], probe)) ++depth[i];
  }
  return depth;
}

bool AcDbHatch::loopCounts(int depth) const {
  switch (mStyle) {
    case kOuter:
      return depth <= 1;
    case kIgnore:
      return depth == 0;
    default:
      return true;
  }
}

Acad::ErrorStatus AcDbHatch::getArea(double& area) const {
  assertReadEnabled();
  area = 0.0;
  if (mLoops.empty()) return Acad::eInvalidInput;
  const std::vector<int> depth = loopDepths();
  for (size_t i = 0; i < mLoops.size(); ++i) {
    if (!loopCounts(depth[i])) continue;
    const double a = std::fabs(loopArea(outlinePieces(mLoops[i].vertices, mLoops[i].bulges)));
    area += (depth[i] % 2 == 0) ? a : -a;
  }
  return Acad::eOk;
}

Acad::ErrorStatus AcDbHatch::computeLines() const {
  mLineStarts.clear();
  mLineEnds.clear();
  mLinesValid = true;
  if (mPatternType != kUserDefined && upper(mPatternName) == L"SOLID") return Acad::eOk;
  const std::vector<int> depth = loopDepths();
  Pieces all;
  std::vector<Pieces> used;
  for (size_t i = 0; i < mLoops.size(); ++i) {
    if (!loopCounts(depth[i])) continue;
    used.push_back(outlinePieces(mLoops[i].vertices, mLoops[i].bulges));
    all.insert(all.end(), used.back().begin(), used.back().end());
  }
  if (all.empty()) return Acad::eOk;
  AcGePoint2d lo(1e300, 1e300), hi(-1e300, -1e300);
  for (const BulgePiece& p : all) {
    AcGePoint2d a, b;
    p.getExtents(a, b);
    lo.set(std::fmin(lo.x, a.x), std::fmin(lo.y, a.y));
    hi.set(std::fmax(hi.x, b.x), std::fmax(hi.y, b.y));
  }
  size_t budget = kMaxHatchLines;
  for (const Family& f : families()) {
    const AcGeVector2d d(std::cos(f.angle), std::sin(f.angle));
    const AcGeVector2d n(-d.y, d.x);
    const AcGeVector2d off(f.offsetX, f.offsetY);
    const double step = off.x * n.x + off.y * n.y;  // spacing across the lines
    if (!(std::fabs(step) > 1e-12)) continue;
    const AcGeVector2d base(f.baseX, f.baseY);
    const double b0 = base.x * n.x + base.y * n.y;
    double nmin = 1e300, nmax = -1e300;
    for (const AcGePoint2d& c : {lo, hi, AcGePoint2d(lo.x, hi.y), AcGePoint2d(hi.x, lo.y)}) {
      const double v = c.x * n.x + c.y * n.y;
      nmin = std::fmin(nmin, v);
      nmax = std::fmax(nmax, v);
    }
    double k0 = (nmin - b0) / step, k1 = (nmax - b0) / step;
    if (k0 > k1) std::swap(k0, k1);
    const double first = std::ceil(k0), last = std::floor(k1);
    if (last - first + 1 > static_cast<double>(budget)) {
      mLineStarts.clear();
      mLineEnds.clear();
      return Acad::eInvalidInput;
    }
    double period = 0.0;
    for (double dash : f.dashes) period += std::fabs(dash);
    for (double k = first; k <= last; k += 1.0) {
      const AcGePoint2d p(base.x + off.x * k, base.y + off.y * k);
      std::vector<double> ts;
      for (const Pieces& loop : used) lineCrossings(loop, p, d, n, ts);
      std::sort(ts.begin(), ts.end());
      for (size_t i = 0; i + 1 < ts.size(); i += 2) {
        const double t0 = ts[i], t1 = ts[i + 1];
        if (!(t1 > t0)) continue;
        auto emit = [&](double a, double b) {
          mLineStarts.push_back(p + d * a);
          mLineEnds.push_back(p + d * b);
          return mLineStarts.size() <= static_cast<size_t>(kMaxHatchLines);
        };
        if (f.dashes.empty() || !(period > 0.0)) {
          if (!emit(t0, t1)) return Acad::eInvalidInput;
          continue;
        }
        for (double cycle = std::floor(t0 / period) * period; cycle < t1; cycle += period) {
          double pos = cycle;
          for (double dash : f.dashes) {
            const double len = std::fabs(dash);
            if (dash >= 0.0) {
              const double a = std::fmax(pos, t0), b = std::fmin(pos + len, t1);
              if (b > a || (len == 0.0 && pos >= t0 && pos <= t1))
                if (!emit(a, std::fmax(a, b))) return Acad::eInvalidInput;
            }
            pos += len;
          }
        }
      }
    }
    budget = kMaxHatchLines > mLineStarts.size() ? kMaxHatchLines - mLineStarts.size() : 0;
  }
  return Acad::eOk;
}

Acad::ErrorStatus AcDbHatch::evaluateHatch(bool) {
  assertReadEnabled();
  return computeLines();
}

int AcDbHatch::numHatchLines() const {
  assertReadEnabled();
  if (!mLinesValid) computeLines();
  return static_cast<int>(mLineStarts.size());
}

Acad::ErrorStatus AcDbHatch::getHatchLineDataAt(int index, AcGePoint2d& startPt, AcGePoint2d& endPt) const {
  assertReadEnabled();
  if (!mLinesValid) computeLines();
  if (index < 0 || index >= static_cast<int>(mLineStarts.size())) return Acad::eInvalidIndex;
  startPt = mLineStarts[static_cast<size_t>(index)];
  endPt = mLineEnds[static_cast<size_t>(index)];
  return Acad::eOk;
}

Acad::ErrorStatus AcDbHatch::getHatchLinesData(AcGePoint2dArray& startPts, AcGePoint2dArray& endPts) const {
  assertReadEnabled();
  if (!mLinesValid) computeLines();
  startPts.removeAll();
  endPts.removeAll();
  for (size_t i = 0; i < mLineStarts.size(); ++i) {
    startPts.append(mLineStarts[i]);
    endPts.append(mLineEnds[i]);
  }
  return Acad::eOk;
}

// --- entity protocol -------------------------------------------------------------------------------

Acad::ErrorStatus AcDbHatch::getGeomExtents(AcDbExtents& extents) const {
  assertReadEnabled();
  extents = AcDbExtents();
  const AcGeMatrix3d toWorld = AcGeMatrix3d::planeToWorld(mNormal);
  bool any = false;
  for (const Loop& l : mLoops) {
    for (const BulgePiece& p : outlinePieces(l.vertices, l.bulges)) {
      AcGePoint2d a, b;
      p.getExtents(a, b);
      for (const AcGePoint2d& c : {a, b, AcGePoint2d(a.x, b.y), AcGePoint2d(b.x, a.y)})
        extents.addPoint(toWorld * AcGePoint3d(c.x, c.y, mElevation));
      any = true;
    }
  }
  return any ? Acad::eOk : Acad::eInvalidExtents;
}

Acad::ErrorStatus AcDbHatch::transformBy(const AcGeMatrix3d& xform) {
  AcGeVector3d ex, ey;
  ocsAxes(mNormal, ex, ey);
  AcGeVector3d newNormal = (xform * ex).crossProduct(xform * ey);
  if (!(newNormal.length() > 1e-300)) return Acad::eInvalidInput;
  newNormal.normalize();
  if (newNormal.dotProduct(xform * mNormal) < 0.0) newNormal = -newNormal;
  const AcGeMatrix3d toNew =
      AcGeMatrix3d::worldToPlane(newNormal) * xform * AcGeMatrix3d::planeToWorld(mNormal);
  // The plane-to-plane map: a 2D affine map and the new elevation.
  const AcGePoint3d o = toNew * AcGePoint3d(0, 0, mElevation);
  const AcGePoint3d px = toNew * AcGePoint3d(1, 0, mElevation);
  const AcGePoint3d py = toNew * AcGePoint3d(0, 1, mElevation);
  const AcGeVector2d cx(px.x - o.x, px.y - o.y), cy(py.x - o.x, py.y - o.y);
  const double det = cx.x * cy.y - cx.y * cy.x;
  if (!(std::fabs(det) > 1e-300)) return Acad::eInvalidInput;
  const double lx = cx.length(), ly = cy.length();
  const bool uniform = std::fabs(lx - ly) <= 1e-9 * std::fmax(lx, ly) &&
                       std::fabs(cx.x * cy.x + cx.y * cy.y) <= 1e-9 * lx * ly;
  bool arcs = false;
  for (const Loop& l : mLoops)
    for (int i = 0; i < l.bulges.length(); ++i) arcs = arcs || std::fabs(l.bulges[i]) >= BulgePiece::kLineBulge;
  if (arcs && !uniform) return Acad::eCannotScaleNonUniformly;
  assertWriteEnabled();
  auto map2 = [&](const AcGePoint2d& p) {
    return AcGePoint2d(o.x + cx.x * p.x + cy.x * p.y, o.y + cx.y * p.x + cy.y * p.y);
  };
  for (Loop& l : mLoops) {
    for (int i = 0; i < l.vertices.length(); ++i) l.vertices[i] = map2(l.vertices[i]);
    if (det < 0.0)
      for (int i = 0; i < l.bulges.length(); ++i) l.bulges[i] = -l.bulges[i];
  }
  mElevation = o.z;
  mNormal = newNormal;
  // The pattern turns and scales with the hatch.
  const AcGeVector2d dir(std::cos(mPatternAngle), std::sin(mPatternAngle));
  const AcGeVector2d img(cx.x * dir.x + cy.x * dir.y, cx.y * dir.x + cy.y * dir.y);
  mPatternAngle = VeskGe::normalizeAngle(std::atan2(img.y, img.x));
  const double factor = uniform ? lx : std::sqrt(std::fabs(det));
  mPatternScale *= factor;
  mPatternSpace *= factor;
  invalidateLines();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbHatch::explode(AcDbVoidPtrArray& entitySet) const {
  assertReadEnabled();
  if (isSolidFill()) return Acad::eNotApplicable;
  if (!mLinesValid) {
    Acad::ErrorStatus es = computeLines();
    if (es != Acad::eOk) return es;
  }
  const AcGeMatrix3d toWorld = AcGeMatrix3d::planeToWorld(mNormal);
  for (size_t i = 0; i < mLineStarts.size(); ++i) {
    auto* line = new AcDbLine(toWorld * AcGePoint3d(mLineStarts[i].x, mLineStarts[i].y, mElevation),
                              toWorld * AcGePoint3d(mLineEnds[i].x, mLineEnds[i].y, mElevation));
    line->setPropertiesFrom(this);
    entitySet.append(line);
  }
  return Acad::eOk;
}

AcRxObject* AcDbHatch::clone() const {
  AcRxObject* made = AcDbEntity::clone();
  if (auto* copy = AcDbHatch::cast(made)) {
    copy->mAssociative = false;
    for (Loop& l : copy->mLoops) l.ids.removeAll();
  }
  return made;
}

Acad::ErrorStatus AcDbHatch::getPlane(AcGePlane& plane, AcDb::Planarity& planarity) const {
  assertReadEnabled();
  plane.set(AcGePoint3d::kOrigin + mNormal * mElevation, mNormal);
  planarity = AcDb::kPlanar;
  return Acad::eOk;
}

// --- filing -----------------------------------------------------------------------------------------

Acad::ErrorStatus AcDbHatch::dwgOutFields(AcDbDwgFiler* filer) const {
  Acad::ErrorStatus es = AcDbEntity::dwgOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeDouble(mElevation);
  filer->writeVector3d(mNormal);
  filer->writeInt16(mPatternType);
  filer->writeString(mPatternName);
  filer->writeDouble(mPatternAngle);
  filer->writeDouble(mPatternSpace);
  filer->writeDouble(mPatternScale);
  filer->writeBoolean(mPatternDouble);
  filer->writeInt16(mStyle);
  filer->writeBoolean(mAssociative);
  filer->writeInt32(static_cast<Adesk::Int32>(mLoops.size()));
  for (const Loop& l : mLoops) {
    filer->writeInt32(l.type);
    filer->writeInt32(l.vertices.length());
    for (int i = 0; i < l.vertices.length(); ++i) {
      filer->writePoint2d(l.vertices[i]);
      filer->writeDouble(l.bulges[i]);
    }
    filer->writeInt32(l.ids.length());
    for (const AcDbObjectId& id : l.ids) filer->writeSoftPointerId(id);
  }
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbHatch::dwgInFields(AcDbDwgFiler* filer) {
  Acad::ErrorStatus es = AcDbEntity::dwgInFields(filer);
  if (es != Acad::eOk) return es;
  filer->readDouble(&mElevation);
  filer->readVector3d(&mNormal);
  filer->readInt16(&mPatternType);
  filer->readString(mPatternName);
  filer->readDouble(&mPatternAngle);
  filer->readDouble(&mPatternSpace);
  filer->readDouble(&mPatternScale);
  filer->readBoolean(&mPatternDouble);
  filer->readInt16(&mStyle);
  filer->readBoolean(&mAssociative);
  Adesk::Int32 loops = 0;
  filer->readInt32(&loops);
  if (loops < 0 || filer->filerStatus() != Acad::eOk) return Acad::eFilerError;
  mLoops.clear();
  for (Adesk::Int32 k = 0; k < loops && filer->filerStatus() == Acad::eOk; ++k) {
    Loop l;
    Adesk::Int32 count = 0;
    filer->readInt32(&l.type);
    filer->readInt32(&count);
    if (count < 0) return Acad::eFilerError;
    for (Adesk::Int32 i = 0; i < count && filer->filerStatus() == Acad::eOk; ++i) {
      AcGePoint2d p;
      double b = 0.0;
      filer->readPoint2d(&p);
      filer->readDouble(&b);
      l.vertices.append(p);
      l.bulges.append(b);
    }
    filer->readInt32(&count);
    if (count < 0) return Acad::eFilerError;
    for (Adesk::Int32 i = 0; i < count && filer->filerStatus() == Acad::eOk; ++i) {
      AcDbSoftPointerId id;
      filer->readSoftPointerId(&id);
      if (!id.isNull()) l.ids.append(id);
    }
    mLoops.push_back(std::move(l));
  }
  invalidateLines();
  return filer->filerStatus();
}

// --- DXF filing -----------------------------------------------------------------------------------

namespace {

constexpr double kDeg = 57.29577951308232;

double angle360(double radians) {
  double d = radians * kDeg;
  d = std::fmod(d, 360.0);
  if (d < 0.0) d += 360.0;
  return d;
}

// The groups this hatch writes from its model (without the groups kept as read).
void writeHatchModel(const AcDbHatch& h, AcDbDxfFiler* filer, const std::vector<AcDbHatch::Loop>& loops,
                     double elevation, const AcGeVector3d& normal, bool associative) {
  filer->writePoint3d(10, AcGePoint3d(0.0, 0.0, elevation));
  filer->writeVector3d(210, normal);
  filer->writeString(2, h.patternName());
  const bool solid = h.isSolidFill();
  filer->writeInt16(70, solid ? 1 : 0);
  filer->writeInt16(71, associative ? 1 : 0);
  filer->writeInt32(91, static_cast<Adesk::Int32>(loops.size()));
  for (const AcDbHatch::Loop& loop : loops) {
    const int n = loop.vertices.length();
    auto bulgeAt = [&](int i) { return i < loop.bulges.length() ? loop.bulges[i] : 0.0; };
    filer->writeInt32(92, loop.type);
    if (loop.type & AcDbHatch::kPolyline) {
      bool hasBulge = false;
      for (int i = 0; i < n; ++i) hasBulge = hasBulge || bulgeAt(i) != 0.0;
      filer->writeInt16(72, hasBulge ? 1 : 0);
      filer->writeInt16(73, 1);
      filer->writeInt32(93, n);
      for (int i = 0; i < n; ++i) {
        filer->writePoint2d(10, loop.vertices[i]);
        if (hasBulge) filer->writeDouble(42, bulgeAt(i));
      }
    } else {
      filer->writeInt32(93, n);
      for (int i = 0; i < n; ++i) {
        const AcGePoint2d& a = loop.vertices[i];
        const AcGePoint2d& b = loop.vertices[(i + 1) % n];
        const double bulge = bulgeAt(i);
        VeskGe::BulgePiece piece(a, b, bulge);
        AcGePoint3d c;
        if (!piece.isArc() || !piece.center(c)) {
          filer->writeInt16(72, AcDbHatch::kLine);
          filer->writePoint2d(10, a);
          filer->writePoint2d(11, b);
          continue;
        }
        const bool ccw = bulge > 0.0;
        filer->writeInt16(72, AcDbHatch::kCirArc);
        filer->writePoint2d(10, AcGePoint2d(c.x, c.y));
        filer->writeDouble(40, piece.radius());
        // Clockwise arcs are written with their angles mirrored (360 - angle).
        filer->writeDouble(50, ccw ? angle360(piece.startAngle()) : angle360(-piece.startAngle()));
        filer->writeDouble(51, ccw ? angle360(piece.endAngle()) : angle360(-piece.endAngle()));
        filer->writeInt16(73, ccw ? 1 : 0);
      }
    }
    filer->writeInt32(97, loop.ids.length());
    for (const AcDbObjectId& id : loop.ids) filer->writeObjectId(330, id);
  }
  filer->writeInt16(75, static_cast<Adesk::Int16>(h.hatchStyle()));
  filer->writeInt16(76, static_cast<Adesk::Int16>(h.patternType()));
  if (solid) return;
  filer->writeDouble(52, angle360(h.patternAngle()));
  filer->writeDouble(41, h.patternType() == AcDbHatch::kUserDefined ? h.patternSpace() : h.patternScale());
  filer->writeInt16(77, h.patternDouble() ? 1 : 0);
  const int families = h.numPatternDefinitions();
  if (families == 0) return;  // an unknown pattern writes its lines as read (or none)
  filer->writeInt16(78, static_cast<Adesk::Int16>(families));
  for (int i = 0; i < families; ++i) {
    double angle, bx, by, ox, oy;
    AcGeDoubleArray dashes;
    h.getPatternDefinitionAt(i, angle, bx, by, ox, oy, dashes);
    filer->writeDouble(53, angle360(angle));
    filer->writeDouble(43, bx);
    filer->writeDouble(44, by);
    filer->writeDouble(45, ox);
    filer->writeDouble(46, oy);
    filer->writeInt16(79, static_cast<Adesk::Int16>(dashes.length()));
    for (double d : dashes) filer->writeDouble(49, d);
  }
}

// What the pattern lines kept as read belong to: the pattern's own settings.
std::uint64_t patternDigest(const AcDbHatch& h) {
  vhost::DxfMemoryFiler f;
  f.writeString(2, h.patternName());
  f.writeInt16(76, static_cast<Adesk::Int16>(h.patternType()));
  f.writeDouble(52, h.patternAngle());
  f.writeDouble(41, h.patternScale());
  f.writeDouble(42, h.patternSpace());
  f.writeInt16(77, h.patternDouble() ? 1 : 0);
  return vhost::annotdxf::digestGroups(f.groups());
}

// Appends points of a sampled curve (all but its end) as straight vertices.
void appendSamples(const std::vector<AcGePoint2d>& pts, AcDbHatch::Loop& loop) {
  for (size_t i = 0; i + 1 < pts.size(); ++i) {
    loop.vertices.append(pts[i]);
    loop.bulges.append(0.0);
  }
}

double sweepOf(double from, double to) {
  double s = std::fmod(to - from, VeskGe::kTwoPi);
  if (s <= 1e-12) s += VeskGe::kTwoPi;
  return s;
}

// Reads one boundary loop at the cursor into loop; false on an error (reported).
bool readHatchLoop(vhost::annotdxf::GroupCursor& cur, AcDbHatch::Loop& loop) {
  using vhost::annotdxf::GroupCursor;
  long type = 0;
  if (!cur.takeInt(92, type, 0, 0x7FFFFFFF)) return false;
  loop.type = static_cast<Adesk::Int32>(type);
  if (type & AcDbHatch::kPolyline) {
    long hasBulge = 0, closed = 0, n = 0;
    if (!cur.takeInt(72, hasBulge, 0, 1) || !cur.takeInt(73, closed, 0, 1) || !cur.takeInt(93, n, 0, 10000000))
      return false;
    for (long i = 0; i < n; ++i) {
      AcGePoint3d p;
      double b = 0.0;
      if (!cur.takePoint(10, p)) return false;
      if (hasBulge && !cur.takeReal(42, b)) return false;
      loop.vertices.append(AcGePoint2d(p.x, p.y));
      loop.bulges.append(b);
    }
  } else {
    long edges = 0;
    if (!cur.takeInt(93, edges, 0, 10000000)) return false;
    for (long e = 0; e < edges; ++e) {
      long kind = 0;
      if (!cur.takeInt(72, kind, 1, 4)) return false;
      if (kind == AcDbHatch::kLine) {
        AcGePoint3d a, b;
        if (!cur.takePoint(10, a) || !cur.takePoint(11, b)) return false;
        loop.vertices.append(AcGePoint2d(a.x, a.y));
        loop.bulges.append(0.0);
      } else if (kind == AcDbHatch::kCirArc) {
        AcGePoint3d c;
        double r, a0, a1;
        long ccw;
        if (!cur.takePoint(10, c) || !cur.takeReal(40, r, true) || !cur.takeReal(50, a0) || !cur.takeReal(51, a1) ||
            !cur.takeInt(73, ccw, 0, 1))
          return false;
        double s = a0 / kDeg, t = a1 / kDeg;
        const double sweep = sweepOf(s, t);
        if (!ccw) s = -s;  // mirrored angles of a clockwise arc
        const double dir = ccw ? 1.0 : -1.0;
        const AcGePoint2d centre(c.x, c.y);
        auto at = [&](double a) { return AcGePoint2d(centre.x + r * std::cos(a), centre.y + r * std::sin(a)); };
        if (sweep >= VeskGe::kTwoPi - 1e-12) {  // a full circle: two halves
          loop.vertices.append(at(s));
          loop.bulges.append(dir);
          loop.vertices.append(at(s + VeskGe::kPi));
          loop.bulges.append(dir);
        } else {
          loop.vertices.append(at(s));
          loop.bulges.append(dir * std::tan(sweep / 4.0));
        }
      } else if (kind == AcDbHatch::kEllArc) {
        AcGePoint3d c, major;
        double ratio, a0, a1;
        long ccw;
        if (!cur.takePoint(10, c) || !cur.takePoint(11, major) || !cur.takeReal(40, ratio, true) ||
            !cur.takeReal(50, a0) || !cur.takeReal(51, a1) || !cur.takeInt(73, ccw, 0, 1))
          return false;
        if (major.x == 0.0 && major.y == 0.0) return cur.fail(L"elliptic edge with a zero major axis");
        double s = a0 / kDeg;
        const double sweep = sweepOf(s, a1 / kDeg);
        if (!ccw) s = -s;
        const double dir = ccw ? 1.0 : -1.0;
        const int steps = std::max(8, static_cast<int>(std::ceil(sweep / VeskGe::kTwoPi * 64.0)));
        std::vector<AcGePoint2d> pts;
        for (int i = 0; i <= steps; ++i) {
          const double a = s + dir * sweep * i / steps;
          pts.emplace_back(c.x + major.x * std::cos(a) - ratio * major.y * std::sin(a),
                           c.y + major.y * std::cos(a) + ratio * major.x * std::sin(a));
        }
        appendSamples(pts, loop);
      } else {
        long degree, rational, periodic, nKnots, nCtrl;
        if (!cur.takeInt(94, degree, 1, vhost::NurbsCurve::kMaxDegree) || !cur.takeInt(73, rational, 0, 1) ||
            !cur.takeInt(74, periodic, 0, 1) || !cur.takeInt(95, nKnots, 0, 1000000) ||
            !cur.takeInt(96, nCtrl, 0, 1000000))
          return false;
        std::vector<double> knots, weights;
        std::vector<AcGePoint3d> ctrl, fit;
        for (long i = 0; i < nKnots; ++i) {
          double k;
          if (!cur.takeReal(40, k)) return false;
          knots.push_back(k);
        }
        while (cur.peekCode() == 10 || cur.peekCode() == 42) {
          AcGePoint3d p;
          double w;
          if (cur.peekCode() == 10) {
            if (!cur.takePoint(10, p)) return false;
            ctrl.emplace_back(p.x, p.y, 0.0);
          } else {
            if (!cur.takeReal(42, w, true)) return false;
            weights.push_back(w);
          }
        }
        if (static_cast<long>(ctrl.size()) != nCtrl)
          return cur.fail(L"spline edge control point count (96) disagrees with the points");
        if (!weights.empty() && weights.size() != ctrl.size())
          return cur.fail(L"spline edge weight count disagrees with the control points");
        if (cur.peekCode() == 97) {
          long nFit;
          if (!cur.takeInt(97, nFit, 0, 1000000)) return false;
          for (long i = 0; i < nFit; ++i) {
            AcGePoint3d p;
            if (!cur.takePoint(11, p)) return false;
            fit.emplace_back(p.x, p.y, 0.0);
          }
          AcGePoint3d tan;
          if (cur.peekCode() == 12 && !cur.takePoint(12, tan)) return false;
          if (cur.peekCode() == 13 && !cur.takePoint(13, tan)) return false;
        }
        vhost::NurbsCurve curve;
        if (nCtrl > 0) {
          curve = vhost::NurbsCurve(static_cast<int>(degree), ctrl, knots, rational ? weights : std::vector<double>());
          std::string why;
          if (!curve.isValid(&why)) return cur.fail(L"spline edge is not a valid curve");
        } else if (!vhost::NurbsCurve::interpolate(fit, static_cast<int>(degree), AcGeVector3d(), AcGeVector3d(),
                                                   curve)) {
          return cur.fail(L"spline edge has neither control points nor fit points");
        }
        const int spans = static_cast<int>(curve.breakpoints().size());
        const int steps = std::min(4096, std::max(32, spans * 8));
        std::vector<AcGePoint2d> pts;
        for (int i = 0; i <= steps; ++i) {
          const AcGePoint3d p =
              curve.evalPoint(curve.startParam() + (curve.endParam() - curve.startParam()) * i / steps);
          pts.emplace_back(p.x, p.y);
        }
        appendSamples(pts, loop);
      }
    }
  }
  long nIds = 0;
  if (!cur.takeInt(97, nIds, 0, 10000000)) return false;
  for (long i = 0; i < nIds; ++i) {
    const resbuf* rb = nullptr;
    if (!cur.expect(330, rb)) return false;
    const AcDbObjectId id = vhost::dxfObjectId(*rb);
    if (!id.isNull()) loop.ids.append(id);
  }
  return true;
}

}  // namespace

Acad::ErrorStatus AcDbHatch::dxfOutFields(AcDbDxfFiler* filer) const {
  assertReadEnabled();
  Acad::ErrorStatus es = AcDbEntity::dxfOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeString(100, L"AcDbHatch");
  vhost::DxfMemoryFiler mine(filer->database());
  writeHatchModel(*this, &mine, mLoops, mElevation, mNormal, mAssociative);
  const std::uint64_t digest = vhost::annotdxf::digestGroups(mine.groups());
  if (const resbuf* asRead = vhost::annotdxf::verbatimIfUnchanged(this, L"AcDbHatch", digest))
    return vhost::annotdxf::writeChain(filer, asRead);
  for (const resbuf* rb : mine.groups()) filer->writeResBuf(*rb);
  if (!isSolidFill() && numPatternDefinitions() == 0) {
    if (const resbuf* lines = vhost::annotdxf::verbatimIfUnchanged(this, L"AcDbHatch#pattern", patternDigest(*this)))
      vhost::annotdxf::writeChain(filer, lines);
  }
  // Kept groups, with a seed count (98) before any gradient data when none was read.
  const resbuf* kept = vhost::dxfKeptGroups(this, L"AcDbHatch");
  bool seeds = false;
  for (const resbuf* rb = kept; rb; rb = rb->rbnext) seeds = seeds || rb->restype == 98;
  for (const resbuf* rb = kept; rb; rb = rb->rbnext) {
    if (!seeds && rb->restype >= 450) {
      filer->writeInt32(98, 0);
      seeds = true;
    }
    resbuf one = *rb;
    one.rbnext = nullptr;
    filer->writeResBuf(one);
  }
  if (!seeds) filer->writeInt32(98, 0);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbHatch::dxfInFields(AcDbDxfFiler* filer) {
  using vhost::annotdxf::GroupCursor;
  assertWriteEnabled();
  Acad::ErrorStatus es = AcDbEntity::dxfInFields(filer);
  if (es != Acad::eOk) return es;
  if (!filer->atSubclassData(L"AcDbHatch")) return vhost::dxfBadSubclass(filer, L"AcDbHatch");
  vhost::annotdxf::GroupList list;
  es = list.readFrom(filer);
  if (es != Acad::eOk) return es;
  GroupCursor cur(list, filer, L"hatch");
  vhost::DxfKeptGroups kept(L"AcDbHatch");
  double elevation = 0.0, angle = 0.0, scale = 1.0;
  AcGeVector3d normal = AcGeVector3d::kZAxis;
  std::wstring name = L"SOLID";
  long associative = 0, style = kNormal, patType = kPreDefined, isDouble = 0;
  bool haveScale = false, inSeeds = false;
  std::vector<Loop> loops;
  size_t patternFrom = 0, patternTo = 0;
  while (!cur.atEnd() && !cur.failed()) {
    const int code = cur.peekCode();
    if (code == 91) {
      long n = 0;
      if (!cur.takeInt(91, n, 0, 10000000)) break;
      loops.clear();
      for (long i = 0; i < n && !cur.failed(); ++i) {
        Loop loop;
        if (readHatchLoop(cur, loop)) loops.push_back(std::move(loop));
      }
      continue;
    }
    if (code == 78) {
      patternFrom = cur.pos();
      long n = 0;
      if (!cur.takeInt(78, n, 0, 100000)) break;
      for (long i = 0; i < n && !cur.failed(); ++i) {
        double v;
        long dashes = 0;
        if (!cur.takeReal(53, v) || !cur.takeReal(43, v) || !cur.takeReal(44, v) || !cur.takeReal(45, v) ||
            !cur.takeReal(46, v) || !cur.takeInt(79, dashes, 0, 100000))
          break;
        for (long d = 0; d < dashes; ++d)
          if (!cur.takeReal(49, v)) break;
      }
      patternTo = cur.pos();
      continue;
    }
    const resbuf& rb = cur.next();
    switch (inSeeds && code == 10 ? -1 : code) {
      case 10: elevation = rb.resval.rpoint[2]; break;
      case 210: normal = vhost::dxfVector(rb); break;
      case 2: name = rb.resval.rstring ? rb.resval.rstring : L""; break;
      case 70: break;  // solid fill: follows from the pattern name
      case 71: associative = rb.resval.rint; break;
      case 75: style = rb.resval.rint; break;
      case 76: patType = rb.resval.rint; break;
      case 52: angle = rb.resval.rreal / kDeg; break;
      case 41: scale = rb.resval.rreal; haveScale = true; break;
      case 77: isDouble = rb.resval.rint; break;
      case 98: inSeeds = true; kept.add(rb); break;
      default: kept.add(rb);
    }
  }
  if (cur.failed()) return cur.status();
  AcGeVector3d unit;
  if (!std::isfinite(elevation)) return vhost::dxfError(filer, L"hatch elevation is not finite");
  if (!unitNormal(normal, unit)) return vhost::dxfError(filer, L"hatch normal (210) is not a direction");
  if (style < kNormal || style > kIgnore) return vhost::dxfError(filer, L"hatch style (75) out of range");
  if (patType < kUserDefined || patType > kCustomDefined)
    return vhost::dxfError(filer, L"hatch pattern type (76) out of range");
  if (name.empty() && patType != kUserDefined) return vhost::dxfError(filer, L"hatch pattern name (2) missing");
  if (!std::isfinite(angle)) return vhost::dxfError(filer, L"hatch pattern angle (52) is not finite");
  if (haveScale && (!std::isfinite(scale) || !(scale > 0.0)))
    return vhost::dxfError(filer, L"hatch pattern scale or spacing (41) must be positive");
  for (const Loop& loop : loops)
    for (const AcGePoint2d& p : loop.vertices)
      if (!std::isfinite(p.x) || !std::isfinite(p.y)) return vhost::dxfError(filer, L"hatch loop vertex is not finite");
  mElevation = elevation;
  mNormal = unit;
  mPatternType = static_cast<Adesk::Int16>(patType);
  mPatternName = name.empty() ? std::wstring(L"_USER") : name;
  mPatternAngle = VeskGe::normalizeAngle(angle);
  if (haveScale) {
    if (patType == kUserDefined)
      mPatternSpace = scale;
    else
      mPatternScale = scale;
  }
  mPatternDouble = isDouble != 0;
  mStyle = static_cast<Adesk::Int16>(style);
  mAssociative = associative != 0;
  mLoops = std::move(loops);
  mPendingAttach = false;  // the boundary objects name the hatch as their reactor in the file
  invalidateLines();
  kept.storeInto(this);
  // The pattern lines as read, for a pattern this system does not know.
  vhost::annotdxf::storeVerbatim(this, L"AcDbHatch#pattern", patternDigest(*this),
                                 patternTo > patternFrom ? list.copyRange(patternFrom, patternTo) : nullptr);
  vhost::DxfMemoryFiler mine(filer->database());
  writeHatchModel(*this, &mine, mLoops, mElevation, mNormal, mAssociative);
  vhost::annotdxf::storeVerbatim(this, L"AcDbHatch", vhost::annotdxf::digestGroups(mine.groups()),
                                 list.copyRange(0, list.size()));
  return Acad::eOk;
}
