#pragma once
// Records kept in the drawing's named-object dictionary: an xrecord under a
// key of a sub-dictionary (dictionary "FVRLINK", key "FVRLINK_SAVEFILEPATH";
// dictionary "ZEMIRCUSTOM", key a standard item ...).
//
// Both calls work on the database given, or on the working database when none
// is given. Results: 1 for success, 0 for failure; no call throws.
#include "arx/base/Resbuf.h"

class AcDbDatabase;

namespace vesk {
namespace dat {

// Stores a copy of data as the xrecord under key in the sub-dictionary
// dictName of the named-object dictionary. The sub-dictionary is created when
// it is missing; an xrecord already under the key gets the new data in place.
// Refused (0, nothing changed): empty names, a null or invalid chain, a
// dictName entry that is not a dictionary, a key entry that is not an xrecord.
int AddNamedObjDict(const wchar_t* dictName, const wchar_t* key, const resbuf* data, AcDbDatabase* db = nullptr);

// data := a copy of the chain of the xrecord under key in the sub-dictionary
// dictName (the caller frees it with acutRelRb; null for an empty xrecord).
// 0, with data null, when the dictionary, the key or the xrecord is missing.
// Reading creates nothing.
int ReadNamedObjDict(const wchar_t* dictName, const wchar_t* key, resbuf*& data, AcDbDatabase* db = nullptr);

}  // namespace dat
}  // namespace vesk
