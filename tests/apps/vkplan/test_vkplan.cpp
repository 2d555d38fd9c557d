// The vkplan module end to end: the built console host runs scripts of its
// commands on drawings written here, and the drawings it saves are read back
// in-process.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cwctype>
#include <filesystem>
#include <iostream>
#include <regex>

#include "BulgeGeometry.h"
#include "DrawingFile.h"
#include "PlanLinework.h"
#include "StandardRows.h"
#include "VeskconProcess.h"
#include "arx/db/AcDbHostApplicationServices.h"
#include "veskcad/standards/ParamDictionary.h"

using namespace vkplantest;

namespace {

const std::string kDataRoot = VESKCAD_DATA_ROOT;

bool has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

std::string upper(std::wstring s) {
  for (wchar_t& c : s) c = static_cast<wchar_t>(std::towupper(c));
  return Utf8(s);
}

// The items applied, as typed: names and codes of the site-plan table, with
// true colours, heavy and default lineweights and broken linetypes among them.
const std::vector<std::string> kItems = {
    "用地红线", "S1-CL", "道路边线", "S1-RL", "分隔带", "KZ-SB", "规划建筑", "JZ-UG", "建筑填充", "SX-SL",
    "水面",     "DX-CT", "计曲线",   "GC-EL", "图框",   "TK-PB", "消防车道", "ZT-SH", "草坪",     "FZ-AX"};

const std::map<std::string, StandardRow>& siteRows() {
  static const std::map<std::string, StandardRow> rows = ReadStandardRows(VKPLAN_LAYER_SQL, "总图图层");
  return rows;
}

const StandardRow& rowOf(const std::string& item) { return siteRows().at(item); }

std::string resolvedLine(const std::string& item, const std::string& layer) {
  return "标准项\"" + item + "\" -> 图层\"" + layer + "\"";
}

// The layer carries the row's colour, lineweight and linetype.
void expectLayerLikeRow(const std::map<std::wstring, LayerFacts>& layers, const StandardRow& row) {
  auto it = layers.find(Wide(row.layerName));
  ASSERT_NE(it, layers.end()) << "no layer " << row.layerName;
  const LayerFacts& f = it->second;
  int r = 0, g = 0, b = 0;
  if (std::sscanf(row.color.c_str(), "(%d,%d,%d)", &r, &g, &b) == 3) {
    EXPECT_TRUE(f.trueColor) << row.layerName << " should be true colour " << row.color;
    EXPECT_EQ(f.red, r) << row.layerName;
    EXPECT_EQ(f.green, g) << row.layerName;
    EXPECT_EQ(f.blue, b) << row.layerName;
  } else {
    EXPECT_FALSE(f.trueColor) << row.layerName;
    EXPECT_EQ(f.colorIndex, std::stoi(row.color)) << row.layerName;
  }
  EXPECT_EQ(f.lineWeight, row.weight) << row.layerName;
  EXPECT_EQ(upper(f.lineType), upper(Wide(row.lineType))) << row.layerName;
}

std::vector<std::string> applyScript(const std::vector<std::string>& items) {
  std::vector<std::string> lines;
  for (const std::string& item : items) {
    lines.push_back("VKSTDLAYER");
    lines.push_back(item);
  }
  return lines;
}

// The new drawing with the twenty items applied, made once per process.
struct StandardsDrawing {
  VeskconRun run;
  std::string path;
};

const StandardsDrawing& standardsDrawing() {
  static const StandardsDrawing made = [] {
    StandardsDrawing d;
    std::vector<std::string> lines = {"VKDESIGNTYPE", "2"};
    for (const std::string& l : applyScript(kItems)) lines.push_back(l);
    const std::string script = WriteWorkFile("standards.scr", ScriptText(lines));
    d.path = (WorkFolder() / "standards.dxf").string();
    d.run = RunVeskcon({"-s", script, "-o", d.path}, kDataRoot);
    std::cout << "[ veskcon  ] twenty standard items applied in " << d.run.seconds << " s\n";
    return d;
  }();
  return made;
}

// The layer a drawing binds to item, as the module reads it.
std::wstring moduleBinding(DrawingFile& drawing, const std::string& item) {
  AcDbDatabase* previous = acdbHostApplicationServices()->workingDatabase();
  acdbHostApplicationServices()->setWorkingDatabase(drawing.database());
  CString layer;
  const int found = VeskDB::gpGetLayerNameFromDict(Wide(item).c_str(), layer);
  acdbHostApplicationServices()->setWorkingDatabase(previous);
  return found ? std::wstring(static_cast<const wchar_t*>(layer)) : std::wstring();
}

}  // namespace

