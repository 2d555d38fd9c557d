#include "veskcad/standards/TextStyles.h"

#include <cwchar>
#include <memory>

#include "arx/db/AcDbDatabase.h"
#include "arx/db/AcDbHostApplicationServices.h"
#include "arx/db/AcDbTextStyleTable.h"
#include "arx/entities/AcDbText.h"
#include "veskbase/CadFont.h"
#include "veskbase/EntBasic.h"
#include "veskbase/EntLayer.h"
#include "veskbase/EntTextStyle.h"
#include "veskbase/GeoTextParam.h"
#include "veskbase/PrintErrorMsg.h"
#include "veskcad/standards/CCustomDatabase.h"
#include "veskcad/standards/LayerApplication.h"
#include "veskfile/PathText.h"

namespace VeskDB {

namespace {

AcDbDatabase* workingDb() {
  AcDbHostApplicationServices* services = acdbHostApplicationServices();
  return services != nullptr ? services->workingDatabase() : nullptr;
}

template <size_t N>
void copyText(wchar_t (&dst)[N], const wchar_t* src) {
  std::wcsncpy(dst, src != nullptr ? src : L"", N - 1);
  dst[N - 1] = L'\0';
}

// "$x" gives x; other texts give null.
const wchar_t* referencedItem(const wchar_t* text) { return text != nullptr && text[0] == L'$' ? text + 1 : nullptr; }

// The text-style row of item through db (the shared database when null).
bool styleRow(const wchar_t* item, CCustomDatabase* db, vesk::TEXTSTYLEPARAM& s) {
  if (db == nullptr) db = gpGetCustomDatabase();
  if (db == nullptr || item == nullptr || *item == L'\0') return false;
  vesk::TEXTSTYLEPARAM row;
  if (!db->GetTextstyleCustomParam(item, &row)) return false;
  s = row;
  return true;
}

// The style record a text's Textstyle names: the row of a "$x", or the
// defaults of a plain name. False for a "$x" without a row.
bool styleOfText(const vesk::TEXTPARAM& t, vesk::TEXTSTYLEPARAM& s) {
  if (const wchar_t* item = referencedItem(t.Textstyle)) return styleRow(item, nullptr, s);
  vesk::geo::InitTextStyleParam(t.Textstyle, s);
  return true;
}

struct Alignment {
  AcDb::TextHorzMode horizontal;
  AcDb::TextVertMode vertical;
};

Alignment alignmentOfMode(int mode) {
  switch (mode) {
    case 1:
      return {AcDb::kTextCenter, AcDb::kTextVCenter};
    case 2:
      return {AcDb::kTextCenter, AcDb::kTextBottom};
    case 3:
      return {AcDb::kTextCenter, AcDb::kTextTop};
    case 4:
      return {AcDb::kTextRight, AcDb::kTextBottom};
    case 5:
      return {AcDb::kTextLeft, AcDb::kTextBottom};
    default:
      return {AcDb::kTextLeft, AcDb::kTextVCenter};
  }
}

// The text entity, added to the current space. widthFactor <= 0 keeps the
// text's own; a null layer keeps the current one.
int makeText(const AcGePoint3d& pt, const wchar_t* text, double angle, Alignment align, const vesk::TEXTPARAM& t,
             const vesk::TEXTSTYLEPARAM& style, AcDbObjectId styleId, double widthFactor, AcDbObjectId layerId,
             AcDbObjectId& id) {
  id.setNull();
  AcDbDatabase* db = workingDb();
  if (db == nullptr) return 0;
  auto txt = std::make_unique<AcDbText>();
  txt->setDatabaseDefaults(db);
  if (!layerId.isNull()) txt->setLayer(layerId);
  bool ok = txt->setTextString(text != nullptr ? text : L"") == Acad::eOk;
  ok = ok && txt->setTextStyle(styleId) == Acad::eOk;
  ok = ok && txt->setHeight(t.Height) == Acad::eOk;
  ok = ok && txt->setThickness(t.Thickness) == Acad::eOk;
  if (ok && widthFactor > 0.0) ok = txt->setWidthFactor(widthFactor) == Acad::eOk;
  ok = ok && txt->setRotation(angle) == Acad::eOk;
  ok = ok && txt->setHorizontalMode(align.horizontal) == Acad::eOk;
  ok = ok && txt->setVerticalMode(align.vertical) == Acad::eOk;
  ok = ok && txt->setPosition(pt) == Acad::eOk;
  ok = ok && txt->setAlignmentPoint(pt) == Acad::eOk;
  if (ok && style.XMirror != 0) ok = txt->mirrorInX(true) == Acad::eOk;
  if (ok && style.YMirror != 0) ok = txt->mirrorInY(true) == Acad::eOk;
  if (!ok) return 0;
  return vesk::ent::AddToDb(txt.release(), id);
}

}  // namespace

int gpGetTextStyleParam(const wchar_t* name, vesk::TEXTSTYLEPARAM& s) {
  if (styleRow(name, nullptr, s)) return 1;
  vesk::geo::InitTextStyleParam(name, s);
  return 0;
}

int gpGetTextStyleParam(CString item, CCustomDatabase* db, vesk::TEXTPARAM& t, vesk::TEXTSTYLEPARAM& s) {
  if (db == nullptr) db = gpGetCustomDatabase();
  bool complete = false;
  vesk::TEXTPARAM row;
  if (db != nullptr && !item.IsEmpty() && db->GetTextCustomParam(item, &row)) {
    t = row;
    complete = true;
  } else {
    vesk::geo::InitTextParam(t);
  }
  if (const wchar_t* styleItem = referencedItem(t.Textstyle)) {
    if (!styleRow(styleItem, db, s)) {
      vesk::geo::InitTextStyleParam(styleItem, s);
      complete = false;
    }
  } else {
    vesk::geo::InitTextStyleParam(t.Textstyle, s);
  }
  return complete ? 1 : 0;
}

AcDbObjectId gpGetTextStyle(const wchar_t* name) {
  vesk::TEXTSTYLEPARAM s;
  AcDbObjectId id;
  if (styleRow(name, nullptr, s)) vesk::ent::GetTextStyle(s.TextstyleName, id);
  return id;
}

AcDbObjectId gpCreateTextStyle(const wchar_t* name) {
  vesk::TEXTSTYLEPARAM s;
  AcDbObjectId id;
  if (styleRow(name, nullptr, s)) vesk::ent::CreateTextStyle(s, id);
  return id;
}

int gpOpenTextstyle(vesk::TEXTSTYLEPARAM* s, AcDbObjectId& id) {
  id.setNull();
  AcDbDatabase* db = workingDb();
  if (s == nullptr || s->TextstyleName[0] == L'\0' || db == nullptr) return 0;
  AcDbTextStyleTable* table = nullptr;
  AcDbTextStyleTableRecord* rec = nullptr;
  try {
    Acad::ErrorStatus es = db->getTextStyleTable(table, AcDb::kForWrite);
    if (es != Acad::eOk) throw es;
    if (table->getAt(s->TextstyleName, rec, AcDb::kForRead) == Acad::eOk) {
      table->close();
      table = nullptr;
      ACHAR* typeface = nullptr;
      bool bold = false, italic = false;
      int charset = 0, pitchAndFamily = 0;
      rec->font(typeface, bold, italic, charset, pitchAndFamily);
      s->Bold = bold ? 1 : 0;
      s->Italic = italic ? 1 : 0;
      if (typeface != nullptr && *typeface != L'\0') {
        copyText(s->FontFile, typeface);
      } else {
        const ACHAR* file = nullptr;
        rec->fileName(file);
        if (file == nullptr || *file == L'\0') rec->bigFontFileName(file);
        if (file != nullptr && *file != L'\0') copyText(s->FontFile, veskfile::GetFnameWithoutExt(file));
      }
      delete[] typeface;
      id = rec->objectId();
      rec->close();
      return 1;
    }
    rec = new AcDbTextStyleTableRecord();
    bool ok = rec->setName(s->TextstyleName) == Acad::eOk;
    ok = ok && rec->setObliquingAngle(s->ObliquingAngle) == Acad::eOk;
    ok = ok && rec->setXScale(s->XScale) == Acad::eOk;
    ok = ok && rec->setTextSize(s->Height) == Acad::eOk;
    CString mainFile, bigFile;
    if (ok && vesk::cad::SplitShapeFontFile(s->FontFile, mainFile, bigFile)) {
      ok = rec->setFileName(mainFile) == Acad::eOk;
      if (ok && !bigFile.IsEmpty()) ok = rec->setBigFontFileName(bigFile) == Acad::eOk;
      ok = ok && rec->setIsVertical(s->Vertical != 0) == Acad::eOk;
    } else if (ok) {
      ok = rec->setFont(s->FontFile, s->Bold != 0, s->Italic != 0, 0, 0) == Acad::eOk;
    }
    ok = ok && table->add(id, rec) == Acad::eOk;
    if (!ok) {
      delete rec;
      table->close();
      id.setNull();
      return 0;
    }
    rec->close();
    table->close();
    return 1;
  } catch (Acad::ErrorStatus es) {
    if (table != nullptr) table->close();
    id.setNull();
    vesk::PrintErrorMsg(es, L"VeskDB::gpOpenTextstyle");
    return 0;
  }
}

int gpGetTextParam(CString item, vesk::TEXTPARAM& t) {
  CCustomDatabase* db = gpGetCustomDatabase();
  vesk::TEXTPARAM row;
  if (db != nullptr && !item.IsEmpty() && db->GetTextCustomParam(item, &row)) {
    t = row;
    return 1;
  }
  vesk::geo::InitTextParam(t);
  return 0;
}

int gpCreateText(AcGePoint3d pt, const wchar_t* text, double angle, int mode, vesk::TEXTPARAM t, AcDbObjectId& id) {
  id.setNull();
  try {
    vesk::TEXTSTYLEPARAM style;
    if (!styleOfText(t, style)) return 0;
    AcDbObjectId styleId;
    if (!vesk::cad::OpenTxtStyle(style, styleId)) return 0;
    return makeText(pt, text, angle, alignmentOfMode(mode), t, style, styleId, 0.0, AcDbObjectId(), id);
  } catch (Acad::ErrorStatus es) {
    vesk::PrintErrorMsg(es, L"VeskDB::gpCreateText");
    return 0;
  }
}

int gpCreateText(AcGePoint3d pt, const wchar_t* text, double angle, int mode, vesk::TEXTPARAM* t,
                 vesk::TEXTSTYLEPARAM* s, AcDbObjectId& id) {
  id.setNull();
  if (t == nullptr) return 0;
  try {
    vesk::TEXTSTYLEPARAM style;
    if (s != nullptr)
      style = *s;
    else if (!styleOfText(*t, style))
      return 0;
    AcDbObjectId styleId;
    if (!gpOpenTextstyle(&style, styleId)) return 0;
    if (s != nullptr) *s = style;
    return makeText(pt, text, angle, alignmentOfMode(mode), *t, style, styleId, style.XScale, AcDbObjectId(), id);
  } catch (Acad::ErrorStatus es) {
    vesk::PrintErrorMsg(es, L"VeskDB::gpCreateText");
    return 0;
  }
}

int gpCreateTextEx(const AcGePoint3d& pt, const wchar_t* text, double angle, unsigned horizontal, unsigned vertical,
                   const vesk::TEXTPARAM& t, AcDbObjectId& id) {
  id.setNull();
  try {
    vesk::TEXTSTYLEPARAM style;
    AcDbObjectId styleId;
    if (const wchar_t* item = referencedItem(t.Textstyle)) {
      if (!styleRow(item, nullptr, style)) return 0;
      styleId = gpGetTextStyle(item);
      if (styleId.isNull()) styleId = gpCreateTextStyle(item);
    } else {
      vesk::geo::InitTextStyleParam(t.Textstyle, style);
      vesk::cad::OpenTxtStyle(style, styleId);
    }
    if (styleId.isNull()) return 0;

    AcDbObjectId layerId;
    if (const wchar_t* layerItem = referencedItem(t.OwnerLayer)) {
      vesk::LAYERPARAM layer;
      if (gpGetLayerParam(layerItem, layer)) vesk::ent::GetLayer(layer.LayerName, layerId);
    } else {
      vesk::ent::GetLayer(t.OwnerLayer, layerId);
    }

    Alignment align;
    align.horizontal = horizontal <= static_cast<unsigned>(AcDb::kTextFit) ? static_cast<AcDb::TextHorzMode>(horizontal)
                                                                            : AcDb::kTextLeft;
    align.vertical = vertical <= 2 ? static_cast<AcDb::TextVertMode>(vertical) : AcDb::kTextBase;
    return makeText(pt, text, angle, align, t, style, styleId, 0.0, layerId, id);
  } catch (Acad::ErrorStatus es) {
    vesk::PrintErrorMsg(es, L"VeskDB::gpCreateTextEx");
    return 0;
  }
}

int gpGetTextLen(CString text, vesk::TEXTPARAM t, double& len) {
  vesk::TEXTSTYLEPARAM style;
  if (const wchar_t* item = referencedItem(t.Textstyle)) {
    if (!styleRow(item, nullptr, style)) return 0;
  } else {
    style.XScale = 1.0;
  }
  return gpGetTextLen(text, style, t, len);
}

int gpGetTextLen(CString text, vesk::TEXTSTYLEPARAM& s, vesk::TEXTPARAM& t, double& len) {
  if (!(s.XScale > 0.0)) return 0;
  len = static_cast<double>(text.GetLength()) * 0.5 * t.Height / s.XScale;
  return 1;
}

}  // namespace VeskDB
