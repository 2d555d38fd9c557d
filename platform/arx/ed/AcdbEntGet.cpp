#include "arx/ed/AcdbEntGet.h"

#include <cwctype>
#include <set>
#include <string>

#include "arx/db/AcDbObject.h"
#include "arx/db/AcDbObjectId.h"
#include "arx/db/AcDbProxyObject.h"
#include "arx/db/AcRxClass.h"
#include "arx/db/VhostDxfMemoryFiler.h"
#include "arx/ed/AcutWcMatch.h"

namespace vhost {

namespace {

// The memory filer, noting which groups were written as 2D points.
class EntGetFiler : public DxfMemoryFiler {
 public:
  explicit EntGetFiler(AcDbDatabase* db) : DxfMemoryFiler(db) {}
  Acad::ErrorStatus writePoint2d(int code, const AcGePoint2d& value, int precision = 16) override {
    const size_t before = groups().size();
    Acad::ErrorStatus es = DxfMemoryFiler::writePoint2d(code, value, precision);
    if (groups().size() > before) flat.insert(groups().size() - 1);
    return es;
  }
  std::set<size_t> flat;
};

std::wstring dxfClassName(const AcDbObject* obj) {
  if (const AcDbProxyObject* p = AcDbProxyObject::cast(obj)) return p->proxyData().dxfName;
  if (const AcDbProxyEntity* p = AcDbProxyEntity::cast(obj)) return p->proxyData().dxfName;
  const AcRxClass* c = obj->isA();
  if (c->dxfName() != nullptr && *c->dxfName() != 0) return c->dxfName();
  std::wstring n = c->name() != nullptr ? c->name() : L"";
  for (wchar_t& ch : n) ch = static_cast<wchar_t>(std::towupper(ch));
  return n;
}

// Appends nodes to a chain under construction.
struct ChainBuilder {
  resbuf* head = nullptr;
  resbuf* tail = nullptr;
  std::vector<bool>* twoD = nullptr;
  void add(resbuf* rb, bool flat = false) {
    rb->rbnext = nullptr;
    if (tail == nullptr) head = rb;
    else tail->rbnext = rb;
    tail = rb;
    if (twoD != nullptr) twoD->push_back(flat);
  }
  void addCopy(const resbuf& group, bool flat = false) {
    resbuf one = group;
    one.rbnext = nullptr;
    if (resbuf* copy = acutRbDup(&one)) add(copy, flat);
  }
};

bool appWanted(const ACHAR* app, const resbuf* apps) {
  if (app == nullptr) return false;
  for (const resbuf* a = apps; a != nullptr; a = a->rbnext)
    if (a->restype == RTSTR && a->resval.rstring != nullptr && wcMatch(app, a->resval.rstring, true)) return true;
  return false;
}

// The object's groups after (-1) and (0); false when it cannot be filed.
bool addFiledGroups(const AcDbObject* obj, ChainBuilder& out) {
  EntGetFiler filer(obj->database());
  Acad::ErrorStatus es = obj->dxfOutFields(&filer);
  for (const resbuf* rb = obj->vhostDxfKept(L"\x01trailing"); rb != nullptr && es == Acad::eOk; rb = rb->rbnext)
    es = filer.writeResBuf(*rb);
  if (es == Acad::eOk) es = filer.filerStatus();
  if (es != Acad::eOk) return false;
  const std::vector<resbuf*>& g = filer.groups();
  size_t start = 0;
  if (g.size() >= 2 && g[0]->restype == 5 && g[1]->restype == 330) {
    out.addCopy(*g[1]);
    out.addCopy(*g[0]);
    start = 2;
  }
  for (size_t i = start; i < g.size(); ++i) out.addCopy(*g[i], filer.flat.count(i) != 0);
  return true;
}

void addExtendedData(const AcDbObject* obj, const resbuf* apps, ChainBuilder& out) {
  if (apps == nullptr) return;
  resbuf* xdata = obj->xData();
  bool sentinel = false;
  bool taking = false;
  for (const resbuf* rb = xdata; rb != nullptr; rb = rb->rbnext) {
    if (rb->restype == 1001) taking = appWanted(rb->resval.rstring, apps);
    if (!taking) continue;
    if (!sentinel) {
      out.add(acutNewRb(-3));
      sentinel = true;
    }
    out.addCopy(*rb);
  }
  acutRelRb(xdata);
}

}  // namespace

resbuf* entGetGroups(const ads_name ent, const resbuf* apps, std::vector<bool>* twoD) {
  if (twoD != nullptr) twoD->clear();
  if (ent == nullptr || ent[1] != 0) return nullptr;
  AcDbObjectId id;
  if (acdbGetObjectId(id, ent) != Acad::eOk || !id.isValid()) return nullptr;
  AcDbObject* obj = nullptr;
  if (acdbOpenObject(obj, id, AcDb::kForRead) != Acad::eOk || obj == nullptr) return nullptr;
  ChainBuilder out;
  out.twoD = twoD;
  bool ok = true;
  try {
    resbuf* name = acutNewRb(-1);
    acdbGetAdsName(name->resval.rlname, id);
    out.add(name);
    resbuf* type = acutNewRb(0);
    acutNewString(dxfClassName(obj).c_str(), type->resval.rstring);
    out.add(type);
    ok = addFiledGroups(obj, out);
    if (ok) addExtendedData(obj, apps, out);
  } catch (...) {
    ok = false;
  }
  obj->close();
  if (!ok) {
    acutRelRb(out.head);
    if (twoD != nullptr) twoD->clear();
    return nullptr;
  }
  return out.head;
}

}  // namespace vhost

resbuf* acdbEntGet(const ads_name ent) { return vhost::entGetGroups(ent, nullptr, nullptr); }

resbuf* acdbEntGetX(const ads_name ent, const resbuf* apps) { return vhost::entGetGroups(ent, apps, nullptr); }
