#pragma once
// LISP symbols of the current document: values set with acedPutSym (or its
// alias acedSetSym) and read with acedGetSym. Symbols belong to the working
// database's document and go away with it (vhost::forgetViewState); names are
// compared without regard to case, as LISP symbols are.
//
// acedGetSym gives a new chain for the caller to free with acutRelRb: a copy
// of the value, or one RTNIL node for a symbol that is not set. acedPutSym
// copies the chain; a null value or a lone RTNIL node unsets the symbol.
// RTERROR for a null or empty name, a name with blanks or parentheses, or no
// working database.
#include "arx/base/Resbuf.h"

int acedGetSym(const ACHAR* sname, struct resbuf** value);
int acedGetSym(const ACHAR* sname, struct resbuf*& value);
int acedPutSym(const ACHAR* sname, const struct resbuf* value);
int acedSetSym(const ACHAR* sname, const struct resbuf* value);