TEST(VkPlanStandards, AppliedItemsSurviveASave) {
  ASSERT_GE(siteRows().size(), 40u) << "cannot read the site-plan rows of " << VKPLAN_LAYER_SQL;
  const StandardsDrawing& made = standardsDrawing();
  ASSERT_EQ(made.run.status, 0) << made.run.err << made.run.out;
  EXPECT_EQ(made.run.err, "");
  EXPECT_TRUE(has(made.run.out, "规划类型: 2 总平面图")) << made.run.out;
  for (const std::string& item : kItems)
    EXPECT_TRUE(has(made.run.out, resolvedLine(item, rowOf(item).layerName))) << item << "\n" << made.run.out;

  DrawingFile drawing(made.path);
  ASSERT_TRUE(drawing.ok()) << drawing.error();
  const auto layers = drawing.Layers();
  const auto bindings = drawing.Xrecords(VeskDB::kParamDictName);
  for (const std::string& item : kItems) {
    const StandardRow& row = rowOf(item);
    expectLayerLikeRow(layers, row);
    // The binding is kept under the text the item was given by.
    auto b = bindings.find(Wide(item));
    ASSERT_NE(b, bindings.end()) << "no binding for " << item;
    ASSERT_EQ(b->second.size(), 1u) << item;
    EXPECT_EQ(b->second[0].first, 300) << item;
    EXPECT_EQ(Utf8(b->second[0].second), row.layerName) << item;
    EXPECT_EQ(Utf8(moduleBinding(drawing, item)), row.layerName) << item;
  }
  EXPECT_EQ(bindings.size(), kItems.size()) << "only the applied items are bound";
  EXPECT_EQ(Utf8(drawing.CurrentLayer()), rowOf(kItems.back()).layerName);
}

