#pragma once
// Named-object dictionary helpers of the module: sub-dictionaries and
// xrecords opened by name and created when missing, and the first values of
// an entity's extension-dictionary records.
//
// Results: 1 for success, 0 for failure. Drawing failures are reported
// through vesk::PrintErrorMsg and give 0.
#include "arx/base/Resbuf.h"
#include "arx/db/AcDbObjectId.h"
#include "mfc/CStringArray.h"

class AcDbDatabase;

namespace VeskCad {

// id := the sub-dictionary name of db's named-object dictionary, an empty
// dictionary being created under that key when it is missing. 0 for a null
// db, an empty name, or an entry of that key that is not a dictionary.
int AddNamedObjDict(const wchar_t* name, AcDbObjectId& id, AcDbDatabase* db);

// The same under the dictionary parent.
int AddNamedObjDictChild(AcDbObjectId parent, const wchar_t* name, AcDbObjectId& id);

// The xrecord name of the dictionary dict, created when missing, gets a copy
// of the chain as its data. 0 for a null chain, a chain the xrecord refuses
// (nothing is created then), or an entry of that key that is not an xrecord.
int AddNamedObjDictXrec(AcDbObjectId dict, const wchar_t* name, resbuf*& data);

// The previous on db's named-object dictionary.
int AddNamedObjDictXrec(const wchar_t* name, resbuf*& data, AcDbDatabase* db);

// For each entry of the entity's extension dictionary, in order: its key is
// appended to keys and, when the entry is an xrecord, the first value of its
// data to values as text ("%d" for group 90, "%.3f" for group 40, the text
// for group 1, empty for any other group or no data). 0 when the entity has
// no extension dictionary, and when the two arrays end with different
// lengths (an entry that is not an xrecord adds a key without a value).
int GetNameObjDictXrecData(AcDbObjectId entity, CStringArray& keys, CStringArray& values);

}  // namespace VeskCad
