#pragma once
// The XML file that overrides the table of free parameters ("其他"): when
// "参数设置.xml" lies in the folder of the standards database, every
// parameter is read from and written to it instead of the table. Parameter
// `item` is the leaf "ParamSet.Base.<item>" with the texts
//   v1 value text, v2 type text ("int", "float", "double", "real" for a
//   number; anything else a text), v3 owner group.
//
// An item holding '.' cannot be addressed by such a path and is refused.
#include "mfc/CString.h"
#include "veskbase/StyleParams.h"

namespace VeskDB {

// "参数设置.xml" in the folder of the standards database file.
CString OtherParamXmlPath(const CString& standardsDbPath);

// kOtherParamNumber for the number type texts (without regard to case),
// kOtherParamText for anything else.
int OtherParamTypeFromText(const CString& typeText);
// "int" for kOtherParamNumber, "string" for anything else.
CString OtherParamTypeText(int type);

// Reads the parameter from the XML at xmlPath. Found: ValueText, Type from
// the type text, OwnerGroup 1. Not found: a leaf for it is added with the
// record's value, type text and owner group, and the record is left as it
// is. 1 in both cases; 0 when the file cannot be read or the item cannot be
// addressed (error says why).
int ReadOtherParamXml(const CString& xmlPath, const wchar_t* item, vesk::OTHERPARAM& param, CString& error);

// Writes the record's value and type text to the parameter's leaf (created
// when missing); an owner group already stored is kept, otherwise the
// record's is written. 0 with the reason in error on failure.
int WriteOtherParamXml(const CString& xmlPath, const wchar_t* item, const vesk::OTHERPARAM& param, CString& error);

}  // namespace VeskDB
