#include "arx/ed/AcedLispSymbol.h"

#include <cwctype>
#include <string>

#include "arx/ed/EditorState.h"

namespace {

bool validSymbolName(const ACHAR* name) {
  if (name == nullptr || *name == 0) return false;
  for (const ACHAR* p = name; *p; ++p) {
    if (std::iswspace(static_cast<wint_t>(*p)) || *p == L'(' || *p == L')' || *p == L'\'' || *p == L'"' ||
        *p == L';')
      return false;
  }
  return true;
}

}  // namespace

int acedGetSym(const ACHAR* sname, struct resbuf** value) {
  if (value == nullptr) return RTERROR;
  *value = nullptr;
  if (!validSymbolName(sname)) return RTERROR;
  vhost::DbEditorState* st = vhost::dbEditorState(vhost::workingDb(), false);
  if (st == nullptr && vhost::workingDb() == nullptr) return RTERROR;
  if (st != nullptr) {
    auto it = st->symbols.find(vhost::upperCase(sname));
    if (it != st->symbols.end()) {
      *value = acutRbDup(it->second.get());
      return RTNORM;
    }
  }
  *value = acutNewRb(RTNIL);
  return RTNORM;
}

int acedGetSym(const ACHAR* sname, struct resbuf*& value) { return acedGetSym(sname, &value); }

int acedPutSym(const ACHAR* sname, const struct resbuf* value) {
  if (!validSymbolName(sname)) return RTERROR;
  vhost::DbEditorState* st = vhost::dbEditorState(vhost::workingDb(), true);
  if (st == nullptr) return RTERROR;
  std::wstring key = vhost::upperCase(sname);
  if (value == nullptr || (value->restype == RTNIL && value->rbnext == nullptr)) {
    st->symbols.erase(key);
    return RTNORM;
  }
  resbuf* copy = acutRbDup(value);
  if (copy == nullptr) return RTERROR;
  st->symbols[key] = vhost::RbChain(copy);
  return RTNORM;
}

int acedSetSym(const ACHAR* sname, const struct resbuf* value) { return acedPutSym(sname, value); }
