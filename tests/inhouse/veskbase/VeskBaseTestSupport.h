#pragma once
// A drawing made the working database, a scripted front end, and makers for
// the curve kinds the base library reads.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "arx/entities/AcDb2dPolyline.h"
#include "arx/entities/AcDb3dPolyline.h"
#include "arx/entities/AcDbArc.h"
#include "arx/ge/AcGeContext.h"
#include "platform/arx/ed/EdTestSupport.h"

namespace vbtest {

constexpr double kPi = 3.14159265358979323846;

struct V {
  double x, y, b;
};

inline AcGePoint3dArray points(std::initializer_list<AcGePoint3d> pts) {
  AcGePoint3dArray a;
  for (const AcGePoint3d& p : pts) a.append(p);
  return a;
}
inline AcGeDoubleArray doubles(std::initializer_list<double> ds) {
  AcGeDoubleArray a;
  for (double d : ds) a.append(d);
  return a;
}

class DrawingTest : public edtest::EditorTest {
 protected:
  AcDbObjectId add(AcDbEntity* e) {
    e->setDatabaseDefaults(db);
    return dbtest::addToModelSpace(db, e);
  }
  AcDbObjectId addArc(double cx, double cy, double r, double a0, double a1,
                      const AcGeVector3d& normal = AcGeVector3d::kZAxis, double cz = 0.0) {
    return add(new AcDbArc(AcGePoint3d(cx, cy, cz), normal, r, a0, a1));
  }
  AcDbObjectId addLw(const std::vector<V>& vs, bool closed, double elevation = 0.0,
                     const AcGeVector3d& normal = AcGeVector3d::kZAxis) {
    auto* pl = new AcDbPolyline();
    for (unsigned i = 0; i < vs.size(); ++i) pl->addVertexAt(i, AcGePoint2d(vs[i].x, vs[i].y), vs[i].b);
    pl->setClosed(closed);
    pl->setElevation(elevation);
    pl->setNormal(normal);
    return add(pl);
  }
  AcDbObjectId add2d(const std::vector<V>& vs, bool closed, double elevation = 0.0) {
    AcGePoint3dArray pts;
    AcGeDoubleArray bulges;
    for (const V& v : vs) {
      pts.append(AcGePoint3d(v.x, v.y, 0.0));
      bulges.append(v.b);
    }
    return add(new AcDb2dPolyline(AcDb::k2dSimplePoly, pts, elevation, closed, 0.0, 0.0, &bulges));
  }
  AcDbObjectId add3d(const AcGePoint3dArray& pts, bool closed) {
    return add(new AcDb3dPolyline(AcDb::k3dSimplePoly, pts, closed));
  }
};

}  // namespace vbtest

#define EXPECT_PT(p, X, Y, Z)             \
  do {                                    \
    const AcGePoint3d _p = (p);           \
    EXPECT_NEAR(_p.x, (X), 1e-9) << "x";  \
    EXPECT_NEAR(_p.y, (Y), 1e-9) << "y";  \
    EXPECT_NEAR(_p.z, (Z), 1e-9) << "z";  \
  } while (0)
