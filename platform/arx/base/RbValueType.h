#pragma once
// What kind of value a result-buffer type code carries: DXF group codes,
// the negative application codes and the RT codes of the C-level interface.
//
// The kind decides which member of a resbuf's value union is live, which
// argument acutBuildList reads for the code, and what acutRelRb frees.

namespace vhost {

enum class RbValueType {
  kNone,        // no value (list brackets, RTNIL/RTT, the xdata sentinel, unknown codes)
  kString,      // resval.rstring, owned, allocated with new ACHAR[]
  kReal,        // resval.rreal
  kPoint,       // resval.rpoint
  kInt16,       // resval.rint
  kInt32,       // resval.rlong
  kInt64,       // resval.mnInt64
  kBool,        // resval.rint, 0 or 1 (group codes 290-299)
  kEntityName,  // resval.rlname (entity names and object ids)
  kHandle,      // resval.rstring holding a handle in hex text (5, 105, 320-329, 1005)
  kBinary       // resval.rbinary, buf owned, allocated with new char[]
};

// The value kind of a code. Codes without a value, and codes that mean
// nothing, give kNone.
RbValueType rbValueType(int code);

// True when the code's value lives in resval.rstring (kString and kHandle).
bool rbHoldsString(int code);

// The storage type of a group code in a drawing, numbered as the host's
// drawing data types (AcDb::DwgDataType) are.
enum DwgDataTypeValue : int {
  kDwgNull = 0,
  kDwgReal = 1,
  kDwgInt32 = 2,
  kDwgInt16 = 3,
  kDwgInt8 = 4,
  kDwgText = 5,
  kDwgBChunk = 6,
  kDwgHandle = 7,
  kDwgHardOwnershipId = 8,
  kDwgSoftOwnershipId = 9,
  kDwgHardPointerId = 10,
  kDwgSoftPointerId = 11,
  kDwg3Real = 12,
  kDwgInt64 = 13,
  kDwgNotRecognized = 19
};

}  // namespace vhost

// The drawing data type of a DXF group code (a vhost::DwgDataTypeValue).
// Object-id codes tell the kind of reference apart (330 soft pointer, 340 hard
// pointer, 350 soft owner, 360 hard owner); 280-299 are stored as 8-bit values.
// Codes that are not DXF group codes give kDwgNotRecognized.
int acdbGroupCodeToType(int code);
