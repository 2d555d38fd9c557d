#include "arx/dxf/DxfStandardTables.h"

#include "arx/db/AcDbDatabase.h"

namespace vhost {

namespace {

class Chain {
 public:
  void add(resbuf* rb) {
    if (rb == nullptr) return;
    if (mTail)
      mTail->rbnext = rb;
    else
      mHead = rb;
    mTail = rb;
  }
  void text(int code, const ACHAR* s) {
    resbuf* rb = acutNewRb(code);
    acutNewString(s, rb->resval.rstring);
    add(rb);
  }
  void integer(int code, int v) {
    resbuf* rb = acutNewRb(code);
    rb->resval.rint = static_cast<short>(v);
    add(rb);
  }
  void real(int code, double v) {
    resbuf* rb = acutNewRb(code);
    rb->resval.rreal = v;
    add(rb);
  }
  // A point written with (z given) or without its Z.
  void point(int code, double x, double y, bool is3d = false, double z = 0.0) {
    resbuf* rb = acutNewRb(code);
    rb->resval.rpoint[0] = x;
    rb->resval.rpoint[1] = y;
    rb->resval.rpoint[2] = is3d ? z : -0.0;
    add(rb);
  }
  resbuf* take() {
    resbuf* h = mHead;
    mHead = mTail = nullptr;
    return h;
  }

 private:
  resbuf* mHead = nullptr;
  resbuf* mTail = nullptr;
};

}  // namespace

resbuf* dxfTableHeaderGroups(int count) {
  Chain c;
  c.text(100, L"AcDbSymbolTable");
  c.integer(70, count);
  return c.take();
}

resbuf* dxfActiveViewportGroups(const AcDbDatabase* db) {
  const AcGePoint3d lo = db->extmin(), hi = db->extmax();
  const bool ext = hi.x > lo.x && hi.y > lo.y;
  const double cx = ext ? (lo.x + hi.x) / 2 : 0.0, cy = ext ? (lo.y + hi.y) / 2 : 0.0;
  const double height = ext ? (hi.y - lo.y) * 1.1 : 100.0;
  Chain c;
  c.text(100, L"AcDbSymbolTableRecord");
  c.text(100, L"AcDbViewportTableRecord");
  c.text(2, L"*ACTIVE");
  c.integer(70, 0);
  c.point(10, 0, 0);
  c.point(11, 1, 1);
  c.point(12, cx, cy);
  c.point(13, 0, 0);
  c.point(14, 1, 1);
  c.point(15, 1, 1);
  c.point(16, 0, 0, true, 1);
  c.point(17, 0, 0, true, 0);
  c.real(40, height);
  c.real(41, 1.5);
  c.real(42, 50.0);
  c.real(43, 0.0);
  c.real(44, 0.0);
  c.real(50, 0.0);
  c.real(51, 0.0);
  for (int code : {71, 72, 73, 74, 75, 76, 77, 78}) {
    const int v = code == 72 ? 100 : code == 73 ? 1 : code == 74 ? 3 : 0;
    c.integer(code, v);
  }
  c.integer(281, 0);
  c.integer(65, 1);
  c.point(110, 0, 0, true, 0);
  c.point(111, 1, 0, true, 0);
  c.point(112, 0, 1, true, 0);
  c.integer(79, 0);
  c.real(146, 0.0);
  return c.take();
}

}  // namespace vhost
