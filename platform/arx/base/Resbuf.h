#pragma once
// Result buffers: the linked, typed value lists of the C-level interface
// (entity data, extended data, xrecord data, selection filters, arguments and
// results of commands and LISP functions).
//
// Memory: a node comes from acutNewRb/acutBuildList/acutRbDup (operator new)
// and is released with acutRelRb, never with free or delete. The text of a
// string or handle node (resval.rstring) is owned by the node and allocated
// with new ACHAR[]; the bytes of a binary node (resval.rbinary.buf) are owned
// and allocated with new char[]. To replace such a value, release the old one
// with delete[] (acutDelString for text) and give the node a new[] copy
// (acutNewString / acutUpdString). Which member is live follows restype:
// see vhost::rbValueType.
#include "arx/base/AdeskTypes.h"
#include "arx/base/AdsTypes.h"
#include "arx/base/RbValueType.h"

struct ads_binary {
  short clen;  // number of bytes in buf
  char* buf;
};

union ads_u_val {
  ads_real rreal;
  ads_real rpoint[3];
  short rint;
  ACHAR* rstring;
  ads_name rlname;
  Adesk::Int32 rlong;
  Adesk::Int64 mnInt64;
  struct ads_binary rbinary;
  unsigned char ihandle[8];
};

struct resbuf {
  struct resbuf* rbnext;
  short restype;
  union ads_u_val resval;
};

// A node of the given type with a zeroed value and no successor.
struct resbuf* acutNewRb(int type);

// Releases the whole chain starting at rb, with the strings and binary chunks
// its nodes own. A null chain is fine. Returns RTNORM.
int acutRelRb(struct resbuf* rb);

// Builds a chain from (type, value) pairs. The list ends with 0 or RTNONE.
// The value read for each type follows the type's value kind:
//   strings and handles   const ACHAR*   (copied; a null pointer gives "")
//   points                const double*  (an ads_point; three values copied)
//   reals                 double
//   16-bit and booleans   int            (stored as short)
//   32-bit                int            (Adesk::Int32)
//   64-bit                Adesk::Int64   (pass a 64-bit value, not an int literal)
//   entity names, ids     const Adesk::Int64* (an ads_name; both words copied)
//   binary (310-319,1004) const ads_binary* (the bytes are copied)
//   RTLB, RTLE, RTDOTE, RTNIL, RTT, RTVOID, -3 and other codes without a value
//                         nothing
// Group code 0 is written RTDXF0 (0 ends the list); the node keeps RTDXF0.
// A code that is neither a known type code nor a code without a value, a null
// point, name or binary pointer, or a negative binary length makes the call
// release what it built and return null.
struct resbuf* acutBuildList(int type, ...);

// Copies a whole chain (every node, strings and binary chunks included).
// A null chain gives null.
struct resbuf* acutRbDup(const struct resbuf* rb);

// String helpers for values held by result buffers (new ACHAR[] / delete[]).
// acutNewString: pOutput := a copy of pInput (null for a null input); RTNORM.
int acutNewString(const ACHAR* pInput, ACHAR*& pOutput);
// acutUpdString: releases pOutput, then copies pInput into it; RTNORM.
int acutUpdString(const ACHAR* pInput, ACHAR*& pOutput);
// acutDelString: releases the string and sets the pointer to null; RTNORM.
int acutDelString(ACHAR*& pString);

namespace vhost {

// Number of nodes in a chain (0 for null).
int rbChainLength(const resbuf* rb);

// True when two chains have the same types and values node by node (strings
// by content, reals and points exactly, binary chunks byte by byte).
bool rbChainEqual(const resbuf* a, const resbuf* b);

}  // namespace vhost
