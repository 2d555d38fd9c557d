#include "arx/db/AcDbLinetypeTable.h"

#include <cmath>

#include "arx/db/AcDbDatabase.h"
#include "arx/db/AcDbDwgFiler.h"
#include "arx/db/VhostDxfRecordFiling.h"
#include "arx/db/VhostDxfSupport.h"

VHOST_DEFINE_BUILTIN_CLASS(AcDbLinetypeTableRecord, AcDbSymbolTableRecord, L"LTYPE")
VHOST_DEFINE_BUILTIN_CLASS(AcDbLinetypeTable, AcDbSymbolTable, L"LTYPE_TABLE")

namespace {
constexpr const ACHAR* kSubclass = L"AcDbLinetypeTableRecord";
// Group 74 of a dash: 1 the rotation is absolute (UCS oriented), 2 text, 4 shape.
constexpr int kDxfAbsolute = 1;
constexpr int kDxfText = 2;
constexpr int kDxfShape = 4;
constexpr int kMaxDashes = 12;

bool isFixedLinetype(const std::wstring& name) {
  const std::wstring key = vhost::nameKey(name);
  return key == L"BYBLOCK" || key == L"BYLAYER" || key == L"CONTINUOUS";
}
}  // namespace

// --- record ------------------------------------------------------------------------------

AcDbLinetypeTableRecord::AcDbLinetypeTableRecord() = default;
AcDbLinetypeTableRecord::~AcDbLinetypeTableRecord() = default;

