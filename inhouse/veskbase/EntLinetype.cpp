#include "veskbase/EntLinetype.h"

#include <cwctype>
#include <string>
#include <vector>

#include "arx/db/AcDbDatabase.h"
#include "arx/db/AcDbHostApplicationServices.h"
#include "arx/db/AcDbLinetypeTable.h"
#include "veskbase/SymbolTableAdd.h"

namespace vesk {
namespace ent {

namespace {

struct StandardLinetype {
  const wchar_t* name;
  const wchar_t* comments;
  std::vector<double> dashes;
};

// The patterns of the base forms; the "2" forms halve every length and the
// "X2" forms double it.
const std::vector<StandardLinetype>& baseLinetypes() {
  static const std::vector<StandardLinetype> table = {
      {L"BORDER", L"Border __ __ . __ __ . __ __ . __ __ . __ __ .", {0.5, -0.25, 0.5, -0.25, 0.0, -0.25}},
      {L"CENTER", L"Center ____ _ ____ _ ____ _ ____ _ ____", {1.25, -0.25, 0.25, -0.25}},
      {L"DASHDOT", L"Dash dot __ . __ . __ . __ . __ . __ .", {0.5, -0.25, 0.0, -0.25}},
      {L"DASHED", L"Dashed __ __ __ __ __ __ __ __ __ __", {0.5, -0.25}},
      {L"DIVIDE", L"Divide ____ . . ____ . . ____ . . ____", {0.5, -0.25, 0.0, -0.25, 0.0, -0.25}},
      {L"DOT", L"Dot . . . . . . . . . . . . . . . . . .", {0.0, -0.25}},
      {L"HIDDEN", L"Hidden __ __ __ __ __ __ __ __ __ __", {0.25, -0.125}},
      {L"PHANTOM", L"Phantom ______  __  __  ______  __  __", {1.25, -0.25, 0.25, -0.25, 0.25, -0.25}},
  };
  return table;
}

std::wstring upper(const wchar_t* text) {
  std::wstring s(text != nullptr ? text : L"");
  for (wchar_t& c : s) c = static_cast<wchar_t>(std::towupper(static_cast<wint_t>(c)));
  return s;
}

// The standard definition of a name: its base pattern and the scale of its
// form (1, 0.5 for "2", 2 for "X2"). False for other names.
bool findStandard(const std::wstring& name, const StandardLinetype*& base, double& scale, std::wstring& suffix) {
  for (const StandardLinetype& t : baseLinetypes()) {
    const std::wstring b(t.name);
    if (name.compare(0, b.size(), b) != 0) continue;
    const std::wstring rest = name.substr(b.size());
    if (rest.empty()) {
      scale = 1.0;
    } else if (rest == L"2") {
      scale = 0.5;
    } else if (rest == L"X2") {
      scale = 2.0;
    } else {
      continue;
    }
    base = &t;
    suffix = rest;
    return true;
  }
  return false;
}

AcDbDatabase* dbOrWorking(AcDbDatabase* db) {
  if (db != nullptr) return db;
  AcDbHostApplicationServices* services = acdbHostApplicationServices();
  return services != nullptr ? services->workingDatabase() : nullptr;
}

}  // namespace

bool IsStandardLineType(const wchar_t* name) {
  const std::wstring n = upper(name);
  if (n == L"CONTINUOUS") return true;
  const StandardLinetype* base = nullptr;
  double scale = 1.0;
  std::wstring suffix;
  return findStandard(n, base, scale, suffix);
}

int GetLineType(const wchar_t* name, AcDbObjectId& id, AcDbDatabase* db) {
  id.setNull();
  db = dbOrWorking(db);
  if (db == nullptr || name == nullptr || *name == L'\0') return 0;
  id = db->linetypeId(name);
  return id.isNull() ? 0 : 1;
}

int LoadLineType(const wchar_t* name, AcDbObjectId& id, AcDbDatabase* db) {
  db = dbOrWorking(db);
  if (GetLineType(name, id, db)) return 1;
  if (db == nullptr) return 0;
  const std::wstring key = upper(name);
  const StandardLinetype* base = nullptr;
  double scale = 1.0;
  std::wstring suffix;
  // Continuous is part of every drawing; one that lost it gets a plain record.
  const bool continuous = key == L"CONTINUOUS";
  if (!continuous && !findStandard(key, base, scale, suffix)) return 0;
  try {
    auto* rec = new AcDbLinetypeTableRecord();
    bool ok = rec->setName(continuous ? L"Continuous" : key.c_str()) == Acad::eOk;
    if (continuous) {
      ok = ok && rec->setComments(L"Solid line") == Acad::eOk;
    } else {
      std::wstring comments(base->comments);
      if (!suffix.empty()) {
        // "Border (.5x)" / "Border (2x)" before the dash picture.
        const size_t blank = comments.find(L' ');
        comments.insert(blank, suffix == L"2" ? L" (.5x)" : L" (2x)");
      }
      double length = 0.0;
      ok = ok && rec->setComments(comments.c_str()) == Acad::eOk;
      ok = ok && rec->setNumDashes(static_cast<int>(base->dashes.size())) == Acad::eOk;
      for (size_t i = 0; ok && i < base->dashes.size(); ++i) {
        const double d = base->dashes[i] * scale;
        length += d < 0.0 ? -d : d;
        ok = rec->setDashLengthAt(static_cast<int>(i), d) == Acad::eOk;
      }
      ok = ok && rec->setPatternLength(length) == Acad::eOk;
    }
    if (!ok) {
      delete rec;
      return 0;
    }
    return AddSymbolTableRecord(db, &AcDbDatabase::getLinetypeTable, rec, id);
  } catch (const Acad::ErrorStatus&) {
    id.setNull();
    return 0;
  }
}

}  // namespace ent
}  // namespace vesk
