#include "arx/ed/AcedInput.h"

#include <cmath>
#include <cstring>
#include <string>

#include "arx/base/Resbuf.h"
#include "arx/ed/AcedSysVar.h"
#include "arx/ed/EditorState.h"
#include "arx/ed/InputLoop.h"
#include "arx/ed/InputParse.h"

namespace vhost {

void lastPoint(ads_point out) {
  for (int i = 0; i < 3; ++i) out[i] = session().lastPoint[i];
}

void setLastPoint(const ads_point pt) {
  for (int i = 0; i < 3; ++i) session().lastPoint[i] = pt[i];
}

}  // namespace vhost

using vhost::InitGetState;
using vhost::Prompt;
using vhost::PromptKind;
using vhost::RawAnswer;

namespace {

constexpr std::size_t kHostBuffer = 133;  // the host's documented result buffer

Prompt makePrompt(PromptKind kind, const ACHAR* text, const wchar_t* fallback, const InitGetState& ig) {
  Prompt p;
  p.kind = kind;
  p.text = text != nullptr ? text : fallback;
  p.keywords = ig.keywords.source();
  p.controls = ig.bits;
  return p;
}

AcGePoint3d basePointOf(const ads_point pt) {
  if (pt != nullptr) return AcGePoint3d(pt[0], pt[1], pt[2]);
  ads_point last;
  vhost::lastPoint(last);
  return AcGePoint3d(last[0], last[1], last[2]);
}

// Keyword or RSG_OTHER text: RTKWORD with the text for acedGetInput, or 0.
int keywordOrOther(const InitGetState& ig, const std::wstring& text) {
  int k = ig.keywords.match(text);
  if (k >= 0) {
    vhost::setLastInput(ig.keywords.globalName(k));
    return RTKWORD;
  }
  if ((ig.bits & RSG_OTHER) != 0) {
    vhost::setLastInput(text);
    return RTKWORD;
  }
  return 0;
}

// The complaint for a value outside the controls, or empty.
std::wstring rangeComplaint(int bits, double v) {
  bool noZero = (bits & RSG_NOZERO) != 0;
  bool noNeg = (bits & RSG_NONEG) != 0;
  if (noZero && noNeg && v <= 0.0) return L"\nValue must be positive and nonzero.";
  if (noZero && v == 0.0) return L"\nValue must be nonzero.";
  if (noNeg && v < 0.0) return L"\nValue must be positive.";
  return std::wstring();
}

std::wstring withKeywords(const InitGetState& ig, const wchar_t* plain, const wchar_t* keyworded) {
  return ig.keywords.empty() ? plain : keyworded;
}

void copyPoint(const AcGePoint3d& p, ads_point out) {
  out[0] = p.x;
  out[1] = p.y;
  out[2] = p.z;
}

// acedGetPoint and acedGetCorner.
int getPointLike(PromptKind kind, const ads_point pt, const ACHAR* prompt, ads_point result) {
  InitGetState ig = vhost::takeInitGet();
  vhost::clearLastInput();
  if (result == nullptr) return RTERROR;
  Prompt p = makePrompt(kind, prompt, L"", ig);
  AcGePoint3d base = basePointOf(pt);
  for (;;) {
    RawAnswer a = vhost::askRaw(p);
    std::wstring complaint = withKeywords(ig, L"\nInvalid point.", L"\nPoint or option keyword required.");
    switch (a.kind) {
      case RawAnswer::Kind::kCancel:
      case RawAnswer::Kind::kEnd: return RTCAN;
      case RawAnswer::Kind::kEnter:
        if ((ig.bits & RSG_NONULL) != 0) {
          if (vhost::rejectAnswer(a, L"")) return RTCAN;
          continue;
        }
        return RTNONE;
      case RawAnswer::Kind::kPoint: {
        AcGePoint3d q(a.point[0], a.point[1], a.point[2]);
        copyPoint(q, result);
        vhost::setLastPoint(result);
        return RTNORM;
      }
      case RawAnswer::Kind::kText: {
        AcGePoint3d q;
        if (vhost::parsePoint(a.text, base, q)) {
          copyPoint(q, result);
          vhost::setLastPoint(result);
          return RTNORM;
        }
        int k = keywordOrOther(ig, a.text);
        if (k != 0) return k;
        break;
      }
      default: break;
    }
    if (vhost::rejectAnswer(a, complaint)) return RTCAN;
  }
}

// Asks a second point for a distance or an angle typed as a first point.
int secondPoint(const AcGePoint3d& first, AcGePoint3d& second) {
  ads_point from = {first.x, first.y, first.z};
  ads_point got;
  vhost::setLastPoint(from);
  int rc = getPointLike(PromptKind::kPoint, from, L"\nSpecify second point: ", got);
  if (rc == RTNORM) second.set(got[0], got[1], got[2]);
  return rc == RTNORM ? RTNORM : (rc == RTNONE ? RTCAN : rc);
}

double normalizeAngle(double a) {
  double twoPi = 2.0 * M_PI;
  a = std::fmod(a, twoPi);
  if (a < 0.0) a += twoPi;
  if (a >= twoPi) a -= twoPi;
  return a;
}

double angBase() {
  resbuf rb;
  if (acedGetVar(L"ANGBASE", &rb) == RTNORM && rb.restype == RTREAL) return rb.resval.rreal;
  return 0.0;
}

// acedGetAngle (relative to ANGBASE) and acedGetOrient (absolute).
int getAngleLike(PromptKind kind, const ads_point pt, const ACHAR* prompt, ads_real* result) {
  InitGetState ig = vhost::takeInitGet();
  vhost::clearLastInput();
  if (result == nullptr) return RTERROR;
  Prompt p = makePrompt(kind, prompt, L"", ig);
  double base = angBase();
  bool clockwise = vhost::sysVarInt(L"ANGDIR", 0) == 1;
  for (;;) {
    RawAnswer a = vhost::askRaw(p);
    std::wstring complaint =
        withKeywords(ig, L"\nRequires valid numeric angle or second point.",
                     L"\nRequires valid numeric angle, second point, or option keyword.");
    double absolute = 0.0;
    bool have = false;
    switch (a.kind) {
      case RawAnswer::Kind::kCancel:
      case RawAnswer::Kind::kEnd: return RTCAN;
      case RawAnswer::Kind::kEnter:
        if ((ig.bits & RSG_NONULL) != 0) {
          if (vhost::rejectAnswer(a, L"")) return RTCAN;
          continue;
        }
        return RTNONE;
      case RawAnswer::Kind::kNumber: {
        double rad = a.number * M_PI / 180.0;
        absolute = clockwise ? base - rad : base + rad;
        have = true;
        break;
      }
      case RawAnswer::Kind::kPoint:
      case RawAnswer::Kind::kText: {
        double deg = 0.0;
        AcGePoint3d q;
        AcGePoint3d from = basePointOf(pt);
        if (a.kind == RawAnswer::Kind::kText && vhost::parseNumber(a.text, deg)) {
          double rad = deg * M_PI / 180.0;
          absolute = clockwise ? base - rad : base + rad;
          have = true;
        } else if (a.kind == RawAnswer::Kind::kPoint ||
                   vhost::parsePoint(a.text, from, q)) {
          if (a.kind == RawAnswer::Kind::kPoint) q.set(a.point[0], a.point[1], a.point[2]);
          if (pt == nullptr) {
            AcGePoint3d second;
            int rc = secondPoint(q, second);
            if (rc != RTNORM) return rc;
            from = q;
            q = second;
          }
          absolute = std::atan2(q.y - from.y, q.x - from.x);
          have = true;
        } else if (a.kind == RawAnswer::Kind::kText) {
          int k = keywordOrOther(ig, a.text);
          if (k != 0) return k;
        }
        break;
      }
      default: break;
    }
    if (have) {
      double value = kind == PromptKind::kAngle ? normalizeAngle(absolute - base) : normalizeAngle(absolute);
      std::wstring range = rangeComplaint(ig.bits & RSG_NOZERO, value);
      if (range.empty()) {
        *result = value;
        return RTNORM;
      }
      complaint = range;
    }
    if (vhost::rejectAnswer(a, complaint)) return RTCAN;
  }
}

std::size_t copyOut(const std::wstring& text, ACHAR* out, std::size_t bufLen, bool& truncated) {
  truncated = false;
  if (bufLen == 0) return 0;
  std::size_t n = text.size();
  if (n > bufLen - 1) {
    n = bufLen - 1;
    truncated = true;
  }
  std::wmemcpy(out, text.data(), n);
  out[n] = 0;
  return n;
}

std::wstring answerText(const RawAnswer& a) {
  switch (a.kind) {
    case RawAnswer::Kind::kText: return a.text;
    case RawAnswer::Kind::kPoint: return vhost::formatPoint(a.point);
    case RawAnswer::Kind::kNumber: return vhost::formatNumber(a.number);
    default: return std::wstring();
  }
}

// What a numeric prompt made of one answer.
enum class NumberRead { kNone, kValue, kReturn };

// The prompt loop the numeric inputs share: Escape (or the end of a script)
// cancels; Enter gives RTNONE unless RSG_NONULL refuses it; read turns an
// answer into a number (kValue), gives up with a result code of its own
// (kReturn, rc), or finds none (kNone), when a text answer is tried as a
// keyword. check gives the complaint about a number that does not fit (empty:
// accepted). Every other answer gets the complaint and the prompt again.
template <class Read, class Check>
int numericPrompt(const Prompt& p, const InitGetState& ig, const std::wstring& complaint, Read&& read,
                  Check&& check, double& accepted) {
  for (;;) {
    RawAnswer a = vhost::askRaw(p);
    switch (a.kind) {
      case RawAnswer::Kind::kCancel:
      case RawAnswer::Kind::kEnd: return RTCAN;
      case RawAnswer::Kind::kEnter:
        if ((ig.bits & RSG_NONULL) != 0) {
          if (vhost::rejectAnswer(a, L"")) return RTCAN;
          continue;
        }
        return RTNONE;
      default: break;
    }
    double value = 0.0;
    int rc = RTNORM;
    std::wstring why = complaint;
    NumberRead got = read(a, value, rc);
    if (got == NumberRead::kReturn) return rc;
    if (got == NumberRead::kValue) {
      why = check(value);
      if (why.empty()) {
        accepted = value;
        return RTNORM;
      }
    } else if (a.kind == RawAnswer::Kind::kText) {
      int k = keywordOrOther(ig, a.text);
      if (k != 0) return k;
    }
    if (vhost::rejectAnswer(a, why)) return RTCAN;
  }
}

// A number typed or given as a number.
NumberRead plainNumber(const RawAnswer& a, double& value) {
  if (a.kind == RawAnswer::Kind::kNumber) {
    value = a.number;
    return NumberRead::kValue;
  }
  if (a.kind == RawAnswer::Kind::kText && vhost::parseNumber(a.text, value)) return NumberRead::kValue;
  return NumberRead::kNone;
}

}  // namespace

