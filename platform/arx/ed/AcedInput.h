#pragma once
// The host's command-line input functions. Each shows its prompt through the
// current HostUi, parses the line given back and returns:
//   RTNORM   a value (written to the result argument);
//   RTNONE   Enter on an empty answer (not with RSG_NONULL, which re-prompts);
//   RTKWORD  a keyword of the acedInitGet list (or, with RSG_OTHER, any other
//            text): fetch it with acedGetInput;
//   RTCAN    Escape, or the end of the input (the running command then ends
//            as cancelled; see RunCommand.h);
//   RTERROR  bad arguments (a null result pointer).
// An answer that does not fit (not a number, a zero with RSG_NOZERO ...) prints
// the host's complaint ("\nRequires ...") and asks again.
//
// acedInitGet(bits, keywords) sets the controls and keyword list for the next
// input call only (acedGetString ignores both, as the host does). Keyword
// lists: "Yes No Cancel" — the capital letters give the shortest abbreviation
// ("Y" or "YE" or "YES" matches "Yes"); without capitals the whole word is
// needed; "Yes No _ Y N" gives local names before "_" and global names after
// it: acedGetInput returns the global name of the keyword typed, and an
// answer "_Y" (global form) matches the global name directly. Keywords are
// compared without regard to case.
//
// Answers to point prompts: "x,y" or "x,y,z"; "@dx,dy[,dz]" relative to the
// base point (or the last point, LASTPOINT); "@dist<angle" polar (degrees).
// A bare number is refused at point prompts (direct distance entry needs a
// cursor direction, which a line of text does not give). Distances take a number or a point (distance from the base
// point); angles take degrees (the unit of AUNITS 0) or a point (angle of the
// line from the base point).
#include <cstddef>

#include "arx/base/AdsTypes.h"
#include "arx/base/AdeskTypes.h"

// acedInitGet control bits (the host's values).
#define RSG_NONULL 0x0001     // Enter is not a valid answer
#define RSG_NOZERO 0x0002     // zero is not a valid answer
#define RSG_NONEG 0x0004      // negative values are not valid
#define RSG_NOLIM 0x0008      // do not check points against the drawing limits
#define RSG_GETZ 0x0010       // points are 3D (acedGetPoint/acedGetCorner keep Z)
#define RSG_DASH 0x0020       // rubber band / box drawn dashed (no effect here)
#define RSG_2D 0x0040         // distances ignore Z
#define RSG_OTHER 0x0080      // any text is accepted (returned as RTKWORD)
#define RSG_DDISTFIRST 0x0100 // direct distance preferred (no effect here)
#define RSG_TRACKUCS 0x0200   // (no effect here)
#define RSG_NOORTHOZ 0x0400   // (no effect here)
#define RSG_NOOSNAP 0x0800    // no object snap (there is none here)
#define RSG_NODDIST 0x1000    // no direct distance

int acedInitGet(int val, const ACHAR* kwl);

int acedGetPoint(const ads_point pt, const ACHAR* prompt, ads_point result);
int acedGetCorner(const ads_point pt, const ACHAR* prompt, ads_point result);
int acedGetDist(const ads_point pt, const ACHAR* prompt, ads_real* result);
int acedGetAngle(const ads_point pt, const ACHAR* prompt, ads_real* result);
int acedGetOrient(const ads_point pt, const ACHAR* prompt, ads_real* result);
int acedGetReal(const ACHAR* prompt, ads_real* result);
int acedGetInt(const ACHAR* prompt, int* result);
// cronly non-zero: the answer may hold spaces. result receives at most
// bufLen - 1 characters (133 in all for the overload without a length, as the
// host documents its buffer); a longer answer is cut and RTINPUTTRUNCATED is
// returned.
int acedGetString(int cronly, const ACHAR* prompt, ACHAR* result);
int acedGetString(int cronly, const ACHAR* prompt, ACHAR* result, std::size_t bufLen);
// Only keywords (and Enter unless RSG_NONULL): RTNORM with the keyword's
// global name in result. Other text re-prompts ("\nInvalid option keyword.").
int acedGetKword(const ACHAR* prompt, ACHAR* result);
int acedGetKword(const ACHAR* prompt, ACHAR* result, std::size_t bufLen);
// The keyword (or RSG_OTHER text) of the last input call that returned RTKWORD.
// RTERROR when the last call returned anything else.
int acedGetInput(ACHAR* str);
int acedGetInput(ACHAR* str, std::size_t bufLen);

// Prints text on the command line (no formatting).
int acedPrompt(const ACHAR* str);

// acedUsrBrk: 1 when the user asked to break off a long operation (a "break"
// script line, Ctrl-C at a terminal), each break reported once.
int acedUsrBrk();

// Coordinate systems: 0 world, 1 user (UCS), 2 display (DCS), 3 paper space
// display. This host has no user coordinate systems and plan views only, so
// every system is the world system and acedTrans copies the point (a
// displacement when disp is non-zero). from/to as resbufs of RTSHORT codes or
// RTENAME (an entity's system: world for every entity kind here). RTERROR for
// an unknown code.
struct resbuf;
int acedTrans(const ads_point pt, const struct resbuf* from, const struct resbuf* to, int disp, ads_point result);

namespace vhost {
// The last point given at any point prompt (LASTPOINT), world coordinates.
void lastPoint(ads_point out);
void setLastPoint(const ads_point pt);
}  // namespace vhost
