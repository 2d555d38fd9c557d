#pragma once
// Finding curves drawn more than once.
//
// Two curves are duplicates when they follow the same path: the same vertex
// list with the same bulges within the tolerance, walked either way, and for
// closed outlines from any starting vertex; their start and end heights (Z)
// must agree as well. Of a set of duplicates the first in the list is kept
// and the others are reported. Nothing is erased: the caller erases the
// repeats it is given (GetRepeatIds) or takes them out of its lists.
#include "arx/db/AcDbObjectId.h"

namespace vesk {

class CFOverKill {
 public:
  CFOverKill();
  virtual ~CFOverKill();

  // Silent: no progress or result on the command line.
  void SetSilent(int silent) { m_bSilent = silent; }
  int IsSilent() const { return m_bSilent; }
  // Only curves on the same layer count as duplicates.
  void SetOnlySameLayer(int on) { m_bOnlySameLayer = on; }
  int IsOnlySameLayer() const { return m_bOnlySameLayer; }
  // Distance within which two vertices (and difference within which two
  // bulges) are the same; 1e-6 by default.
  void SetTolerance(double tol) { m_dTol = tol > 0.0 ? tol : 1e-6; }
  double GetTolerance() const { return m_dTol; }

  // Looks for duplicates among the curves of `ids` (other entities are
  // passed over) and adds the repeats to the repeat list. Unless silent,
  // prints "\r已处理%d中第%d个实体..." with the number of curves looked at.
  // Returns 1, or 0 when the user broke off.
  int OverKill(const AcDbObjectIdArray& ids);
  // The repeats found so far (replacing `ids`); returns how many.
  int GetRepeatIds(AcDbObjectIdArray& ids) const;
  int GetRepeatCount() const { return m_repeats.length(); }
  void ClearRepeats() { m_repeats.removeAll(); }

 protected:
  AcDbObjectIdArray m_repeats;
  int m_bSilent = 0;
  int m_bOnlySameLayer = 0;
  double m_dTol = 1e-6;
};

}  // namespace vesk
