#include "arx/base/Resbuf.h"

#include <cstdarg>
#include <cstring>
#include <cwchar>

namespace {

using vhost::RbValueType;

// Codes that are complete without a value.
bool isValuelessCode(int code) {
  switch (code) {
    case RTLB:
    case RTLE:
    case RTDOTE:
    case RTNIL:
    case RTT:
    case RTVOID:
    case -3:  // start of extended data
      return true;
    default:
      return false;
  }
}

ACHAR* copyString(const ACHAR* s) {
  if (s == nullptr) s = L"";
  const size_t n = std::wcslen(s);
  ACHAR* out = new ACHAR[n + 1];
  std::wmemcpy(out, s, n + 1);
  return out;
}

char* copyBytes(const char* bytes, short len) {
  if (len <= 0 || bytes == nullptr) return nullptr;
  char* out = new char[static_cast<size_t>(len)];
  std::memcpy(out, bytes, static_cast<size_t>(len));
  return out;
}

// Frees what one node owns, not the node.
void releaseValue(resbuf* rb) {
  switch (vhost::rbValueType(rb->restype)) {
    case RbValueType::kString:
    case RbValueType::kHandle:
      delete[] rb->resval.rstring;
      rb->resval.rstring = nullptr;
      break;
    case RbValueType::kBinary:
      delete[] rb->resval.rbinary.buf;
      rb->resval.rbinary.buf = nullptr;
      rb->resval.rbinary.clen = 0;
      break;
    default:
      break;
  }
}

resbuf* dupNode(const resbuf* src) {
  resbuf* rb = acutNewRb(src->restype);
  rb->resval = src->resval;
  switch (vhost::rbValueType(src->restype)) {
    case RbValueType::kString:
    case RbValueType::kHandle:
      rb->resval.rstring = src->resval.rstring ? copyString(src->resval.rstring) : nullptr;
      break;
    case RbValueType::kBinary: {
      const short len = src->resval.rbinary.buf ? src->resval.rbinary.clen : 0;
      rb->resval.rbinary.clen = len > 0 ? len : 0;
      rb->resval.rbinary.buf = copyBytes(src->resval.rbinary.buf, len);
      break;
    }
    default:
      break;
  }
  return rb;
}

// Reads the value of one code from the argument list into rb. False when the
// code is unknown or the value cannot be taken.
bool readValue(resbuf* rb, int code, va_list& args) {
  switch (vhost::rbValueType(code)) {
    case RbValueType::kString:
    case RbValueType::kHandle:
      rb->resval.rstring = copyString(va_arg(args, const ACHAR*));
      return true;
    case RbValueType::kReal:
      rb->resval.rreal = va_arg(args, double);
      return true;
    case RbValueType::kPoint: {
      const double* p = va_arg(args, const double*);
      if (p == nullptr) return false;
      rb->resval.rpoint[X] = p[X];
      rb->resval.rpoint[Y] = p[Y];
      rb->resval.rpoint[Z] = p[Z];
      return true;
    }
    case RbValueType::kInt16:
    case RbValueType::kBool:
      rb->resval.rint = static_cast<short>(va_arg(args, int));
      return true;
    case RbValueType::kInt32:
      rb->resval.rlong = static_cast<Adesk::Int32>(va_arg(args, int));
      return true;
    case RbValueType::kInt64:
      rb->resval.mnInt64 = va_arg(args, Adesk::Int64);
      return true;
    case RbValueType::kEntityName: {
      const Adesk::Int64* name = va_arg(args, const Adesk::Int64*);
      if (name == nullptr) return false;
      rb->resval.rlname[0] = name[0];
      rb->resval.rlname[1] = name[1];
      return true;
    }
    case RbValueType::kBinary: {
      const ads_binary* bin = va_arg(args, const ads_binary*);
      if (bin == nullptr || bin->clen < 0 || (bin->clen > 0 && bin->buf == nullptr)) return false;
      rb->resval.rbinary.clen = bin->clen;
      rb->resval.rbinary.buf = copyBytes(bin->buf, bin->clen);
      return true;
    }
    case RbValueType::kNone:
      return isValuelessCode(code);
  }
  return false;
}

}  // namespace

