#include "arx/entities/AcDbTableStyle.h"

#include <cmath>

#include "arx/db/AcDbDatabase.h"
#include "arx/db/AcDbDictionary.h"
#include "arx/db/AcDbDwgFiler.h"
#include "arx/entities/VhostAnnotationDxf.h"
#include "arx/entities/VhostAnnotationUtil.h"

VHOST_DEFINE_BUILTIN_CLASS(AcDbTableStyle, AcDbObject, L"TABLESTYLE")

using namespace vhost::annot;

AcDbTableStyle::AcDbTableStyle() {
  for (RowStyle& r : mRows) {
    r.color.setColorIndex(0);  // ByBlock: the table's colour
    r.background.setColorIndex(7);
  }
  mRows[1].textHeight = 6.0;
  mRows[1].alignment = AcDb::kMiddleCenter;
  mRows[2].alignment = AcDb::kMiddleCenter;
}

AcDbTableStyle::~AcDbTableStyle() = default;

int AcDbTableStyle::slot(AcDb::RowType rowType) {
  switch (rowType) {
    case AcDb::kDataRow:
      return 0;
    case AcDb::kTitleRow:
      return 1;
    case AcDb::kHeaderRow:
      return 2;
    default:
      return -1;
  }
}

template <class F>
Acad::ErrorStatus AcDbTableStyle::forRows(int rowTypes, F&& f) {
  if (rowTypes <= 0 || (rowTypes & ~AcDb::kAllRows) != 0) return Acad::eInvalidInput;
  assertWriteEnabled();
  if (rowTypes & AcDb::kDataRow) f(mRows[0]);
  if (rowTypes & AcDb::kTitleRow) f(mRows[1]);
  if (rowTypes & AcDb::kHeaderRow) f(mRows[2]);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbTableStyle::getName(ACHAR*& name) const {
  assertReadEnabled();
  std::wstring key;
  if (!ownerId().isNull()) {
    ReadHandle<AcDbDictionary> dict(ownerId());
    if (dict) dict->nameAt(objectId(), key);
  }
  name = dupString(key);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbTableStyle::setName(const ACHAR* name) {
  if (name == nullptr || *name == 0) return Acad::eInvalidInput;
  if (ownerId().isNull()) return Acad::eNotInDatabase;
  WriteHandle<AcDbDictionary> dict(ownerId());
  if (!dict) return dict.status();
  std::wstring old;
  if (dict->nameAt(objectId(), old) != Acad::eOk) return Acad::eKeyNotFound;
  if (vhost::nameKey(old) != vhost::nameKey(name) && dict->has(name)) return Acad::eDuplicateKey;
  return dict->setName(old.c_str(), name) ? Acad::eOk : Acad::eInvalidInput;
}

const ACHAR* AcDbTableStyle::description() const {
  assertReadEnabled();
  return mDescription.c_str();
}

Acad::ErrorStatus AcDbTableStyle::setDescription(const ACHAR* description) {
  assertWriteEnabled();
  mDescription = description ? description : L"";
  return Acad::eOk;
}

AcDb::FlowDirection AcDbTableStyle::flowDirection() const {
  assertReadEnabled();
  return static_cast<AcDb::FlowDirection>(mFlow);
}

Acad::ErrorStatus AcDbTableStyle::setFlowDirection(AcDb::FlowDirection direction) {
  if (direction != AcDb::kTtoB && direction != AcDb::kBtoT) return Acad::eInvalidInput;
  assertWriteEnabled();
  mFlow = static_cast<Adesk::Int16>(direction);
  return Acad::eOk;
}

double AcDbTableStyle::horzCellMargin() const {
  assertReadEnabled();
  return mHorzMargin;
}

Acad::ErrorStatus AcDbTableStyle::setHorzCellMargin(double margin) {
  if (!(margin >= 0.0) || !std::isfinite(margin)) return Acad::eInvalidInput;
  assertWriteEnabled();
  mHorzMargin = margin;
  return Acad::eOk;
}

double AcDbTableStyle::vertCellMargin() const {
  assertReadEnabled();
  return mVertMargin;
}

Acad::ErrorStatus AcDbTableStyle::setVertCellMargin(double margin) {
  if (!(margin >= 0.0) || !std::isfinite(margin)) return Acad::eInvalidInput;
  assertWriteEnabled();
  mVertMargin = margin;
  return Acad::eOk;
}

bool AcDbTableStyle::isTitleSuppressed() const {
  assertReadEnabled();
  return mTitleSuppressed;
}

Acad::ErrorStatus AcDbTableStyle::suppressTitleRow(bool value) {
  assertWriteEnabled();
  mTitleSuppressed = value;
  return Acad::eOk;
}

bool AcDbTableStyle::isHeaderSuppressed() const {
  assertReadEnabled();
  return mHeaderSuppressed;
}

Acad::ErrorStatus AcDbTableStyle::suppressHeaderRow(bool value) {
  assertWriteEnabled();
  mHeaderSuppressed = value;
  return Acad::eOk;
}

AcDbObjectId AcDbTableStyle::textStyle(AcDb::RowType rowType) const {
  assertReadEnabled();
  const int s = slot(rowType);
  return s < 0 ? AcDbObjectId::kNull : mRows[s].textStyle;
}

Acad::ErrorStatus AcDbTableStyle::setTextStyle(const AcDbObjectId& id, int rowTypes) {
  if (!id.isNull() && database() && id.database() != database()) return Acad::eWrongDatabase;
  return forRows(rowTypes, [&](RowStyle& r) { r.textStyle = id; });
}

double AcDbTableStyle::textHeight(AcDb::RowType rowType) const {
  assertReadEnabled();
  const int s = slot(rowType);
  return s < 0 ? 0.0 : mRows[s].textHeight;
}

Acad::ErrorStatus AcDbTableStyle::setTextHeight(double height, int rowTypes) {
  if (!(height > 0.0) || !std::isfinite(height)) return Acad::eInvalidInput;
  return forRows(rowTypes, [&](RowStyle& r) { r.textHeight = height; });
}

AcDb::CellAlignment AcDbTableStyle::alignment(AcDb::RowType rowType) const {
  assertReadEnabled();
  const int s = slot(rowType);
  return static_cast<AcDb::CellAlignment>(s < 0 ? static_cast<Adesk::Int16>(AcDb::kTopLeft) : mRows[s].alignment);
}

Acad::ErrorStatus AcDbTableStyle::setAlignment(AcDb::CellAlignment alignment, int rowTypes) {
  if (alignment < AcDb::kTopLeft || alignment > AcDb::kBottomRight) return Acad::eInvalidInput;
  return forRows(rowTypes, [&](RowStyle& r) { r.alignment = static_cast<Adesk::Int16>(alignment); });
}

AcCmColor AcDbTableStyle::color(AcDb::RowType rowType) const {
  assertReadEnabled();
  const int s = slot(rowType);
  return s < 0 ? AcCmColor() : mRows[s].color;
}

Acad::ErrorStatus AcDbTableStyle::setColor(const AcCmColor& color, int rowTypes) {
  return forRows(rowTypes, [&](RowStyle& r) { r.color = color; });
}

AcCmColor AcDbTableStyle::backgroundColor(AcDb::RowType rowType) const {
  assertReadEnabled();
  const int s = slot(rowType);
  return s < 0 ? AcCmColor() : mRows[s].background;
}

Acad::ErrorStatus AcDbTableStyle::setBackgroundColor(const AcCmColor& color, int rowTypes) {
  return forRows(rowTypes, [&](RowStyle& r) {
    r.background = color;
    r.backgroundNone = false;
  });
}

bool AcDbTableStyle::isBackgroundColorNone(AcDb::RowType rowType) const {
  assertReadEnabled();
  const int s = slot(rowType);
  return s < 0 ? true : mRows[s].backgroundNone;
}

Acad::ErrorStatus AcDbTableStyle::setBackgroundColorNone(bool value, int rowTypes) {
  return forRows(rowTypes, [&](RowStyle& r) { r.backgroundNone = value; });
}

Acad::ErrorStatus AcDbTableStyle::postTableStyleToDb(AcDbDatabase* db, const ACHAR* styleName,
                                                     AcDbObjectId& tableStyleId) {
  tableStyleId.setNull();
  if (db == nullptr) return Acad::eNoDatabase;
  if (styleName == nullptr || *styleName == 0) return Acad::eInvalidInput;
  if (database() != nullptr) return Acad::eAlreadyInDb;
  WriteHandle<AcDbDictionary> dict(db->tableStyleDictionaryId());
  if (!dict) return dict.status();
  if (dict->has(styleName)) return Acad::eDuplicateKey;
  return dict->setAt(styleName, this, tableStyleId);
}

Acad::ErrorStatus AcDbTableStyle::dwgOutFields(AcDbDwgFiler* filer) const {
  Acad::ErrorStatus es = AcDbObject::dwgOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeString(mDescription);
  filer->writeInt16(mFlow);
  filer->writeDouble(mHorzMargin);
  filer->writeDouble(mVertMargin);
  filer->writeBoolean(mTitleSuppressed);
  filer->writeBoolean(mHeaderSuppressed);
  for (const RowStyle& r : mRows) {
    filer->writeHardPointerId(r.textStyle);
    filer->writeDouble(r.textHeight);
    filer->writeInt16(r.alignment);
    filer->writeUInt32(r.color.color());
    filer->writeUInt32(r.background.color());
    filer->writeBoolean(r.backgroundNone);
  }
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbTableStyle::dwgInFields(AcDbDwgFiler* filer) {
  Acad::ErrorStatus es = AcDbObject::dwgInFields(filer);
  if (es != Acad::eOk) return es;
  filer->readString(mDescription);
  filer->readInt16(&mFlow);
  filer->readDouble(&mHorzMargin);
  filer->readDouble(&mVertMargin);
  filer->readBoolean(&mTitleSuppressed);
  filer->readBoolean(&mHeaderSuppressed);
  for (RowStyle& r : mRows) {
    AcDbHardPointerId style;
    Adesk::UInt32 color = 0, background = 0;
    filer->readHardPointerId(&style);
    filer->readDouble(&r.textHeight);
    filer->readInt16(&r.alignment);
    filer->readUInt32(&color);
    filer->readUInt32(&background);
    filer->readBoolean(&r.backgroundNone);
    r.textStyle = style;
    r.color.setColor(color);
    r.background.setColor(background);
  }
  return filer->filerStatus();
}

// --- DXF filing -----------------------------------------------------------------------------------

namespace {
const int kDxfRowOrder[3] = {0, 2, 1};  // data, header, title

void writeColor(AcDbDxfFiler* filer, int aciCode, int rgbCode, const AcCmColor& c) {
  filer->writeInt16(aciCode, static_cast<Adesk::Int16>(c.colorIndex()));
  if (c.isByColor())
    filer->writeInt32(rgbCode, static_cast<Adesk::Int32>((c.red() << 16) | (c.green() << 8) | c.blue()));
}

bool readColor(const resbuf& rb, bool rgb, AcCmColor& c) {
  if (rgb) {
    const Adesk::Int32 v = rb.resval.rlong;
    return c.setRGB(static_cast<Adesk::UInt8>((v >> 16) & 0xFF), static_cast<Adesk::UInt8>((v >> 8) & 0xFF),
                    static_cast<Adesk::UInt8>(v & 0xFF)) == Acad::eOk;
  }
  const int idx = rb.resval.rint;
  return idx >= 0 && idx <= 257 && c.setColorIndex(static_cast<Adesk::UInt16>(idx)) == Acad::eOk;
}
}  // namespace

Acad::ErrorStatus AcDbTableStyle::dxfOutFields(AcDbDxfFiler* filer) const {
  assertReadEnabled();
  Acad::ErrorStatus es = AcDbObject::dxfOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeString(100, L"AcDbTableStyle");
  filer->writeInt8(280, 0);
  filer->writeString(3, mDescription);
  filer->writeInt16(70, mFlow);
  filer->writeInt16(71, 0);
  filer->writeDouble(40, mHorzMargin);
  filer->writeDouble(41, mVertMargin);
  filer->writeInt8(280, mTitleSuppressed ? 1 : 0);
  filer->writeInt8(281, mHeaderSuppressed ? 1 : 0);
  for (int slotIndex : kDxfRowOrder) {
    const RowStyle& r = mRows[slotIndex];
    filer->writeString(7, vhost::annotdxf::recordName(r.textStyle));
    filer->writeDouble(140, r.textHeight);
    filer->writeInt16(170, r.alignment);
    writeColor(filer, 62, 420, r.color);
    writeColor(filer, 63, 421, r.background);
    filer->writeInt8(283, r.backgroundNone ? 0 : 1);
  }
  return vhost::dxfWriteKept(filer, this, L"AcDbTableStyle");
}

Acad::ErrorStatus AcDbTableStyle::dxfInFields(AcDbDxfFiler* filer) {
  assertWriteEnabled();
  Acad::ErrorStatus es = AcDbObject::dxfInFields(filer);
  if (es != Acad::eOk) return es;
  if (!filer->atSubclassData(L"AcDbTableStyle")) return vhost::dxfBadSubclass(filer, L"AcDbTableStyle");
  vhost::DxfKeptGroups kept(L"AcDbTableStyle");
  AcDbDatabase* db = vhost::annotdxf::databaseFor(filer, this);
  RowStyle rows[3] = {mRows[0], mRows[1], mRows[2]};
  std::wstring description;
  long flow = AcDb::kTtoB;
  double horz = mHorzMargin, vert = mVertMargin;
  bool title = false, header = false, haveVersion = false;
  int row = -1;  // the row type being read (a 7 starts the next)
  std::wstring error;
  resbuf rb;
  while ((es = filer->readResBuf(&rb)) == Acad::eOk) {
    RowStyle* r = row >= 0 && row < 3 ? &rows[kDxfRowOrder[row]] : nullptr;
    switch (rb.restype) {
      case 280:
        if (!haveVersion)
          haveVersion = true;
        else
          title = rb.resval.rint != 0;
        break;
      case 3: description = rb.resval.rstring ? rb.resval.rstring : L""; break;
      case 70: flow = rb.resval.rint; break;
      case 71: break;
      case 40: horz = rb.resval.rreal; break;
      case 41: vert = rb.resval.rreal; break;
      case 281: header = rb.resval.rint != 0; break;
      case 7:
        if (++row < 3) {
          const std::wstring name = rb.resval.rstring ? rb.resval.rstring : L"";
          rows[kDxfRowOrder[row]].textStyle =
              db ? vhost::annotdxf::findRecord(db->textStyleTableId(), name) : AcDbObjectId();
        } else {
          kept.add(rb);
        }
        break;
      case 140:
        if (r) r->textHeight = rb.resval.rreal; else kept.add(rb);
        break;
      case 170:
        if (r) r->alignment = rb.resval.rint; else kept.add(rb);
        break;
      case 62: case 63: case 420: case 421:
        if (r) {
          const bool rgb = rb.restype >= 420;
          AcCmColor& c = (rb.restype == 62 || rb.restype == 420) ? r->color : r->background;
          if (!readColor(rb, rgb, c)) error = L"table style colour out of range";
        } else {
          kept.add(rb);
        }
        break;
      case 283:
        if (r) r->backgroundNone = rb.resval.rint == 0; else kept.add(rb);
        break;
      default: kept.add(rb);
    }
    vhost::dxfReleaseValue(rb);
  }
  if (es != Acad::eEndOfObject) return es;
  if (error.empty()) {
    if (flow != AcDb::kTtoB && flow != AcDb::kBtoT) error = L"table style flow direction (70) out of range";
    else if (!(horz >= 0.0) || !(vert >= 0.0) || !std::isfinite(horz) || !std::isfinite(vert))
      error = L"table style cell margins (40, 41) must not be negative";
    for (const RowStyle& r : rows) {
      if (!error.empty()) break;
      if (!(r.textHeight > 0.0) || !std::isfinite(r.textHeight)) error = L"table style text height (140) must be positive";
      else if (r.alignment < AcDb::kTopLeft || r.alignment > AcDb::kBottomRight)
        error = L"table style alignment (170) out of range";
    }
  }
  if (!error.empty()) return vhost::dxfError(filer, error);
  mDescription = description;
  mFlow = static_cast<Adesk::Int16>(flow);
  mHorzMargin = horz;
  mVertMargin = vert;
  mTitleSuppressed = title;
  mHeaderSuppressed = header;
  for (int i = 0; i < 3; ++i) mRows[i] = rows[i];
  kept.storeInto(this);
  return Acad::eOk;
}
