#pragma once
// The closed contour search: every closed contour that a set of curves
// bounds, the way a planar map is cut into faces, each returned as a new
// closed lightweight polyline.
//
// The search runs in five stages:
//   1. the input is read flattened to Z = 0 (compound objects exploded, block
//      references with their attribute definitions left out, regions as their
//      boundary loops, 3D polylines as plain vertex lists), cut into straight
//      and arc pieces, duplicates dropped, and the pieces broken where they
//      meet (only pieces whose extents meet are compared, through a grid);
//   2. the end points become the nodes of a network (a hash grid finds the
//      points at a place);
//   3. dangling runs are dropped, and runs that meet end to end with nothing
//      else at the joint are merged into one segment;
//   4. the network is walked, at every node taking the sharpest right turn,
//      once on each side of every segment; each closed walk is cut into
//      simple rings where it passes a node twice;
//   5. rings made of the same segments are kept once, and the rest become
//      polylines (rings below 0.01 square units are left out).
// A face comes out clockwise. The outline around each connected piece of
// linework that bounds more than one face comes out as well,
// counter-clockwise.
//
// Tolerances: end points closer than 1e-6 are one node (the equal-point
// tolerance of AcGeContext::gTol is set to 1e-6 while the object lives); a
// crossing nearer than 0.01 to the start of a piece or 0.001 to its end is
// taken to be that end; a run whose two loose ends are less than 0.1 apart is
// a contour by itself; a loose end that lies less than 1.0 from the end of
// another segment keeps its run in the network, and a walk that runs from
// such a loose end to another one less than 1.0 away closes across the gap.
//
// The user's entities are never changed by Search: the work is done in
// memory, and only the contour polylines are added to the drawing.
#include <vector>

#include "arx/base/AcArray.h"
#include "arx/base/AcadErrorStatus.h"
#include "arx/db/AcDbObjectId.h"
#include "arx/ge/AcGePoint2d.h"
#include "arx/ge/AcGePoint3d.h"
#include "arx/ge/BulgePiece.h"
#include "mfc/CArray.h"
#include "veskcad/geometry/CCloseCurve.h"
#include "veskcad/geometry/CContourPointGrid.h"
#include "veskcad/geometry/CNextDirArc.h"
#include "veskcad/geometry/FCPlineSeg.h"

class CFSearchAllCloseCurve {
 public:
  // Figures of the last search.
  struct Stats {
    int curves = 0;      // flattened input outlines
    int pieces = 0;      // straight and arc pieces after duplicates were dropped
    int contacts = 0;    // places where two pieces meet
    int segments = 0;    // segments of the walked network
    int contours = 0;    // contour polylines returned
    int faces = 0;       // of which clockwise faces
    int outlines = 0;    // of which counter-clockwise outlines
    int gapClosed = 0;   // contours closed across a gap between loose ends
  };

  // Saves the equal-point tolerance of AcGeContext::gTol and sets it to 1e-6;
  // the destructor puts the saved value back. Both call Clear().
  CFSearchAllCloseCurve();
  virtual ~CFSearchAllCloseCurve();
  CFSearchAllCloseCurve(const CFSearchAllCloseCurve&) = delete;
  CFSearchAllCloseCurve& operator=(const CFSearchAllCloseCurve&) = delete;

  // Forgets the network and erases the working entities the object still
  // holds; when a layer "$tmpLayer" exists, the entities on it and the layer
  // itself are erased. Entities handed out (contours, DealData's result)
  // stay.
  void Clear();

  // The whole search; `out` receives the ids of the contour polylines
  // (appended). The polylines go to the current space on the current layer.
  void Search(AcDbObjectIdArray ids, AcDbObjectIdArray& out);

  // Stages 2 and 3 only, on the curves as they are (no breaking): each entity
  // that is a readable curve becomes a segment, dangling runs are dropped and
  // runs meeting end to end with nothing else at the joint are merged into
  // new polylines (colour 6). With copyFirst the entities are first copied
  // and flattened (EntsCopyChange) and the copies are worked on; with 0 the
  // given entities themselves are merged or erased. `ids` is replaced by the
  // surviving curves in id order. Returns 1. The entities returned belong to
  // the caller (Clear and the destructor leave them).
  int DealData(AcDbObjectIdArray& ids, int copyFirst);

