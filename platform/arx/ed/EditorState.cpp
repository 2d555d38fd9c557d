#include "arx/ed/EditorState.h"

#include <cwctype>
#include <unordered_map>

#include "arx/db/AcDbDatabase.h"
#include "arx/db/AcDbHostApplicationServices.h"
#include "arx/db/AcDbObjectReactor.h"

namespace vhost {

SysValue SysValue::ofShort(int v) {
  SysValue s;
  s.type = RTSHORT;
  s.integer = v;
  return s;
}
SysValue SysValue::ofLong(long v) {
  SysValue s;
  s.type = RTLONG;
  s.integer = v;
  return s;
}
SysValue SysValue::ofReal(double v) {
  SysValue s;
  s.type = RTREAL;
  s.real = v;
  return s;
}
SysValue SysValue::ofText(const std::wstring& v) {
  SysValue s;
  s.type = RTSTR;
  s.text = v;
  return s;
}
SysValue SysValue::ofPoint2d(double x, double y) {
  SysValue s;
  s.type = RTPOINT;
  s.point[0] = x;
  s.point[1] = y;
  return s;
}
SysValue SysValue::ofPoint3d(double x, double y, double z) {
  SysValue s;
  s.type = RT3DPOINT;
  s.point[0] = x;
  s.point[1] = y;
  s.point[2] = z;
  return s;
}

namespace {

// Drops a database's record when the database goes away.
class StateReactor : public AcDbDatabaseReactor {
 public:
  void goodbye(const AcDbDatabase* db) override;
};

struct Registry {
  std::unordered_map<const AcDbDatabase*, std::unique_ptr<DbEditorState>> states;
  StateReactor reactor;
};

Registry& registry() {
  static Registry* r = new Registry();  // outlives every database, also at exit
  return *r;
}

void StateReactor::goodbye(const AcDbDatabase* db) { registry().states.erase(db); }

}  // namespace

DbEditorState* dbEditorState(AcDbDatabase* db, bool create) {
  if (db == nullptr) return nullptr;
  Registry& r = registry();
  auto it = r.states.find(db);
  if (it != r.states.end()) return it->second.get();
  if (!create) return nullptr;
  auto state = std::make_unique<DbEditorState>();
  DbEditorState* raw = state.get();
  r.states.emplace(db, std::move(state));
  db->addReactor(&r.reactor);
  return raw;
}

void forgetViewState(AcDbDatabase* db) {
  if (db == nullptr) return;
  Registry& r = registry();
  if (r.states.erase(db) > 0) db->removeReactor(&r.reactor);
}

bool hasViewState(AcDbDatabase* db) { return dbEditorState(db, false) != nullptr; }

AcDbDatabase* workingDb() { return acdbHostApplicationServices()->workingDatabase(); }

SessionState& session() {
  static SessionState* s = new SessionState();
  return *s;
}

bool writeAdsName(std::int64_t* out, AcDbObjectId id) {
  if (out == nullptr) return false;
  ads_name name;
  if (acdbGetAdsName(name, id) != Acad::eOk) return false;
  out[0] = name[0];
  out[1] = name[1];
  return true;
}

std::wstring upperCase(const std::wstring& s) {
  std::wstring out(s);
  for (wchar_t& c : out) c = static_cast<wchar_t>(std::towupper(static_cast<wint_t>(c)));
  return out;
}

bool equalsNoCase(const std::wstring& a, const std::wstring& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::towupper(static_cast<wint_t>(a[i])) != std::towupper(static_cast<wint_t>(b[i]))) return false;
  }
  return true;
}

std::wstring trimmed(const std::wstring& s) {
  std::size_t b = 0, e = s.size();
  while (b < e && std::iswspace(static_cast<wint_t>(s[b]))) ++b;
  while (e > b && std::iswspace(static_cast<wint_t>(s[e - 1]))) --e;
  return s.substr(b, e - b);
}

}  // namespace vhost