resbuf* acutNewRb(int type) {
  resbuf* rb = new resbuf;
  std::memset(rb, 0, sizeof(resbuf));
  rb->restype = static_cast<short>(type);
  return rb;
}

int acutRelRb(resbuf* rb) {
  while (rb != nullptr) {
    resbuf* next = rb->rbnext;
    releaseValue(rb);
    delete rb;
    rb = next;
  }
  return RTNORM;
}

resbuf* acutBuildList(int type, ...) {
  va_list args;
  va_start(args, type);
  resbuf* head = nullptr;
  resbuf* tail = nullptr;
  for (int code = type; code != 0 && code != RTNONE; code = va_arg(args, int)) {
    // Codes beyond short range cannot be stored in a node.
    bool ok = code >= -32768 && code <= 32767;
    resbuf* rb = ok ? acutNewRb(code) : nullptr;
    if (ok && !readValue(rb, code, args)) {
      acutRelRb(rb);
      ok = false;
    }
    if (!ok) {
      va_end(args);
      acutRelRb(head);
      return nullptr;
    }
    if (tail) tail->rbnext = rb;
    else head = rb;
    tail = rb;
  }
  va_end(args);
  return head;
}

resbuf* acutRbDup(const resbuf* rb) {
  resbuf* head = nullptr;
  resbuf* tail = nullptr;
  for (; rb != nullptr; rb = rb->rbnext) {
    resbuf* copy = dupNode(rb);
    if (tail) tail->rbnext = copy;
    else head = copy;
    tail = copy;
  }
  return head;
}

int acutNewString(const ACHAR* pInput, ACHAR*& pOutput) {
  pOutput = pInput ? copyString(pInput) : nullptr;
  return RTNORM;
}

int acutUpdString(const ACHAR* pInput, ACHAR*& pOutput) {
  if (pInput == pOutput) return RTNORM;
  ACHAR* copy = pInput ? copyString(pInput) : nullptr;
  delete[] pOutput;
  pOutput = copy;
  return RTNORM;
}

int acutDelString(ACHAR*& pString) {
  delete[] pString;
  pString = nullptr;
  return RTNORM;
}

namespace vhost {

int rbChainLength(const resbuf* rb) {
  int n = 0;
  for (; rb != nullptr; rb = rb->rbnext) ++n;
  return n;
}

namespace {

bool sameValue(const resbuf* a, const resbuf* b) {
  const ads_u_val& x = a->resval;
  const ads_u_val& y = b->resval;
  switch (rbValueType(a->restype)) {
    case RbValueType::kString:
    case RbValueType::kHandle:
      if (x.rstring == nullptr || y.rstring == nullptr) return x.rstring == y.rstring;
      return std::wcscmp(x.rstring, y.rstring) == 0;
    case RbValueType::kReal:
      return x.rreal == y.rreal;
    case RbValueType::kPoint:
      return x.rpoint[X] == y.rpoint[X] && x.rpoint[Y] == y.rpoint[Y] && x.rpoint[Z] == y.rpoint[Z];
    case RbValueType::kInt16:
    case RbValueType::kBool:
      return x.rint == y.rint;
    case RbValueType::kInt32:
      return x.rlong == y.rlong;
    case RbValueType::kInt64:
      return x.mnInt64 == y.mnInt64;
    case RbValueType::kEntityName:
      return x.rlname[0] == y.rlname[0] && x.rlname[1] == y.rlname[1];
    case RbValueType::kBinary: {
      const short n = x.rbinary.clen;
      if (n != y.rbinary.clen) return false;
      if (n <= 0) return true;
      if (x.rbinary.buf == nullptr || y.rbinary.buf == nullptr) return x.rbinary.buf == y.rbinary.buf;
      return std::memcmp(x.rbinary.buf, y.rbinary.buf, static_cast<size_t>(n)) == 0;
    }
    case RbValueType::kNone:
      return true;
  }
  return true;
}

}  // namespace

bool rbChainEqual(const resbuf* a, const resbuf* b) {
  for (; a != nullptr && b != nullptr; a = a->rbnext, b = b->rbnext) {
    if (a->restype != b->restype || !sameValue(a, b)) return false;
  }
  return a == nullptr && b == nullptr;
}

}  // namespace vhost
