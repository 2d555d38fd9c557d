#pragma once
// CDelMidPts: drops repeated vertices, the repeated closing vertex and vertices
// that lie on a straight run (or where the outline turns straight back) from a
// vertex list, and writes cleaned polylines back to the drawing.
#include <vector>

#include "arx/base/AcArray.h"
#include "arx/db/AcDbObjectId.h"
#include "arx/ge/AcGePoint3d.h"

namespace VeskCad {

class CDelMidPts {
 public:
  CDelMidPts() = default;
  // angle tolerance in degrees; distance limit (-1.0 none); progress meter flag
  CDelMidPts(double angleTol, double distLimit, int showProgress);
  CDelMidPts(const CDelMidPts&) = default;
  CDelMidPts& operator=(const CDelMidPts&) = default;
  virtual ~CDelMidPts() = default;

  void Set(double angleTol, double distLimit, int showProgress);
  double GetAngleTol() const { return m_dAngleTol; }
  double GetDistLimit() const { return m_dDistLimit; }
  int GetProgressFlag() const { return m_bProgress; }

  // Cleans the list in place; bulges may be null. A cleaned closed outline
  // comes back without its repeated closing vertex.
  void fnDelMidPoint(AcGePoint3dArray& vertices, AcGeDoubleArray* bulges) const;
  // 1 for a 3D polyline, 2 for an old-style 2D polyline, 3 for a lightweight
  // polyline, 0 for anything else or an unreadable id.
  static int fnGetPlineVect(const AcDbObjectId& id, AcGePoint3dArray& vertices, AcGeDoubleArray& bulges);
  // Cleans a polyline of the drawing in place; 0 for other entities.
  int fnDelMidPoint(AcDbObjectId id) const;
  // The same; out is the id of the cleaned polyline (null on failure).
  void fnDelMidPoint(AcDbObjectId id, AcDbObjectId& out) const;
  // Every id in turn; out receives the resulting ids of those cleaned.
  void fnDelMidPoint(AcDbObjectIdArray ids, AcDbObjectIdArray& out) const;
  // Whether c, between a and b, adds nothing: the directions a->c and c->b
  // differ by less than tol (radians) or by π within tol.
  static int IsCommonLine(AcGePoint3d a, AcGePoint3d b, AcGePoint3d c, double tol);

 private:
  // The cleaning; origin, when given, follows each remaining vertex's index
  // in the list as given.
  void clean(AcGePoint3dArray& vertices, AcGeDoubleArray* bulges, std::vector<int>* origin) const;
  // Whether the vertex list could be cleaned and written; the id of the
  // polyline that carries the result.
  int cleanEntity(AcDbObjectId id, AcDbObjectId& out, bool mayRebuild) const;

  double m_dAngleTol = 0.02;
  double m_dDistLimit = -1.0;
  int m_bProgress = 0;
};

}  // namespace VeskCad
