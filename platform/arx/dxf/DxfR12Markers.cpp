#include "arx/dxf/DxfR12Markers.h"

#include <algorithm>
#include <initializer_list>

namespace vhost {

namespace {

bool among(int code, std::initializer_list<int> codes) {
  return std::find(codes.begin(), codes.end(), code) != codes.end();
}
bool among(int code, const std::vector<int>& codes) {
  return std::find(codes.begin(), codes.end(), code) != codes.end();
}

// Coordinates count with their point: 10/20/30 go where 10 goes.
int baseCode(int code) {
  if (code >= 20 && code <= 38 && code != 38) return code - ((code - 10) / 10) * 10;
  if (code >= 220 && code <= 239) return 210;
  return code;
}

bool isObjectPart(int code) { return code == 5 || code == 105 || code == 102 || code == 330 || code == 360; }
bool isEntityPart(int code) { return among(code, {8, 6, 62, 67, 48, 60, 370, 420, 430, 440}); }

DxfInGroup marker(const char* name, std::uint32_t line) { return DxfInGroup{100, line, std::string_view(name)}; }

struct Split {
  const char* first;
  const char* second;                 // null: one subclass
  std::vector<int> secondCodes;  // base codes that go behind the second marker
};

}  // namespace

void dxfInsertR12Markers(const std::wstring& name, bool is3d, std::vector<DxfInGroup>& groups, bool entity) {
  for (const DxfInGroup& g : groups)
    if (g.code == 100) return;
  const std::uint32_t line = groups.empty() ? 0 : groups.front().line;
  std::vector<DxfInGroup> object, common, first, second;
  for (const DxfInGroup& g : groups) (isObjectPart(g.code) ? object : first).push_back(g);

  // Table headers and records.
  const char* record = nullptr;
  if (name == L"LAYER") record = "AcDbLayerTableRecord";
  else if (name == L"LTYPE") record = "AcDbLinetypeTableRecord";
  else if (name == L"STYLE") record = "AcDbTextStyleTableRecord";
  else if (name == L"APPID") record = "AcDbRegAppTableRecord";
  else if (name == L"DIMSTYLE") record = "AcDbDimStyleTableRecord";
  else if (name == L"VPORT") record = "AcDbViewportTableRecord";
  else if (name == L"VIEW") record = "AcDbViewTableRecord";
  else if (name == L"UCS") record = "AcDbUCSTableRecord";
  else if (name == L"BLOCK_RECORD") record = "AcDbBlockTableRecord";
  std::vector<DxfInGroup> out;
  out.reserve(groups.size() + 4);
  if (name == L"TABLE") {
    out = object;
    out.push_back(marker("AcDbSymbolTable", line));
    out.insert(out.end(), first.begin(), first.end());
    groups.swap(out);
    return;
  }
  if (record) {
    out = object;
    out.push_back(marker("AcDbSymbolTableRecord", line));
    out.push_back(marker(record, line));
    out.insert(out.end(), first.begin(), first.end());
    groups.swap(out);
    return;
  }

  // Entities: the common part, then the class's own.
  std::vector<DxfInGroup> rest;
  for (const DxfInGroup& g : first) (isEntityPart(g.code) ? common : rest).push_back(g);
  Split split{nullptr, nullptr, {}};
  int dimType = -1;
  if (name == L"LINE") split = {"AcDbLine", nullptr, {}};
  else if (name == L"POINT") split = {"AcDbPoint", nullptr, {}};
  else if (name == L"CIRCLE") split = {"AcDbCircle", nullptr, {}};
  else if (name == L"ARC") split = {"AcDbCircle", "AcDbArc", {50, 51}};
  else if (name == L"TEXT") split = {"AcDbText", "AcDbText", {73}};
  else if (name == L"ATTDEF") split = {"AcDbText", "AcDbAttributeDefinition", {3, 2, 70, 73, 74}};
  else if (name == L"ATTRIB") split = {"AcDbText", "AcDbAttribute", {2, 70, 73, 74}};
  else if (name == L"SOLID" || name == L"TRACE") split = {"AcDbTrace", nullptr, {}};
  else if (name == L"3DFACE") split = {"AcDbFace", nullptr, {}};
  else if (name == L"SHAPE") split = {"AcDbShape", nullptr, {}};
  else if (name == L"INSERT") split = {"AcDbBlockReference", nullptr, {}};
  else if (name == L"VIEWPORT") split = {"AcDbViewport", nullptr, {}};
  else if (name == L"POLYLINE") split = {is3d ? "AcDb3dPolyline" : "AcDb2dPolyline", nullptr, {}};
  else if (name == L"VERTEX") split = {"AcDbVertex", is3d ? "AcDb3dPolylineVertex" : "AcDb2dVertex", {}};
  else if (name == L"DIMENSION") {
    for (const DxfInGroup& g : rest)
      if (g.code == 70) {
        int v = 0;
        for (char c : g.text)
          if (c >= '0' && c <= '9') v = v * 10 + (c - '0');
        dimType = v & 7;
      }
    split = {"AcDbDimension", "AcDbAlignedDimension", {13, 14}};
    if (dimType == 0) split = {"AcDbDimension", "AcDbAlignedDimension", {13, 14, 50, 52}};
  } else if (entity) {
    // Not a standard entity: the common part only.
    out = object;
    out.push_back(marker("AcDbEntity", line));
    out.insert(out.end(), common.begin(), common.end());
    out.insert(out.end(), rest.begin(), rest.end());
    groups.swap(out);
    return;
  } else {
    return;
  }

  out = object;
  out.push_back(marker("AcDbEntity", line));
  out.insert(out.end(), common.begin(), common.end());
  out.push_back(marker(split.first, line));
  std::vector<DxfInGroup> tail;
  const bool vertex = name == L"VERTEX";
  for (const DxfInGroup& g : rest) {
    if (split.second && !vertex && among(baseCode(g.code), split.secondCodes))
      tail.push_back(g);
    else if (vertex)
      tail.push_back(g);
    else
      out.push_back(g);
  }
  if (split.second) {
    out.push_back(marker(split.second, line));
    if (dimType == 0) {
      // Rotated dimensions: the definition points, then the rotation.
      std::vector<DxfInGroup> rot;
      for (const DxfInGroup& g : tail) (among(baseCode(g.code), {50, 52}) ? rot : out).push_back(g);
      out.push_back(marker("AcDbRotatedDimension", line));
      out.insert(out.end(), rot.begin(), rot.end());
    } else {
      out.insert(out.end(), tail.begin(), tail.end());
    }
  }
  groups.swap(out);
}

}  // namespace vhost
