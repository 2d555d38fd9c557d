#pragma once
// Helpers the database's own classes share when they file themselves as DXF:
// the handle group of a record, the name of a symbol table in the TABLES
// section, flag bits a class reads but does not model, and the range checks
// of values read.
#include <string>

#include "arx/base/Resbuf.h"
#include "arx/db/AcDbDxfFiler.h"

class AcDbObject;
class AcDbSymbolTable;

namespace vhost {

// The group code of the object's handle in a drawing file: 105 for
// dimension style records, 5 for every other object.
int dxfHandleCode(const AcDbObject* obj);

// The name a symbol table has after "0 TABLE / 2": LAYER, LTYPE, STYLE,
// APPID, DIMSTYLE, BLOCK_RECORD ... (the table class's DXF name without
// "_TABLE"; the block table's records are BLOCK_RECORD).
std::wstring dxfTableName(const AcDbSymbolTable* table);

// Bits of a flags group (70 ...) that the class reads but does not model.
// They are kept with the object's other kept groups, under the subclass,
// so that writing can put them back into the same group.
int dxfKeptBits(const AcDbObject* obj, const ACHAR* subclass, int code);
void dxfKeepBits(AcDbObject* obj, const ACHAR* subclass, int code, int bits);

// Whether the object keeps a group of that code for the subclass.
bool dxfKeptHas(const AcDbObject* obj, const ACHAR* subclass, int code);

// Range checks of values read: each records a message naming the group and
// returns the status to return (eOk when the value is fine).
Acad::ErrorStatus dxfCheckFinite(AcDbDxfFiler* filer, const resbuf& rb, const ACHAR* what);
Acad::ErrorStatus dxfCheckNonNegative(AcDbDxfFiler* filer, const resbuf& rb, const ACHAR* what);
Acad::ErrorStatus dxfCheckPositive(AcDbDxfFiler* filer, const resbuf& rb, const ACHAR* what);
Acad::ErrorStatus dxfCheckRange(AcDbDxfFiler* filer, const resbuf& rb, long lo, long hi, const ACHAR* what);

// The integer of a group, whichever integer slot its code uses.
long dxfInt(const resbuf& rb);

}  // namespace vhost