int acedInitGet(int val, const ACHAR* kwl) {
  vhost::session().initBits = val;
  vhost::session().initKeywords = kwl != nullptr ? kwl : L"";
  return RTNORM;
}

int acedGetPoint(const ads_point pt, const ACHAR* prompt, ads_point result) {
  return getPointLike(PromptKind::kPoint, pt, prompt, result);
}

int acedGetCorner(const ads_point pt, const ACHAR* prompt, ads_point result) {
  if (pt == nullptr) {
    vhost::takeInitGet();
    return RTERROR;
  }
  return getPointLike(PromptKind::kCorner, pt, prompt, result);
}

int acedGetDist(const ads_point pt, const ACHAR* prompt, ads_real* result) {
  InitGetState ig = vhost::takeInitGet();
  vhost::clearLastInput();
  if (result == nullptr) return RTERROR;
  Prompt p = makePrompt(PromptKind::kDistance, prompt, L"", ig);
  bool flat = (ig.bits & RSG_2D) != 0;
  // A number, or a point: the distance from the base point (or from it to a
  // second point asked for when there is no base point).
  auto read = [&](const RawAnswer& a, double& value, int& rc) {
    NumberRead got = plainNumber(a, value);
    if (got != NumberRead::kNone) return got;
    AcGePoint3d q;
    AcGePoint3d from = basePointOf(pt);
    if (a.kind == RawAnswer::Kind::kPoint)
      q.set(a.point[0], a.point[1], a.point[2]);
    else if (a.kind != RawAnswer::Kind::kText || !vhost::parsePoint(a.text, from, q))
      return NumberRead::kNone;
    if (pt == nullptr) {
      AcGePoint3d second;
      rc = secondPoint(q, second);
      if (rc != RTNORM) return NumberRead::kReturn;
      from = q;
      q = second;
    }
    double dz = flat ? 0.0 : q.z - from.z;
    value = std::sqrt((q.x - from.x) * (q.x - from.x) + (q.y - from.y) * (q.y - from.y) + dz * dz);
    return NumberRead::kValue;
  };
  auto check = [&](double value) { return rangeComplaint(ig.bits, value); };
  return numericPrompt(p, ig,
                       withKeywords(ig, L"\nRequires numeric distance or two points.",
                                    L"\nRequires numeric distance, two points, or option keyword."),
                       read, check, *result);
}


