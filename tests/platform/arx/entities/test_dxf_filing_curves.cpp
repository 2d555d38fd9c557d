// DXF filing of the curve entities: every class written as groups and read
// back, entity coordinate systems, kept unknown groups, and bad values.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "arx/db/AcDbBlockTable.h"
#include "arx/db/AcDbDatabase.h"
#include "arx/db/VhostDxfMemoryFiler.h"
#include "arx/db/VhostDxfSupport.h"
#include "arx/entities/AcDb2dPolyline.h"
#include "arx/entities/AcDb3dPolyline.h"
#include "arx/entities/AcDbArc.h"
#include "arx/entities/AcDbCircle.h"
#include "arx/entities/AcDbEllipse.h"
#include "arx/entities/AcDbLine.h"
#include "arx/entities/AcDbObjectIterator.h"
#include "arx/entities/AcDbPoint.h"
#include "arx/entities/AcDbPolyline.h"
#include "arx/entities/AcDbSpline.h"

namespace {

constexpr double kPi = 3.14159265358979323846;
const double kNaN = std::numeric_limits<double>::quiet_NaN();

void expectExact(const AcGePoint3d& a, const AcGePoint3d& b) {
  EXPECT_EQ(a.x, b.x);
  EXPECT_EQ(a.y, b.y);
  EXPECT_EQ(a.z, b.z);
}

void expectClose(const AcGePoint3d& a, const AcGePoint3d& b) {
  const double tol = 1e-12 * std::max(1.0, a.asVector().length());
  EXPECT_NEAR(a.x, b.x, tol);
  EXPECT_NEAR(a.y, b.y, tol);
  EXPECT_NEAR(a.z, b.z, tol);
}

void expectClose(const AcGeVector3d& a, const AcGeVector3d& b) {
  expectClose(AcGePoint3d::kOrigin + a, AcGePoint3d::kOrigin + b);
}

// The i-th group with the code (null when there is none).
const resbuf* group(const vhost::DxfMemoryFiler& f, int code, int nth = 0) {
  for (const resbuf* rb : f.groups())
    if (rb->restype == code && nth-- == 0) return rb;
  return nullptr;
}

int countOf(const vhost::DxfMemoryFiler& f, int code) {
  int n = 0;
  for (const resbuf* rb : f.groups()) n += rb->restype == code;
  return n;
}

// A copy of the groups, each passed through edit: it may change the copy and
// add groups before it (to `out`); returning false drops it.
using Edit = std::function<bool(resbuf&, vhost::DxfMemoryFiler&)>;
void copyEdited(const vhost::DxfMemoryFiler& from, vhost::DxfMemoryFiler& out, const Edit& edit) {
  for (const resbuf* rb : from.groups()) {
    resbuf copy = *rb;  // shallow: append copies deeply
    if (edit(copy, out)) out.append(copy);
  }
}

// Edits the value of the first group with the code.
Edit setFirst(int code, std::function<void(resbuf&)> change) {
  auto done = std::make_shared<bool>(false);
  return [=](resbuf& rb, vhost::DxfMemoryFiler&) {
    if (rb.restype == code && !*done) {
      change(rb);
      *done = true;
    }
    return true;
  };
}

class DxfFilingCurves : public ::testing::Test {
 protected:
  std::unique_ptr<AcDbDatabase> db{new AcDbDatabase()};

  template <class T>
  void write(const T& ent, vhost::DxfMemoryFiler& f) {
    ASSERT_EQ(ent.dxfOutFields(&f), Acad::eOk);
  }

  // Reads the groups into obj: the status, and every group must be taken.
  Acad::ErrorStatus read(vhost::DxfMemoryFiler& f, AcDbObject* obj) {
    f.rewind();
    const Acad::ErrorStatus es = obj->dxfInFields(&f);
    if (es == Acad::eOk) {
      EXPECT_EQ(f.position(), f.groups().size()) << "groups left unread";
    }
    return es;
  }

  template <class T>
  std::unique_ptr<T> roundTrip(const T& ent, vhost::DxfMemoryFiler& f) {
    write(ent, f);
    auto out = std::make_unique<T>();
    EXPECT_EQ(read(f, out.get()), Acad::eOk) << std::string(f.vhostErrorMessage().begin(), f.vhostErrorMessage().end());
    return out;
  }

  // Reading edited groups must fail with a message naming what is wrong.
  template <class T>
  void expectBad(const T& good, const Edit& edit, const wchar_t* words) {
    vhost::DxfMemoryFiler f(db.get()), bad(db.get());
    write(good, f);
    copyEdited(f, bad, edit);
    T fresh;
    EXPECT_EQ(read(bad, &fresh), Acad::eBadDxfSequence);
    EXPECT_NE(bad.vhostErrorMessage().find(words), std::wstring::npos)
        << std::string(bad.vhostErrorMessage().begin(), bad.vhostErrorMessage().end());
  }

