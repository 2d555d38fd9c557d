#pragma once
// What the editor keeps, per database and per session (platform-internal).
//
// Per database: the view and the views before it, the previous selection, the
// pickfirst set, the editor-held system variables and the LISP symbols. The
// record is made on first use; a database reactor drops it when the database
// says goodbye, and forgetViewState drops it on request.
//
// Per session: the acedInitGet state for the next input call, the text of the
// last keyword answer (acedGetInput), the last point, ERRNO and the
// session-wide system variables.
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "arx/base/Resbuf.h"
#include "arx/db/AcDbObjectId.h"
#include "arx/ed/ViewState.h"

class AcDbDatabase;

namespace vhost {

// A system variable's value.
struct SysValue {
  short type = RTNONE;  // RTSHORT, RTLONG, RTREAL, RTSTR, RTPOINT, RT3DPOINT
  long long integer = 0;
  double real = 0.0;
  double point[3] = {0.0, 0.0, 0.0};
  std::wstring text;

  static SysValue ofShort(int v);
  static SysValue ofLong(long v);
  static SysValue ofReal(double v);
  static SysValue ofText(const std::wstring& v);
  static SysValue ofPoint2d(double x, double y);
  static SysValue ofPoint3d(double x, double y, double z);
};

struct RbDeleter {
  void operator()(resbuf* rb) const { acutRelRb(rb); }
};
using RbChain = std::unique_ptr<resbuf, RbDeleter>;

struct DbEditorState {
  bool viewMade = false;
  ViewState view;
  std::vector<ViewState> previousViews;  // oldest first, at most 10
  AcDbObjectIdArray previousSelection;
  AcDbObjectIdArray pickfirst;
  std::map<std::wstring, SysValue> vars;   // key: upper-case name
  std::map<std::wstring, RbChain> symbols;  // key: upper-case name
};

// The record of a database (null when db is null, or when create is false and
// there is none).
DbEditorState* dbEditorState(AcDbDatabase* db, bool create = true);
// The working database.
AcDbDatabase* workingDb();

struct SessionState {
  int initBits = 0;
  std::wstring initKeywords;
  std::wstring lastInput;    // the keyword (global name) or other text of the last RTKWORD
  bool lastInputValid = false;
  double lastPoint[3] = {0.0, 0.0, 0.0};
  int errnoValue = 0;
  std::map<std::wstring, SysValue> vars;  // key: upper-case name
};
SessionState& session();

// The entity name of an id written to a name given as a pointer (the
// parameters of the C-level functions); false for the null id.
bool writeAdsName(std::int64_t* out, AcDbObjectId id);

// Upper-case copy (for keys and comparisons without regard to case).
std::wstring upperCase(const std::wstring& s);
bool equalsNoCase(const std::wstring& a, const std::wstring& b);
std::wstring trimmed(const std::wstring& s);

}  // namespace vhost
