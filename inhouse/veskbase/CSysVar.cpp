// Setting system variables for the length of an operation, and reading them.
#include "veskbase/CSysVar.h"

#include <climits>
#include <cmath>

#include "arx/ed/AcedSysVar.h"

namespace vesk {

namespace {

// The variable's current value as a new single node (null when unreadable).
resbuf* readVar(const wchar_t* name) {
  if (name == nullptr || name[0] == L'\0') return nullptr;
  resbuf tmp{};
  tmp.rbnext = nullptr;
  if (acedGetVar(name, &tmp) != RTNORM) return nullptr;
  resbuf* rb = acutNewRb(tmp.restype);
  rb->resval = tmp.resval;  // the node takes over a string value
  return rb;
}

// One node with the value, its successor cut off (acedSetVar reads one node).
int writeVar(const wchar_t* name, const resbuf* value) {
  if (name == nullptr || value == nullptr) return 0;
  resbuf one = *value;
  one.rbnext = nullptr;
  return acedSetVar(name, &one) == RTNORM ? 1 : 0;
}

// The node an integer becomes for a variable of the given type.
bool intNode(int type, int value, resbuf& rb) {
  rb.rbnext = nullptr;
  switch (type) {
    case RTSHORT:
      if (value < SHRT_MIN || value > SHRT_MAX) return false;
      rb.restype = RTSHORT;
      rb.resval.rint = static_cast<short>(value);
      return true;
    case RTLONG:
      rb.restype = RTLONG;
      rb.resval.rlong = value;
      return true;
    case RTREAL:
      rb.restype = RTREAL;
      rb.resval.rreal = value;
      return true;
    default: return false;
  }
}

int typeOf(const wchar_t* name) {
  resbuf* rb = readVar(name);
  if (rb == nullptr) return 0;
  const int t = rb->restype;
  acutRelRb(rb);
  return t;
}

}  // namespace

CSysVar::CSysVar(const wchar_t* name, int value) { Set(name, value); }
CSysVar::CSysVar(const wchar_t* name, double value) { Set(name, value); }
CSysVar::CSysVar(const wchar_t* name, const wchar_t* value) { Set(name, value); }
CSysVar::CSysVar(const resbuf* settings) { SetList(settings); }

CSysVar::~CSysVar() { Restore(); }

bool CSysVar::alreadySaved(const wchar_t* name) const {
  for (const Saved& s : mSaved)
    if (s.name.CompareNoCase(name) == 0) return true;
  return false;
}

int CSysVar::Set(const wchar_t* name, const resbuf* value) {
  if (name == nullptr || value == nullptr) return 0;
  bool added = false;
  if (!alreadySaved(name)) {
    resbuf* old = readVar(name);
    if (old == nullptr) return 0;
    mSaved.push_back(Saved{CString(name), old});
    added = true;
  }
  if (writeVar(name, value)) return 1;
  if (added) {
    acutRelRb(mSaved.back().value);
    mSaved.pop_back();
  }
  return 0;
}

int CSysVar::Set(const wchar_t* name, int value) {
  resbuf rb{};
  if (!intNode(typeOf(name), value, rb)) return 0;
  return Set(name, &rb);
}

int CSysVar::Set(const wchar_t* name, double value) {
  const int type = typeOf(name);
  resbuf rb{};
  if (type == RTREAL) {
    rb.restype = RTREAL;
    rb.resval.rreal = value;
  } else if ((type == RTSHORT || type == RTLONG) && std::isfinite(value) && value == std::floor(value) &&
             std::fabs(value) <= INT_MAX) {
    if (!intNode(type, static_cast<int>(value), rb)) return 0;
  } else {
    return 0;
  }
  return Set(name, &rb);
}

int CSysVar::Set(const wchar_t* name, const wchar_t* value) {
  if (value == nullptr) return 0;
  resbuf rb{};
  rb.restype = RTSTR;
  rb.resval.rstring = const_cast<ACHAR*>(value);  // read only by acedSetVar
  return Set(name, &rb);
}

int CSysVar::Set(const wchar_t* name, const AcGePoint3d& value) {
  resbuf rb{};
  rb.restype = RT3DPOINT;
  rb.resval.rpoint[0] = value.x;
  rb.resval.rpoint[1] = value.y;
  rb.resval.rpoint[2] = value.z;
  return Set(name, &rb);
}

int CSysVar::SetList(const resbuf* settings) {
  if (settings == nullptr) return 0;
  int ok = 1;
  for (const resbuf* rb = settings; rb != nullptr; rb = rb->rbnext) {
    if (rb->restype != RTSTR || rb->rbnext == nullptr) {
      ok = 0;
      break;
    }
    if (!Set(rb->resval.rstring, rb->rbnext)) ok = 0;
    rb = rb->rbnext;
  }
  return ok;
}

void CSysVar::Restore() {
  while (!mSaved.empty()) {
    Saved s = mSaved.back();
    mSaved.pop_back();
    writeVar(s.name, s.value);
    acutRelRb(s.value);
  }
}

namespace cad {

int GetSysVar(const wchar_t* name, int& value) {
  resbuf* rb = readVar(name);
  if (rb == nullptr) return 0;
  int ok = 1;
  if (rb->restype == RTSHORT)
    value = rb->resval.rint;
  else if (rb->restype == RTLONG)
    value = rb->resval.rlong;
  else
    ok = 0;
  acutRelRb(rb);
  return ok;
}

int GetSysVar(const wchar_t* name, double& value) {
  resbuf* rb = readVar(name);
  if (rb == nullptr) return 0;
  int ok = 1;
  if (rb->restype == RTREAL)
    value = rb->resval.rreal;
  else if (rb->restype == RTSHORT)
    value = rb->resval.rint;
  else if (rb->restype == RTLONG)
    value = rb->resval.rlong;
  else
    ok = 0;
  acutRelRb(rb);
  return ok;
}

int GetSysVar(const wchar_t* name, CString& value) {
  resbuf* rb = readVar(name);
  if (rb == nullptr) return 0;
  int ok = 0;
  if (rb->restype == RTSTR) {
    value = rb->resval.rstring != nullptr ? rb->resval.rstring : L"";
    ok = 1;
  }
  acutRelRb(rb);
  return ok;
}

int GetSysVar(const wchar_t* name, AcGePoint3d& value) {
  resbuf* rb = readVar(name);
  if (rb == nullptr) return 0;
  int ok = 0;
  if (rb->restype == RT3DPOINT) {
    value.set(rb->resval.rpoint[0], rb->resval.rpoint[1], rb->resval.rpoint[2]);
    ok = 1;
  } else if (rb->restype == RTPOINT) {
    value.set(rb->resval.rpoint[0], rb->resval.rpoint[1], 0.0);
    ok = 1;
  }
  acutRelRb(rb);
  return ok;
}

int SetSysVar(const wchar_t* name, int value) {
  resbuf rb{};
  if (!intNode(typeOf(name), value, rb)) return 0;
  return writeVar(name, &rb);
}

int SetSysVar(const wchar_t* name, double value) {
  const int type = typeOf(name);
  resbuf rb{};
  if (type == RTREAL) {
    rb.restype = RTREAL;
    rb.resval.rreal = value;
  } else if ((type == RTSHORT || type == RTLONG) && std::isfinite(value) && value == std::floor(value) &&
             std::fabs(value) <= INT_MAX) {
    if (!intNode(type, static_cast<int>(value), rb)) return 0;
  } else {
    return 0;
  }
  return writeVar(name, &rb);
}

int SetSysVar(const wchar_t* name, const wchar_t* value) {
  if (value == nullptr) return 0;
  resbuf rb{};
  rb.restype = RTSTR;
  rb.resval.rstring = const_cast<ACHAR*>(value);
  return writeVar(name, &rb);
}

}  // namespace cad
}  // namespace vesk