  AcDbObjectId addToModelSpace(AcDbEntity* ent) {
    AcDbBlockTableRecord* ms = nullptr;
    AcDbObjectId id;
    if (acdbOpenObject(ms, db->modelSpaceId(), AcDb::kForWrite) != Acad::eOk) return id;
    if (ms->appendAcDbEntity(id, ent) == Acad::eOk) ent->close();
    ms->close();
    return id;
  }
};

}  // namespace

TEST_F(DxfFilingCurves, WorldEntitiesReadBackExactly) {
  AcDbLine line(AcGePoint3d(1.1, -2.2, 3.3), AcGePoint3d(1e7 + 0.1, 4.4, -5.5));
  line.setThickness(0.7);
  line.setNormal(AcGeVector3d(0, 1, 1));
  vhost::DxfMemoryFiler lf(db.get());
  auto l2 = roundTrip(line, lf);
  expectExact(l2->startPoint(), line.startPoint());
  expectExact(l2->endPoint(), line.endPoint());
  EXPECT_EQ(l2->thickness(), 0.7);
  EXPECT_EQ(l2->normal().x, line.normal().x);
  EXPECT_EQ(l2->normal().z, line.normal().z);
  ASSERT_NE(group(lf, 11), nullptr);
  EXPECT_EQ(group(lf, 11)->resval.rpoint[0], 1e7 + 0.1);  // world coordinates

  AcDbPoint pt(AcGePoint3d(5, 6, 7));
  pt.setThickness(-1.5);
  pt.setEcsRotation(kPi / 6);
  vhost::DxfMemoryFiler pf(db.get());
  auto p2 = roundTrip(pt, pf);
  expectExact(p2->position(), pt.position());
  EXPECT_EQ(p2->thickness(), -1.5);
  EXPECT_NEAR(group(pf, 50)->resval.rreal, 30.0, 1e-12);  // degrees in the file
  EXPECT_NEAR(p2->ecsRotation(), kPi / 6, 1e-15);
  EXPECT_EQ(group(pf, 210), nullptr);  // the default normal is left out

  // An elliptical arc in a tilted plane, world centre and axis.
  const AcGeVector3d n = AcGeVector3d(1, 2, 2).normal();
  const AcGeVector3d major = AcGeVector3d(2, -1, 0) * 3.0;
  AcDbEllipse el(AcGePoint3d(10, 20, 30), n, major, 0.4, 0.5, 2.5);
  vhost::DxfMemoryFiler ef(db.get());
  auto e2 = roundTrip(el, ef);
  expectExact(e2->center(), el.center());
  expectClose(e2->majorAxis(), el.majorAxis());
  EXPECT_EQ(e2->radiusRatio(), 0.4);
  double s1, s2, t1, t2;
  el.getStartParam(s1);
  el.getEndParam(t1);
  e2->getStartParam(s2);
  e2->getEndParam(t2);
  EXPECT_EQ(s1, s2);
  EXPECT_EQ(t1, t2);
  // An arc of the ellipse across its zero parameter comes back the same.
  ASSERT_EQ(el.setStartParam(5.5), Acad::eOk);
  ASSERT_EQ(el.setEndParam(1.0), Acad::eOk);
  vhost::DxfMemoryFiler ef2(db.get());
  auto e3 = roundTrip(el, ef2);
  el.getEndParam(t1);
  e3->getEndParam(t2);
  EXPECT_NEAR(t1, t2, 1e-12 * t1);
  EXPECT_LE(group(ef2, 42)->resval.rreal, 2 * kPi);
}

