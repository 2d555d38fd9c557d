#pragma once
// Helpers of the DXF filing tests: group lists compared value by value, and
// written group lists edited into what a drawing of another writer may hold.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "arx/base/RbValueType.h"
#include "arx/base/Resbuf.h"
#include "arx/db/AcDbDatabase.h"
#include "arx/db/VhostDxfMemoryFiler.h"
#include "arx/db/VhostDxfSupport.h"

namespace dxftest {

inline bool sameReal(double a, double b) { return a == b || std::fabs(a - b) <= 1e-12 * std::fmax(1.0, std::fabs(a)); }

inline bool sameGroup(const resbuf& a, const resbuf& b) {
  if (a.restype != b.restype) return false;
  using vhost::RbValueType;
  switch (vhost::rbValueType(a.restype)) {
    case RbValueType::kString:
    case RbValueType::kHandle: return std::wstring(a.resval.rstring) == b.resval.rstring;
    case RbValueType::kReal: return sameReal(a.resval.rreal, b.resval.rreal);
    case RbValueType::kPoint:
      return sameReal(a.resval.rpoint[0], b.resval.rpoint[0]) && sameReal(a.resval.rpoint[1], b.resval.rpoint[1]) &&
             sameReal(a.resval.rpoint[2], b.resval.rpoint[2]);
    case RbValueType::kInt16:
    case RbValueType::kBool: return a.resval.rint == b.resval.rint;
    case RbValueType::kInt32: return a.resval.rlong == b.resval.rlong;
    case RbValueType::kInt64: return a.resval.mnInt64 == b.resval.mnInt64;
    case RbValueType::kEntityName: return vhost::dxfObjectId(a) == vhost::dxfObjectId(b);
    case RbValueType::kBinary:
      return a.resval.rbinary.clen == b.resval.rbinary.clen &&
             std::memcmp(a.resval.rbinary.buf, b.resval.rbinary.buf, static_cast<size_t>(a.resval.rbinary.clen)) == 0;
    case RbValueType::kNone: return true;
  }
  return false;
}

inline bool isMarker(const resbuf* rb, const ACHAR* marker) {
  return marker && rb->restype == 100 && std::wstring(rb->resval.rstring) == marker;
}

// The groups from the first "100 <marker>" on (all for a null marker): the
// part the classes under test wrote, whatever the object's own groups are.
inline std::vector<const resbuf*> groupsFrom(const vhost::DxfMemoryFiler& filer, const ACHAR* marker) {
  std::vector<const resbuf*> out;
  bool on = marker == nullptr;
  for (const resbuf* rb : filer.groups()) {
    on = on || isMarker(rb, marker);
    if (on) out.push_back(rb);
  }
  return out;
}

inline std::vector<const resbuf*> chainOf(const resbuf* head) {
  std::vector<const resbuf*> out;
  for (; head; head = head->rbnext) out.push_back(head);
  return out;
}

inline void expectSameGroups(const std::vector<const resbuf*>& a, const std::vector<const resbuf*>& b) {
  ASSERT_EQ(a.size(), b.size());
  for (size_t i = 0; i < a.size(); ++i) EXPECT_TRUE(sameGroup(*a[i], *b[i])) << "group " << i << " code " << a[i]->restype;
}

// The first group of the code after the marker, or null.
inline const resbuf* findGroup(const vhost::DxfMemoryFiler& filer, int code, const ACHAR* marker = nullptr) {
  for (const resbuf* rb : groupsFrom(filer, marker))
    if (rb->restype == code) return rb;
  return nullptr;
}

inline int countGroups(const vhost::DxfMemoryFiler& filer, int code) {
  int n = 0;
  for (const resbuf* rb : filer.groups()) n += rb->restype == code;
  return n;
}

// Group makers; whoever takes them (an Edit, a chain) releases them.
inline resbuf* group(int code, const ACHAR* text) { return acutBuildList(code, text, 0); }
inline resbuf* group(int code, int value) { return acutBuildList(code, value, 0); }
inline resbuf* groupReal(int code, double value) { return acutBuildList(code, value, 0); }
inline resbuf* groupPoint(int code, double x, double y, double z = 0.0) {
  const double p[3] = {x, y, z};
  return acutBuildList(code, p, 0);
}
inline resbuf* groupId(int code, AcDbObjectId id) {
  resbuf* rb = acutNewRb(code);
  acdbGetAdsName(rb->resval.rlname, id);
  return rb;
}

// An edit of a written list: after the marker group, the first group of
// each code in `replace` gets the value given, `extra` groups come right
// after the marker, and groups of the codes in `drop` are left out.
struct Edit {
  const ACHAR* marker = nullptr;
  std::vector<resbuf*> replace;
  std::vector<resbuf*> extra;
  std::vector<int> drop;
};

inline void copyEdited(const vhost::DxfMemoryFiler& from, vhost::DxfMemoryFiler& to, const Edit& edit) {
  bool on = false;
  std::vector<bool> used(edit.replace.size(), false);
  for (const resbuf* rb : from.groups()) {
    const resbuf* value = rb;
    bool dropped = false;
    for (size_t i = 0; on && i < edit.replace.size(); ++i) {
      if (!used[i] && edit.replace[i]->restype == rb->restype) {
        value = edit.replace[i];
        used[i] = true;
        break;
      }
    }
    for (int code : edit.drop) dropped = dropped || (on && code == rb->restype);
    if (!dropped) to.append(*value);
    if (!on && isMarker(rb, edit.marker)) {
      on = true;
      for (resbuf* x : edit.extra) to.append(*x);
    }
  }
  for (resbuf* rb : edit.replace) acutRelRb(rb);
  for (resbuf* rb : edit.extra) acutRelRb(rb);
}

// Reads the filer's groups into the object from the start.
inline Acad::ErrorStatus readInto(AcDbObject& obj, vhost::DxfMemoryFiler& filer) {
  filer.rewind();
  filer.resetFilerStatus();
  return obj.dxfInFields(&filer);
}

// Reads an edited copy of `written` into the object; the message the filer
// recorded comes back in `message`.
inline Acad::ErrorStatus readEdited(AcDbDatabase& db, const vhost::DxfMemoryFiler& written, const Edit& edit,
                                    AcDbObject& into, std::wstring* message = nullptr) {
  vhost::DxfMemoryFiler edited(&db);
  copyEdited(written, edited, edit);
  Acad::ErrorStatus es = readInto(into, edited);
  if (message) *message = edited.vhostErrorMessage();
  return es;
}

// The object read back writes the same groups from the marker on.
inline void expectRewrittenSame(const AcDbObject& back, const vhost::DxfMemoryFiler& first, AcDbDatabase* db,
                                const ACHAR* marker) {
  vhost::DxfMemoryFiler again(db);
  ASSERT_EQ(back.dxfOutFields(&again), Acad::eOk);
  expectSameGroups(groupsFrom(first, marker), groupsFrom(again, marker));
}

}  // namespace dxftest
