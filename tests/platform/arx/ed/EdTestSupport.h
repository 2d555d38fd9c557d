#pragma once
// A drawing made the working database and a scripted front end made current,
// for the editor tests.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "arx/db/AcDbDatabase.h"
#include "arx/db/AcDbHostApplicationServices.h"
#include "arx/ed/ScriptedHostUi.h"
#include "arx/entities/AcDbCircle.h"
#include "arx/entities/AcDbLine.h"
#include "arx/entities/AcDbPolyline.h"
#include "arx/entities/AcDbText.h"
#include "platform/arx/db/DbTestSupport.h"

namespace edtest {

class EditorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    db = new AcDbDatabase(true);
    acdbHostApplicationServices()->setWorkingDatabase(db);
    previousUi = vhost::setCurrentHostUi(&ui);
  }
  void TearDown() override {
    vhost::setCurrentHostUi(previousUi);
    acdbHostApplicationServices()->setWorkingDatabase(nullptr);
    delete db;
  }

  void script(std::initializer_list<const wchar_t*> lines) {
    for (const wchar_t* l : lines) ui.addLine(l);
  }

  AcDbObjectId addLine(double x0, double y0, double x1, double y1, const ACHAR* layer = nullptr) {
    auto* line = new AcDbLine(AcGePoint3d(x0, y0, 0), AcGePoint3d(x1, y1, 0));
    line->setDatabaseDefaults(db);
    if (layer != nullptr) line->setLayer(db->layerId(layer));
    return dbtest::addToModelSpace(db, line);
  }
  AcDbObjectId addCircle(double x, double y, double r, const ACHAR* layer = nullptr) {
    auto* c = new AcDbCircle(AcGePoint3d(x, y, 0), AcGeVector3d::kZAxis, r);
    c->setDatabaseDefaults(db);
    if (layer != nullptr) c->setLayer(db->layerId(layer));
    return dbtest::addToModelSpace(db, c);
  }
  AcDbObjectId addPolyline(const std::vector<AcGePoint2d>& pts, bool closed) {
    auto* pl = new AcDbPolyline();
    for (unsigned i = 0; i < pts.size(); ++i) pl->addVertexAt(i, pts[i]);
    pl->setClosed(closed);
    pl->setDatabaseDefaults(db);
    return dbtest::addToModelSpace(db, pl);
  }
  // Extended data of one application on an entity (the application is registered).
  void tagWithApp(AcDbObjectId id, const ACHAR* app) {
    dbtest::registerApp(db, app);
    AcDbEntity* e = nullptr;
    ASSERT_EQ(acdbOpenObject(e, id, AcDb::kForWrite), Acad::eOk);
    resbuf* xd = acutBuildList(1001, app, 1000, L"value", 0);
    ASSERT_EQ(e->setXData(xd), Acad::eOk);
    acutRelRb(xd);
    e->close();
  }
  std::wstring handleOf(AcDbObjectId id) {
    ACHAR buf[40];
    id.handle().getIntoAsciiBuffer(buf, 40);
    return std::wstring(L"#") + buf;
  }

  AcDbDatabase* db = nullptr;
  vhost::ScriptedHostUi ui;
  vhost::HostUi* previousUi = nullptr;
};

inline AcDbObjectId idOf(const ads_name name) {
  AcDbObjectId id;
  acdbGetObjectId(id, name);
  return id;
}

}  // namespace edtest
