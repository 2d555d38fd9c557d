#pragma once
// System variables: acedGetVar / acedSetVar.
//
// Names are compared without regard to case. Each variable has a type: RTSHORT
// (16-bit), RTLONG, RTREAL, RTSTR, RTPOINT (2D) or RT3DPOINT. acedGetVar fills
// the caller's resbuf (for RTSTR with a new[] string the caller frees with
// acutDelString / delete[], as with the host). acedSetVar accepts the
// variable's type, and also RTSHORT/RTLONG for a real, RTSHORT for an RTLONG,
// RTPOINT for a 3D point (Z 0) and RT3DPOINT for a 2D point (Z dropped); any
// other type → RTERROR. Unknown names and read-only variables → RTERROR (with
// ERRNO set). Values outside a variable's range → RTERROR.
//
// Where the value lives:
//   the working database's header (CLAYER, CECOLOR, CELTYPE, TEXTSTYLE,
//     LTSCALE, CELTSCALE, TEXTSIZE, THICKNESS, ELEVATION, INSUNITS, LUNITS,
//     LUPREC, PDMODE, PDSIZE, MEASUREMENT, TILEMODE, DBMOD (read-only), EXTMIN,
//     EXTMAX (read-only)); setting one changes the database and its DBMOD;
//   per database, kept by the editor (DIMSCALE, ORTHOMODE, SNAPMODE, GRIDMODE,
//     LIMMIN, LIMMAX, AUNITS, AUPREC, ANGBASE, ANGDIR, USERI1-5, USERR1-5,
//     USERS1-5 (USERS* per session as in the host), CTAB, CVPORT, and the view:
//     VIEWCTR, VIEWSIZE (read-only: change them with ZOOM/PAN));
//   per session (CMDECHO, OSMODE, PICKBOX, PICKSTYLE, PICKFIRST, HIGHLIGHT,
//     FILEDIA, CMDDIA, ATTREQ, ATTDIA, EXPERT, NOMUTT, SCREENSIZE (read-only),
//     LASTPOINT, ERRNO);
//   computed, read-only (CMDACTIVE, CMDNAMES, DWGNAME, DWGPREFIX, ACADVER,
//     UCSORG, UCSXDIR, UCSYDIR, WORLDUCS, PLATFORM).
// Without a working database the database variables give RTERROR.
#include <string>
#include <vector>

#include "arx/base/Resbuf.h"

int acedGetVar(const ACHAR* sym, struct resbuf* result);
int acedSetVar(const ACHAR* sym, const struct resbuf* val);

namespace vhost {
// Every known variable name (upper case, sorted).
std::vector<std::wstring> sysVarNames();
// ERRNO: the host's error number of the last failing call.
void setErrno(int value);
int getErrno();
// Convenience for platform code: an integer variable (RTSHORT/RTLONG) or the
// fallback when it cannot be read.
int sysVarInt(const wchar_t* name, int fallback);
}  // namespace vhost