Acad::ErrorStatus AcDbLinetypeTableRecord::comments(ACHAR*& text) const {
  text = nullptr;
  Acad::ErrorStatus es = vhost::readStatus(this);
  if (es != Acad::eOk) return es;
  text = vhost::newText(mComments);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLinetypeTableRecord::comments(const ACHAR*& text) const {
  text = nullptr;
  Acad::ErrorStatus es = vhost::readStatus(this);
  if (es != Acad::eOk) return es;
  text = mComments.c_str();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLinetypeTableRecord::setComments(const ACHAR* text) {
  Acad::ErrorStatus es = vhost::writeStatus(this);
  if (es != Acad::eOk) return es;
  mComments = text ? text : L"";
  return Acad::eOk;
}

double AcDbLinetypeTableRecord::patternLength() const {
  assertReadEnabled();
  return mPatternLength;
}

Acad::ErrorStatus AcDbLinetypeTableRecord::setPatternLength(double length) {
  if (!std::isfinite(length)) return Acad::eInvalidInput;
  if (length < 0.0) return Acad::eNegativeValueNotAllowed;
  Acad::ErrorStatus es = vhost::writeStatus(this);
  if (es != Acad::eOk) return es;
  mPatternLength = length;
  return Acad::eOk;
}

int AcDbLinetypeTableRecord::numDashes() const {
  assertReadEnabled();
  return static_cast<int>(mDashes.size());
}

Acad::ErrorStatus AcDbLinetypeTableRecord::setNumDashes(int count) {
  // The drawing format keeps at most 12 dashes per linetype.
  if (count < 0 || count > 12) return Acad::eInvalidInput;
  Acad::ErrorStatus es = vhost::writeStatus(this);
  if (es != Acad::eOk) return es;
  mDashes.resize(static_cast<size_t>(count));
  return Acad::eOk;
}

const AcDbLinetypeTableRecord::Dash* AcDbLinetypeTableRecord::dashAt(int index) const {
  assertReadEnabled();
  if (index < 0 || index >= static_cast<int>(mDashes.size())) return nullptr;
  return &mDashes[static_cast<size_t>(index)];
}

AcDbLinetypeTableRecord::Dash* AcDbLinetypeTableRecord::writableDashAt(int index, Acad::ErrorStatus& es) {
  es = vhost::writeStatus(this);
  if (es != Acad::eOk) return nullptr;
  if (index < 0 || index >= static_cast<int>(mDashes.size())) {
    es = Acad::eInvalidIndex;
    return nullptr;
  }
  return &mDashes[static_cast<size_t>(index)];
}

double AcDbLinetypeTableRecord::dashLengthAt(int index) const {
  const Dash* d = dashAt(index);
  return d ? d->length : 0.0;
}

Acad::ErrorStatus AcDbLinetypeTableRecord::setDashLengthAt(int index, double length) {
  if (!std::isfinite(length)) return Acad::eInvalidInput;
  Acad::ErrorStatus es;
  Dash* d = writableDashAt(index, es);
  if (d) d->length = length;
  return es;
}

AcDbObjectId AcDbLinetypeTableRecord::shapeStyleAt(int index) const {
  const Dash* d = dashAt(index);
  return d ? d->style : AcDbObjectId::kNull;
}

Acad::ErrorStatus AcDbLinetypeTableRecord::setShapeStyleAt(int index, AcDbObjectId styleId) {
  Acad::ErrorStatus es;
  Dash* d = writableDashAt(index, es);
  if (d) d->style = styleId;
  return es;
}

int AcDbLinetypeTableRecord::shapeNumberAt(int index) const {
  const Dash* d = dashAt(index);
  return d ? d->shapeNumber : 0;
}

Acad::ErrorStatus AcDbLinetypeTableRecord::setShapeNumberAt(int index, int shapeNumber) {
  if (shapeNumber < 0 || shapeNumber > 32767) return Acad::eInvalidInput;
  Acad::ErrorStatus es;
  Dash* d = writableDashAt(index, es);
  if (d) d->shapeNumber = static_cast<Adesk::Int16>(shapeNumber);
  return es;
}

AcGeVector2d AcDbLinetypeTableRecord::shapeOffsetAt(int index) const {
  const Dash* d = dashAt(index);
  return d ? d->offset : AcGeVector2d();
}

Acad::ErrorStatus AcDbLinetypeTableRecord::setShapeOffsetAt(int index, const AcGeVector2d& offset) {
  if (!std::isfinite(offset.x) || !std::isfinite(offset.y)) return Acad::eInvalidInput;
  Acad::ErrorStatus es;
  Dash* d = writableDashAt(index, es);
  if (d) d->offset = offset;
  return es;
}

double AcDbLinetypeTableRecord::shapeScaleAt(int index) const {
  const Dash* d = dashAt(index);
  return d ? d->scale : 0.0;
}

Acad::ErrorStatus AcDbLinetypeTableRecord::setShapeScaleAt(int index, double scale) {
  if (!std::isfinite(scale)) return Acad::eInvalidInput;
  Acad::ErrorStatus es;
  Dash* d = writableDashAt(index, es);
  if (d) d->scale = scale;
  return es;
}

double AcDbLinetypeTableRecord::shapeRotationAt(int index) const {
  const Dash* d = dashAt(index);
  return d ? d->rotation : 0.0;
}

Acad::ErrorStatus AcDbLinetypeTableRecord::setShapeRotationAt(int index, double rotation) {
  if (!std::isfinite(rotation)) return Acad::eInvalidInput;
  Acad::ErrorStatus es;
  Dash* d = writableDashAt(index, es);
  if (d) d->rotation = rotation;
  return es;
}

bool AcDbLinetypeTableRecord::shapeIsUcsOrientedAt(int index) const {
  const Dash* d = dashAt(index);
  return d ? d->ucsOriented : false;
}

Acad::ErrorStatus AcDbLinetypeTableRecord::setShapeIsUcsOrientedAt(int index, bool ucsOriented) {
  Acad::ErrorStatus es;
  Dash* d = writableDashAt(index, es);
  if (d) d->ucsOriented = ucsOriented;
  return es;
}

Acad::ErrorStatus AcDbLinetypeTableRecord::textAt(int index, ACHAR*& text) const {
  text = nullptr;
  Acad::ErrorStatus es = vhost::readStatus(this);
  if (es != Acad::eOk) return es;
  const Dash* d = dashAt(index);
  if (d == nullptr) return Acad::eInvalidIndex;
  text = vhost::newText(d->text);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLinetypeTableRecord::textAt(int index, const ACHAR*& text) const {
  text = nullptr;
  Acad::ErrorStatus es = vhost::readStatus(this);
  if (es != Acad::eOk) return es;
  const Dash* d = dashAt(index);
  if (d == nullptr) return Acad::eInvalidIndex;
  text = d->text.c_str();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLinetypeTableRecord::setTextAt(int index, const ACHAR* text) {
  Acad::ErrorStatus es;
  Dash* d = writableDashAt(index, es);
  if (d) d->text = text ? text : L"";
  return es;
}

bool AcDbLinetypeTableRecord::isScaledToFit() const {
  assertReadEnabled();
  return mScaledToFit;
}

Acad::ErrorStatus AcDbLinetypeTableRecord::setIsScaledToFit(bool scaledToFit) {
  Acad::ErrorStatus es = vhost::writeStatus(this);
  if (es != Acad::eOk) return es;
  mScaledToFit = scaledToFit;
  return Acad::eOk;
}

bool AcDbLinetypeTableRecord::isRenamable() const {
  return !isFixedLinetype(vhostName()) && AcDbSymbolTableRecord::isRenamable();
}

Acad::ErrorStatus AcDbLinetypeTableRecord::subErase(Adesk::Boolean erasing) {
  if (erasing) {
    if (isFixedLinetype(vhostName())) return Acad::eCannotBeErasedByCaller;
    AcDbDatabase* db = database();
    if (db != nullptr && db->celtype() == objectId()) return Acad::eCannotBeErasedByCaller;
  }
  return AcDbSymbolTableRecord::subErase(erasing);
}

Acad::ErrorStatus AcDbLinetypeTableRecord::dwgOutFields(AcDbDwgFiler* filer) const {
  Acad::ErrorStatus es = AcDbSymbolTableRecord::dwgOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeString(mComments);
  filer->writeDouble(mPatternLength);
  filer->writeBoolean(mScaledToFit);
  filer->writeUInt8(static_cast<Adesk::UInt8>(mDashes.size()));
  for (const Dash& d : mDashes) {
    filer->writeDouble(d.length);
    filer->writeHardPointerId(d.style);
    filer->writeInt16(d.shapeNumber);
    filer->writeVector2d(d.offset);
    filer->writeDouble(d.scale);
    filer->writeDouble(d.rotation);
    filer->writeBoolean(d.ucsOriented);
    filer->writeString(d.text);
  }
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbLinetypeTableRecord::dwgInFields(AcDbDwgFiler* filer) {
  Acad::ErrorStatus es = AcDbSymbolTableRecord::dwgInFields(filer);
  if (es != Acad::eOk) return es;
  std::wstring comments;
  double patternLength = 0.0;
  bool scaledToFit = false;
  Adesk::UInt8 count = 0;
  filer->readString(comments);
  filer->readDouble(&patternLength);
  filer->readBoolean(&scaledToFit);
  filer->readUInt8(&count);
  std::vector<Dash> dashes(count);
  for (Dash& d : dashes) {
    AcDbHardPointerId style;
    filer->readDouble(&d.length);
    filer->readHardPointerId(&style);
    filer->readInt16(&d.shapeNumber);
    filer->readVector2d(&d.offset);
    filer->readDouble(&d.scale);
    filer->readDouble(&d.rotation);
    filer->readBoolean(&d.ucsOriented);
    filer->readString(d.text);
    d.style = style;
    if (filer->filerStatus() != Acad::eOk) break;
  }
  if (filer->filerStatus() != Acad::eOk) return filer->filerStatus();
  mComments = comments;
  mPatternLength = patternLength;
  mScaledToFit = scaledToFit;
  mDashes.swap(dashes);
  return Acad::eOk;
}

// --- DXF ---------------------------------------------------------------------------------

Acad::ErrorStatus AcDbLinetypeTableRecord::dxfOutFields(AcDbDxfFiler* filer) const {
  assertReadEnabled();
  Acad::ErrorStatus es = AcDbSymbolTableRecord::dxfOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeString(100, kSubclass);
  filer->writeString(2, vhostName());
  filer->writeInt16(70, static_cast<Adesk::Int16>(vhostDxfStandardFlags() | vhost::dxfKeptBits(this, kSubclass, 70)));
  filer->writeString(3, mComments);
  filer->writeInt16(72, 65);
  filer->writeInt16(73, static_cast<Adesk::Int16>(mDashes.size()));
  filer->writeDouble(40, mPatternLength);
  for (const Dash& d : mDashes) {
    filer->writeDouble(49, d.length);
    int element = !d.text.empty() ? kDxfText : (d.shapeNumber != 0 ? kDxfShape : 0);
    if (d.ucsOriented) element |= kDxfAbsolute;
    filer->writeInt16(74, static_cast<Adesk::Int16>(element));
    if (element == 0) continue;
    filer->writeInt16(75, (element & kDxfText) ? Adesk::Int16(0) : d.shapeNumber);
    filer->writeObjectId(340, d.style);
    filer->writeDouble(46, d.scale);
    filer->writeDouble(50, d.rotation);
    filer->writeDouble(44, d.offset.x);
    filer->writeDouble(45, d.offset.y);
    if (element & kDxfText) filer->writeString(9, d.text);
  }
  vhost::dxfWriteKept(filer, this, kSubclass);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbLinetypeTableRecord::dxfInFields(AcDbDxfFiler* filer) {
  assertWriteEnabled();
  Acad::ErrorStatus es = AcDbSymbolTableRecord::dxfInFields(filer);
  if (es != Acad::eOk) return es;
  if (!filer->atSubclassData(kSubclass)) return vhost::dxfBadSubclass(filer, kSubclass);
  vhost::DxfKeptGroups kept(kSubclass);
  std::wstring name, comments;
  bool sawName = false;
  int flags = 0, declared = -1;
  double patternLength = 0.0;
  std::vector<Dash> dashes;
  resbuf rb;
  auto current = [&]() -> Dash* {
    if (dashes.empty()) {
      es = vhost::dxfError(filer, L"linetype " + name + L": group " + std::to_wstring(rb.restype) +
                                      L" comes before the first dash (group 49)");
      return nullptr;
    }
    return &dashes.back();
  };
  while (es == Acad::eOk && (es = filer->readResBuf(&rb)) == Acad::eOk) {
    Dash* d = nullptr;
    switch (rb.restype) {
      case 2:
        name = rb.resval.rstring ? rb.resval.rstring : L"";
        sawName = true;
        break;
      case 70: flags = static_cast<int>(vhost::dxfInt(rb)); break;
      case 3: comments = rb.resval.rstring ? rb.resval.rstring : L""; break;
      case 72: break;  // the alignment, always 'A'
      case 73:
        es = vhost::dxfCheckRange(filer, rb, 0, kMaxDashes, L"number of dashes");
        declared = static_cast<int>(vhost::dxfInt(rb));
        break;
      case 40:
        es = vhost::dxfCheckNonNegative(filer, rb, L"pattern length");
        patternLength = rb.resval.rreal;
        break;
      case 49:
        es = vhost::dxfCheckFinite(filer, rb, L"dash length");
        if (es != Acad::eOk) break;
        if ((declared >= 0 && static_cast<int>(dashes.size()) >= declared) ||
            static_cast<int>(dashes.size()) >= kMaxDashes) {
          es = vhost::dxfError(filer, L"linetype " + name + L" gives more dashes than its count (group 73) of " +
                                          std::to_wstring(declared < 0 ? kMaxDashes : declared));
          break;
        }
        dashes.emplace_back();
        dashes.back().length = rb.resval.rreal;
        break;
      case 74:
        if ((d = current()) != nullptr) d->ucsOriented = (vhost::dxfInt(rb) & kDxfAbsolute) != 0;
        break;
      case 75:
        if ((d = current()) != nullptr) d->shapeNumber = static_cast<Adesk::Int16>(vhost::dxfInt(rb));
        break;
      case 340:
        if ((d = current()) != nullptr) d->style = vhost::dxfObjectId(rb);
        break;
      case 46:
        if ((d = current()) != nullptr && (es = vhost::dxfCheckFinite(filer, rb, L"shape scale")) == Acad::eOk)
          d->scale = rb.resval.rreal;
        break;
      case 50:
        if ((d = current()) != nullptr && (es = vhost::dxfCheckFinite(filer, rb, L"shape rotation")) == Acad::eOk)
          d->rotation = rb.resval.rreal;
        break;
      case 44:
        if ((d = current()) != nullptr && (es = vhost::dxfCheckFinite(filer, rb, L"shape x offset")) == Acad::eOk)
          d->offset.x = rb.resval.rreal;
        break;
      case 45:
        if ((d = current()) != nullptr && (es = vhost::dxfCheckFinite(filer, rb, L"shape y offset")) == Acad::eOk)
          d->offset.y = rb.resval.rreal;
        break;
      case 9:
        if ((d = current()) != nullptr) d->text = rb.resval.rstring ? rb.resval.rstring : L"";
        break;
      default: kept.add(rb);
    }
    vhost::dxfReleaseValue(rb);
  }
  if (es != Acad::eEndOfObject) return es;
  if (!sawName) return vhost::dxfError(filer, L"an LTYPE record has no name (group 2)");
  if (declared >= 0 && static_cast<int>(dashes.size()) != declared)
    return vhost::dxfError(filer, L"linetype " + name + L" declares " + std::to_wstring(declared) +
                                      L" dashes (group 73) but gives " + std::to_wstring(dashes.size()));
  es = vhostDxfSetName(filer, name.c_str());
  if (es != Acad::eOk) return es;
  mComments = comments;
  mPatternLength = patternLength;
  mDashes.swap(dashes);
  vhost::dxfKeepBits(this, kSubclass, 70, flags & ~16);
  kept.storeInto(this);
  return Acad::eOk;
}

// --- table ---------------------------------------------------------------------------------

AcDbLinetypeTable::AcDbLinetypeTable() = default;
AcDbLinetypeTable::~AcDbLinetypeTable() = default;

bool AcDbLinetypeTable::vhostAccepts(const AcDbSymbolTableRecord* record) const {
  return AcDbLinetypeTableRecord::cast(record) != nullptr;
}

Acad::ErrorStatus AcDbLinetypeTable::getAt(const ACHAR* name, AcDbLinetypeTableRecord*& record, AcDb::OpenMode mode,
                                           bool openErasedRecord) const {
  return vhostGetTyped(name, record, mode, openErasedRecord);
}

Acad::ErrorStatus AcDbLinetypeTable::newIterator(AcDbLinetypeTableIterator*& iterator, bool atBeginning,
                                                 bool skipDeleted) const {
  iterator = nullptr;
  Acad::ErrorStatus es = vhost::readStatus(this);
  if (es != Acad::eOk) return es;
  iterator = new AcDbLinetypeTableIterator(objectId());
  iterator->start(atBeginning, skipDeleted);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLinetypeTableIterator::getRecord(AcDbLinetypeTableRecord*& record, AcDb::OpenMode mode,
                                                       bool openErasedRecord) const {
  return vhostGetTyped(record, mode, openErasedRecord);
}