int acedGetAngle(const ads_point pt, const ACHAR* prompt, ads_real* result) {
  return getAngleLike(PromptKind::kAngle, pt, prompt, result);
}

int acedGetOrient(const ads_point pt, const ACHAR* prompt, ads_real* result) {
  return getAngleLike(PromptKind::kOrient, pt, prompt, result);
}

int acedGetReal(const ACHAR* prompt, ads_real* result) {
  InitGetState ig = vhost::takeInitGet();
  vhost::clearLastInput();
  if (result == nullptr) return RTERROR;
  Prompt p = makePrompt(PromptKind::kReal, prompt, L"", ig);
  auto read = [](const RawAnswer& a, double& value, int&) { return plainNumber(a, value); };
  auto check = [&](double value) { return rangeComplaint(ig.bits, value); };
  return numericPrompt(p, ig,
                       withKeywords(ig, L"\nRequires numeric value.", L"\nRequires numeric value or option keyword."),
                       read, check, *result);
}


int acedGetInt(const ACHAR* prompt, int* result) {
  InitGetState ig = vhost::takeInitGet();
  vhost::clearLastInput();
  if (result == nullptr) return RTERROR;
  Prompt p = makePrompt(PromptKind::kInteger, prompt, L"", ig);
  const std::wstring complaint =
      withKeywords(ig, L"\nRequires an integer value.", L"\nRequires an integer value or option keyword.");
  auto read = [](const RawAnswer& a, double& value, int&) { return plainNumber(a, value); };
  auto check = [&](double value) -> std::wstring {
    if (value != std::floor(value)) return complaint;
    if (value < -32768.0 || value > 32767.0) return L"\nRequires an integer between -32768 and 32767.";
    return rangeComplaint(ig.bits, value);
  };
  double value = 0.0;
  int rc = numericPrompt(p, ig, complaint, read, check, value);
  if (rc == RTNORM) *result = static_cast<int>(value);
  return rc;
}


