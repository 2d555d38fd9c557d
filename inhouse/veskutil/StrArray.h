#pragma once
// Splitting a text into a string array, joining it back, and searching it.
#include "mfc/CString.h"
#include "mfc/CStringArray.h"

namespace veskutil {

// Splits text at every occurrence of separator (a whole text, not a set of
// characters) into parts, which is emptied first. An empty text gives no
// parts; otherwise the pieces between separators are kept in order, empty
// ones included ("a;;b" gives "a", "", "b"; "a;" gives "a", ""), unless
// skipEmpty is set. An empty separator gives the whole text as one part.
// Returns the number of parts.
int Str2StrArr(const CString& text, const CString& separator, CStringArray& parts, bool skipEmpty = false);

// Joins the parts with separator between them (none before the first or
// after the last).
CString StrArr2Str(const CStringArray& parts, const CString& separator);

// Index of the first element equal to text at or after start (compared
// letter for letter, or without regard to case when ignoreCase is set);
// -1 when there is none.
int StrArrFindStr(const CStringArray& items, const CString& text, bool ignoreCase = false, int start = 0);

}  // namespace veskutil
