#pragma once
// Layer databases for the layer-table tests, in a fresh folder laid out as
// deployed (the folder names in mixed case, as on a real installation):
//   <dir>/Standards/default.mdb              the shipped standards database
//   <dir>/Standards/规划图层.mdb              the shipped 2013 layer database
//   <dir>/config/数据库/default_Layer2013.mdb the shipped 2013 template
// and, on request, the classic (pre-2013) layer database of the test SQL.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <system_error>
#include <string>
#include <vector>

#include <unistd.h>

#include "StandardsTestDb.h"
#include "mfc/CArray.h"
#include "veskcad/standards/CCustomDatabase.h"
#include "veskdata/DbBuilder.h"

namespace vesktest {

namespace fs = std::filesystem;

// A path as the module's text (UTF-8 names, whatever the C locale says).
inline CString pathText(const fs::path& path) { return CString::FromUtf8(path.u8string()); }

struct LayerFolder {
  // The folder is named after the test and the process, so that test runs of
  // several build trees at the same time keep apart; it goes with the object.
  explicit LayerFolder(const std::string& name) {
    dir = freshFolder("layers_" + name + "_" + std::to_string(::getpid()));
    standards = dir / "Standards";
    fs::create_directories(standards);
    fs::create_directories(dir / "config" / u8"数据库");
    const fs::path root(VESKCAD_DATA_ROOT);
    fs::copy_file(root / "STANDARDS" / "default.mdb", standards / "default.mdb");
    shippedLayers = standards / u8"规划图层.mdb";
    fs::copy_file(root / "STANDARDS" / u8"规划图层.mdb", shippedLayers);
    layerTemplate = dir / "config" / u8"数据库" / "default_Layer2013.mdb";
    fs::copy_file(root / "config" / u8"数据库" / "default_Layer2013.mdb", layerTemplate);
  }

  ~LayerFolder() {
    std::error_code ignored;
    fs::remove_all(dir, ignored);
  }
  LayerFolder(const LayerFolder&) = delete;
  LayerFolder& operator=(const LayerFolder&) = delete;

  // Builds the classic layer database of the test SQL at path.
  static void buildClassic(const fs::path& path) {
    CString error;
    const CString script = pathText(fs::path(VESK_TEST_DATA) / "standards" / "classic_layers.sql");
    if (!veskdata::BuildDatabaseFromScripts(pathText(path), CString(), {script}, error))
      throw std::runtime_error("classic layer database: " + error.ToUtf8());
  }

  // A copy of the shipped template (with its user rows) as a layer database.
  fs::path templateCopy(const std::string& name) const {
    fs::path out = standards / name;
    fs::copy_file(layerTemplate, out, fs::copy_options::overwrite_existing);
    return out;
  }

  CString defaultDb() const { return pathText(standards / "default.mdb"); }

  fs::path dir, standards, shippedLayers, layerTemplate;
};

inline std::string fileBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The items of a 2013 list, in order.
inline std::vector<std::wstring> itemsOf(const CArray<VeskDB::LAYERPARAM2013EX>& rows) {
  std::vector<std::wstring> out;
  for (const auto& r : rows) out.emplace_back(r.Item.GetString());
  return out;
}

}  // namespace vesktest