TEST_F(DxfFilingCurves, CirclesAndArcsAreFiledInTheirOcs) {
  // A −Z normal: the OCS X axis is −X, so the file's centre is (−x, y, −z).
  AcDbArc arc(AcGePoint3d(3, 4, 5), AcGeVector3d(0, 0, -1), 2.5, kPi / 4, 3 * kPi / 2);
  arc.setThickness(1.25);
  vhost::DxfMemoryFiler af(db.get());
  auto a2 = roundTrip(arc, af);
  const resbuf* c = group(af, 10);
  ASSERT_NE(c, nullptr);
  EXPECT_EQ(c->resval.rpoint[0], -3.0);
  EXPECT_EQ(c->resval.rpoint[1], 4.0);
  EXPECT_EQ(c->resval.rpoint[2], -5.0);
  EXPECT_NEAR(group(af, 50)->resval.rreal, 45.0, 1e-12);
  EXPECT_NEAR(group(af, 51)->resval.rreal, 270.0, 1e-12);
  // The class's markers come last, AcDbCircle groups then AcDbArc.
  const int markers = countOf(af, 100);
  ASSERT_GE(markers, 2);
  EXPECT_STREQ(group(af, 100, markers - 2)->resval.rstring, L"AcDbCircle");
  EXPECT_STREQ(group(af, 100, markers - 1)->resval.rstring, L"AcDbArc");
  expectClose(a2->center(), arc.center());
  EXPECT_EQ(a2->radius(), 2.5);
  EXPECT_EQ(a2->thickness(), 1.25);
  EXPECT_NEAR(a2->startAngle(), kPi / 4, 1e-12);
  EXPECT_NEAR(a2->endAngle(), 3 * kPi / 2, 1e-12);
  AcGePoint3d p1, p2;
  arc.getStartPoint(p1);
  a2->getStartPoint(p2);
  expectClose(p1, p2);

  // A general normal: the centre goes through the arbitrary axis and back.
  AcDbCircle circle(AcGePoint3d(1234.5, -678.25, 42.0), AcGeVector3d(0.3, -0.5, 0.8), 7.0);
  vhost::DxfMemoryFiler cf(db.get());
  auto c2 = roundTrip(circle, cf);
  expectClose(c2->center(), circle.center());
  expectClose(c2->normal(), circle.normal());
  EXPECT_GT(std::fabs(group(cf, 10)->resval.rpoint[0] - 1234.5), 1.0);  // not the world centre
  // The world normal needs no conversion.
  AcDbCircle flat(AcGePoint3d(0.1, 0.2, 0.3), AcGeVector3d::kZAxis, 0.9);
  vhost::DxfMemoryFiler ff(db.get());
  expectExact(roundTrip(flat, ff)->center(), flat.center());
}

TEST_F(DxfFilingCurves, LightweightPolylineVerticesBulgesAndWidths) {
  AcDbPolyline pl;
  pl.addVertexAt(0, AcGePoint2d(0, 0), 0.5, 0.1, 0.2);
  pl.addVertexAt(1, AcGePoint2d(10, 0), 0.0, 0.2, 0.3);
  pl.addVertexAt(2, AcGePoint2d(10, 10), -1.0, 0.0, 0.0);
  pl.setClosed(true);
  pl.setPlinegen(true);
  pl.setElevation(4.5);
  pl.setThickness(2.0);
  pl.setNormal(AcGeVector3d(0, 0, -1));
  vhost::DxfMemoryFiler f(db.get());
  auto p2 = roundTrip(pl, f);
  EXPECT_EQ(group(f, 90)->resval.rlong, 3);
  EXPECT_EQ(group(f, 70)->resval.rint, 1 | 128);
  EXPECT_EQ(countOf(f, 40), 3);  // widths differ: one pair per vertex
  EXPECT_EQ(group(f, 43), nullptr);
  ASSERT_EQ(p2->numVerts(), 3u);
  for (unsigned i = 0; i < 3; ++i) {
    AcGePoint2d a, b;
    double ba, bb, sa, sb, ea, eb;
    pl.getPointAt(i, a);
    p2->getPointAt(i, b);
    EXPECT_EQ(a.x, b.x);
    EXPECT_EQ(a.y, b.y);
    pl.getBulgeAt(i, ba);
    p2->getBulgeAt(i, bb);
    EXPECT_EQ(ba, bb);
    pl.getWidthsAt(i, sa, ea);
    p2->getWidthsAt(i, sb, eb);
    EXPECT_EQ(sa, sb);
    EXPECT_EQ(ea, eb);
  }
  EXPECT_TRUE(p2->isClosed());
  EXPECT_TRUE(p2->isPlinegen());
  EXPECT_EQ(p2->elevation(), 4.5);
  EXPECT_EQ(p2->thickness(), 2.0);
  EXPECT_EQ(p2->normal().z, -1.0);

  // One width for all: filed once as 43, given back to every vertex.
  ASSERT_EQ(pl.setConstantWidth(0.75), Acad::eOk);
  vhost::DxfMemoryFiler cf(db.get());
  auto p3 = roundTrip(pl, cf);
  EXPECT_EQ(countOf(cf, 40), 0);
  EXPECT_EQ(group(cf, 43)->resval.rreal, 0.75);
  double w = 0;
  EXPECT_EQ(p3->getConstantWidth(w), Acad::eOk);
  EXPECT_EQ(w, 0.75);

  // Vertex identifiers from a drawing are kept and filed again per vertex.
  vhost::DxfMemoryFiler withIds(db.get());
  int next = 0;
  copyEdited(cf, withIds, [&](resbuf& rb, vhost::DxfMemoryFiler& out) {
    if (rb.restype == 10 && next > 0) {
      resbuf id{};
      id.restype = 91;
      id.resval.rlong = 100 + next;
      out.append(id);
    }
    if (rb.restype == 10) ++next;
    if (rb.restype == 210 && next == 3) {  // after the last vertex
      resbuf id{};
      id.restype = 91;
      id.resval.rlong = 103;
      out.append(id);
      next = 4;
    }
    return true;
  });
  AcDbPolyline p4;
  ASSERT_EQ(read(withIds, &p4), Acad::eOk);
  vhost::DxfMemoryFiler again(db.get());
  write(p4, again);
  ASSERT_EQ(countOf(again, 91), 3);
  EXPECT_EQ(group(again, 91, 0)->resval.rlong, 101);
  EXPECT_EQ(group(again, 91, 2)->resval.rlong, 103);
}

