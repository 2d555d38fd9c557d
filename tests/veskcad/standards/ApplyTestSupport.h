#pragma once
// A drawing made the working database (with a scripted front end) and a copy
// of the shipped standards database "default.mdb" (single-database mode, its
// layer table "图层" in the 2013 layout), for the tests of the drawing
// parameter dictionary, the layer application and the text styles.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "StandardsTestDb.h"
#include "arx/base/Resbuf.h"
#include "arx/db/AcDbLayerTable.h"
#include "arx/db/AcDbLinetypeTable.h"
#include "platform/arx/ed/EdTestSupport.h"
#include "veskbase/DatNamedObjDict.h"
#include "veskbase/EntLayer.h"
#include "veskcad/standards/CCustomDatabase.h"

namespace applytest {

namespace fs = std::filesystem;

inline CString utf8Path(const fs::path& path) { return CString::FromUtf8(path.u8string()); }

class ApplyTest : public edtest::EditorTest {
 protected:
  void SetUp() override {
    edtest::EditorTest::SetUp();
    dir = vesktest::freshFolder(std::string("apply_") +
                                ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::copy_file(fs::path(VESKCAD_DATA_ROOT) / "STANDARDS" / "default.mdb", dir / "default.mdb");
    standards = std::make_unique<VeskDB::CCustomDatabase>(utf8Path(dir) + L"/");
    ASSERT_TRUE(standards->Open());
    previousShared = VeskDB::gpGetCustomDatabase();
  }
  void TearDown() override {
    VeskDB::gpSetGpCustomDataBase(previousShared);
    standards.reset();
    edtest::EditorTest::TearDown();
  }

  // Makes the copy the shared standards database.
  void share() { VeskDB::gpSetGpCustomDataBase(standards.get()); }
  void unshare() { VeskDB::gpSetGpCustomDataBase(nullptr); }

  // Runs a statement on the standards connection.
  bool exec(const CString& sql) {
    return standards->StandardsConnection().ExeSQL(sql, standards->StandardsConnection().GetConn()) != 0;
  }

  // The drawing layer's properties; false when there is no such layer.
  bool layer(const wchar_t* name, vesk::LAYERPARAM& p) { return vesk::ent::GetLayerParam(name, p, db) != 0; }
  bool hasLayer(const wchar_t* name) { return !db->layerId(name).isNull(); }
  AcCmColor layerColor(const wchar_t* name) {
    AcCmColor c;
    AcDbLayerTableRecord* rec = nullptr;
    if (acdbOpenObject(rec, db->layerId(name), AcDb::kForRead) != Acad::eOk) return c;
    c = rec->color();
    rec->close();
    return c;
  }
  AcDbObjectId addLayer(const wchar_t* name, int colorIndex, bool off = false, bool locked = false) {
    AcDbLayerTable* table = nullptr;
    AcDbObjectId id;
    if (db->getLayerTable(table, AcDb::kForWrite) != Acad::eOk) return id;
    auto* rec = new AcDbLayerTableRecord();
    rec->setName(name);
    AcCmColor c;
    c.setColorIndex(static_cast<Adesk::UInt16>(colorIndex));
    rec->setColor(c);
    rec->setIsOff(off);
    rec->setIsLocked(locked);
    if (table->add(id, rec) == Acad::eOk)
      rec->close();
    else
      delete rec;
    table->close();
    return id;
  }

  // The raw chain of an entry (caller frees), null when absent.
  resbuf* entry(const wchar_t* dict, const wchar_t* item) {
    resbuf* data = nullptr;
    vesk::dat::ReadNamedObjDict(dict, item, data, db);
    return data;
  }
  // The first text of the item's "ZEMIRCUSTOM" entry ("" when none).
  std::wstring binding(const wchar_t* item) {
    resbuf* data = entry(L"ZEMIRCUSTOM", item);
    std::wstring out;
    for (resbuf* rb = data; rb != nullptr; rb = rb->rbnext) {
      if (rb->restype == 300 || rb->restype == 1) {
        out = rb->resval.rstring;
        break;
      }
    }
    acutRelRb(data);
    return out;
  }
  void putEntry(const wchar_t* dict, const wchar_t* item, const wchar_t* layerName) {
    resbuf* data = acutBuildList(300, layerName, 0);
    ASSERT_EQ(vesk::dat::AddNamedObjDict(dict, item, data, db), 1);
    acutRelRb(data);
  }

  fs::path dir;
  std::unique_ptr<VeskDB::CCustomDatabase> standards;
  VeskDB::CCustomDatabase* previousShared = nullptr;
};

}  // namespace applytest
