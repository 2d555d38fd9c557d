#pragma once
// Text that the module puts into its own statements: a quote in a name must
// neither break the statement nor change what it does.
#include "mfc/CString.h"

namespace veskdata {

// The text with every ' doubled (and NUL characters dropped), ready to stand
// between the quotes of a statement: "where item = '%s'".
CString SqlEscape(const CString& text);

// The text as a complete constant: 'text', quotes doubled.
CString SqlQuote(const CString& text);

}  // namespace veskdata