TEST_F(DxfFilingCurves, SplinesKeepWeightsKnotsAndFitData) {
  AcGePoint3dArray ctrl;
  ctrl.append(AcGePoint3d(0, 0, 0));
  ctrl.append(AcGePoint3d(1, 2, 0));
  ctrl.append(AcGePoint3d(3, 2, 0));
  ctrl.append(AcGePoint3d(4, 0, 0));
  ctrl.append(AcGePoint3d(6, 1, 0));
  AcGeDoubleArray knots, weights;
  for (double k : {0.0, 0.0, 0.0, 0.0, 0.4, 1.0, 1.0, 1.0, 1.0}) knots.append(k);
  for (double x : {1.0, 0.5, 2.0, 1.0, 0.75}) weights.append(x);
  AcDbSpline rational(3, true, false, false, ctrl, knots, weights, 1e-9, 1e-8);
  vhost::DxfMemoryFiler rf(db.get());
  auto r2 = roundTrip(rational, rf);
  EXPECT_EQ(group(rf, 70)->resval.rint, 4 | 8);  // rational, planar
  EXPECT_EQ(group(rf, 210)->resval.rpoint[2], 1.0);
  EXPECT_EQ(countOf(rf, 41), 5);
  int d1, d2;
  Adesk::Boolean ra1, ra2, c1, c2, pe1, pe2;
  AcGePoint3dArray cp1, cp2;
  AcGeDoubleArray k1, k2, w1, w2;
  double ct1, ct2, kt1, kt2;
  rational.getNurbsData(d1, ra1, c1, pe1, cp1, k1, w1, ct1, kt1);
  r2->getNurbsData(d2, ra2, c2, pe2, cp2, k2, w2, ct2, kt2);
  EXPECT_EQ(d1, d2);
  EXPECT_TRUE(ra2);
  EXPECT_EQ(c1, c2);
  EXPECT_EQ(ct1, ct2);
  EXPECT_EQ(kt1, kt2);
  ASSERT_EQ(cp2.length(), cp1.length());
  for (int i = 0; i < cp1.length(); ++i) expectExact(cp1[i], cp2[i]);
  ASSERT_EQ(k2.length(), k1.length());
  for (int i = 0; i < k1.length(); ++i) EXPECT_EQ(k1[i], k2[i]);
  ASSERT_EQ(w2.length(), w1.length());
  for (int i = 0; i < w1.length(); ++i) EXPECT_EQ(w1[i], w2[i]);
  EXPECT_FALSE(r2->hasFitData());

  // Fit points with end tangents, in space: both the fit data and the
  // control points come back, nothing recomputed.
  AcGePoint3dArray fit;
  fit.append(AcGePoint3d(0, 0, 0));
  fit.append(AcGePoint3d(2, 3, 1));
  fit.append(AcGePoint3d(5, 1, -2));
  fit.append(AcGePoint3d(7, 4, 0.5));
  AcDbSpline fitted(fit, AcGeVector3d(1, 1, 0), AcGeVector3d(0, 1, 1), 4, 0.01);
  vhost::DxfMemoryFiler ff(db.get());
  auto f2 = roundTrip(fitted, ff);
  EXPECT_EQ(group(ff, 210), nullptr);  // not planar
  AcGePoint3dArray fp1, fp2;
  int fd1, fd2;
  double ft1, ft2;
  Adesk::Boolean te1, te2;
  AcGeVector3d st1, st2, et1, et2;
  ASSERT_EQ(fitted.getFitData(fp1, fd1, ft1, te1, st1, et1), Acad::eOk);
  ASSERT_EQ(f2->getFitData(fp2, fd2, ft2, te2, st2, et2), Acad::eOk);
  ASSERT_EQ(fp2.length(), fp1.length());
  for (int i = 0; i < fp1.length(); ++i) expectExact(fp1[i], fp2[i]);
  EXPECT_EQ(fd1, fd2);
  EXPECT_EQ(ft1, ft2);
  EXPECT_TRUE(te2);
  EXPECT_EQ(st1.x, st2.x);
  EXPECT_EQ(et1.z, et2.z);
  cp1.removeAll();
  fitted.getNurbsData(d1, ra1, c1, pe1, cp1, k1, w1, ct1, kt1);
  f2->getNurbsData(d2, ra2, c2, pe2, cp2, k2, w2, ct2, kt2);
  ASSERT_EQ(cp2.length(), cp1.length());
  for (int i = 0; i < cp1.length(); ++i) expectExact(cp1[i], cp2[i]);

  // A drawing with fit points only: the curve is made through them.
  vhost::DxfMemoryFiler only(db.get());
  copyEdited(ff, only, [](resbuf& rb, vhost::DxfMemoryFiler&) {
    if (rb.restype == 72 || rb.restype == 73) rb.resval.rint = 0;
    return rb.restype != 40 && rb.restype != 10;
  });
  AcDbSpline s3;
  ASSERT_EQ(read(only, &s3), Acad::eOk);
  EXPECT_TRUE(s3.hasFitData());
  EXPECT_GT(s3.numControlPoints(), 0);
  AcGePoint3d end;
  s3.getEndPoint(end);
  expectClose(end, fit[3]);
}

