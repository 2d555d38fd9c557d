#pragma once
// A DXF drawing read in-process: its layers, its current layer, the
// xrecords of a dictionary of the named-object dictionary and the
// polylines of a layer; and the few edits the tests make before saving it
// again.
#include <map>
#include <string>
#include <utility>
#include <vector>

class AcDbDatabase;

namespace vkplantest {

struct LayerFacts {
  bool trueColor = false;  // else a colour index
  int colorIndex = -1;
  int red = -1, green = -1, blue = -1;
  int lineWeight = 0;
  std::wstring lineType;
};

// Vertices and bulges of a lightweight polyline.
struct PolylineData {
  std::vector<double> x, y, bulge;
  bool closed = false;
};

class DrawingFile {
 public:
  explicit DrawingFile(const std::string& path);
  ~DrawingFile();
  DrawingFile(const DrawingFile&) = delete;
  DrawingFile& operator=(const DrawingFile&) = delete;

  bool ok() const { return mDb != nullptr; }
  std::string error() const;
  AcDbDatabase* database() const { return mDb; }

  std::map<std::wstring, LayerFacts> Layers() const;
  std::wstring CurrentLayer() const;
  // Every entry of the dictionary `dict`: key -> the (group code, text) items
  // of its xrecord (numbers as decimal text).
  std::map<std::wstring, std::vector<std::pair<int, std::wstring>>> Xrecords(const wchar_t* dict) const;
  std::vector<PolylineData> PolylinesOn(const wchar_t* layer) const;
  int ModelSpaceCount() const;

  // Replaces the xrecord of key in dict with one 300 group naming layer.
  bool Rebind(const wchar_t* dict, const wchar_t* key, const wchar_t* layer);
  bool EraseLayer(const wchar_t* name);
  bool Save(const std::string& path);

 private:
  AcDbDatabase* mDb = nullptr;
  std::wstring mError;
};

std::string Utf8(const std::wstring& text);
std::wstring Wide(const std::string& utf8);

}  // namespace vkplantest