TEST(VkPlanStandards, BindingsInTheDrawingComeBeforeTheDatabase) {
  const StandardsDrawing& made = standardsDrawing();
  ASSERT_EQ(made.run.status, 0) << made.run.err;
  DrawingFile before(made.path);
  ASSERT_TRUE(before.ok()) << before.error();

  // No standards database can be opened: the drawing's bindings still
  // resolve every item, and an item the drawing does not bind resolves to nothing.
  const std::filesystem::path emptyHome = WorkFolder() / "empty-home";
  std::filesystem::create_directories(emptyHome);
  std::vector<std::string> reversed(kItems.rbegin(), kItems.rend());
  std::vector<std::string> lines = {"VKSTDLAYER", "停车位"};
  for (const std::string& l : applyScript(reversed)) lines.push_back(l);
  const std::string again = (WorkFolder() / "again.dxf").string();
  VeskconRun offline =
      RunVeskcon({"-s", WriteWorkFile("offline.scr", ScriptText(lines)), "-o", again, made.path}, emptyHome.string());
  ASSERT_EQ(offline.status, 0) << offline.err << offline.out;
  EXPECT_TRUE(has(offline.out, "标准项\"停车位\"没有对应的图层")) << offline.out;
  for (const std::string& item : kItems)
    EXPECT_TRUE(has(offline.out, resolvedLine(item, rowOf(item).layerName))) << item << "\n" << offline.out;
  DrawingFile after(again);
  ASSERT_TRUE(after.ok()) << after.error();
  const auto layersBefore = before.Layers(), layersAfter = after.Layers();
  EXPECT_EQ(layersAfter.size(), layersBefore.size());
  for (const std::string& item : kItems) expectLayerLikeRow(layersAfter, rowOf(item));
  EXPECT_EQ(layersAfter.count(L"ZT-停车位"), 0u);
  EXPECT_EQ(Utf8(after.CurrentLayer()), rowOf(kItems.front()).layerName);

  // With the database: a binding redirected to another layer of the drawing
  // wins over the row, for an item given by name and one given by code,
  // even with the row's own layer gone from the drawing.
  const std::string fire = "消防车道", boundary = "TK-PB", parking = "停车位";
  DrawingFile edited(made.path);
  ASSERT_TRUE(edited.ok());
  ASSERT_TRUE(edited.Rebind(VeskDB::kParamDictName, Wide(fire).c_str(), L"KZ-建筑退线"));
  ASSERT_TRUE(edited.Rebind(VeskDB::kParamDictName, Wide(boundary).c_str(), L"DL-道路边线"));
  ASSERT_TRUE(edited.EraseLayer(Wide(rowOf(fire).layerName).c_str()));
  ASSERT_TRUE(edited.EraseLayer(Wide(rowOf(boundary).layerName).c_str()));
  const std::string redirected = (WorkFolder() / "redirected.dxf").string();
  ASSERT_TRUE(edited.Save(redirected)) << edited.error();
  {
    DrawingFile check(redirected);
    ASSERT_TRUE(check.ok()) << check.error();
    ASSERT_EQ(check.Layers().count(Wide(rowOf(fire).layerName)), 0u);
  }
  const std::string result = (WorkFolder() / "redirected-out.dxf").string();
  VeskconRun online = RunVeskcon({"-s",
                                  WriteWorkFile("online.scr", ScriptText({"VKDESIGNTYPE", "2", "VKSTDLAYER", fire,
                                                                          "VKSTDLAYER", parking, "VKSTDLAYER",
                                                                          boundary})),
                                  "-o", result, redirected},
                                 kDataRoot);
  ASSERT_EQ(online.status, 0) << online.err << online.out;
  EXPECT_TRUE(has(online.out, resolvedLine(fire, "KZ-建筑退线"))) << online.out;
  EXPECT_TRUE(has(online.out, resolvedLine(boundary, "DL-道路边线"))) << online.out;
  EXPECT_TRUE(has(online.out, resolvedLine(parking, rowOf(parking).layerName))) << online.out;
  DrawingFile out(result);
  ASSERT_TRUE(out.ok()) << out.error();
  const auto layersOut = out.Layers();
  EXPECT_EQ(layersOut.count(Wide(rowOf(fire).layerName)), 0u) << "the row's layer was made again";
  EXPECT_EQ(layersOut.count(Wide(rowOf(boundary).layerName)), 0u) << "the row's layer was made again";
  expectLayerLikeRow(layersOut, rowOf("KZ-SB"));  // the bound layer keeps its own properties
  expectLayerLikeRow(layersOut, rowOf("道路边线"));
  expectLayerLikeRow(layersOut, rowOf(parking));  // the database was there for the unbound item
  const auto bindings = out.Xrecords(VeskDB::kParamDictName);
  ASSERT_EQ(bindings.count(Wide(fire)), 1u);
  EXPECT_EQ(Utf8(bindings.at(Wide(fire)).at(0).second), "KZ-建筑退线");
  ASSERT_EQ(bindings.count(Wide(parking)), 1u);
  EXPECT_EQ(Utf8(bindings.at(Wide(parking)).at(0).second), rowOf(parking).layerName);
  EXPECT_EQ(Utf8(out.CurrentLayer()), "DL-道路边线");
}