TEST_F(DxfFilingCurves, OldStylePolylinesHandOutAndTakeBackTheirVertices) {
  AcGePoint3dArray pts;
  pts.append(AcGePoint3d(0, 0, 0));
  pts.append(AcGePoint3d(10, 0, 0));
  pts.append(AcGePoint3d(10, 10, 0));
  pts.append(AcGePoint3d(0, 12, 0));
  auto* pl = new AcDb2dPolyline(AcDb::k2dSimplePoly, pts, 1.5, true, 0.5, 0.25);
  pl->setNormal(AcGeVector3d(0, 0.6, 0.8));
  pl->setThickness(3.0);
  pl->setLinetypeGenerationOn();
  ASSERT_EQ(pl->splineFit(AcDb::k2dQuadSplinePoly, 3), Acad::eOk);
  const AcDbObjectId plId = addToModelSpace(pl);
  ASSERT_FALSE(plId.isNull());

  // Writing: the polyline's groups, then each vertex of its iterator.
  vhost::DxfMemoryFiler pf(db.get());
  std::vector<std::unique_ptr<vhost::DxfMemoryFiler>> vfs;
  {
    AcDb2dPolyline* r = nullptr;
    ASSERT_EQ(acdbOpenObject(r, plId, AcDb::kForRead), Acad::eOk);
    write(*r, pf);
    std::unique_ptr<AcDbObjectIterator> it(r->vertexIterator());
    for (; !it->done(); it->step()) {
      AcDb2dVertex* v = nullptr;
      ASSERT_EQ(acdbOpenObject(v, it->objectId(), AcDb::kForRead), Acad::eOk);
      vfs.emplace_back(new vhost::DxfMemoryFiler(db.get()));
      write(*v, *vfs.back());
      v->close();
    }
    r->close();
  }
  EXPECT_EQ(group(pf, 70)->resval.rint, 1 | 4 | 128);
  EXPECT_EQ(group(pf, 75)->resval.rint, 5);
  EXPECT_EQ(group(pf, 10)->resval.rpoint[2], 1.5);
  EXPECT_EQ(AcDb2dPolyline::vhostDxfPolylineClass(group(pf, 70)->resval.rint), AcDb2dPolyline::desc());

  // Reading: the polyline, its vertices added to the database, then handed over.
  auto* back = new AcDb2dPolyline();
  ASSERT_EQ(read(pf, back), Acad::eOk);
  const AcDbObjectId backId = addToModelSpace(back);
  AcDbObjectIdArray vids;
  for (auto& vf : vfs) {
    const int flags = group(*vf, 70)->resval.rint;
    ASSERT_EQ(AcDb2dPolyline::vhostDxfVertexClass(flags), AcDb2dVertex::desc());
    if (&vf == &vfs.front()) {  // a vertex without widths takes the defaults
      vhost::DxfMemoryFiler noWidths(db.get());
      copyEdited(*vf, noWidths, [](resbuf& rb, vhost::DxfMemoryFiler&) { return rb.restype != 40 && rb.restype != 41; });
      vf->clear();
      for (const resbuf* g : noWidths.groups()) vf->append(*g);
    }
    auto* v = new AcDb2dVertex();
    ASSERT_EQ(read(*vf, v), Acad::eOk);
    AcDbObjectId vid;
    ASSERT_EQ(db->addAcDbObject(vid, v), Acad::eOk);
    v->close();
    vids.append(vid);
  }
  AcDb2dPolyline* w = nullptr;
  ASSERT_EQ(acdbOpenObject(w, backId, AcDb::kForWrite), Acad::eOk);
  EXPECT_EQ(w->vhostAppendReadVertices(vids), Acad::eOk);
  EXPECT_EQ(w->vhostAppendReadVertex(vids[0]), Acad::eAlreadyInDb);
  w->close();

  AcDb2dPolyline *a = nullptr, *b = nullptr;
  ASSERT_EQ(acdbOpenObject(a, plId, AcDb::kForRead), Acad::eOk);
  ASSERT_EQ(acdbOpenObject(b, backId, AcDb::kForRead), Acad::eOk);
  EXPECT_EQ(b->polyType(), AcDb::k2dQuadSplinePoly);
  EXPECT_TRUE(b->isClosed());
  EXPECT_TRUE(b->isLinetypeGenerationOn());
  EXPECT_EQ(b->defaultStartWidth(), 0.5);
  EXPECT_EQ(b->defaultEndWidth(), 0.25);
  EXPECT_EQ(b->elevation(), 1.5);
  EXPECT_EQ(b->thickness(), 3.0);
  std::unique_ptr<AcDbObjectIterator> ia(a->vertexIterator()), ib(b->vertexIterator());
  int n = 0, frames = 0;
  for (; !ia->done() && !ib->done(); ia->step(), ib->step(), ++n) {
    AcDb2dVertex *va = nullptr, *vb = nullptr;
    ASSERT_EQ(acdbOpenObject(va, ia->objectId(), AcDb::kForRead), Acad::eOk);
    ASSERT_EQ(acdbOpenObject(vb, ib->objectId(), AcDb::kForRead), Acad::eOk);
    expectExact(va->position(), vb->position());
    EXPECT_EQ(va->vertexType(), vb->vertexType());
    EXPECT_EQ(va->bulge(), vb->bulge());
    EXPECT_EQ(va->startWidth(), vb->startWidth());
    EXPECT_EQ(va->endWidth(), vb->endWidth());
    EXPECT_EQ(vb->ownerId(), backId);
    frames += vb->vertexType() == AcDb::k2dSplineCtlVertex;
    va->close();
    vb->close();
  }
  EXPECT_TRUE(ia->done() && ib->done());
  EXPECT_EQ(frames, 4);
  EXPECT_GT(n, 4);
  double e1 = 0, e2 = 0;
  a->getEndParam(e1);
  b->getEndParam(e2);
  EXPECT_EQ(e1, e2);
  AcGePoint3d q1, q2;
  a->getPointAtParam(e1 / 3, q1);
  b->getPointAtParam(e1 / 3, q2);
  expectExact(q1, q2);
  a->close();
  b->close();

  // A 3D polyline: its flags pick the class; the vertices keep their kinds.
  auto* p3 = new AcDb3dPolyline(AcDb::k3dSimplePoly, pts, false);
  ASSERT_EQ(p3->splineFit(AcDb::k3dCubicSplinePoly, 2), Acad::eOk);
  const AcDbObjectId p3Id = addToModelSpace(p3);
  vhost::DxfMemoryFiler f3(db.get());
  AcDbObjectIdArray v3;
  {
    AcDb3dPolyline* r = nullptr;
    ASSERT_EQ(acdbOpenObject(r, p3Id, AcDb::kForRead), Acad::eOk);
    write(*r, f3);
    auto* back3 = new AcDb3dPolyline();
    std::unique_ptr<AcDbObjectIterator> it(r->vertexIterator());
    for (; !it->done(); it->step()) {
      AcDb3dPolylineVertex* v = nullptr;
      ASSERT_EQ(acdbOpenObject(v, it->objectId(), AcDb::kForRead), Acad::eOk);
      vhost::DxfMemoryFiler vf(db.get());
      write(*v, vf);
      EXPECT_EQ(AcDb2dPolyline::vhostDxfVertexClass(group(vf, 70)->resval.rint), AcDb3dPolylineVertex::desc());
      auto* copy = new AcDb3dPolylineVertex();
      EXPECT_EQ(read(vf, copy), Acad::eOk);
      EXPECT_EQ(copy->vertexType(), v->vertexType());
      expectExact(copy->position(), v->position());
      AcDbObjectId vid;
      db->addAcDbObject(vid, copy);
      copy->close();
      v3.append(vid);
      v->close();
    }
    EXPECT_EQ(AcDb2dPolyline::vhostDxfPolylineClass(group(f3, 70)->resval.rint), AcDb3dPolyline::desc());
    ASSERT_EQ(read(f3, back3), Acad::eOk);
    EXPECT_EQ(back3->polyType(), AcDb::k3dCubicSplinePoly);
    const AcDbObjectId b3 = addToModelSpace(back3);
    AcDb3dPolyline* w3 = nullptr;
    ASSERT_EQ(acdbOpenObject(w3, b3, AcDb::kForWrite), Acad::eOk);
    EXPECT_EQ(w3->vhostAppendReadVertices(vids), Acad::eWrongObjectType);  // 2D vertices
    EXPECT_EQ(w3->vhostAppendReadVertices(v3), Acad::eOk);
    double e3a = 0, e3b = 0;
    r->getEndParam(e3a);
    w3->getEndParam(e3b);
    EXPECT_EQ(e3a, e3b);
    w3->close();
    r->close();
  }
  // Meshes are not modelled: the reader keeps them as proxies.
  EXPECT_EQ(AcDb2dPolyline::vhostDxfPolylineClass(16), nullptr);
  EXPECT_EQ(AcDb2dPolyline::vhostDxfPolylineClass(64), nullptr);
  EXPECT_EQ(AcDb2dPolyline::vhostDxfPolylineClass(0, L"AcDbPolyFaceMesh"), nullptr);
  EXPECT_EQ(AcDb2dPolyline::vhostDxfPolylineClass(0, L"AcDb3dPolyline"), AcDb3dPolyline::desc());
  EXPECT_EQ(AcDb2dPolyline::vhostDxfVertexClass(64 | 128), nullptr);
}

