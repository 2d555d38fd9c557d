#pragma once
// Setting system variables for the length of an operation, and reading them.
//
// vesk::CSysVar sets variables and puts every one it changed back to its
// former value when it is destroyed (or at Restore()), the last changed first;
// a variable set twice is restored to the value it had before the first set.
// vesk::cad::GetSysVar / SetSysVar read and write one variable directly.
//
// Variables go through the host's acedGetVar / acedSetVar (names without
// regard to case). Results: 1 for success, 0 for an unknown or read-only
// variable, a value of the wrong kind or out of range; nothing throws.
#include <vector>

#include "arx/base/Resbuf.h"
#include "arx/ge/AcGePoint3d.h"
#include "mfc/CString.h"

namespace vesk {

class CSysVar {
 public:
  CSysVar() = default;
  // Sets one variable at once (restored on destruction).
  CSysVar(const wchar_t* name, int value);
  CSysVar(const wchar_t* name, double value);
  CSysVar(const wchar_t* name, const wchar_t* value);
  // Sets every pair of a result-buffer chain: an RTSTR node naming the
  // variable followed by its value node (RTSHORT, RTLONG, RTREAL, RTSTR,
  // RTPOINT, RT3DPOINT), e.g. acutBuildList(RTSTR, L"pickstyle", RTSHORT, 0,
  // RTNONE). The chain stays the caller's.
  explicit CSysVar(const resbuf* settings);
  ~CSysVar();
  CSysVar(const CSysVar&) = delete;
  CSysVar& operator=(const CSysVar&) = delete;

  int Set(const wchar_t* name, int value);
  int Set(const wchar_t* name, double value);
  int Set(const wchar_t* name, const wchar_t* value);
  int Set(const wchar_t* name, const AcGePoint3d& value);
  // The value node's type must be one acedSetVar takes for the variable.
  int Set(const wchar_t* name, const resbuf* value);
  // Every name/value pair of a chain (see the constructor); 1 when all were set.
  int SetList(const resbuf* settings);

  // Puts every changed variable back now (last changed first) and forgets them.
  void Restore();
  // How many variables this object will restore.
  int Count() const { return static_cast<int>(mSaved.size()); }

 private:
  struct Saved {
    CString name;
    resbuf* value;  // the former value (owned)
  };
  bool alreadySaved(const wchar_t* name) const;
  std::vector<Saved> mSaved;
};

namespace cad {

// Reads a variable: integers (RTSHORT, RTLONG), reals (integers are taken as
// reals too), texts and points (2D points get Z = 0).
int GetSysVar(const wchar_t* name, int& value);
int GetSysVar(const wchar_t* name, double& value);
int GetSysVar(const wchar_t* name, CString& value);
int GetSysVar(const wchar_t* name, AcGePoint3d& value);

// Writes a variable (an integer variable of 16 bits gets RTSHORT, of 32 bits
// RTLONG; a real one accepts an integer).
int SetSysVar(const wchar_t* name, int value);
int SetSysVar(const wchar_t* name, double value);
int SetSysVar(const wchar_t* name, const wchar_t* value);

}  // namespace cad
}  // namespace vesk
