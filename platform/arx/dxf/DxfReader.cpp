#include "arx/dxf/DxfReader.h"

#include <algorithm>
#include <deque>
#include <cwctype>
#include <cstring>
#include <unordered_map>
#include <unordered_set>

#include "arx/base/RbValueType.h"
#include "arx/base/Resbuf.h"
#include "arx/db/AcDbBlockTable.h"
#include "arx/db/AcDbDatabase.h"
#include "arx/db/AcDbDictionary.h"
#include "arx/db/AcDbDimStyleTable.h"
#include "arx/db/AcDbLayerTable.h"
#include "arx/db/AcDbLayout.h"
#include "arx/db/AcDbLinetypeTable.h"
#include "arx/db/AcDbProxyObject.h"
#include "arx/db/AcDbRegAppTable.h"
#include "arx/db/AcDbTextStyleTable.h"
#include "arx/db/VhostMemoryFiler.h"
#include "arx/db/VhostStub.h"
#include "arx/dxf/DxfGroupType.h"
#include "arx/dxf/DxfInFiler.h"
#include "arx/dxf/DxfR12Markers.h"
#include "arx/dxf/DxfStandardTables.h"
#include "arx/dxf/DxfSubEntities.h"
#include "arx/dxf/DxfTextCodec.h"
#include "arx/entities/AcDb2dPolyline.h"
#include "arx/entities/AcDb3dPolyline.h"
#include "arx/entities/AcDbAttribute.h"
#include "arx/entities/AcDbBlockReference.h"

namespace vhost {

namespace {

std::wstring widen(std::string_view s) {
  std::wstring out;
  out.reserve(s.size());
  for (char c : s) out.push_back(static_cast<unsigned char>(c));
  return out;
}

std::wstring hexText(std::uint64_t h) {
  ACHAR buf[24];
  AcDbHandle(h).getIntoAsciiBuffer(buf, 24);
  return buf;
}


// The class of a table by its name in the file.
AcRxClass* tableClass(const std::wstring& name) {
  if (name == L"LAYER") return AcDbLayerTable::desc();
  if (name == L"LTYPE") return AcDbLinetypeTable::desc();
  if (name == L"STYLE") return AcDbTextStyleTable::desc();
  if (name == L"APPID") return AcDbRegAppTable::desc();
  if (name == L"DIMSTYLE") return AcDbDimStyleTable::desc();
  if (name == L"BLOCK_RECORD") return AcDbBlockTable::desc();
  return nullptr;
}



}  // namespace

// ---------------------------------------------------------------------------------------

class DxfReader::Impl : public DxfReferenceSink {
 public:
  Impl(const std::wstring& file, const char* data, const std::vector<DxfRawGroup>& raw, AcDbDatabase* db)
      : mFile(file), mData(data), mRaw(raw), mDb(db), mFiler(db, mCodec, this, AcDb::kDHL_1024),
        mOut(std::make_unique<DxfDrawingData>()) {}

  bool run();
  std::unique_ptr<DxfDrawingData> take() { return std::move(mOut); }
  const std::wstring& error() const { return mError; }
  const std::vector<std::wstring>& warnings() const {
    static const std::vector<std::wstring> kNone;
    return mOut ? mOut->warnings : kNone;
  }

  AcDbObjectId idOfHandle(std::uint64_t h) override {
    AcDbObjectId id;
    mDb->getAcDbObjectId(id, true, AcDbHandle(h));
    if (!id.isNull() && id.stub()->object == nullptr) mCurrentForward.push_back(id.stub());
    return id;
  }

 private:
  struct Made {
    AcDbObject* obj = nullptr;
    AcDbObjectId id;
  };

  // --- raw access
  std::string_view text(size_t i) const {
    return std::string_view(mData + mRaw[i].offset, mRaw[i].length);
  }
  std::string_view trimmed(size_t i) const { return dxfTrim(text(i)); }
  bool is(size_t i, int code, std::string_view t) const {
    return i < mRaw.size() && mRaw[i].code == code && trimmed(i) == t;
  }
  size_t nextZero(size_t i) const {
    for (++i; i < mRaw.size(); ++i)
      if (mRaw[i].code == 0) return i;
    return mRaw.size();
  }
  std::uint32_t lineOf(size_t i) const {
    if (mRaw.empty()) return 1;
    return dxfLineOfGroup(i < mRaw.size() ? i : mRaw.size() - 1);
  }
  bool fail(std::uint32_t line, const std::wstring& what) {
    if (mError.empty()) mError = mFile + L":" + std::to_wstring(line) + L": " + what;
    return false;
  }
  void warn(const std::wstring& what) { mOut->warnings.push_back(mFile + L": " + what); }
  // First group of that code within [b, e), or e.
  size_t findCode(size_t b, size_t e, int code) const {
    for (size_t i = b; i < e; ++i)
      if (mRaw[i].code == code) return i;
    return e;
  }
  // The type name of the object starting at group i, decoded once per name,
  // with the class registered under it.
  struct TypeName {
    std::string raw;
    std::wstring name;
    AcRxClass* cls;
  };
  const TypeName& typeName(size_t i) {
    const std::string_view raw = trimmed(i);
    for (const TypeName& t : mTypeNames)
      if (t.raw == raw) return t;
    std::wstring name = decoded(i);
    while (!name.empty() && name.back() == L' ') name.pop_back();
    AcRxClass* cls = vhostClassByDxfName(name.c_str());
    // Classes are found whatever the case; the name is then theirs, as the
    // writer will write it.
    if (cls && cls->dxfName() && *cls->dxfName()) name = cls->dxfName();
    mTypeNames.push_back(TypeName{std::string(raw), name, cls});
    return mTypeNames.back();
  }
  std::wstring decoded(size_t i) {
    std::wstring out;
    mCodec.decode(text(i).data(), text(i).size(), out);
    return out;
  }

  // --- sections
  bool readHeader(size_t& i);
  bool readClasses(size_t& i);
  bool readTables(size_t& i);
  bool readBlocks(size_t& i);
  bool readEntities(size_t& i);
  bool readObjects(size_t& i);
  bool keepSection(size_t& i, const std::wstring& name);
  bool finish();

  // --- objects
  AcRxClass* entityClass(const std::wstring& name, size_t b, size_t e, bool parent3d, int parentKind,
                         AcRxClass* registered = nullptr);
  bool readObject(size_t b, size_t e, const std::wstring& dxfName, AcRxClass* cls, bool entity, Made& made,
                  const std::wstring& proxyClassName = std::wstring(), bool skipFirstName = false);
  bool readProxy(AcDbObject* obj, const std::wstring& dxfName, const std::wstring& className, bool entity);
  bool readEntity(size_t& i, AcDbObjectId sectionOwner);
  bool placeEntity(Made& made, AcDbObjectId owner, size_t b, size_t e);
  bool reserveHandle(size_t b, size_t e, std::uint64_t& handle, std::wstring& layer);
  void closeMade(Made& made) {
    if (made.obj) made.obj->close();
    made.obj = nullptr;
  }

  // --- completing the drawing
  void setRoots() {
    mDb->setRootIds(mTables[0], mTables[1], mTables[2], mTables[3], mTables[4], mTables[5], mNod);
  }
  bool ensureTables();
  bool ensureSpaces();
  bool ensureStandardRecords();
  bool ensureDictionaries();
  bool ensureKeptTables();
  bool applyHeaderNames();