TEST_F(DxfFilingCurves, UnknownGroupsAreKeptInTheirSubclass) {
  AcDbArc arc(AcGePoint3d(1, 2, 0), 3.0, 0.5, 1.5);
  vhost::DxfMemoryFiler f(db.get()), extra(db.get());
  write(arc, f);
  copyEdited(f, extra, [](resbuf& rb, vhost::DxfMemoryFiler& out) {
    if (rb.restype == 100 && std::wstring(rb.resval.rstring) == L"AcDbArc") {
      out.writeString(300, L"circle extra");  // end of the AcDbCircle groups
    }
    if (rb.restype == 51) out.writeInt16(280, 7);
    return true;
  });
  AcDbArc a2;
  ASSERT_EQ(read(extra, &a2), Acad::eOk);
  vhost::DxfMemoryFiler again(db.get());
  write(a2, again);
  const auto& g = again.groups();
  size_t arcMarker = 0, text = 0, flag = 0;
  for (size_t i = 0; i < g.size(); ++i) {
    if (g[i]->restype == 100 && std::wstring(g[i]->resval.rstring) == L"AcDbArc") arcMarker = i;
    if (g[i]->restype == 300) text = i;
    if (g[i]->restype == 280) flag = i;
  }
  ASSERT_GT(text, 0u);
  EXPECT_LT(text, arcMarker);
  EXPECT_GT(flag, arcMarker);
  EXPECT_STREQ(g[text]->resval.rstring, L"circle extra");
  EXPECT_EQ(g[flag]->resval.rint, 7);
  // Kept groups go along with a copy.
  std::unique_ptr<AcDbArc> copy(AcDbArc::cast(a2.clone()));
  vhost::DxfMemoryFiler fromCopy(db.get());
  write(*copy, fromCopy);
  EXPECT_EQ(countOf(fromCopy, 300), 1);

  // Flag bits the class does not model go back into the same group.
  AcGePoint3dArray fit;
  fit.append(AcGePoint3d(0, 0, 0));
  fit.append(AcGePoint3d(1, 1, 0));
  fit.append(AcGePoint3d(2, 0, 0));
  AcDbSpline spline(fit);
  vhost::DxfMemoryFiler sf(db.get()), sx(db.get());
  write(spline, sf);
  const int flags = group(sf, 70)->resval.rint;
  copyEdited(sf, sx, setFirst(70, [](resbuf& rb) { rb.resval.rint |= 1024; }));
  AcDbSpline s2;
  ASSERT_EQ(read(sx, &s2), Acad::eOk);
  vhost::DxfMemoryFiler sAgain(db.get());
  write(s2, sAgain);
  EXPECT_EQ(group(sAgain, 70)->resval.rint, flags | 1024);

  // A vertex keeps what a drawing puts in its AcDbVertex groups.
  AcDb2dVertex v(AcGePoint3d(1, 1, 0), 0.25);
  vhost::DxfMemoryFiler vf(db.get()), vx(db.get());
  write(v, vf);
  copyEdited(vf, vx, [](resbuf& rb, vhost::DxfMemoryFiler& out) {
    if (rb.restype == 100 && std::wstring(rb.resval.rstring) == L"AcDb2dVertex") out.writeInt32(90, 12345);
    return true;
  });
  AcDb2dVertex v2;
  ASSERT_EQ(read(vx, &v2), Acad::eOk);
  EXPECT_EQ(v2.bulge(), 0.25);
  vhost::DxfMemoryFiler vAgain(db.get());
  write(v2, vAgain);
  ASSERT_EQ(countOf(vAgain, 90), 1);
  EXPECT_EQ(group(vAgain, 90)->resval.rlong, 12345);
}

