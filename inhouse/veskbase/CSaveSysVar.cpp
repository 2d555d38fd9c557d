// Keeps system variables as they were for the lifetime of the saver.
#include "veskbase/CSaveSysVar.h"

#include "arx/ed/AcedSysVar.h"

namespace vesk {

namespace {

const wchar_t* const kEditingVars[] = {L"CMDECHO",  L"OSMODE", L"ORTHOMODE", L"SNAPMODE",  L"PICKSTYLE",
                                       L"PICKFIRST", L"HIGHLIGHT", L"CLAYER", L"CECOLOR", L"CELTYPE",
                                       L"TEXTSTYLE", L"ELEVATION", L"THICKNESS"};

resbuf* readVar(const wchar_t* name) {
  if (name == nullptr || name[0] == L'\0') return nullptr;
  resbuf tmp{};
  tmp.rbnext = nullptr;
  if (acedGetVar(name, &tmp) != RTNORM) return nullptr;
  resbuf* rb = acutNewRb(tmp.restype);
  rb->resval = tmp.resval;  // the node takes over a string value
  return rb;
}

}  // namespace

CSaveSysVar::CSaveSysVar(bool saveEditingVars) {
  if (!saveEditingVars) return;
  for (const wchar_t* name : kEditingVars) Save(name);
}

CSaveSysVar::CSaveSysVar(const wchar_t* name) { Save(name); }

CSaveSysVar::~CSaveSysVar() { Restore(); }

int CSaveSysVar::IsSaved(const wchar_t* name) const {
  if (name == nullptr) return 0;
  for (const Saved& s : mSaved)
    if (s.name.CompareNoCase(name) == 0) return 1;
  return 0;
}

int CSaveSysVar::Save(const wchar_t* name) {
  if (IsSaved(name)) return 1;
  resbuf* value = readVar(name);
  if (value == nullptr) return 0;
  mSaved.push_back(Saved{CString(name), value});
  return 1;
}

int CSaveSysVar::Restore() {
  int written = 0;
  while (!mSaved.empty()) {
    Saved s = mSaved.back();
    mSaved.pop_back();
    if (acedSetVar(s.name, s.value) == RTNORM) ++written;
    acutRelRb(s.value);
  }
  return written;
}

}  // namespace vesk