  // Lets the user select entities, searches and prints
  // "\n 搜索了%d个轮廓" with the number of contours found.
  void Test();

  const Stats& GetStats() const { return m_stats; }

 protected:
  // ---- one flattened input outline (stage 1)
  struct Outline {
    AcGePoint3dArray pts;
    AcGeDoubleArray blgs;
    bool closed = false;
  };
  // ---- the network: segment records kept beside the segments themselves
  struct SegInfo {
    int st = -1, ed = -1;  // nodes of vertex 0 and of the last vertex
    bool live = false;
    bool owned = false;    // the entity is the object's to erase when the segment goes
    bool handedOut = false;  // the entity was returned to the caller
    unsigned char used = 0;  // bit 0: walked forwards, bit 1: walked backwards
    int dir = 1;           // direction of the last walk
  };

  // Stage 1. Reads, explodes, drops duplicates and breaks the input; fills
  // the network. Returns 1, 0 when the user broke off (the network is empty
  // then).
  int GetAllSeg(const AcDbObjectIdArray& ids);
  // The flattened outlines of the entities (the in-memory form of copying
  // and exploding); entities that give none are passed over.
  void ReadOutlines(const AcDbObjectIdArray& ids, std::vector<Outline>& outlines) const;
  // Copies and flattens entities into new polylines in the drawing (3D
  // polylines into simple 2D polylines, regions into their boundary loops,
  // block references copied as they are); out receives the new ids.
  void EntsCopyChange(const AcDbObjectIdArray& ids, AcDbObjectIdArray& out);
  // Breaks the pieces where they meet and builds the network from the parts.
  // Returns 0 when the user broke off.
  int GetIntersectPts(std::vector<VeskGe::BulgePiece>& pieces);

  // ---- network (stages 2 and 3)
  void ResetNetwork();
  int AddNode(const AcGePoint2d& pt);
  // The node at a point (within AcGeContext::gTol), made when missing.
  int NodeAt(const AcGePoint2d& pt);
  // Files a segment between two nodes; returns its index.
  int AddSeg(BaseClass::FCPlineSeg seg, int st, int ed, bool owned);
  void RetireSeg(int seg, bool eraseEntity);
  // Live segments with an end at the point (exact, AcGeContext::gTol) /
  // within tol of it (each segment once). Return how many.
  int GetIdsByPt(const AcGePoint3d& pt, std::vector<int>& segs) const;
  int GetTolIdsByPt(const AcGePoint3d& pt, std::vector<int>& segs, double tol) const;
  // How an end of a segment is linked (side 1 its start, else its end):
  // 3 closed segment, 1 another segment ends at the same point, 2 one ends
  // within 1.0 of it, 0 none.
  int HaveLinkEnt(int seg, int side) const;
  // A contour as the half-edges it is walked along (2 * segment, + 1 when
  // the segment is walked backwards), in order.
  struct Ring {
    std::vector<int> he;
    double area = 0.0;  // signed; negative for a clockwise ring
    bool open = false;  // closed across a gap between its two ends
  };
  // Drops every run that has a loose end not within 1.0 of another
  // segment's end, until none is left. A run whose two loose ends are less
  // than 0.1 apart is a contour by itself: in a search it is appended to
  // `rings` and leaves the network; with keepRuns (DealData) it stays.
  void FilterOneEntPt(std::vector<Ring>& rings, bool keepRuns);
  // Merges runs meeting end to end with nothing else at the joint into one
  // segment. A run that closes on itself is a contour: appended to `rings`
  // and out of the network, unless keepRuns; with keepRuns (DealData) the
  // merged segments get polylines of colour 6 and the merged ones are erased.
  void LinkEnt(std::vector<Ring>& rings, bool keepRuns);
  // From a loose end: the run through joints of exactly two segments, as
  // (segment, direction) steps; returns the node where it ends.
  int TraceRun(int node, std::vector<std::pair<int, int>>& steps) const;