TEST(VkPlanContours, FacesMatchAnIndependentPolygonBuilder) {
  const auto t0 = std::chrono::steady_clock::now();
  PlanLinework plan(20240611u, 28, 260, 260, 260, 200);
  const PlanLinework::Counts& n = plan.counts();
  ASSERT_GT(n.total(), 2500);
  ASSERT_EQ(n.arcs, 260) << "the arcs could not all be placed clear";
  ASSERT_EQ(n.dangling, 200) << "the dangling lines could not all be placed clear";
  const std::string input = (WorkFolder() / "plan.dxf").string();
  std::string error;
  ASSERT_TRUE(plan.SaveDxf(input, error)) << error;
  const double made = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();

  const std::string output = (WorkFolder() / "plan-contours.dxf").string();
  VeskconRun run = RunVeskcon({"-s", WriteWorkFile("contour.scr", ScriptText({"VKCONTOUR", ""})), "-o", output, input},
                              kDataRoot);
  ASSERT_EQ(run.status, 0) << run.err << run.out;

  // The summary line: entities searched, contours, faces, outlines, face area.
  std::smatch m;
  const std::regex summary("从(\\d+)个实体中搜索到(\\d+)个封闭轮廓\\(面(\\d+)个，外轮廓(\\d+)个\\)，面的面积合计([0-9.]+)。");
  ASSERT_TRUE(std::regex_search(run.out, m, summary)) << run.out;
  const int searched = std::stoi(m[1]), contours = std::stoi(m[2]), faces = std::stoi(m[3]), outlines = std::stoi(m[4]);
  const double printedArea = std::stod(m[5]);
  EXPECT_EQ(searched, n.total());
  EXPECT_EQ(faces + outlines, contours);

  DrawingFile result(output);
  ASSERT_TRUE(result.ok()) << result.error();
  EXPECT_EQ(result.ModelSpaceCount(), n.total() + contours) << "the input is left as it was";
  const std::vector<PolylineData> rings = result.PolylinesOn(L"轮廓");
  EXPECT_EQ(static_cast<int>(rings.size()), contours);
  double faceSum = 0.0;
  int cw = 0, ccw = 0;
  for (const PolylineData& p : rings) {
    EXPECT_TRUE(p.closed);
    const double a = SignedBulgeArea(p.x, p.y, p.bulge);
    if (a < 0.0) {
      ++cw;
      faceSum -= a;
      EXPECT_GE(-a, 0.01) << "a face below the smallest kept";
    } else {
      ++ccw;
    }
  }
  EXPECT_EQ(cw, faces);
  EXPECT_EQ(ccw, outlines);
  EXPECT_NEAR(printedArea, faceSum, 1e-3 + 1e-9 * faceSum);

  const auto g0 = std::chrono::steady_clock::now();
  const std::vector<double> reference = plan.GeosFaceAreas(0.2, 0.01);
  const double geosSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - g0).count();
  double referenceSum = 0.0;
  for (double a : reference) referenceSum += a;
  std::cout << "[ contours ] " << n.total() << " entities (" << n.lines << " grid lines, " << n.circles
            << " circles, " << n.arcs << " arcs, " << n.polylines << " polylines, " << n.dangling
            << " dangling lines), drawing made in " << made << " s\n"
            << "[ contours ] veskcon: " << cw << " faces, area " << faceSum << ", " << ccw << " outlines, "
            << run.seconds << " s\n"
            << "[ contours ] GEOS:    " << reference.size() << " faces, area " << referenceSum << ", " << geosSeconds
            << " s, relative area difference " << std::fabs(faceSum - referenceSum) / referenceSum << "\n";
  ASSERT_GT(reference.size(), 1000u);
  EXPECT_NEAR(faceSum, referenceSum, 1e-4 * referenceSum);
  EXPECT_LE(std::abs(cw - static_cast<int>(reference.size())), 5);
}

// The work folder goes when every test passed; it is kept for a look
// otherwise, or when VKPLAN_TEST_KEEP is set.
class WorkFolderCleanup : public ::testing::Environment {
 public:
  void TearDown() override {
    const bool keep = ::testing::UnitTest::GetInstance()->failed_test_count() > 0 ||
                        std::getenv("VKPLAN_TEST_KEEP") != nullptr;
    if (keep) std::cout << "[ vkplan   ] files kept in " << WorkFolder().string() << "\n";
    RemoveWorkFolderUnlessKept(keep);
  }
};

const ::testing::Environment* const kCleanup = ::testing::AddGlobalTestEnvironment(new WorkFolderCleanup);
