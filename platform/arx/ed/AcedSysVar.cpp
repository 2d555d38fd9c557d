#include "arx/ed/AcedSysVar.h"

#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <functional>
#include <map>

#include "arx/db/AcDbBlockTable.h"
#include "arx/db/AcDbDatabase.h"
#include "arx/db/AcDbLayout.h"
#include "arx/db/AcDbSymbolTable.h"
#include "arx/ed/EditorState.h"
#include "arx/ed/HostUi.h"
#include "arx/ed/RunCommand.h"
#include "arx/ed/ViewState.h"
#include "mfc/Utf8Convert.h"

namespace vhost {

namespace {

// ERRNO values used here (the host's numbering).
constexpr int kErrUnknownVariable = 11;   // "Invalid symbol table name"-class: unknown variable
constexpr int kErrRejected = 16;          // value refused (read-only, out of range)
constexpr int kErrBadType = 17;           // wrong result-buffer type

enum class Where { kSession, kPerDb, kHeader, kComputed };

struct VarDef {
  short type;
  Where where;
  bool readOnly;
  SysValue def;              // kSession / kPerDb default
  double minValue = -1e300;  // numbers: accepted range
  double maxValue = 1e300;
};

std::wstring recordName(AcDbObjectId id) {
  AcDbSymbolTableRecord* rec = nullptr;
  if (acdbOpenObject(rec, id, AcDb::kForRead) != Acad::eOk) return std::wstring();
  std::wstring name;
  rec->getName(name);
  rec->close();
  return name;
}

std::wstring colorText(const AcCmColor& c) {
  if (c.isByLayer()) return L"BYLAYER";
  if (c.isByBlock()) return L"BYBLOCK";
  if (c.isByACI()) return std::to_wstring(c.colorIndex());
  if (c.isByColor()) {
    return L"RGB:" + std::to_wstring(c.red()) + L"," + std::to_wstring(c.green()) + L"," + std::to_wstring(c.blue());
  }
  return L"BYLAYER";
}

bool parseColor(const std::wstring& text, AcCmColor& out) {
  std::wstring t = upperCase(trimmed(text));
  static const std::map<std::wstring, int> names = {{L"RED", 1},  {L"YELLOW", 2},  {L"GREEN", 3}, {L"CYAN", 4},
                                                     {L"BLUE", 5}, {L"MAGENTA", 6}, {L"WHITE", 7}};
  if (t == L"BYLAYER") return out.setByLayer() == Acad::eOk;
  if (t == L"BYBLOCK") return out.setByBlock() == Acad::eOk;
  auto it = names.find(t);
  if (it != names.end()) return out.setColorIndex(static_cast<Adesk::UInt16>(it->second)) == Acad::eOk;
  if (t.compare(0, 4, L"RGB:") == 0) {
    int rgb[3];
    std::wstring rest = t.substr(4);
    std::size_t pos = 0;
    for (int i = 0; i < 3; ++i) {
      std::size_t comma = rest.find(L',', pos);
      std::wstring part = rest.substr(pos, comma == std::wstring::npos ? std::wstring::npos : comma - pos);
      if (part.empty() || part.size() > 3 || part.find_first_not_of(L"0123456789") != std::wstring::npos) return false;
      rgb[i] = std::stoi(part);
      if (rgb[i] > 255 || (i < 2 && comma == std::wstring::npos) || (i == 2 && comma != std::wstring::npos))
        return false;
      pos = comma + 1;
    }
    return out.setRGB(static_cast<Adesk::UInt8>(rgb[0]), static_cast<Adesk::UInt8>(rgb[1]),
                      static_cast<Adesk::UInt8>(rgb[2])) == Acad::eOk;
  }
  if (!t.empty() && t.size() <= 3 && t.find_first_not_of(L"0123456789") == std::wstring::npos) {
    int index = std::stoi(t);
    if (index < 1 || index > 255) return false;
    return out.setColorIndex(static_cast<Adesk::UInt16>(index)) == Acad::eOk;
  }
  return false;
}

std::map<std::wstring, VarDef>& table() {
  static std::map<std::wstring, VarDef>* t = [] {
    auto* m = new std::map<std::wstring, VarDef>();
    auto add = [m](const wchar_t* name, short type, Where where, bool ro, SysValue def, double lo = -1e300,
                   double hi = 1e300) { (*m)[name] = VarDef{type, where, ro, def, lo, hi}; };
    SysValue none;
    // the database header
    add(L"CLAYER", RTSTR, Where::kHeader, false, none);
    add(L"CECOLOR", RTSTR, Where::kHeader, false, none);
    add(L"CELTYPE", RTSTR, Where::kHeader, false, none);
    add(L"TEXTSTYLE", RTSTR, Where::kHeader, false, none);
    add(L"LTSCALE", RTREAL, Where::kHeader, false, none);
    add(L"CELTSCALE", RTREAL, Where::kHeader, false, none);
    add(L"TEXTSIZE", RTREAL, Where::kHeader, false, none);
    add(L"THICKNESS", RTREAL, Where::kHeader, false, none);
    add(L"ELEVATION", RTREAL, Where::kHeader, false, none);
    add(L"INSUNITS", RTSHORT, Where::kHeader, false, none, 0, 24);
    add(L"LUNITS", RTSHORT, Where::kHeader, false, none, 1, 5);
    add(L"LUPREC", RTSHORT, Where::kHeader, false, none, 0, 8);
    add(L"PDMODE", RTSHORT, Where::kHeader, false, none, 0, 100);
    add(L"PDSIZE", RTREAL, Where::kHeader, false, none);
    add(L"MEASUREMENT", RTSHORT, Where::kHeader, false, none, 0, 1);
    add(L"TILEMODE", RTSHORT, Where::kHeader, false, none, 0, 1);
    add(L"DBMOD", RTSHORT, Where::kHeader, true, none);
    add(L"EXTMIN", RT3DPOINT, Where::kHeader, true, none);
    add(L"EXTMAX", RT3DPOINT, Where::kHeader, true, none);
    add(L"DWGCODEPAGE", RTSTR, Where::kHeader, true, none);
    // kept by the editor for each database
    add(L"DIMSCALE", RTREAL, Where::kPerDb, false, SysValue::ofReal(1.0), 0.0);
    add(L"ORTHOMODE", RTSHORT, Where::kPerDb, false, SysValue::ofShort(0), 0, 1);
    add(L"SNAPMODE", RTSHORT, Where::kPerDb, false, SysValue::ofShort(0), 0, 1);
    add(L"GRIDMODE", RTSHORT, Where::kPerDb, false, SysValue::ofShort(0), 0, 1);
    add(L"LIMCHECK", RTSHORT, Where::kPerDb, false, SysValue::ofShort(0), 0, 1);
    add(L"LIMMIN", RTPOINT, Where::kPerDb, false, SysValue::ofPoint2d(0.0, 0.0));
    add(L"LIMMAX", RTPOINT, Where::kPerDb, false, SysValue::ofPoint2d(420.0, 297.0));
    add(L"AUNITS", RTSHORT, Where::kPerDb, false, SysValue::ofShort(0), 0, 4);
    add(L"AUPREC", RTSHORT, Where::kPerDb, false, SysValue::ofShort(0), 0, 8);
    add(L"ANGBASE", RTREAL, Where::kPerDb, false, SysValue::ofReal(0.0));
    add(L"ANGDIR", RTSHORT, Where::kPerDb, false, SysValue::ofShort(0), 0, 1);
    for (int i = 1; i <= 5; ++i) {
      add((L"USERI" + std::to_wstring(i)).c_str(), RTSHORT, Where::kPerDb, false, SysValue::ofShort(0), -32768,
          32767);
      add((L"USERR" + std::to_wstring(i)).c_str(), RTREAL, Where::kPerDb, false, SysValue::ofReal(0.0));
      add((L"USERS" + std::to_wstring(i)).c_str(), RTSTR, Where::kSession, false, SysValue::ofText(L""));
    }
    add(L"CTAB", RTSTR, Where::kComputed, true, none);
    add(L"CVPORT", RTSHORT, Where::kComputed, true, none);
    add(L"VIEWCTR", RT3DPOINT, Where::kComputed, true, none);
    add(L"VIEWSIZE", RTREAL, Where::kComputed, true, none);
    // the session
    add(L"CMDECHO", RTSHORT, Where::kSession, false, SysValue::ofShort(1), 0, 1);
    add(L"OSMODE", RTSHORT, Where::kSession, false, SysValue::ofShort(4133), 0, 32767);
    add(L"PICKBOX", RTSHORT, Where::kSession, false, SysValue::ofShort(3), 0, 50);
    add(L"PICKSTYLE", RTSHORT, Where::kSession, false, SysValue::ofShort(1), 0, 3);
    add(L"PICKFIRST", RTSHORT, Where::kSession, false, SysValue::ofShort(1), 0, 1);
    add(L"PICKADD", RTSHORT, Where::kSession, false, SysValue::ofShort(2), 0, 2);
    add(L"HIGHLIGHT", RTSHORT, Where::kSession, false, SysValue::ofShort(1), 0, 1);
    add(L"FILEDIA", RTSHORT, Where::kSession, false, SysValue::ofShort(1), 0, 1);
    add(L"CMDDIA", RTSHORT, Where::kSession, false, SysValue::ofShort(1), 0, 1);
    add(L"ATTREQ", RTSHORT, Where::kSession, false, SysValue::ofShort(1), 0, 1);
    add(L"ATTDIA", RTSHORT, Where::kSession, false, SysValue::ofShort(0), 0, 1);
    add(L"EXPERT", RTSHORT, Where::kSession, false, SysValue::ofShort(0), 0, 5);
    add(L"NOMUTT", RTSHORT, Where::kSession, false, SysValue::ofShort(0), 0, 1);
    add(L"SCREENSIZE", RTPOINT, Where::kSession, true,
        SysValue::ofPoint2d(kScreenWidthPixels, kScreenHeightPixels));
    add(L"LASTPOINT", RT3DPOINT, Where::kComputed, false, none);
    add(L"ERRNO", RTSHORT, Where::kComputed, false, none, -32768, 32767);
    // computed
    add(L"CMDACTIVE", RTSHORT, Where::kComputed, true, none);
    add(L"CMDNAMES", RTSTR, Where::kComputed, true, none);
    add(L"DWGNAME", RTSTR, Where::kComputed, true, none);
    add(L"DWGPREFIX", RTSTR, Where::kComputed, true, none);
    add(L"ACADVER", RTSTR, Where::kComputed, true, none);
    add(L"UCSORG", RT3DPOINT, Where::kComputed, true, none);
    add(L"UCSXDIR", RT3DPOINT, Where::kComputed, true, none);
    add(L"UCSYDIR", RT3DPOINT, Where::kComputed, true, none);
    add(L"WORLDUCS", RTSHORT, Where::kComputed, true, none);
    add(L"PLATFORM", RTSTR, Where::kComputed, true, none);
    return m;
  }();
  return *t;
}

std::wstring fileNamePart(const std::wstring& path) {
  std::size_t slash = path.find_last_of(L"/\\");
  return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

std::wstring currentDirectory() {
  char buf[4096];
  if (::getcwd(buf, sizeof buf) == nullptr) return L"./";
  std::string s(buf);
  if (s.empty() || s.back() != '/') s += '/';
  return veskhost::mfc::Utf8ToWide(s.data(), s.size());
}

bool currentLayoutName(AcDbDatabase* db, std::wstring& name) {
  AcDbBlockTableRecord* space = nullptr;
  if (acdbOpenObject(space, db->currentSpaceId(), AcDb::kForRead) != Acad::eOk) return false;
  AcDbObjectId layoutId = space->getLayoutId();
  space->close();
  AcDbLayout* layout = nullptr;
  if (acdbOpenObject(layout, layoutId, AcDb::kForRead) != Acad::eOk) {
    name = db->tilemode() ? L"Model" : L"Layout1";
    return true;
  }
  layout->getLayoutName(name);
  layout->close();
  return true;
}

// RTNORM / RTERROR: reads a header or computed variable.
int readSpecial(const std::wstring& name, SysValue& v) {
  AcDbDatabase* db = workingDb();
  if (name == L"CMDACTIVE") {
    v = SysValue::ofShort(commandActiveFlags());
    return RTNORM;
  }
  if (name == L"CMDNAMES") {
    std::wstring names;
    for (const std::wstring& n : activeCommands()) names += (names.empty() ? L"" : L"'") + upperCase(n);
    v = SysValue::ofText(names);
    return RTNORM;
  }
  if (name == L"ACADVER") {
    v = SysValue::ofText(L"18.0s (VeskHost)");
    return RTNORM;
  }
  if (name == L"PLATFORM") {
    v = SysValue::ofText(L"Linux");
    return RTNORM;
  }
  if (name == L"UCSORG") {
    v = SysValue::ofPoint3d(0, 0, 0);
    return RTNORM;
  }
  if (name == L"UCSXDIR") {
    v = SysValue::ofPoint3d(1, 0, 0);
    return RTNORM;
  }
  if (name == L"UCSYDIR") {
    v = SysValue::ofPoint3d(0, 1, 0);
    return RTNORM;
  }
  if (name == L"WORLDUCS") {
    v = SysValue::ofShort(1);
    return RTNORM;
  }
  if (name == L"LASTPOINT") {
    const double* p = session().lastPoint;
    v = SysValue::ofPoint3d(p[0], p[1], p[2]);
    return RTNORM;
  }
  if (name == L"ERRNO") {
    v = SysValue::ofShort(session().errnoValue);
    return RTNORM;
  }
  if (db == nullptr) return RTERROR;
  if (name == L"DWGNAME" || name == L"DWGPREFIX") {
    std::wstring path = db->filename();
    if (name == L"DWGNAME") {
      v = SysValue::ofText(path.empty() ? L"Drawing1.dwg" : fileNamePart(path));
    } else {
      std::size_t slash = path.find_last_of(L"/\\");
      v = SysValue::ofText(slash == std::wstring::npos ? currentDirectory() : path.substr(0, slash + 1));
    }
    return RTNORM;
  }
  if (name == L"CTAB") {
    std::wstring layout;
    if (!currentLayoutName(db, layout)) return RTERROR;
    v = SysValue::ofText(layout);
    return RTNORM;
  }
  if (name == L"CVPORT") {
    v = SysValue::ofShort(db->tilemode() ? 2 : 1);
    return RTNORM;
  }
  if (name == L"VIEWCTR") {
    ViewState view = currentView(db);
    v = SysValue::ofPoint3d(view.center.x, view.center.y, view.center.z);
    return RTNORM;
  }
  if (name == L"VIEWSIZE") {
    v = SysValue::ofReal(currentView(db).height);
    return RTNORM;
  }
  if (name == L"CLAYER") v = SysValue::ofText(recordName(db->clayer()));
  else if (name == L"CELTYPE") v = SysValue::ofText(recordName(db->celtype()));
  else if (name == L"TEXTSTYLE") v = SysValue::ofText(recordName(db->textstyle()));
  else if (name == L"CECOLOR") v = SysValue::ofText(colorText(db->cecolor()));
  else if (name == L"LTSCALE") v = SysValue::ofReal(db->ltscale());
  else if (name == L"CELTSCALE") v = SysValue::ofReal(db->celtscale());
  else if (name == L"TEXTSIZE") v = SysValue::ofReal(db->textsize());
  else if (name == L"THICKNESS") v = SysValue::ofReal(db->thickness());
  else if (name == L"ELEVATION") v = SysValue::ofReal(db->elevation());
  else if (name == L"INSUNITS") v = SysValue::ofShort(static_cast<int>(db->insunits()));
  else if (name == L"LUNITS") v = SysValue::ofShort(db->lunits());
  else if (name == L"LUPREC") v = SysValue::ofShort(db->luprec());
  else if (name == L"PDMODE") v = SysValue::ofShort(db->pdmode());
  else if (name == L"PDSIZE") v = SysValue::ofReal(db->pdsize());
  else if (name == L"MEASUREMENT") v = SysValue::ofShort(db->measurement());
  else if (name == L"TILEMODE") v = SysValue::ofShort(db->tilemode() ? 1 : 0);
  else if (name == L"DBMOD") v = SysValue::ofShort(db->dbmod());
  else if (name == L"DWGCODEPAGE") v = SysValue::ofText(db->dwgCodePage());
  else if (name == L"EXTMIN") v = SysValue::ofPoint3d(db->extmin().x, db->extmin().y, db->extmin().z);
  else if (name == L"EXTMAX") v = SysValue::ofPoint3d(db->extmax().x, db->extmax().y, db->extmax().z);
  else return RTERROR;
  return RTNORM;
}

// Writes a header or computed variable (value already of the variable's type).
int writeSpecial(const std::wstring& name, const SysValue& v) {
  if (name == L"LASTPOINT") {
    for (int i = 0; i < 3; ++i) session().lastPoint[i] = v.point[i];
    return RTNORM;
  }
  if (name == L"ERRNO") {
    session().errnoValue = static_cast<int>(v.integer);
    return RTNORM;
  }
  AcDbDatabase* db = workingDb();
  if (db == nullptr) return RTERROR;
  Acad::ErrorStatus es = Acad::eInvalidInput;
  if (name == L"CLAYER") {
    AcDbObjectId id = db->layerId(v.text.c_str());
    if (!id.isNull()) es = db->setClayer(id);
  } else if (name == L"CELTYPE") {
    AcDbObjectId id = db->linetypeId(v.text.c_str());
    if (!id.isNull()) es = db->setCeltype(id);
  } else if (name == L"TEXTSTYLE") {
    AcDbObjectId id = db->textStyleId(v.text.c_str());
    if (!id.isNull()) es = db->setTextstyle(id);
  } else if (name == L"CECOLOR") {
    AcCmColor c;
    if (parseColor(v.text, c)) es = db->setCecolor(c);
  } else if (name == L"LTSCALE") {
    es = db->setLtscale(v.real);
  } else if (name == L"CELTSCALE") {
    es = db->setCeltscale(v.real);
  } else if (name == L"TEXTSIZE") {
    es = db->setTextsize(v.real);
  } else if (name == L"THICKNESS") {
    es = db->setThickness(v.real);
  } else if (name == L"ELEVATION") {
    es = db->setElevation(v.real);
  } else if (name == L"INSUNITS") {
    es = db->setInsunits(static_cast<AcDb::UnitsValue>(v.integer));
  } else if (name == L"LUNITS") {
    es = db->setLunits(static_cast<Adesk::Int16>(v.integer));
  } else if (name == L"LUPREC") {
    es = db->setLuprec(static_cast<Adesk::Int16>(v.integer));
  } else if (name == L"PDMODE") {
    es = db->setPdmode(static_cast<Adesk::Int16>(v.integer));
  } else if (name == L"PDSIZE") {
    es = db->setPdsize(v.real);
  } else if (name == L"MEASUREMENT") {
    es = db->setMeasurement(static_cast<Adesk::Int16>(v.integer));
  } else if (name == L"TILEMODE") {
    es = db->setTilemode(v.integer != 0);
  }
  if (es != Acad::eOk) return RTERROR;
  db->setDbmod(db->dbmod() | 4);  // bit 4: a database variable changed
  return RTNORM;
}

void toResbuf(const SysValue& v, resbuf* rb) {
  rb->rbnext = nullptr;
  rb->restype = v.type;
  switch (v.type) {
    case RTSHORT: rb->resval.rint = static_cast<short>(v.integer); break;
    case RTLONG: rb->resval.rlong = static_cast<Adesk::Int32>(v.integer); break;
    case RTREAL: rb->resval.rreal = v.real; break;
    case RTPOINT:
    case RT3DPOINT:
      for (int i = 0; i < 3; ++i) rb->resval.rpoint[i] = v.point[i];
      if (v.type == RTPOINT) rb->resval.rpoint[2] = 0.0;
      break;
    case RTSTR: {
      ACHAR* copy = nullptr;
      acutNewString(v.text.c_str(), copy);
      rb->resval.rstring = copy;
      break;
    }
    default: break;
  }
}

// Converts an incoming value to the variable's type; false when the types do
// not fit.
bool fromResbuf(const resbuf* rb, short type, SysValue& out) {
  out.type = type;
  switch (type) {
    case RTSHORT:
    case RTLONG:
      if (rb->restype == RTSHORT) out.integer = rb->resval.rint;
      else if (rb->restype == RTLONG) out.integer = rb->resval.rlong;
      else return false;
      return true;
    case RTREAL:
      if (rb->restype == RTREAL) out.real = rb->resval.rreal;
      else if (rb->restype == RTSHORT) out.real = rb->resval.rint;
      else if (rb->restype == RTLONG) out.real = rb->resval.rlong;
      else return false;
      return std::isfinite(out.real);
    case RTPOINT:
    case RT3DPOINT:
      if (rb->restype != RTPOINT && rb->restype != RT3DPOINT) return false;
      for (int i = 0; i < 3; ++i) out.point[i] = rb->resval.rpoint[i];
      if (rb->restype == RTPOINT || type == RTPOINT) out.point[2] = 0.0;
      return std::isfinite(out.point[0]) && std::isfinite(out.point[1]) && std::isfinite(out.point[2]);
    case RTSTR:
      if (rb->restype != RTSTR) return false;
      out.text = rb->resval.rstring != nullptr ? rb->resval.rstring : L"";
      return true;
    default: return false;
  }
}

}  // namespace

void setErrno(int value) { session().errnoValue = value; }
int getErrno() { return session().errnoValue; }

std::vector<std::wstring> sysVarNames() {
  std::vector<std::wstring> out;
  for (const auto& kv : table()) out.push_back(kv.first);
  return out;
}

int sysVarInt(const wchar_t* name, int fallback) {
  resbuf rb;
  if (acedGetVar(name, &rb) != RTNORM) return fallback;
  if (rb.restype == RTSHORT) return rb.resval.rint;
  if (rb.restype == RTLONG) return rb.resval.rlong;
  if (rb.restype == RTSTR) acutDelString(rb.resval.rstring);
  return fallback;
}

}  // namespace vhost

using vhost::SysValue;
using vhost::Where;

int acedGetVar(const ACHAR* sym, struct resbuf* result) {
  if (sym == nullptr || result == nullptr) return RTERROR;
  std::wstring name = vhost::upperCase(vhost::trimmed(sym));
  auto it = vhost::table().find(name);
  if (it == vhost::table().end()) {
    vhost::setErrno(vhost::kErrUnknownVariable);
    return RTERROR;
  }
  const vhost::VarDef& def = it->second;
  SysValue v;
  switch (def.where) {
    case Where::kSession: {
      auto& vars = vhost::session().vars;
      auto f = vars.find(name);
      v = f != vars.end() ? f->second : def.def;
      break;
    }
    case Where::kPerDb: {
      vhost::DbEditorState* st = vhost::dbEditorState(vhost::workingDb(), false);
      v = def.def;
      if (st != nullptr) {
        auto f = st->vars.find(name);
        if (f != st->vars.end()) v = f->second;
      } else if (vhost::workingDb() == nullptr) {
        return RTERROR;
      }
      break;
    }
    default:
      if (vhost::readSpecial(name, v) != RTNORM) return RTERROR;
      break;
  }
  vhost::toResbuf(v, result);
  return RTNORM;
}

int acedSetVar(const ACHAR* sym, const struct resbuf* val) {
  if (sym == nullptr || val == nullptr) return RTERROR;
  std::wstring name = vhost::upperCase(vhost::trimmed(sym));
  auto it = vhost::table().find(name);
  if (it == vhost::table().end()) {
    vhost::setErrno(vhost::kErrUnknownVariable);
    return RTERROR;
  }
  const vhost::VarDef& def = it->second;
  if (def.readOnly) {
    vhost::setErrno(vhost::kErrRejected);
    return RTERROR;
  }
  SysValue v;
  if (!vhost::fromResbuf(val, def.type, v)) {
    vhost::setErrno(vhost::kErrBadType);
    return RTERROR;
  }
  if (def.type == RTSHORT || def.type == RTLONG) {
    if (static_cast<double>(v.integer) < def.minValue || static_cast<double>(v.integer) > def.maxValue) {
      vhost::setErrno(vhost::kErrRejected);
      return RTERROR;
    }
  } else if (def.type == RTREAL) {
    if (v.real < def.minValue || v.real > def.maxValue) {
      vhost::setErrno(vhost::kErrRejected);
      return RTERROR;
    }
  }
  switch (def.where) {
    case Where::kSession: vhost::session().vars[name] = v; return RTNORM;
    case Where::kPerDb: {
      vhost::DbEditorState* st = vhost::dbEditorState(vhost::workingDb(), true);
      if (st == nullptr) return RTERROR;
      st->vars[name] = v;
      return RTNORM;
    }
    default:
      if (vhost::writeSpecial(name, v) != RTNORM) {
        vhost::setErrno(vhost::kErrRejected);
        return RTERROR;
      }
      return RTNORM;
  }
}
