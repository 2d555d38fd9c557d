#include "arx/entities/AcDbDimension.h"

#include <cmath>
#include <cfloat>
#include <cstdio>

#include "arx/db/AcDbBlockTable.h"
#include "arx/db/AcDbDatabase.h"
#include "arx/db/AcDbDimStyleTable.h"
#include "arx/db/AcDbDwgFiler.h"
#include "arx/entities/VhostAnnotationDxf.h"
#include "arx/entities/AcDbRotatedDimension.h"
#include "arx/entities/AcDbAlignedDimension.h"
#include "arx/entities/AcDbLine.h"
#include "arx/entities/AcDbMText.h"
#include "arx/entities/AcDbSolid.h"
#include "arx/entities/VhostAnnotationUtil.h"
#include "arx/ge/AcDbExtents.h"
#include "arx/ge/AcGeMatrix3d.h"
#include "arx/ge/GeMath.h"

VHOST_DEFINE_BUILTIN_ABSTRACT_CLASS(AcDbDimension, AcDbEntity)

using namespace vhost::annot;

namespace {
void freeAll(std::vector<AcDbEntity*>& ents) {
  for (AcDbEntity* e : ents) delete e;
  ents.clear();
}
}  // namespace

AcDbDimension::AcDbDimension() = default;
AcDbDimension::~AcDbDimension() = default;

// --- text ---------------------------------------------------------------------------------

AcGePoint3d AcDbDimension::textPosition() const {
  assertReadEnabled();
  if (!mDefaultTextPosition) return mTextPosition;
  std::vector<AcDbEntity*> ents;
  vhostBuild(vhostStyle(), ents);
  freeAll(ents);
  return mComputedTextPosition;
}

Acad::ErrorStatus AcDbDimension::setTextPosition(const AcGePoint3d& position) {
  if (!isFinite(position)) return Acad::eInvalidInput;
  assertWriteEnabled();
  mTextPosition = position;
  mDefaultTextPosition = false;
  mBlockStale = true;
  return Acad::eOk;
}

bool AcDbDimension::isUsingDefaultTextPosition() const {
  assertReadEnabled();
  return mDefaultTextPosition;
}

