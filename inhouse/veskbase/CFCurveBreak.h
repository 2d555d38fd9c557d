#pragma once
// Breaking curves where they meet each other.
//
// The curves are looked at in the XY plane (as their vertex lists with
// bulges, veskbase/EntCurve.h). Two curves are compared only when their
// extents meet: the extents of every straight or arc piece are filed in a
// uniform grid, so that a drawing of n curves costs about n grid look-ups
// instead of n (n - 1) / 2 intersections. The same pairing serves the closed
// contour search, which works on pieces in memory (FindContacts).
#include <functional>
#include <vector>

#include "arx/db/AcDbObjectId.h"
#include "arx/ge/AcGePoint3d.h"
#include "arx/ge/AcGeTol.h"
#include "arx/ge/BulgePiece.h"

class AcDbCurve;

namespace vesk {

class CFCurveBreak {
 public:
  // A place where two pieces meet: a crossing, a tangent contact, a touching
  // end point, or an end of a stretch the two pieces share.
  struct Contact {
    int a = 0;           // index of the first piece (a < b)
    int b = 0;           // index of the second piece
    double fa = 0.0;     // fraction along a (0 start, 1 end)
    double fb = 0.0;     // fraction along b
    AcGePoint2d pt;      // the point
    bool overlapEnd = false;  // an end of a shared stretch
  };
  // Called now and then with the number of pieces handled so far and the
  // total; returning false breaks the search off.
  using Progress = std::function<bool(int done, int total)>;

  // tol: how far an open end may be lengthened to reach another curve when
  //      autoExtend is set (drawing units);
  // autoExtend: lengthen open ends that stop short of another curve by less
  //      than tol (straight ends along their line, arc ends around their
  //      circle) before breaking;
  // selfBreak: also break a curve where it crosses itself;
  // eraseSource: erase the curves that were broken (their pieces replace
  //      them); otherwise they stay and only the pieces are new.
  explicit CFCurveBreak(double tol = 0.5, int autoExtend = 0, int selfBreak = 0, int eraseSource = 1);

  void SetTolerance(double tol) { m_dTol = tol; }
  double GetTolerance() const { return m_dTol; }
  void SetAutoExtend(int on) { m_bAutoExtend = on; }
  int GetAutoExtend() const { return m_bAutoExtend; }
  void SetSelfBreak(int on) { m_bSelfBreak = on; }
  int GetSelfBreak() const { return m_bSelfBreak; }
  void SetEraseSource(int on) { m_bEraseSource = on; }
  int GetEraseSource() const { return m_bEraseSource; }
  void SetProgress(Progress progress) { m_progress = std::move(progress); }

  // Breaks the curves of `ids` at every place where they meet each other
  // (and, with selfBreak, themselves). `result` receives, in the order of
  // `ids`, the id of every curve that needed no break and the ids of the
  // pieces of every curve that was broken (new entities in the same block,
  // with the curve's properties). Entities that are not curves, or that
  // cannot be read, go to `result` unchanged. Returns 1, or 0 when the
  // progress callback broke the work off (nothing is broken then; ends
  // already lengthened stay so).
  int GetBreakEnts(const AcDbObjectIdArray& ids, AcDbObjectIdArray& result);

  // The pairing alone: every contact between two pieces whose extents meet,
  // pieces with the same non-negative group number excepted (pass an empty
  // group list to compare all). Contacts within tol.equalPoint() of an end
  // of a piece are that end exactly. Returns the number of contacts, or -1
  // when the progress callback broke off.
  static int FindContacts(const std::vector<VeskGe::BulgePiece>& pieces, const std::vector<int>& groups,
                          const AcGeTol& tol, std::vector<Contact>& contacts, const Progress& progress = Progress());

 private:
  double m_dTol;
  int m_bAutoExtend;
  int m_bSelfBreak;
  int m_bEraseSource;
  Progress m_progress;
};

}  // namespace vesk