TEST_F(DxfFilingCurves, BadValuesAreReportedNotTaken) {
  auto real = [](int code, double v) { return setFirst(code, [v](resbuf& rb) { rb.resval.rreal = v; }); };
  auto shortVal = [](int code, int v) { return setFirst(code, [v](resbuf& rb) { rb.resval.rint = short(v); }); };
  AcDbCircle circle(AcGePoint3d(1, 1, 1), AcGeVector3d::kZAxis, 2.0);
  expectBad(circle, real(40, -2.0), L"radius");
  AcDbArc arc(AcGePoint3d(0, 0, 0), 1.0, 0.0, 1.0);
  expectBad(arc, real(40, kNaN), L"radius");
  expectBad(arc, real(50, kNaN), L"start angle");
  AcDbLine line(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 1, 1));
  expectBad(line, setFirst(10, [](resbuf& rb) { rb.resval.rpoint[1] = kNaN; }), L"start point");
  AcDbEllipse el(AcGePoint3d(0, 0, 0), AcGeVector3d::kZAxis, AcGeVector3d(2, 0, 0), 0.5);
  expectBad(el, real(40, 0.0), L"ratio");
  expectBad(el, real(40, 1.5), L"ratio");
  expectBad(el, setFirst(11, [](resbuf& rb) { rb.resval.rpoint[2] = 1.0; }), L"perpendicular");

  AcDbPolyline pl;
  pl.addVertexAt(0, AcGePoint2d(0, 0), 0.5);
  pl.addVertexAt(1, AcGePoint2d(1, 0));
  expectBad(pl, setFirst(90, [](resbuf& rb) { rb.resval.rlong = 3; }), L"number of vertices");
  expectBad(pl, setFirst(43, [](resbuf& rb) { rb.resval.rreal = -1; }), L"constant width");
  vhost::DxfMemoryFiler f(db.get()), early(db.get());
  write(pl, f);
  copyEdited(f, early, [](resbuf& rb, vhost::DxfMemoryFiler& out) {
    if (rb.restype == 90) {
      out.append(rb);
      out.writeDouble(42, 1.0);  // a bulge with no vertex yet
      return false;
    }
    return true;
  });
  AcDbPolyline fresh;
  EXPECT_EQ(read(early, &fresh), Acad::eBadDxfSequence);
  EXPECT_EQ(fresh.numVerts(), 0u);

  AcGePoint3dArray ctrl;
  for (int i = 0; i < 4; ++i) ctrl.append(AcGePoint3d(i, i * i, 0));
  AcGeDoubleArray knots, weights;
  for (double k : {0.0, 0.0, 0.0, 0.0, 1.0, 1.0, 1.0, 1.0}) knots.append(k);
  for (double x : {1.0, 2.0, 2.0, 1.0}) weights.append(x);
  AcDbSpline spline(3, true, false, false, ctrl, knots, weights);
  expectBad(spline, shortVal(71, 0), L"degree");
  expectBad(spline, shortVal(72, 9), L"knots (72)");
  expectBad(spline, shortVal(73, 5), L"control points (73)");
  expectBad(spline, real(40, kNaN), L"knot value");
  expectBad(spline, real(41, -1.0), L"weight");
  bool dropped = false;
  expectBad(spline, [&](resbuf& rb, vhost::DxfMemoryFiler&) { return rb.restype != 41 || std::exchange(dropped, true); },
            L"weights");
  expectBad(spline, setFirst(40, [](resbuf& rb) { rb.resval.rreal = 5.0; }), L"knots decrease");

  AcDb2dVertex v(AcGePoint3d(0, 0, 0));
  expectBad(v, real(40, -0.5), L"start width");
  // A marker that is not the class's own.
  vhost::DxfMemoryFiler cf(db.get());
  write(circle, cf);
  AcDbArc notArc;
  EXPECT_EQ(read(cf, &notArc), Acad::eBadDxfSequence);
  EXPECT_NE(cf.vhostErrorMessage().find(L"AcDbArc"), std::wstring::npos);
  EXPECT_EQ(notArc.radius(), 1.0);  // nothing taken
}