Acad::ErrorStatus AcDbDimension::useDefaultTextPosition() {
  assertWriteEnabled();
  mDefaultTextPosition = true;
  mBlockStale = true;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbDimension::useSetTextPosition() {
  assertWriteEnabled();
  if (mDefaultTextPosition) mTextPosition = textPosition();
  mDefaultTextPosition = false;
  return Acad::eOk;
}

ACHAR* AcDbDimension::dimensionText() const {
  assertReadEnabled();
  return dupString(mText);
}

Acad::ErrorStatus AcDbDimension::setDimensionText(const ACHAR* text) {
  assertWriteEnabled();
  mText = text ? text : L"";
  mBlockStale = true;
  return Acad::eOk;
}

double AcDbDimension::textRotation() const {
  assertReadEnabled();
  return mTextRotation;
}

Acad::ErrorStatus AcDbDimension::setTextRotation(double rotation) {
  if (!isFinite(rotation)) return Acad::eInvalidInput;
  assertWriteEnabled();
  mTextRotation = VeskGe::normalizeAngle(rotation);
  mBlockStale = true;
  return Acad::eOk;
}

std::wstring AcDbDimension::vhostFormattedText() const {
  assertReadEnabled();
  const Style style = vhostStyle();
  wchar_t buf[64];
  // Halves round away from zero, as drawings show them (12.25 to one place is 12.3).
  const double scale = std::pow(10.0, style.decimals);
  const double shown = std::round(vhostMeasure() * scale * (1.0 + 4.0 * DBL_EPSILON)) / scale;
  std::swprintf(buf, 64, L"%.*f", style.decimals, shown);
  std::wstring value = buf;
  if (value == L"-0" || value.rfind(L"-0.", 0) == 0) {
    // No "-0.00" for a value that rounds to zero.
    bool zero = true;
    for (wchar_t c : value)
      if (c >= L'1' && c <= L'9') zero = false;
    if (zero) value.erase(0, 1);
  }
  if (mText.empty()) return value;
  std::wstring out = mText;
  const size_t at = out.find(L"<>");
  if (at != std::wstring::npos) out.replace(at, 2, value);
  return out;
}

// --- style and block -------------------------------------------------------------------------

AcDbObjectId AcDbDimension::dimensionStyle() const {
  assertReadEnabled();
  return mStyle;
}

Acad::ErrorStatus AcDbDimension::setDimensionStyle(AcDbObjectId style) {
  if (!style.isNull()) {
    AcRxClass* cls = style.objectClass();
    if (cls == nullptr || !cls->isDerivedFrom(AcDbDimStyleTableRecord::desc())) return Acad::eWrongObjectType;
    if (database() && style.database() != database()) return Acad::eWrongDatabase;
  }
  assertWriteEnabled();
  mStyle = style;
  mBlockStale = true;
  return Acad::eOk;
}

AcDbObjectId AcDbDimension::dimBlockId() const {
  assertReadEnabled();
  return mBlock;
}

Acad::ErrorStatus AcDbDimension::setDimBlockId(AcDbObjectId blockId) {
  if (!blockId.isNull()) {
    AcRxClass* cls = blockId.objectClass();
    if (cls == nullptr || !cls->isDerivedFrom(AcDbBlockTableRecord::desc())) return Acad::eWrongObjectType;
  }
  assertWriteEnabled();
  mBlock = blockId;
  return Acad::eOk;
}

AcGePoint3d AcDbDimension::dimBlockPosition() const {
  assertReadEnabled();
  return mBlockPosition;
}

Acad::ErrorStatus AcDbDimension::setDimBlockPosition(const AcGePoint3d& position) {
  if (!isFinite(position)) return Acad::eInvalidInput;
  assertWriteEnabled();
  mBlockPosition = position;
  return Acad::eOk;
}

AcDbDimension::Style AcDbDimension::vhostStyle() const {
  Style s;
  AcDbObjectId styleId = mStyle;
  if (styleId.isNull() && database() != nullptr) styleId = database()->dimstyle();
  auto take = [&](const AcDbDimStyleTableRecord& r) {
    const double scale = r.dimscale() > 0.0 ? r.dimscale() : 1.0;
    s.textHeight = r.dimtxt() * scale;
    s.arrowSize = r.dimasz() * scale;
    s.extOffset = r.dimexo() * scale;
    s.extExtension = r.dimexe() * scale;
    s.gap = r.dimgap() * scale;
    s.decimals = r.dimdec();
    s.textStyle = r.dimtxsty();
    s.lineColor = r.dimclrd();
    s.extColor = r.dimclre();
    s.textColor = r.dimclrt();
  };
  ReadHandle<AcDbDimStyleTableRecord> rec(styleId);
  if (rec) {
    take(*rec.get());
  } else {
    const AcDbDimStyleTableRecord defaults;
    take(defaults);
  }
  if (s.textStyle.isNull() && database() != nullptr) s.textStyle = database()->textStyleId(L"Standard");
  return s;
}

Acad::ErrorStatus AcDbDimension::recomputeDimBlock(bool) {
  AcDbDatabase* db = database();
  if (db == nullptr) return Acad::eNoDatabase;
  assertWriteEnabled();
  std::vector<AcDbEntity*> ents;
  vhostBuild(vhostStyle(), ents);
  if (mDefaultTextPosition) mTextPosition = mComputedTextPosition;
  AcDbObjectId blockId = mBlock;
  Acad::ErrorStatus es = Acad::eOk;
  if (!blockId.isNull() && !blockId.isErased()) {
    WriteHandle<AcDbBlockTableRecord> rec(blockId);
    if (!rec) {
      freeAll(ents);
      return rec.status();
    }
    for (AcDbObjectId id : rec->vhostEntityIds()) {
      if (id.isErased()) continue;
      WriteHandle<AcDbEntity> old(id);
      if (old) old->erase();
    }
    for (size_t i = 0; i < ents.size(); ++i) {
      if ((es = rec->appendAcDbEntity(ents[i])) != Acad::eOk) {
        for (size_t j = i; j < ents.size(); ++j) delete ents[j];
        return es;
      }
      ents[i]->close();
    }
  } else {
    AcDbBlockTable* table = nullptr;
    if ((es = db->getBlockTable(table, AcDb::kForWrite)) != Acad::eOk) {
      freeAll(ents);
      return es;
    }
    auto* rec = new AcDbBlockTableRecord();
    rec->setName(L"*D");
    rec->setAnonymous(true);
    es = table->add(blockId, rec);
    table->close();
    if (es != Acad::eOk) {
      delete rec;
      freeAll(ents);
      return es;
    }
    for (size_t i = 0; i < ents.size(); ++i) {
      if ((es = rec->appendAcDbEntity(ents[i])) != Acad::eOk) {
        for (size_t j = i; j < ents.size(); ++j) delete ents[j];
        rec->close();
        return es;
      }
      ents[i]->close();
    }
    rec->close();
  }
  mBlock = blockId;
  mBlockPosition = AcGePoint3d::kOrigin;
  mBlockStale = false;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbDimension::subClose() {
  if (mBlockStale && isModified() && database() != nullptr) recomputeDimBlock();
  return AcDbEntity::subClose();
}

// --- plane ------------------------------------------------------------------------------------

AcGeVector3d AcDbDimension::normal() const {
  assertReadEnabled();
  return mNormal;
}

Acad::ErrorStatus AcDbDimension::setNormal(const AcGeVector3d& normal) {
  AcGeVector3d n;
  if (!unitNormal(normal, n)) return Acad::eInvalidInput;
  assertWriteEnabled();
  mNormal = n;
  mBlockStale = true;
  return Acad::eOk;
}

double AcDbDimension::elevation() const {
  assertReadEnabled();
  return mElevation;
}

Acad::ErrorStatus AcDbDimension::setElevation(double elevation) {
  if (!isFinite(elevation)) return Acad::eInvalidInput;
  assertWriteEnabled();
  mElevation = elevation;
  mBlockStale = true;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbDimension::measurement(double& value) const {
  assertReadEnabled();
  value = vhostMeasure();
  return std::isfinite(value) ? Acad::eOk : Acad::eInvalidInput;
}

// --- drawing ------------------------------------------------------------------------------------

void AcDbDimension::vhostBuildLinear(const Style& style, const AcGePoint3d& p1, const AcGePoint3d& p2,
                                     const AcGePoint3d& dimLinePoint, const AcGeVector3d& dir,
                                     const AcGeVector3d& extDir, std::vector<AcDbEntity*>& out) const {
  AcDbDatabase* db = database();
  const AcDbObjectId layer0 = db ? db->layerZero() : AcDbObjectId::kNull;
  auto dress = [&](AcDbEntity* e, const AcCmColor& color) {
    if (!layer0.isNull()) e->setLayer(layer0);
    AcCmColor c = color;
    if (c.isByLayer()) c.setColorIndex(0);
    e->setColor(c);
    out.push_back(e);
  };
  const AcGeVector3d across = mNormal.crossProduct(dir);
  // Where the extension lines meet the dimension line.
  const double denom = extDir.dotProduct(across);
  AcGePoint3d a1 = p1, a2 = p2;
  if (std::fabs(denom) > 1e-12) {
    a1 = p1 + extDir * ((dimLinePoint - p1).dotProduct(across) / denom);
    a2 = p2 + extDir * ((dimLinePoint - p2).dotProduct(across) / denom);
  }
  for (const auto& ends : {std::make_pair(p1, a1), std::make_pair(p2, a2)}) {
    AcGeVector3d run = ends.second - ends.first;
    const double len = run.length();
    if (len <= style.extOffset) continue;
    run /= len;
    dress(new AcDbLine(ends.first + run * style.extOffset, ends.second + run * style.extExtension), style.extColor);
  }
  const AcGeVector3d span = a2 - a1;
  const double length = span.length();
  const AcGeVector3d u = length > 1e-12 ? span / length : dir;
  dress(new AcDbLine(a1, a2), style.lineColor);
  // Arrowheads point at the extension lines; they go outside when there is no room.
  if (style.arrowSize > 0.0) {
    const bool inside = length >= 2.0 * style.arrowSize;
    const AcGeVector3d side = mNormal.crossProduct(u) * (style.arrowSize / 6.0);
    for (int k = 0; k < 2; ++k) {
      const AcGePoint3d tip = k == 0 ? a1 : a2;
      AcGeVector3d back = (k == 0 ? u : -u) * style.arrowSize;
      if (!inside) back = -back;
      auto* arrow = new AcDbSolid(tip, tip + back + side, tip + back - side);
      arrow->setNormal(mNormal);
      dress(arrow, style.lineColor);
    }
  }
  // The text above the middle of the dimension line, reading left to right.
  AcGeVector3d reading = u;
  if (ocsAngle(mNormal, u) > VeskGe::kHalfPi + 1e-9 && ocsAngle(mNormal, u) <= 3.0 * VeskGe::kHalfPi + 1e-9)
    reading = -u;
  if (mTextRotation != 0.0) reading = ocsDirection(mNormal, mTextRotation);
  const AcGeVector3d up = mNormal.crossProduct(reading);
  const AcGePoint3d mid = a1 + span * 0.5;
  mComputedTextPosition = mid + up * (style.gap + style.textHeight / 2.0);
  auto* text = new AcDbMText();
  text->setContents(vhostFormattedText().c_str());
  text->setTextHeight(style.textHeight > 0.0 ? style.textHeight : 2.5);
  text->setNormal(mNormal);
  text->setDirection(reading);
  text->setAttachment(AcDbMText::kMiddleCenter);
  text->setLocation(mDefaultTextPosition ? mComputedTextPosition : mTextPosition);
  if (!style.textStyle.isNull()) text->setTextStyle(style.textStyle);
  dress(text, style.textColor);
}

// --- entity protocol -------------------------------------------------------------------------------

Acad::ErrorStatus AcDbDimension::getGeomExtents(AcDbExtents& extents) const {
  assertReadEnabled();
  std::vector<AcDbEntity*> ents;
  vhostBuild(vhostStyle(), ents);
  extents = AcDbExtents();
  bool any = false;
  for (AcDbEntity* e : ents) {
    AcDbExtents one;
    if (e->getGeomExtents(one) == Acad::eOk) {
      extents.addExt(one);
      any = true;
    }
  }
  freeAll(ents);
  return any ? Acad::eOk : Acad::eInvalidExtents;
}

Acad::ErrorStatus AcDbDimension::transformBy(const AcGeMatrix3d& xform) {
  AcGeVector3d ex, ey;
  ocsAxes(mNormal, ex, ey);
  FrameImage f;
  if (!transformFrame(xform, ex, ey, mNormal, f)) return Acad::eInvalidInput;
  assertWriteEnabled();
  const AcGeVector3d textDir = ocsDirection(mNormal, mTextRotation);
  vhostTransformPoints(xform);
  mTextPosition = xform * mTextPosition;
  AcGeVector3d n = xform * mNormal;
  if (!unitNormal(n, n)) n = f.normal;
  if (mTextRotation != 0.0) mTextRotation = ocsAngle(n, xform * textDir);
  mNormal = n;
  mBlockStale = true;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbDimension::explode(AcDbVoidPtrArray& entitySet) const {
  assertReadEnabled();
  std::vector<AcDbEntity*> ents;
  vhostBuild(vhostStyle(), ents);
  for (AcDbEntity* e : ents) {
    // Pieces that are not in a database keep their colours but no layer of ours.
    entitySet.append(e);
  }
  return Acad::eOk;
}

AcRxObject* AcDbDimension::clone() const {
  AcRxObject* made = AcDbEntity::clone();
  if (auto* copy = AcDbDimension::cast(made)) {
    copy->mBlock.setNull();
    copy->mBlockStale = true;
  }
  return made;
}

// --- filing ---------------------------------------------------------------------------------------

Acad::ErrorStatus AcDbDimension::dwgOutFields(AcDbDwgFiler* filer) const {
  Acad::ErrorStatus es = AcDbEntity::dwgOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writePoint3d(mTextPosition);
  filer->writeBoolean(mDefaultTextPosition);
  filer->writeString(mText);
  filer->writeDouble(mTextRotation);
  filer->writeHardPointerId(mStyle);
  filer->writeHardPointerId(mBlock);
  filer->writePoint3d(mBlockPosition);
  filer->writeVector3d(mNormal);
  filer->writeDouble(mElevation);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbDimension::dwgInFields(AcDbDwgFiler* filer) {
  Acad::ErrorStatus es = AcDbEntity::dwgInFields(filer);
  if (es != Acad::eOk) return es;
  AcDbHardPointerId style, block;
  filer->readPoint3d(&mTextPosition);
  filer->readBoolean(&mDefaultTextPosition);
  filer->readString(mText);
  filer->readDouble(&mTextRotation);
  filer->readHardPointerId(&style);
  filer->readHardPointerId(&block);
  filer->readPoint3d(&mBlockPosition);
  filer->readVector3d(&mNormal);
  filer->readDouble(&mElevation);
  mStyle = style;
  mBlock = block;
  return filer->filerStatus();
}

// --- DXF filing -----------------------------------------------------------------------------------

namespace {
bool keptHas(const AcDbObject* obj, const wchar_t* subclass, int code) {
  for (const resbuf* rb = vhost::dxfKeptGroups(obj, subclass); rb; rb = rb->rbnext)
    if (rb->restype == code) return true;
  return false;
}
}  // namespace

AcRxClass* AcDbDimension::vhostDxfClassForType(int dimType) {
  switch (dimType & 0x0F) {
    case 0: return AcDbRotatedDimension::desc();
    case 1: return AcDbAlignedDimension::desc();
    default: return nullptr;
  }
}

AcRxClass* AcDbDimension::vhostDxfClassFor(const resbuf* groups) {
  bool aligned = false;
  int type = -1;
  for (const resbuf* rb = groups; rb; rb = rb->rbnext) {
    if (rb->restype == 100 && rb->resval.rstring) {
      const std::wstring marker = rb->resval.rstring;
      if (marker == L"AcDbRotatedDimension") return AcDbRotatedDimension::desc();
      if (marker == L"AcDbAlignedDimension")
        aligned = true;
      else if (marker.size() > 13 && marker.compare(marker.size() - 9, 9, L"Dimension") == 0 &&
               marker != L"AcDbDimension")
        return nullptr;  // angular, radial, diametric, ordinate, arc ...
    } else if (rb->restype == 70 && type < 0) {
      type = rb->resval.rint;
    }
  }
  if (aligned) return AcDbAlignedDimension::desc();
  return type >= 0 ? vhostDxfClassForType(type) : nullptr;
}

Acad::ErrorStatus AcDbDimension::dxfOutFields(AcDbDxfFiler* filer) const {
  using namespace vhost::annotdxf;
  assertReadEnabled();
  Acad::ErrorStatus es = AcDbEntity::dxfOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeString(100, L"AcDbDimension");
  filer->writeInt8(280, 0);
  if (!mBlock.isNull()) filer->writeString(2, recordName(mBlock));
  filer->writePoint3d(10, vhostDxfDefinitionPoint());
  filer->writePoint3d(11, wcsToOcs(textPosition(), mNormal));
  filer->writePoint3d(12, wcsToOcs(mBlockPosition, mNormal));
  Adesk::Int16 type = AcDbAlignedDimension::cast(this) ? 1 : 0;
  if (!mBlock.isNull()) type |= 32;
  if (!mDefaultTextPosition) type |= 128;
  filer->writeInt16(70, type);
  if (!keptHas(this, L"AcDbDimension", 71)) filer->writeInt16(71, 5);
  if (!keptHas(this, L"AcDbDimension", 72)) filer->writeInt16(72, 1);
  if (!keptHas(this, L"AcDbDimension", 41)) filer->writeDouble(41, 1.0);
  double value = 0.0;
  if (measurement(value) == Acad::eOk && std::isfinite(value)) filer->writeDouble(42, value);
  if (!mText.empty()) filer->writeString(1, mText);
  if (mTextRotation != 0.0) filer->writeDouble(53, toDegrees(mTextRotation));
  if (!isZNormal(mNormal)) filer->writeVector3d(210, mNormal);
  if (!mStyle.isNull()) {
    const std::wstring name = recordName(mStyle);
    if (!name.empty()) filer->writeString(3, name);
  }
  return vhost::dxfWriteKept(filer, this, L"AcDbDimension");
}

Acad::ErrorStatus AcDbDimension::dxfInFields(AcDbDxfFiler* filer) {
  using namespace vhost::annotdxf;
  assertWriteEnabled();
  Acad::ErrorStatus es = AcDbEntity::dxfInFields(filer);
  if (es != Acad::eOk) return es;
  if (!filer->atSubclassData(L"AcDbDimension")) return vhost::dxfBadSubclass(filer, L"AcDbDimension");
  vhost::DxfKeptGroups kept(L"AcDbDimension");
  AcDbDatabase* db = databaseFor(filer, this);
  AcGePoint3d defPoint, textPos, blockPos;
  AcGeVector3d normal = AcGeVector3d::kZAxis;
  double textRotation = 0.0;
  long type = 0;
  bool haveText = false, haveVersion = false;
  std::wstring text, blockName;
  AcDbObjectId style;
  resbuf rb;
  while ((es = filer->readResBuf(&rb)) == Acad::eOk) {
    const ACHAR* str = rb.resval.rstring;
    switch (rb.restype) {
      case 280:
        if (haveVersion) kept.add(rb);
        haveVersion = true;
        break;
      case 2: blockName = str ? str : L""; break;
      case 10: defPoint = vhost::dxfPoint(rb); break;
      case 11: textPos = vhost::dxfPoint(rb); haveText = true; break;
      case 12: blockPos = vhost::dxfPoint(rb); break;
      case 70: type = rb.resval.rint; break;
      case 42: break;  // the measurement as the writer computed it
      case 1: text = str ? str : L""; break;
      case 53: textRotation = toRadians(rb.resval.rreal); break;
      case 210: normal = vhost::dxfVector(rb); break;
      case 3: {
        style = db ? findRecord(db->dimStyleTableId(), str ? str : L"") : AcDbObjectId();
        if (style.isNull()) kept.add(rb);
        break;
      }
      default: kept.add(rb);
    }
    vhost::dxfReleaseValue(rb);
  }
  if (es != Acad::eEndOfObject) return es;
  if (!good(defPoint) || !good(textPos) || !good(blockPos))
    return vhost::dxfError(filer, L"dimension point is not finite");
  if (!good(textRotation)) return vhost::dxfError(filer, L"dimension text rotation is not finite");
  if (type < 0 || type > 255) return vhost::dxfError(filer, L"dimension type (70) out of range");
  AcGeVector3d unit;
  if (!unitNormal(normal, unit)) return vhost::dxfError(filer, L"dimension normal (210) is not a direction");
  AcDbObjectId block;
  if (!blockName.empty() && db != nullptr) block = findRecord(db->blockTableId(), blockName);
  mNormal = unit;
  mDxfDefinitionPoint = defPoint;
  mTextPosition = ocsToWcs(textPos, mNormal);
  mDefaultTextPosition = (type & 128) == 0 || !haveText;
  mComputedTextPosition = mTextPosition;
  mBlockPosition = ocsToWcs(blockPos, mNormal);
  mElevation = textPos.z;
  mText = text;
  mTextRotation = textRotation;
  mStyle = style;
  mBlock = block;
  mBlockStale = block.isNull();  // a block read with the dimension stays as it is
  kept.storeInto(this);
  return Acad::eOk;
}