  // ---- walk (stage 4)
  // Fills the contour array: filter, merge, walk, duplicates.
  void Search(CArray<BaseClass::CCloseCurve>& contours);
  // The same as rings: clockwise faces and counter-clockwise outlines, each
  // once, none below 0.01 square units.
  void CollectRings(std::vector<Ring>& rings);
  // Walks every side of every live segment once, appending the rings.
  void Buildpolygons(std::vector<Ring>& rings);
  // The closed walk that starts along a segment in a direction: the
  // half-edges in order (2 * segment, + 1 when walked backwards). Marks them
  // used. Returns 0 when that side was walked already.
  int BuildOnePolygon(int seg, int dir, std::vector<int>& walk);
  // The step after arriving along a half-edge: the sharpest right turn at
  // its end node (back along the same segment at a loose end).
  int GetNextArc(int halfEdge) const;
  // The same step as a CNextDirArc (angle: the counter-clockwise turn from
  // the way back). 0 when the step has no segment in the network.
  int GetNextArc(const BaseClass::CNextDirArc& last, BaseClass::CNextDirArc& next) const;
  // Counter-clockwise angle (0 to 2π) through which the direction P->A
  // must turn to reach P->B; 10.0 when A and P coincide.
  static double AngleOfTwoArcs(const AcGePoint3d& a, const AcGePoint3d& p, const AcGePoint3d& b);
  // Cuts a walk into simple rings where it passes a node twice, dropping
  // steps that go straight back along the step before. `open` walks keep
  // what is left between their two ends as a last, open ring.
  void GetZjCloseArc(const std::vector<int>& walk, bool open, std::vector<std::vector<int>>& rings) const;
  // Rings of a closed walk, cut across the gaps between loose ends.
  void SplitWalk(const std::vector<int>& walk, std::vector<std::vector<int>>& rings) const;
  void MakeContour(const Ring& ring, BaseClass::CCloseCurve& contour) const;
  // The outline of a ring: vertices with one bulge each.
  void RingOutline(const Ring& ring, AcGePoint3dArray& pts, AcGeDoubleArray& blgs) const;
  // Signed area of a ring (closed from its last vertex back to its first).
  double RingArea(const std::vector<int>& he) const;
  // Keeps one ring of those made of the same segments (a clockwise one
  // where there is a choice) and drops rings below 0.01 square units.
  void RemoveSameContours(std::vector<Ring>& rings) const;

  // ---- use counts and walk directions (by segment index; 10 for an index
  // the table does not know)
  void AddSearchTime(int seg, int dir);
  int GetIdSearchTime(int seg) const;
  void SetSearchDir(int seg, int dir);
  int GetSearchDir(int seg) const;
  int GetSegCount() const { return static_cast<int>(m_segs.size()); }
  const BaseClass::FCPlineSeg* GetSegFromId(int seg) const;
  int GetSegFromId(const AcDbObjectId& id) const;  // index of the segment carried by an entity, or -1
  void GetAllSegIds(std::vector<int>& segs) const;  // live segments in table order
  int IsLive(int seg) const;

  // ---- polylines of the contours (stage 5)
  // Closed within 1.0: cleaned of repeated vertices and drawn closed;
  // otherwise drawn open. Returns 1 with the polyline's id.
  int DrawContour(AcGePoint3dArray& pts, AcGeDoubleArray& blgs, AcDbObjectId& id) const;

  // ---- the network
  std::vector<BaseClass::FCPlineSeg> m_segs;
  std::vector<SegInfo> m_info;
  std::vector<AcGePoint2d> m_nodePt;
  std::vector<int> m_nodeDeg;
  std::vector<int> m_nodeHead;  // first half-edge leaving the node, -1 none
  std::vector<int> m_heNext;    // next half-edge leaving the same node
  CContourPointGrid m_nodeIndex{1.0};
  // Rotation at each node (half-edges leaving it, counter-clockwise), built
  // for the walk.
  std::vector<int> m_rotStart;
  std::vector<int> m_rot;
  std::vector<int> m_rotPos;     // position of each half-edge in m_rot
  std::vector<double> m_heAngle;  // direction in which each half-edge leaves its node

  AcGePoint2d m_origin;  // areas are summed relative to it, for precision
  double m_dSavedTol = 0.0;
  Stats m_stats;
  mutable std::vector<int> m_scratch;  // per node, for cutting walks into rings
  mutable std::vector<double> m_segArea;  // area term of each segment walked forwards, once known

 private:
  void BuildRotation();
  bool IsGapTip(int node) const;
  int HeFrom(int he) const;  // node a half-edge leaves
  int HeTo(int he) const;    // node it arrives at
  void ReportError(const wchar_t* location, int line, const Acad::ErrorStatus* es) const;
};