int acedGetString(int cronly, const ACHAR* prompt, ACHAR* result, std::size_t bufLen) {
  vhost::takeInitGet();
  vhost::clearLastInput();
  if (result == nullptr || bufLen == 0) return RTERROR;
  Prompt p;
  p.kind = PromptKind::kString;
  p.text = prompt != nullptr ? prompt : L"";
  p.allowSpaces = cronly != 0;
  RawAnswer a = vhost::askRaw(p);
  std::wstring text;
  switch (a.kind) {
    case RawAnswer::Kind::kCancel:
    case RawAnswer::Kind::kEnd:
      result[0] = 0;
      return RTCAN;
    case RawAnswer::Kind::kEnter: text.clear(); break;
    case RawAnswer::Kind::kName:
      result[0] = 0;
      vhost::rejectAnswer(a, L"\nRequires a text answer.");
      return RTCAN;
    default: text = answerText(a); break;
  }
  if (cronly == 0) {
    std::size_t blank = text.find_first_of(L" \t");
    if (blank != std::wstring::npos) text.erase(blank);
  }
  bool truncated = false;
  copyOut(text, result, bufLen, truncated);
  return truncated ? RTINPUTTRUNCATED : RTNORM;
}

int acedGetString(int cronly, const ACHAR* prompt, ACHAR* result) {
  int rc = acedGetString(cronly, prompt, result, kHostBuffer);
  return rc == RTINPUTTRUNCATED ? RTNORM : rc;
}