  const std::wstring& mFile;
  const char* mData;
  const std::vector<DxfRawGroup>& mRaw;
  AcDbDatabase* mDb;
  DxfTextCodec mCodec;
  DxfInFiler mFiler;
  std::unique_ptr<DxfDrawingData> mOut;
  std::wstring mError;
  std::vector<DxfInGroup> mGroups;
  std::deque<TypeName> mTypeNames;
  std::wstring mLastApp;  // the application of the last extended data, known registered
  std::vector<resbuf> mXNodes;
  std::deque<std::wstring> mXTexts;

  int mVersion = 1009;
  bool mR12 = true;
  std::uint64_t mHandseed = 0;
  // Block, layer, linetype, text style, application, dimension style tables.
  AcDbObjectId mTables[6];
  AcDbObjectId mNod;
  std::vector<vhost::Stub*> mCurrentForward;
  std::vector<std::pair<vhost::Stub*, AcDbObjectId>> mForward;
  std::unordered_set<vhost::Stub*> mReserved;
  std::vector<std::pair<AcDbObjectId, std::uint32_t>> mMadeLines;
  // Header variables naming records, resolved once the tables are read.
  std::wstring mClayer, mCeltype, mTextstyle, mDimstyle, mTablestyle;
};

// --- header ------------------------------------------------------------------------------

bool DxfReader::Impl::readHeader(size_t& i) {
  // The release and code page decide how the text decodes: find them first.
  size_t end = i;
  while (end < mRaw.size() && !(mRaw[end].code == 0)) ++end;
  std::string version, codePage;
  for (size_t k = i; k + 1 < end; ++k) {
    if (mRaw[k].code != 9) continue;
    if (trimmed(k) == "$ACADVER" && mRaw[k + 1].code == 1) version = std::string(trimmed(k + 1));
    if (trimmed(k) == "$DWGCODEPAGE" && mRaw[k + 1].code == 3) codePage = std::string(trimmed(k + 1));
  }
  if (!version.empty()) {
    if (version.size() < 6 || version.compare(0, 2, "AC") != 0)
      return fail(lineOf(i), L"unknown drawing release '" + widen(version) + L"'");
    int v = 0;
    for (size_t k = 2; k < version.size(); ++k) {
      if (version[k] < '0' || version[k] > '9') return fail(lineOf(i), L"unknown drawing release '" + widen(version) + L"'");
      v = v * 10 + (version[k] - '0');
    }
    mVersion = v;
    mOut->version = widen(version);
  }
  mR12 = mVersion <= 1009;
  if (mVersion >= 1021)
    mCodec.setUtf8();
  else if (!mCodec.setCodePage(codePage.empty() ? "ANSI_1252" : codePage) && !codePage.empty())
    warn(L"code page " + widen(codePage) + L" is not known; text read as Latin-1");
  if (!codePage.empty()) mDb->setDwgCodePage(widen(codePage));

  for (size_t k = i; k < end;) {
    if (mRaw[k].code == 999) {
      ++k;
      continue;
    }
    if (mRaw[k].code != 9) return fail(lineOf(k), L"header: expected a variable name (group 9)");
    DxfHeaderVariable var;
    var.name = decoded(k);
    const std::uint32_t varLine = lineOf(k);
    ++k;
    size_t vb = k;
    while (k < end && mRaw[k].code != 9) {
      DxfTextGroup g{mRaw[k].code, rbHoldsString(mRaw[k].code) ? decoded(k) : widen(trimmed(k))};
      var.groups.push_back(std::move(g));
      ++k;
    }
    // The variables the database models.
    auto real = [&](int code, double& out) -> bool {
      for (size_t q = vb; q < k; ++q)
        if (mRaw[q].code == code) {
          if (!dxfParseDouble(text(q), out)) return fail(lineOf(q), var.name + L": '" + widen(trimmed(q)) + L"' is not a number");
          return true;
        }
      return fail(varLine, var.name + L": value (group " + std::to_wstring(code) + L") missing");
    };
    auto integer = [&](int code, std::int64_t& out) -> bool {
      for (size_t q = vb; q < k; ++q)
        if (mRaw[q].code == code) {
          if (!dxfParseInt64(text(q), out)) return fail(lineOf(q), var.name + L": '" + widen(trimmed(q)) + L"' is not an integer");
          return true;
        }
      return fail(varLine, var.name + L": value (group " + std::to_wstring(code) + L") missing");
    };
    auto name = [&](int code, std::wstring& out) -> bool {
      for (size_t q = vb; q < k; ++q)
        if (mRaw[q].code == code) {
          out = decoded(q);
          return true;
        }
      return fail(varLine, var.name + L": value (group " + std::to_wstring(code) + L") missing");
    };
    const std::wstring& n = var.name;
    double d = 0;
    std::int64_t v = 0;
    bool modelled = true;
    if (n == L"$ACADVER" || n == L"$DWGCODEPAGE") {
    } else if (n == L"$HANDSEED") {
      size_t q = vb;
      while (q < k && mRaw[q].code != 5) ++q;
      if (q == k || !dxfParseHandle(text(q), mHandseed)) return fail(varLine, L"$HANDSEED: not a handle");
    } else if (n == L"$INSUNITS") {
      if (!integer(70, v)) return false;
      if (v >= 0 && v <= 24) mDb->setInsunits(static_cast<AcDb::UnitsValue>(v));
    } else if (n == L"$CLAYER") {
      if (!name(8, mClayer)) return false;
    } else if (n == L"$CELTYPE") {
      if (!name(6, mCeltype)) return false;
    } else if (n == L"$TEXTSTYLE") {
      if (!name(7, mTextstyle)) return false;
    } else if (n == L"$DIMSTYLE") {
      if (!name(2, mDimstyle)) return false;
    } else if (n == L"$CTABLESTYLE") {
      if (!name(7, mTablestyle)) return false;
    } else if (n == L"$CECOLOR") {
      if (!integer(62, v)) return false;
      AcCmColor c;
      if (c.setColorIndex(static_cast<Adesk::UInt16>(v < 0 ? -v : v)) == Acad::eOk) mDb->setCecolor(c);
    } else if (n == L"$CELTSCALE") {
      if (!real(40, d)) return false;
      mDb->setCeltscale(d);
    } else if (n == L"$CELWEIGHT") {
      if (!integer(370, v)) return false;
      if (v >= -3 && v <= 211 && AcDb::isValidLineWeight(static_cast<int>(v)))
        mDb->setCelweight(static_cast<AcDb::LineWeight>(v));
    } else if (n == L"$LTSCALE") {
      if (!real(40, d)) return false;
      mDb->setLtscale(d);
    } else if (n == L"$TEXTSIZE") {
      if (!real(40, d)) return false;
      mDb->setTextsize(d);
    } else if (n == L"$PDMODE") {
      if (!integer(70, v)) return false;
      mDb->setPdmode(static_cast<Adesk::Int16>(v));
    } else if (n == L"$PDSIZE") {
      if (!real(40, d)) return false;
      mDb->setPdsize(d);
    } else if (n == L"$LUNITS") {
      if (!integer(70, v)) return false;
      mDb->setLunits(static_cast<Adesk::Int16>(v));
    } else if (n == L"$LUPREC") {
      if (!integer(70, v)) return false;
      mDb->setLuprec(static_cast<Adesk::Int16>(v));
    } else if (n == L"$MEASUREMENT") {
      if (!integer(70, v)) return false;
      mDb->setMeasurement(static_cast<Adesk::Int16>(v));
    } else if (n == L"$LWDISPLAY") {
      if (!integer(290, v)) return false;
      mDb->setLineWeightDisplay(v != 0);
    } else if (n == L"$TILEMODE") {
      if (!integer(70, v)) return false;
      mDb->setTilemode(v != 0);
    } else if (n == L"$THICKNESS") {
      if (!real(40, d)) return false;
      mDb->setThickness(d);
    } else if (n == L"$ELEVATION") {
      if (!real(40, d)) return false;
      mDb->setElevation(d);
    } else if (n == L"$EXTMIN" || n == L"$EXTMAX") {
      double x = 0, y = 0, z = 0;
      if (!real(10, x) || !real(20, y)) return false;
      for (size_t q = vb; q < k; ++q)
        if (mRaw[q].code == 30 && !dxfParseDouble(text(q), z)) return fail(lineOf(q), n + L": not a number");
      if (n == L"$EXTMIN")
        mDb->setExtmin(AcGePoint3d(x, y, z));
      else
        mDb->setExtmax(AcGePoint3d(x, y, z));
    } else {
      modelled = false;
    }
    if (!modelled) mOut->headerVariables.push_back(std::move(var));
  }
  i = end;
  return true;
}

// --- classes -----------------------------------------------------------------------------

bool DxfReader::Impl::readClasses(size_t& i) {
  while (i < mRaw.size() && is(i, 0, "CLASS")) {
    const size_t e = nextZero(i);
    DxfClassEntry c;
    for (size_t k = i + 1; k < e; ++k) {
      std::int64_t v = 0;
      switch (mRaw[k].code) {
        case 1: c.dxfName = decoded(k); break;
        case 2: c.className = decoded(k); break;
        case 3: c.appName = decoded(k); break;
        case 90:
        case 280:
        case 281:
          if (!dxfParseInt64(text(k), v)) return fail(lineOf(k), L"CLASS: '" + widen(trimmed(k)) + L"' is not an integer");
          if (mRaw[k].code == 90) c.proxyFlags = static_cast<int>(v);
          if (mRaw[k].code == 280) c.wasProxy = v != 0;
          if (mRaw[k].code == 281) c.isEntity = v != 0;
          break;
        default:
          break;
      }
    }
    if (!c.dxfName.empty()) mOut->classes.push_back(c);
    i = e;
  }
  return true;
}

// --- objects -----------------------------------------------------------------------------

bool DxfReader::Impl::readProxy(AcDbObject* obj, const std::wstring& dxfName, const std::wstring& className,
                                bool entity) {
  ProxyData pd;
  pd.dxfName = dxfName;
  pd.className = className;
  if (const DxfClassEntry* c = mOut->classByDxfName(dxfName)) {
    if (pd.className.empty()) pd.className = c->className;
    pd.appName = c->appName;
    pd.proxyFlags = c->proxyFlags;
  }
  // The proxy classes read everything up to the extended data themselves.
  if (entity)
    static_cast<AcDbProxyEntity*>(obj)->setProxyData(pd);
  else
    static_cast<AcDbProxyObject*>(obj)->setProxyData(pd);
  return obj->dxfInFields(&mFiler) == Acad::eOk;
}

bool DxfReader::Impl::readObject(size_t b, size_t e, const std::wstring& dxfName, AcRxClass* cls, bool entity,
                                 Made& made, const std::wstring& proxyClassName, bool skipFirstName) {
  made = Made();
  const std::uint32_t line = dxfLineOfGroup(b);
  mGroups.clear();
  bool skipped = !skipFirstName;
  for (size_t k = b + 1; k < e; ++k) {
    if (mRaw[k].code == 999) continue;
    if (!skipped && mRaw[k].code == 2) {
      skipped = true;
      continue;
    }
    mGroups.push_back(DxfInGroup{mRaw[k].code, dxfLineOfGroup(k), text(k)});
  }
  if (mR12) {
    const bool is3d = cls == AcDb3dPolyline::desc() || cls == AcDb3dPolylineVertex::desc();
    dxfInsertR12Markers(skipFirstName ? std::wstring(L"TABLE") : dxfName, is3d, mGroups, entity);
  }
  // The handle (105 for dimension styles) before the first subclass marker;
  // the framework gives it, so the object does not see it.
  std::uint64_t handle = 0;
  const int handleCode = dxfName == L"DIMSTYLE" ? 105 : 5;
  for (size_t k = 0; k < mGroups.size(); ++k) {
    const DxfInGroup& g = mGroups[k];
    if (g.code == 100) break;
    if (g.code == handleCode || (g.code == 5 && handleCode == 105)) {
      if (!dxfParseHandle(g.text, handle)) return fail(g.line, L"'" + widen(dxfTrim(g.text)) + L"' is not a handle");
      mGroups.erase(mGroups.begin() + static_cast<long>(k));
      break;
    }
  }
  AcDbObject* obj = nullptr;
  if (cls) {
    AcRxObject* o = cls->create();
    obj = AcDbObject::cast(o);
    if (obj == nullptr) delete o;
  }
  bool proxy = obj == nullptr;
  if (proxy) obj = entity ? static_cast<AcDbObject*>(new AcDbProxyEntity()) : new AcDbProxyObject();
  mFiler.reset(&mGroups, line);
  mFiler.clearError();
  mCurrentForward.clear();
  auto what = [&]() { return dxfName + (handle ? L" " + hexText(handle) : std::wstring()); };
  bool ok = true;
  try {
    if (proxy) {
      ok = readProxy(obj, dxfName, proxyClassName, entity);
    } else {
      Acad::ErrorStatus es = obj->dxfInFields(&mFiler);
      if (es == Acad::eMakeMeProxy) {
        // The class declines: the object stays what the file holds.
        delete obj;
        obj = entity ? static_cast<AcDbObject*>(new AcDbProxyEntity()) : new AcDbProxyObject();
        proxy = true;
        mFiler.reset(&mGroups, line);
        mFiler.clearError();
        mCurrentForward.clear();
        ok = readProxy(obj, dxfName, proxyClassName.empty() ? std::wstring(cls->name()) : proxyClassName, entity);
      } else if (es != Acad::eOk) {
        ok = false;
        if (mFiler.errorText().empty()) mFiler.vhostReportError(acadErrorStatusText(es));
      }
    }
  } catch (const Acad::ErrorStatus& es) {
    ok = false;
    mFiler.vhostReportError(std::wstring(L"reading failed: ") + acadErrorStatusText(es));
  } catch (...) {
    ok = false;
    mFiler.vhostReportError(L"reading failed");
  }
  if (!ok) {
    delete obj;
    std::wstring msg = mFiler.errorText();
    if (msg.empty()) msg = L"the object could not be read";
    return fail(mFiler.currentLine(), what() + L": " + msg);
  }
  // Groups the classes left (a subclass they do not know) are kept and written back.
  size_t pos = mFiler.position();
  size_t xstart = pos;
  while (xstart < mGroups.size() && mGroups[xstart].code != 1001) ++xstart;
  if (xstart > pos) {
    resbuf* head = nullptr;
    resbuf** tail = &head;
    for (size_t k = pos; k < xstart;) {
      resbuf rb;
      size_t used = 1;
      if (!mFiler.convert(k, rb, used)) {
        acutRelRb(head);
        delete obj;
        return fail(mFiler.currentLine(), what() + L": " + mFiler.errorText());
      }
      resbuf* node = acutNewRb(rb.restype);
      node->resval = rb.resval;
      *tail = node;
      tail = &node->rbnext;
      k += used;
    }
    obj->vhostSetDxfKept(L"\x01trailing", head);
  }
  // Extended data: a chain that lives only for setXData (which copies it),
  // made of reused nodes and text buffers.
  if (xstart < mGroups.size()) {
    mXNodes.clear();
    size_t texts = 0;
    std::vector<char*> binaries;
    bool ok = true;
    for (size_t k = xstart; k < mGroups.size() && ok;) {
      resbuf rb;
      size_t used = 1;
      const int code = mGroups[k].code;
      if (code < 1000) {
        ok = fail(mGroups[k].line, what() + L": group " + std::to_wstring(code) + L" inside extended data");
        break;
      }
      const RbValueType type = dxfGroupType(code);
      if (type == RbValueType::kString || type == RbValueType::kHandle) {
        if (texts == mXTexts.size()) mXTexts.emplace_back();
        std::wstring& t = mXTexts[texts++];
        if (type == RbValueType::kString) {
          mCodec.decode(mGroups[k].text.data(), mGroups[k].text.size(), t);
        } else {
          std::uint64_t h = 0;
          const std::string_view ht = dxfTrim(mGroups[k].text);
          if (!dxfParseHandle(ht, h)) {
            ok = fail(mGroups[k].line, what() + L": group 1005: '" + widen(ht) + L"' is not a handle");
            break;
          }
          t = widen(ht);
        }
        std::memset(&rb, 0, sizeof rb);
        rb.restype = static_cast<short>(code);
        rb.resval.rstring = &t[0];
      } else if (!mFiler.convert(k, rb, used)) {
        ok = fail(mFiler.currentLine(), what() + L": " + mFiler.errorText());
        break;
      }
      if (type == RbValueType::kBinary) binaries.push_back(rb.resval.rbinary.buf);
      if (code == 1001 && mLastApp != rb.resval.rstring && mDb->regAppId(rb.resval.rstring).isNull() &&
          !mTables[4].isNull()) {
        AcDbRegAppTable* apps = nullptr;
        if (acdbOpenObject(apps, mTables[4], AcDb::kForWrite) == Acad::eOk) {
          auto* rec = new AcDbRegAppTableRecord();
          if (rec->setName(rb.resval.rstring) == Acad::eOk && apps->add(rec) == Acad::eOk)
            rec->close();
          else
            delete rec;
          apps->close();
        }
      }
      if (code == 1001) mLastApp = rb.resval.rstring;  // registered now
      rb.rbnext = nullptr;
      mXNodes.push_back(rb);
      k += used;
    }
    if (ok) {
      for (size_t n = 0; n + 1 < mXNodes.size(); ++n) mXNodes[n].rbnext = &mXNodes[n + 1];
      Acad::ErrorStatus es = obj->setXData(mXNodes.empty() ? nullptr : &mXNodes[0]);
      if (es != Acad::eOk) warn(what() + L": extended data dropped (" + acadErrorStatusText(es) + L")");
    }
    for (char* b : binaries) delete[] b;
    if (!ok) {
      delete obj;
      return false;
    }
  }
  AcDbObjectId id;
  Acad::ErrorStatus es = handle ? mDb->addAcDbObjectWithHandle(id, obj, AcDbHandle(handle)) : mDb->addAcDbObject(id, obj);
  if (es != Acad::eOk) {
    delete obj;
    if (es == Acad::eHandleInUse) return fail(line, L"duplicate handle " + hexText(handle) + L" (" + dxfName + L")");
    return fail(line, what() + L": " + acadErrorStatusText(es));
  }
  for (vhost::Stub* s : mCurrentForward) mForward.emplace_back(s, id);
  mMadeLines.emplace_back(id, line);
  made.obj = obj;
  made.id = id;
  return true;
}

AcRxClass* DxfReader::Impl::entityClass(const std::wstring& name, size_t b, size_t e, bool parent3d, int parentKind,
                                        AcRxClass* registered) {
  if (name == L"POLYLINE") {
    size_t k = findCode(b, e, 70);
    std::int64_t flags = 0;
    if (k < e) dxfParseInt64(text(k), flags);
    if (flags & (16 | 64)) return nullptr;  // meshes stay what the file holds
    return (flags & 8) ? AcDb3dPolyline::desc() : AcDb2dPolyline::desc();
  }
  if (name == L"VERTEX") {
    if (parentKind != 1) return nullptr;
    return parent3d ? AcDb3dPolylineVertex::desc() : AcDb2dVertex::desc();
  }
  if (name == L"DIMENSION") {
    size_t k = findCode(b, e, 70);
    std::int64_t flags = 0;
    if (k < e) dxfParseInt64(text(k), flags);
    AcRxClass* c = nullptr;
    if ((flags & 7) == 0) c = vhostClassByDxfName(L"DIMENSION") ? AcRxClass::cast(acrxClassDictionary->at(L"AcDbRotatedDimension")) : nullptr;
    if ((flags & 7) == 1) c = AcRxClass::cast(acrxClassDictionary->at(L"AcDbAlignedDimension"));
    return c;
  }
  if (name == L"ACAD_PROXY_ENTITY") return nullptr;
  AcRxClass* c = registered ? registered : vhostClassByDxfName(name.c_str());
  if (c && c->isDerivedFrom(AcDbEntity::desc()) && c->constructor()) return c;
  return nullptr;
}

bool DxfReader::Impl::reserveHandle(size_t b, size_t e, std::uint64_t& handle, std::wstring& layer) {
  handle = 0;
  for (size_t k = b + 1; k < e; ++k) {
    if (mRaw[k].code == 5 && handle == 0) {
      if (!dxfParseHandle(text(k), handle)) return fail(lineOf(k), L"'" + widen(trimmed(k)) + L"' is not a handle");
    } else if (mRaw[k].code == 8) {
      layer = decoded(k);
    }
  }
  if (handle == 0) {
    // Files without handles: one is given so that the entity keeps it from now on.
    handle = mDb->handseed().value();
  }
  AcDbObjectId id;
  mDb->getAcDbObjectId(id, true, AcDbHandle(handle));
  if (id.stub()->object != nullptr || mReserved.count(id.stub()))
    return fail(lineOf(b), L"duplicate handle " + hexText(handle));
  mReserved.insert(id.stub());
  return true;
}

bool DxfReader::Impl::placeEntity(Made& made, AcDbObjectId owner, size_t b, size_t e) {
  AcDbEntity* ent = AcDbEntity::cast(made.obj);
  if (owner.isNull()) {
    // In the entities section: the owner the entity names, else model or paper space.
    AcDbObjectId named = ent->ownerId();
    if (AcDbBlockTableRecord::cast(vhost::residentObject(named))) {
      owner = named;
    } else {
      size_t k = findCode(b, e, 67);
      std::int64_t paper = 0;
      if (k < e) dxfParseInt64(text(k), paper);
      owner = paper ? mDb->paperSpaceId() : mDb->modelSpaceId();
    }
  }
  AcDbBlockTableRecord* btr = AcDbBlockTableRecord::cast(vhost::residentObject(owner));
  if (btr == nullptr) return fail(lineOf(b), L"entity without a block to belong to");
  ent->setOwnerId(AcDbObjectId());
  Acad::ErrorStatus es = btr->vhostAdoptEntity(made.id);
  if (es != Acad::eOk) return fail(lineOf(b), std::wstring(L"entity cannot be placed: ") + acadErrorStatusText(es));
  return true;
}

bool DxfReader::Impl::readEntity(size_t& i, AcDbObjectId sectionOwner) {
  const size_t e = nextZero(i);
  const TypeName& type = typeName(i);
  const std::wstring& name = type.name;
  if (name == L"VERTEX" || name == L"ATTRIB" || name == L"SEQEND")
    return fail(lineOf(i), name + L" outside a polyline or block reference");
  AcRxClass* cls = entityClass(name, i + 1, e, false, 0, type.cls);
  Made made;
  if (!readObject(i, e, name, cls, true, made)) return false;
  if (!placeEntity(made, sectionOwner, i + 1, e)) {
    closeMade(made);
    return false;
  }
  size_t k = e;
  // Followers: the vertices of a polyline, the attributes of a block reference.
  const bool polyline = name == L"POLYLINE";
  const bool insert = AcDbBlockReference::cast(made.obj) != nullptr && name == L"INSERT";
  if ((polyline || insert) && k < mRaw.size()) {
    const bool is3d = made.obj->isKindOf(AcDb3dPolyline::desc());
    const int kind = AcDb2dPolyline::cast(made.obj) || AcDb3dPolyline::cast(made.obj) ? 1 : 0;
    const char* followerName = polyline ? "VERTEX" : "ATTRIB";
    std::vector<AcDbObjectId> subs;
    while (k < mRaw.size() && mRaw[k].code == 0 && typeName(k).name == widen(followerName)) {
      const size_t fe = nextZero(k);
      AcRxClass* fc = polyline ? entityClass(L"VERTEX", k + 1, fe, is3d, kind) : AcDbAttribute::desc();
      Made sub;
      if (!readObject(k, fe, widen(followerName), fc, true, sub)) {
        closeMade(made);
        return false;
      }
      sub.obj->setOwnerId(made.id);
      subs.push_back(sub.id);
      closeMade(sub);
      k = fe;
    }
    if (is(k, 0, "SEQEND")) {
      const size_t se = nextZero(k);
      DxfSequenceEnd seq;
      if (!reserveHandle(k, se, seq.handle, seq.layer)) {
        closeMade(made);
        return false;
      }
      mOut->sequenceEnds[made.id.stub()] = seq;
      k = se;
    } else if (!subs.empty()) {
      closeMade(made);
      return fail(lineOf(k), name + L": the sequence of " + widen(followerName) + L" has no SEQEND");
    }
    if (!subs.empty() && made.obj->isAProxy()) {
      // A polyline kept as it was read (a mesh): its vertices follow it.
      mOut->proxyFollowers[made.id.stub()] = subs;
    } else if (!subs.empty()) {
      Acad::ErrorStatus es = dxfAdoptSubEntities(made.obj, subs);
      if (es != Acad::eOk) {
        closeMade(made);
        return fail(lineOf(i), name + L": its " + widen(followerName) + L" entities cannot be attached (" +
                                   acadErrorStatusText(es) + L")");
      }
    }
  }
  closeMade(made);
  i = k;
  return true;
}

// --- sections ----------------------------------------------------------------------------

bool DxfReader::Impl::readTables(size_t& i) {
  if (!ensureTables()) return false;
  while (i < mRaw.size() && !is(i, 0, "ENDSEC")) {
    if (!is(i, 0, "TABLE")) return fail(lineOf(i), L"TABLES: expected TABLE, found '" + decoded(i) + L"'");
    const size_t e = nextZero(i);
    size_t nk = findCode(i + 1, e, 2);
    if (nk == e) return fail(lineOf(i), L"TABLE without a name (group 2)");
    const std::wstring tname = decoded(nk);
    AcRxClass* cls = tableClass(tname);
    int slot = -1;
    if (tname == L"BLOCK_RECORD") slot = 0;
    if (tname == L"LAYER") slot = 1;
    if (tname == L"LTYPE") slot = 2;
    if (tname == L"STYLE") slot = 3;
    if (tname == L"APPID") slot = 4;
    if (tname == L"DIMSTYLE") slot = 5;
    AcDbObjectId tableId;
    // The database's own empty table (made for files that lack it) gives way to the file's.
    Made made;
    if (!readObject(i, e, L"TABLE", cls, false, made, cls ? std::wstring() : tname, true)) return false;
    tableId = made.id;
    if (slot >= 0) {
      if (!mTables[slot].isNull()) {
        AcDbSymbolTable* old = AcDbSymbolTable::cast(vhost::residentObject(mTables[slot]));
        if (old && !old->vhostRecordIds().empty()) {
          closeMade(made);
          return fail(lineOf(i), L"table " + tname + L" appears twice");
        }
        AcDbObject* o = nullptr;
        if (acdbOpenObject(o, mTables[slot], AcDb::kForWrite) == Acad::eOk) {
          o->erase();
          o->close();
        }
      }
      mTables[slot] = tableId;
      setRoots();
    }
    closeMade(made);
    i = e;
    while (i < mRaw.size() && !is(i, 0, "ENDTAB")) {
      if (mRaw[i].code != 0) return fail(lineOf(i), L"TABLE " + tname + L": unexpected group");
      if (is(i, 0, "ENDSEC") || is(i, 0, "EOF") || is(i, 0, "TABLE"))
        return fail(lineOf(i), L"TABLE " + tname + L" has no ENDTAB");
      const size_t re = nextZero(i);
      const std::wstring rname = decoded(i);
      AcRxClass* rc = nullptr;
      if (cls) {
        rc = vhostClassByDxfName(rname.c_str());
        if (rc && !rc->isDerivedFrom(AcDbSymbolTableRecord::desc())) rc = nullptr;
        if (rc == nullptr) return fail(lineOf(i), L"TABLE " + tname + L": '" + rname + L"' is not a record of it");
      }
      Made rec;
      if (!readObject(i, re, rname, rc, false, rec)) return false;
      if (cls) {
        AcDbSymbolTable* table = AcDbSymbolTable::cast(vhost::residentObject(tableId));
        rec.obj->setOwnerId(AcDbObjectId());
        Acad::ErrorStatus es = table->vhostAdoptRecord(rec.id);
        if (es != Acad::eOk) {
          std::wstring rn;
          if (auto* r = AcDbSymbolTableRecord::cast(rec.obj)) rn = r->vhostName();
          closeMade(rec);
          if (es == Acad::eDuplicateRecordName) return fail(lineOf(i), tname + L" '" + rn + L"' is defined twice");
          return fail(lineOf(i), tname + L" '" + rn + L"': " + acadErrorStatusText(es));
        }
      } else {
        rec.obj->setOwnerId(tableId);  // a record belongs to its table, whatever it names
      }
      closeMade(rec);
      i = re;
    }
    if (i >= mRaw.size()) return fail(lineOf(i), L"unexpected end of file in TABLE " + tname);
    i = nextZero(i);  // past ENDTAB
  }
  return true;
}

bool DxfReader::Impl::readBlocks(size_t& i) {
  if (!ensureTables() || !ensureSpaces()) return false;
  while (i < mRaw.size() && !is(i, 0, "ENDSEC")) {
    if (!is(i, 0, "BLOCK")) return fail(lineOf(i), L"BLOCKS: expected BLOCK, found '" + decoded(i) + L"'");
    const size_t e = nextZero(i);
    std::wstring name, path, comments;
    std::uint64_t owner = 0;
    std::int64_t flags = 0;
    double base[3] = {0, 0, 0};
    for (size_t k = i + 1; k < e; ++k) {
      switch (mRaw[k].code) {
        case 2: name = decoded(k); break;
        case 1: path = decoded(k); break;
        case 4: comments = decoded(k); break;
        case 330: dxfParseHandle(text(k), owner); break;
        case 70:
          if (!dxfParseInt64(text(k), flags)) return fail(lineOf(k), L"BLOCK: '" + widen(trimmed(k)) + L"' is not an integer");
          break;
        case 10:
        case 20:
        case 30:
          if (!dxfParseDouble(text(k), base[mRaw[k].code / 10 - 1]))
            return fail(lineOf(k), L"BLOCK: '" + widen(trimmed(k)) + L"' is not a number");
          break;
        default:
          break;
      }
    }
    if (name.empty()) return fail(lineOf(i), L"BLOCK without a name (group 2)");
    AcDbObjectId btrId;
    if (owner) {
      AcDbObjectId o;
      if (mDb->getAcDbObjectId(o, false, AcDbHandle(owner)) == Acad::eOk &&
          AcDbBlockTableRecord::cast(vhost::residentObject(o)))
        btrId = o;
    }
    if (btrId.isNull()) {
      AcDbBlockTable* bt = AcDbBlockTable::cast(vhost::residentObject(mTables[0]));
      btrId = bt ? bt->vhostFind(name.c_str()) : AcDbObjectId();
    }
    if (btrId.isNull()) {
      // No record in the table (older files): the block makes one.
      AcDbBlockTable* bt = nullptr;
      if (acdbOpenObject(bt, mTables[0], AcDb::kForWrite) != Acad::eOk) return fail(lineOf(i), L"no block table");
      auto* btr = new AcDbBlockTableRecord();
      Acad::ErrorStatus es = btr->setName(name.c_str());
      if (es == Acad::eOk) es = bt->add(btrId, btr);
      if (es != Acad::eOk) {
        delete btr;
        bt->close();
        return fail(lineOf(i), L"BLOCK '" + name + L"': " + acadErrorStatusText(es));
      }
      btr->close();
      bt->close();
    }
    AcDbBlockTableRecord* btr = nullptr;
    if (acdbOpenObject(btr, btrId, AcDb::kForWrite) == Acad::eOk) {
      btr->setOrigin(AcGePoint3d(base[0], base[1], base[2]));
      if (!path.empty()) btr->setPathName(path.c_str());
      if (!comments.empty()) btr->setComments(comments.c_str());
      btr->close();
    }
    DxfBlockEnds ends;
    if (!reserveHandle(i, e, ends.beginHandle, ends.beginLayer)) return false;
    i = e;
    while (i < mRaw.size() && !is(i, 0, "ENDBLK")) {
      if (is(i, 0, "ENDSEC") || is(i, 0, "EOF") || is(i, 0, "BLOCK"))
        return fail(lineOf(i), L"BLOCK '" + name + L"' has no ENDBLK");
      if (!readEntity(i, btrId)) return false;
    }
    if (i >= mRaw.size()) return fail(lineOf(i), L"unexpected end of file in BLOCK '" + name + L"'");
    const size_t ee = nextZero(i);
    if (!reserveHandle(i, ee, ends.endHandle, ends.endLayer)) return false;
    mOut->blockEnds[btrId.stub()] = ends;
    i = ee;
  }
  return true;
}

bool DxfReader::Impl::readEntities(size_t& i) {
  if (!ensureTables() || !ensureSpaces()) return false;
  while (i < mRaw.size() && !is(i, 0, "ENDSEC")) {
    if (mRaw[i].code != 0) return fail(lineOf(i), L"ENTITIES: unexpected group " + std::to_wstring(mRaw[i].code));
    if (is(i, 0, "EOF")) break;
    if (!readEntity(i, AcDbObjectId())) return false;
  }
  return true;
}

bool DxfReader::Impl::readObjects(size_t& i) {
  while (i < mRaw.size() && !is(i, 0, "ENDSEC")) {
    if (mRaw[i].code != 0) return fail(lineOf(i), L"OBJECTS: unexpected group " + std::to_wstring(mRaw[i].code));
    if (is(i, 0, "EOF")) break;
    const size_t e = nextZero(i);
    const TypeName& type = typeName(i);
    const std::wstring& name = type.name;
    AcRxClass* cls = name == L"ACAD_PROXY_OBJECT" ? nullptr : type.cls;
    if (cls && (cls->isDerivedFrom(AcDbEntity::desc()) || !cls->constructor() ||
                cls->isDerivedFrom(AcDbSymbolTableRecord::desc()) || cls->isDerivedFrom(AcDbSymbolTable::desc())))
      cls = nullptr;
    Made made;
    if (!readObject(i, e, name, cls, false, made)) return false;
    if (mNod.isNull() && AcDbDictionary::cast(made.obj) && made.obj->ownerId().isNull()) {
      mNod = made.id;
      setRoots();
    }
    closeMade(made);
    i = e;
  }
  return true;
}

bool DxfReader::Impl::keepSection(size_t& i, const std::wstring& name) {
  DxfKeptSection section;
  section.name = name;
  while (i < mRaw.size() && !is(i, 0, "ENDSEC")) {
    section.groups.push_back(DxfTextGroup{mRaw[i].code, rbHoldsString(mRaw[i].code) ? decoded(i) : widen(trimmed(i))});
    ++i;
  }
  mOut->sections.push_back(std::move(section));
  return true;
}

// --- completing ----------------------------------------------------------------------------

bool DxfReader::Impl::ensureTables() {
  AcRxClass* classes[6] = {AcDbBlockTable::desc(),     AcDbLayerTable::desc(),   AcDbLinetypeTable::desc(),
                           AcDbTextStyleTable::desc(), AcDbRegAppTable::desc(), AcDbDimStyleTable::desc()};
  bool changed = false;
  for (int k = 0; k < 6; ++k) {
    if (!mTables[k].isNull()) continue;
    AcDbObject* t = AcDbObject::cast(classes[k]->create());
    if (t == nullptr || mDb->addAcDbObject(mTables[k], t) != Acad::eOk) {
      delete t;
      return fail(1, L"cannot make the symbol tables");
    }
    t->close();
    changed = true;
  }
  if (changed) setRoots();
  return true;
}

namespace {
template <class Table, class Record, class F>
bool ensureRecord(AcDbObjectId tableId, const ACHAR* name, F&& setUp) {
  Table* table = nullptr;
  if (acdbOpenObject(table, tableId, AcDb::kForWrite) != Acad::eOk) return false;
  if (table->has(name)) {
    table->close();
    return true;
  }
  auto* rec = new Record();
  rec->setName(name);
  setUp(rec);
  AcDbObjectId id;
  if (table->add(id, rec) != Acad::eOk) {
    delete rec;
    table->close();
    return false;
  }
  rec->close();
  table->close();
  return true;
}
}  // namespace

bool DxfReader::Impl::ensureSpaces() {
  for (const ACHAR* n : {ACDB_MODEL_SPACE, ACDB_PAPER_SPACE})
    if (!ensureRecord<AcDbBlockTable, AcDbBlockTableRecord>(mTables[0], n, [](AcDbBlockTableRecord*) {}))
      return fail(1, L"cannot make the model and paper space blocks");
  return true;
}

bool DxfReader::Impl::ensureStandardRecords() {
  bool ok = true;
  for (const ACHAR* n : {L"ByBlock", L"ByLayer", L"Continuous"})
    ok = ok && ensureRecord<AcDbLinetypeTable, AcDbLinetypeTableRecord>(mTables[2], n, [&](AcDbLinetypeTableRecord* r) {
           if (std::wstring(n) == L"Continuous") r->setAsciiDescription(L"Solid line");
         });
  ok = ok && ensureRecord<AcDbLayerTable, AcDbLayerTableRecord>(mTables[1], L"0", [&](AcDbLayerTableRecord* r) {
         AcCmColor white;
         white.setColorIndex(7);
         r->setColor(white);
         r->setLinetypeObjectId(mDb->continuousLinetype());
       });
  ok = ok && ensureRecord<AcDbTextStyleTable, AcDbTextStyleTableRecord>(mTables[3], L"Standard", [](AcDbTextStyleTableRecord* r) {
         r->setFileName(L"txt");
         r->setXScale(1.0);
       });
  ok = ok && ensureRecord<AcDbRegAppTable, AcDbRegAppTableRecord>(mTables[4], L"ACAD", [](AcDbRegAppTableRecord*) {});
  ok = ok && ensureRecord<AcDbDimStyleTable, AcDbDimStyleTableRecord>(mTables[5], L"Standard", [](AcDbDimStyleTableRecord*) {});
  if (!ok) return fail(1, L"cannot make the standard table records");
  return true;
}

bool DxfReader::Impl::ensureDictionaries() {
  if (mNod.isNull()) {
    auto* nod = new AcDbDictionary();
    if (mDb->addAcDbObject(mNod, nod) != Acad::eOk) {
      delete nod;
      return fail(1, L"cannot make the named-object dictionary");
    }
    nod->close();
    setRoots();
  }
  AcDbDictionary* nod = nullptr;
  if (acdbOpenObject(nod, mNod, AcDb::kForWrite) != Acad::eOk) return fail(1, L"cannot open the named-object dictionary");
  bool newLayouts = false;
  for (const ACHAR* key : {L"ACAD_GROUP", L"ACAD_LAYOUT", L"ACAD_TABLESTYLE"}) {
    if (nod->has(key)) continue;
    auto* d = new AcDbDictionary();
    AcDbObjectId id;
    if (nod->setAt(key, d, id) != Acad::eOk) {
      delete d;
      continue;
    }
    d->close();
    if (std::wstring(key) == L"ACAD_LAYOUT") newLayouts = true;
  }
  nod->close();
  if (newLayouts) {
    AcDbDictionary* layouts = nullptr;
    if (acdbOpenObject(layouts, mDb->layoutDictionaryId(), AcDb::kForWrite) != Acad::eOk) return true;
    struct DefaultLayout {
      const ACHAR* name;
      int tab;
      AcDbObjectId block;
    };
    for (const DefaultLayout& s : {DefaultLayout{L"Model", 0, mDb->modelSpaceId()}, DefaultLayout{L"Layout1", 1, mDb->paperSpaceId()}}) {
      auto* layout = new AcDbLayout();
      layout->setLayoutName(s.name);
      layout->setTabOrder(s.tab);
      layout->setBlockTableRecordId(s.block);
      AcDbObjectId lid;
      if (layouts->setAt(s.name, layout, lid) != Acad::eOk) {
        delete layout;
        continue;
      }
      layout->close();
      AcDbBlockTableRecord* btr = nullptr;
      if (acdbOpenObject(btr, s.block, AcDb::kForWrite) == Acad::eOk) {
        if (btr->getLayoutId().isNull()) btr->setLayoutId(lid);
        btr->close();
      }
    }
    layouts->close();
  }
  return true;
}

// VPORT, VIEW and UCS as a drawing made here writes them, when the file has none.
bool DxfReader::Impl::ensureKeptTables() {
  bool have[3] = {false, false, false};
  const wchar_t* names[3] = {L"VPORT", L"VIEW", L"UCS"};
  mDb->forEachStub([&](const vhost::Stub& s) {
    const AcDbProxyObject* p = AcDbProxyObject::cast(s.object);
    if (p == nullptr || s.erased() || p->proxyData().dxfName != L"TABLE") return;
    for (int k = 0; k < 3; ++k)
      if (p->proxyData().className == names[k]) have[k] = true;
  });
  for (int k = 0; k < 3; ++k) {
    if (have[k]) continue;
    const bool vport = k == 0;
    ProxyData pd;
    pd.dxfName = L"TABLE";
    pd.className = names[k];
    pd.groups = dxfTableHeaderGroups(vport ? 1 : 0);
    auto* table = new AcDbProxyObject();
    table->setProxyData(pd);
    AcDbObjectId tableId;
    if (mDb->addAcDbObject(tableId, table) != Acad::eOk) {
      delete table;
      return fail(1, L"cannot complete the drawing's tables");
    }
    table->close();
    if (!vport) continue;
    ProxyData rd;
    rd.dxfName = L"VPORT";
    rd.groups = dxfActiveViewportGroups(mDb);
    auto* rec = new AcDbProxyObject();
    rec->setProxyData(rd);
    rec->setOwnerId(tableId);
    AcDbObjectId recId;
    if (mDb->addAcDbObject(recId, rec) != Acad::eOk) {
      delete rec;
      return fail(1, L"cannot complete the drawing's tables");
    }
    rec->close();
  }
  return true;
}

bool DxfReader::Impl::applyHeaderNames() {
  auto find = [&](AcDbObjectId tableId, const std::wstring& name) -> AcDbObjectId {
    AcDbSymbolTable* t = AcDbSymbolTable::cast(vhost::residentObject(tableId));
    return t && !name.empty() ? t->vhostFind(name.c_str()) : AcDbObjectId();
  };
  AcDbObjectId id;
  if (!(id = find(mTables[1], mClayer)).isNull()) mDb->setClayer(id);
  else mDb->setClayer(mDb->layerZero());
  if (!(id = find(mTables[2], mCeltype)).isNull()) mDb->setCeltype(id);
  else mDb->setCeltype(mDb->byLayerLinetype());
  if (!(id = find(mTables[3], mTextstyle)).isNull()) mDb->setTextstyle(id);
  else mDb->setTextstyle(mDb->textStyleId(L"Standard"));
  if (!(id = find(mTables[5], mDimstyle)).isNull()) mDb->setDimstyle(id);
  else if (auto* t = AcDbSymbolTable::cast(vhost::residentObject(mTables[5]))) mDb->setDimstyle(t->vhostFind(L"Standard"));
  if (!mTablestyle.empty()) {
    AcDbDictionary* styles = nullptr;
    if (acdbOpenObject(styles, mDb->tableStyleDictionaryId(), AcDb::kForRead) == Acad::eOk) {
      if (styles->getAt(mTablestyle.c_str(), id) == Acad::eOk) mDb->setTablestyle(id);
      styles->close();
    }
  }
  return true;
}

bool DxfReader::Impl::finish() {
  // References to handles the file does not hold are dropped.
  std::unordered_map<vhost::Stub*, bool> reported;
  std::unordered_map<vhost::Stub*, std::unordered_set<vhost::Stub*>> byReferrer;
  for (const auto& f : mForward) {
    if (f.first->object != nullptr || mReserved.count(f.first)) continue;
    if (!reported[f.first])
      warn(L"handle " + hexText(f.first->handle) + L" is referred to but not in the file; the reference is dropped");
    reported[f.first] = true;
    byReferrer[f.second.stub()].insert(f.first);
  }
  for (auto& r : byReferrer) {
    AcDbObject* obj = nullptr;
    if (acdbOpenObject(obj, AcDbObjectId(r.first), AcDb::kForWrite, true) != Acad::eOk) continue;
    if (r.second.count(obj->ownerId().stub())) obj->setOwnerId(AcDbObjectId());
    vhost::MemoryDwgFiler filer(AcDb::kFileFiler, mDb);
    if (obj->dwgOutFields(&filer) == Acad::eOk) {
      for (const auto& ref : filer.idRefs())
        if (r.second.count(filer.idAt(ref).stub())) filer.setIdAt(ref, AcDbObjectId());
      filer.rewind();
      obj->dwgInFields(&filer);
    }
    obj->close();
  }
  // Ownership must not go round in a circle.
  // State by creation serial: 1 on the current path, 2 checked (objects
  // made elsewhere meanwhile only leave gaps).
  std::uint64_t lo = ~0ull, hi = 0;
  for (const auto& m : mMadeLines) {
    lo = std::min<std::uint64_t>(lo, m.first.stub()->serial);
    hi = std::max<std::uint64_t>(hi, m.first.stub()->serial);
  }
  std::vector<std::uint8_t> marks(mMadeLines.empty() ? 0 : static_cast<size_t>(hi - lo + 1), 0);
  struct StateOf {
    std::vector<std::uint8_t>& marks;
    std::uint64_t lo, hi;
    std::uint8_t dummy = 2;  // objects not read from the file count as checked
    std::uint8_t& operator[](vhost::Stub* s) {
      if (s->serial < lo || s->serial > hi) return dummy = 2;
      return marks[static_cast<size_t>(s->serial - lo)];
    }
  } state{marks, lo, hi};
  for (const auto& m : mMadeLines) {
    // Entities belong where the reader put them; only objects name owners.
    if (m.first.stub()->object && m.first.stub()->object->isKindOf(AcDbEntity::desc())) continue;
    std::vector<vhost::Stub*> path;
    vhost::Stub* s = m.first.stub();
    while (s && s->object && state[s] == 0) {
      state[s] = 1;
      path.push_back(s);
      vhost::Stub* next = s->object->ownerId().stub();
      if (next && next->object == nullptr) {
        // An owner that is not in the file.
        AcDbObject* o = s->object;
        if (acdbOpenObject(o, AcDbObjectId(s), AcDb::kForWrite, true) == Acad::eOk) {
          o->setOwnerId(AcDbObjectId());
          o->close();
        }
        next = nullptr;
      }
      if (next && state[next] == 1) {
        std::uint32_t line = 1;
        for (const auto& ml : mMadeLines)
          if (ml.first.stub() == next) line = ml.second;
        return fail(line, L"ownership cycle through handle " + hexText(next->handle));
      }
      s = next;
    }
    for (vhost::Stub* p : path) state[p] = 2;
  }
  if (!ensureTables() || !ensureSpaces() || !ensureStandardRecords() || !ensureDictionaries() || !ensureKeptTables())
    return false;
  setRoots();
  applyHeaderNames();
  std::uint64_t seed = std::max<std::uint64_t>(mHandseed, 1);
  mDb->forEachStub([&](const vhost::Stub& st) { seed = std::max(seed, st.handle + 1); });
  mDb->setHandseed(AcDbHandle(seed));
  mDb->setDbmod(0);
  return true;
}

bool DxfReader::Impl::run() {
  // Handles of the file, so that objects without one get handles above them.
  std::uint64_t highest = 0;
  bool inHeader = false;
  size_t objects = 0;
  for (size_t k = 0; k + 1 < mRaw.size(); ++k) {
    if (mRaw[k].code == 0) ++objects;
    if (mRaw[k].code == 2 && k > 0 && is(k - 1, 0, "SECTION")) inHeader = trimmed(k) == "HEADER";
    if (inHeader) continue;
    if (mRaw[k].code == 5 || mRaw[k].code == 105) {
      std::uint64_t h = 0;
      if (dxfParseHandle(text(k), h)) highest = std::max(highest, h);
    }
  }
  mDb->setHandseed(AcDbHandle(highest + 1));
  mMadeLines.reserve(objects);
  // A file cut short is told as such before anything else.
  if (mRaw.empty() || !is(mRaw.size() - 1, 0, "EOF"))
    return fail(mRaw.empty() ? 1 : dxfLineOfGroup(mRaw.size()), L"unexpected end of file: no EOF (the file is cut short)");
  size_t i = 0;
  bool sawEof = false;
  while (i < mRaw.size()) {
    if (mRaw[i].code == 999) {  // comments between sections
      ++i;
      continue;
    }
    if (is(i, 0, "EOF")) {
      sawEof = true;
      break;
    }
    if (!is(i, 0, "SECTION")) return fail(lineOf(i), L"expected SECTION, found group " + std::to_wstring(mRaw[i].code) + L" '" + widen(trimmed(i).substr(0, 40)) + L"'");
    if (i + 1 >= mRaw.size() || mRaw[i + 1].code != 2) return fail(lineOf(i), L"SECTION without a name");
    const std::wstring name = widen(trimmed(i + 1));
    i += 2;
    bool ok = true;
    if (name == L"HEADER") {
      ok = readHeader(i);
      if (ok && mHandseed > highest) mDb->setHandseed(AcDbHandle(mHandseed));
    } else if (name == L"CLASSES") {
      ok = readClasses(i);
    } else if (name == L"TABLES") {
      ok = readTables(i);
    } else if (name == L"BLOCKS") {
      ok = readBlocks(i);
    } else if (name == L"ENTITIES") {
      ok = readEntities(i);
    } else if (name == L"OBJECTS") {
      ok = readObjects(i);
    } else {
      ok = keepSection(i, name);
    }
    if (!ok) return false;
    if (i >= mRaw.size() || !is(i, 0, "ENDSEC"))
      return fail(lineOf(i), L"unexpected end of file: section " + name + L" has no ENDSEC");
    ++i;
  }
  if (!sawEof) return fail(lineOf(mRaw.size()), L"unexpected end of file: no EOF");
  return finish();
}

// ---------------------------------------------------------------------------------------

DxfReader::DxfReader(std::wstring fileName) : mFileName(std::move(fileName)) {}
DxfReader::~DxfReader() = default;

bool DxfReader::scan(const char* data, size_t size) {
  mData = data;
  mSize = size;
  mError.clear();
  static const char kBinaryDxf[] = "AutoCAD Binary DXF";
  if (size >= sizeof kBinaryDxf - 1 && std::memcmp(data, kBinaryDxf, sizeof kBinaryDxf - 1) == 0) {
    mError = mFileName + L":1: binary DXF files are not supported; save the drawing as ASCII DXF";
    return false;
  }
  if (size >= 6 && data[0] == 'A' && data[1] == 'C' && data[2] >= '0' && data[2] <= '9' && data[3] >= '0' &&
      data[3] <= '9') {
    mError = mFileName + L":1: not a DXF file: binary drawing files are not supported; save it as DXF";
    return false;
  }
  std::string err;
  std::uint32_t line = 0;
  if (!DxfScanner::scan(data, size, mRaw, err, line)) {
    mError = mFileName + L":" + std::to_wstring(line) + L": " + widen(err);
    return false;
  }
  if (mRaw.empty()) {
    mError = mFileName + L":1: not a DXF file: it is empty";
    return false;
  }
  if (!(mRaw[0].code == 0 || mRaw[0].code == 999)) {
    mError = mFileName + L":1: not a DXF file: it does not start with a group 0";
    return false;
  }
  return true;
}

bool DxfReader::build(AcDbDatabase* db) {
  mImpl = std::make_unique<Impl>(mFileName, mData, mRaw, db);
  try {
    if (!mImpl->run()) {
      mError = mImpl->error();
      return false;
    }
  } catch (const Acad::ErrorStatus& es) {
    mError = mFileName + L": reading failed: " + acadErrorStatusText(es);
    return false;
  } catch (const std::bad_alloc&) {
    mError = mFileName + L": out of memory";
    return false;
  }
  return true;
}

std::unique_ptr<DxfDrawingData> DxfReader::takeDrawingData() { return mImpl ? mImpl->take() : nullptr; }

const std::vector<std::wstring>& DxfReader::warnings() const {
  static const std::vector<std::wstring> kNone;
  return mImpl ? mImpl->warnings() : kNone;
}

}  // namespace vhost
