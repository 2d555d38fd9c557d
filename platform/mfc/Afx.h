#pragma once
// Everything the MFC layer offers, in one include.
#include "mfc/WinTypes.h"
#include "mfc/CObject.h"
#include "mfc/CException.h"
#include "mfc/CString.h"
#include "mfc/CArray.h"
#include "mfc/CStringArray.h"