int acedGetKword(const ACHAR* prompt, ACHAR* result, std::size_t bufLen) {
  InitGetState ig = vhost::takeInitGet();
  vhost::clearLastInput();
  if (result == nullptr || bufLen == 0) return RTERROR;
  result[0] = 0;
  Prompt p = makePrompt(PromptKind::kKeyword, prompt, L"", ig);
  for (;;) {
    RawAnswer a = vhost::askRaw(p);
    switch (a.kind) {
      case RawAnswer::Kind::kCancel:
      case RawAnswer::Kind::kEnd: return RTCAN;
      case RawAnswer::Kind::kEnter:
        if ((ig.bits & RSG_NONULL) != 0) {
          if (vhost::rejectAnswer(a, L"")) return RTCAN;
          continue;
        }
        return RTNONE;
      case RawAnswer::Kind::kName: break;
      default: {
        std::wstring text = answerText(a);
        int k = ig.keywords.match(text);
        std::wstring out;
        if (k >= 0) {
          out = ig.keywords.globalName(k);
        } else if ((ig.bits & RSG_OTHER) != 0) {
          out = text;
        } else {
          break;
        }
        vhost::setLastInput(out);
        bool truncated = false;
        copyOut(out, result, bufLen, truncated);
        return truncated ? RTINPUTTRUNCATED : RTNORM;
      }
    }
    if (vhost::rejectAnswer(a, L"\nInvalid option keyword.")) return RTCAN;
  }
}

int acedGetKword(const ACHAR* prompt, ACHAR* result) {
  int rc = acedGetKword(prompt, result, kHostBuffer);
  return rc == RTINPUTTRUNCATED ? RTNORM : rc;
}

int acedGetInput(ACHAR* str, std::size_t bufLen) {
  if (str == nullptr || bufLen == 0) return RTERROR;
  if (!vhost::session().lastInputValid) {
    str[0] = 0;
    return RTERROR;
  }
  bool truncated = false;
  copyOut(vhost::session().lastInput, str, bufLen, truncated);
  return truncated ? RTINPUTTRUNCATED : RTNORM;
}

int acedGetInput(ACHAR* str) {
  int rc = acedGetInput(str, kHostBuffer);
  return rc == RTINPUTTRUNCATED ? RTNORM : rc;
}

int acedPrompt(const ACHAR* str) {
  if (str == nullptr) return RTERROR;
  vhost::currentHostUi()->print(str);
  return RTNORM;
}

int acedUsrBrk() { return vhost::currentHostUi()->pollUserBreak() ? 1 : 0; }

int acedTrans(const ads_point pt, const struct resbuf* from, const struct resbuf* to, int disp, ads_point result) {
  (void)disp;
  if (pt == nullptr || from == nullptr || to == nullptr || result == nullptr) return RTERROR;
  auto valid = [](const resbuf* rb) {
    if (rb->restype == RTENAME) return true;
    if (rb->restype == RTSHORT) return rb->resval.rint >= 0 && rb->resval.rint <= 3;
    if (rb->restype == RT3DPOINT) return true;  // an extrusion direction: only the world's Z is known
    return false;
  };
  if (!valid(from) || !valid(to)) return RTERROR;
  auto isWorldNormal = [](const resbuf* rb) {
    return rb->restype != RT3DPOINT ||
           (rb->resval.rpoint[0] == 0.0 && rb->resval.rpoint[1] == 0.0 && rb->resval.rpoint[2] > 0.0);
  };
  if (!isWorldNormal(from) || !isWorldNormal(to)) return RTERROR;
  double copy[3] = {pt[0], pt[1], pt[2]};
  for (int i = 0; i < 3; ++i) result[i] = copy[i];
  return RTNORM;
}
