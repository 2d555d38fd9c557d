#pragma once
// Reading typed answers (platform-internal): numbers, points, handles.
#include <string>
#include <vector>

#include "arx/db/AcDbObjectId.h"
#include "arx/ge/AcGePoint3d.h"

class AcDbDatabase;

namespace vhost {

// A whole-text number ("12", "-3.5", "1e3", ".5"); false for anything else.
bool parseNumber(const std::wstring& text, double& value);
// "x,y", "x,y,z", "dist<angle" (degrees), "@dx,dy[,dz]", "@dist<angle", "@":
// relative forms are taken from base. False for anything else.
bool parsePoint(const std::wstring& text, const AcGePoint3d& base, AcGePoint3d& point);
// "#1F" (hex handle): the id of that object in db, or null (false) when the
// text is no handle or the database has no live object with it.
bool parseHandleRef(const std::wstring& text, AcDbDatabase* db, AcDbObjectId& id);
bool looksLikeHandleRef(const std::wstring& text);
// Splits at blanks.
std::vector<std::wstring> splitWords(const std::wstring& text);
// Text forms for echoes and messages.
std::wstring formatNumber(double v);
std::wstring formatPoint(const double p[3]);

}  // namespace vhost
