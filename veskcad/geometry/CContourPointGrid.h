#pragma once
// A hash grid of points in the XY plane with an integer payload each, for the
// end-point look-ups of the closed contour search: which points lie within a
// distance of a given point. Each look-up visits only the cells around the
// point, whatever the number of points filed. Points are kept in one array,
// chained per cell, so that filing a point costs no allocation of its own.
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "arx/ge/AcGePoint2d.h"

class CContourPointGrid {
 public:
  // cell: the edge of a cell; look-ups for distances up to about one cell
  // visit 3 x 3 cells.
  explicit CContourPointGrid(double cell = 1.0);

  void Clear();
  // Room for that many points without rehashing.
  void Reserve(size_t points);
  void Insert(const AcGePoint2d& pt, int value);
  // Appends to `out` the values of every point at a distance below `radius`
  // (at most `radius` when `inclusive`) from pt.
  void Query(const AcGePoint2d& pt, double radius, std::vector<int>& out, bool inclusive = false) const;
  // The value of the nearest point within `radius` (inclusive), or -1.
  int Nearest(const AcGePoint2d& pt, double radius) const;
  size_t Size() const { return m_entries.size(); }

 private:
  struct Entry {
    AcGePoint2d pt;
    int value;
    int next;  // next entry of the same cell, -1 at the end
  };
  static std::uint64_t Key(std::int64_t ix, std::int64_t iy);
  std::int64_t CellOf(double v) const;
  // Calls f(entry) for every entry in the cells that a square of half-side
  // `radius` around pt touches.
  template <class F>
  void ForEachNear(const AcGePoint2d& pt, double radius, F&& f) const;

  double m_dCell;
  std::vector<Entry> m_entries;
  std::unordered_map<std::uint64_t, int> m_heads;
};
