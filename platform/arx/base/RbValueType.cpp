#include "arx/base/RbValueType.h"

#include "arx/base/AdsTypes.h"

namespace vhost {
namespace {

bool in(int code, int lo, int hi) { return code >= lo && code <= hi; }

RbValueType groupCodeValueType(int code) {
  using T = RbValueType;
  if (code < 0) {
    switch (code) {
      case -1:  // entity name
      case -2:  // entity name reference
      case -5:  // persistent reactor chain
        return T::kEntityName;
      case -4:  // conditional operator of a selection filter
        return T::kString;
      default:  // -3 is the xdata sentinel and carries nothing
        return T::kNone;
    }
  }
  if (code == 5) return T::kHandle;
  if (in(code, 0, 9)) return T::kString;
  if (in(code, 10, 39)) return T::kPoint;
  if (in(code, 40, 59)) return T::kReal;
  if (in(code, 60, 79)) return T::kInt16;
  if (in(code, 90, 99)) return T::kInt32;
  if (in(code, 100, 102)) return T::kString;
  if (code == 105) return T::kHandle;
  if (in(code, 110, 139)) return T::kPoint;
  if (in(code, 140, 149)) return T::kReal;
  if (in(code, 160, 169)) return T::kInt64;
  if (in(code, 170, 179)) return T::kInt16;
  if (in(code, 210, 239)) return T::kPoint;
  if (in(code, 270, 289)) return T::kInt16;
  if (in(code, 290, 299)) return T::kBool;
  if (in(code, 300, 309)) return T::kString;
  if (in(code, 310, 319)) return T::kBinary;
  if (in(code, 320, 329)) return T::kHandle;
  if (in(code, 330, 369)) return T::kEntityName;
  if (in(code, 370, 389)) return T::kInt16;
  if (in(code, 390, 399)) return T::kEntityName;
  if (in(code, 400, 409)) return T::kInt16;
  if (in(code, 410, 419)) return T::kString;
  if (in(code, 420, 429)) return T::kInt32;
  if (in(code, 430, 439)) return T::kString;
  if (in(code, 440, 459)) return T::kInt32;
  if (in(code, 460, 469)) return T::kReal;
  if (in(code, 470, 479)) return T::kString;
  if (in(code, 480, 481)) return T::kEntityName;
  if (code == 999) return T::kString;
  if (code == 1004) return T::kBinary;
  if (code == 1005) return T::kHandle;
  if (in(code, 1000, 1009)) return T::kString;
  if (in(code, 1010, 1039)) return T::kPoint;
  if (in(code, 1040, 1042)) return T::kReal;
  if (in(code, 1060, 1070)) return T::kInt16;
  if (code == 1071) return T::kInt32;
  return T::kNone;
}

RbValueType resultCodeValueType(int code) {
  using T = RbValueType;
  switch (code) {
    case RTSTR:
    case RTDXF0:  // stands for group code 0 where 0 would end a list
      return T::kString;
    case RTREAL:
    case RTANG:
    case RTORINT:
      return T::kReal;
    case RTPOINT:
    case RT3DPOINT:
      return T::kPoint;
    case RTSHORT:
      return T::kInt16;
    case RTLONG:
      return T::kInt32;
    case RTINT64:
    case RTLONG_PTR:
      return T::kInt64;
    case RTENAME:
    case RTPICKS:
      return T::kEntityName;
    default:  // RTNONE, RTLB, RTLE, RTDOTE, RTNIL, RTT, RTVOID, RTRESBUF ...
      return T::kNone;
  }
}

}  // namespace

RbValueType rbValueType(int code) {
  if (code >= RTNONE && code <= RTINT64) return resultCodeValueType(code);
  return groupCodeValueType(code);
}

bool rbHoldsString(int code) {
  const RbValueType t = rbValueType(code);
  return t == RbValueType::kString || t == RbValueType::kHandle;
}

}  // namespace vhost

int acdbGroupCodeToType(int code) {
  using namespace vhost;
  if (code < -5 || code > 1071) return kDwgNotRecognized;
  if (in(code, 280, 299)) return kDwgInt8;
  if (in(code, 330, 339)) return kDwgSoftPointerId;
  if (in(code, 340, 349) || in(code, 390, 399) || in(code, 480, 481)) return kDwgHardPointerId;
  if (in(code, 350, 359)) return kDwgSoftOwnershipId;
  if (in(code, 360, 369)) return kDwgHardOwnershipId;
  switch (rbValueType(code)) {
    case RbValueType::kString: return kDwgText;
    case RbValueType::kReal: return kDwgReal;
    case RbValueType::kPoint: return kDwg3Real;
    case RbValueType::kInt16: return kDwgInt16;
    case RbValueType::kInt32: return kDwgInt32;
    case RbValueType::kInt64: return kDwgInt64;
    case RbValueType::kBool: return kDwgInt8;
    case RbValueType::kEntityName: return kDwgSoftPointerId;  // -1, -2, -5
    case RbValueType::kHandle: return kDwgHandle;
    case RbValueType::kBinary: return kDwgBChunk;
    case RbValueType::kNone: break;
  }
  return code == -3 ? kDwgNull : kDwgNotRecognized;
}
