// Standard linetypes loaded into a drawing, and the state flags of layers.
#include <gtest/gtest.h>

#include <vector>

#include "arx/db/AcDbLinetypeTable.h"
#include "platform/arx/ed/EdTestSupport.h"
#include "veskbase/CadLayerState.h"
#include "veskbase/EntLinetype.h"

namespace {

class LinetypeTest : public edtest::EditorTest {
 protected:
  std::vector<double> dashes(AcDbObjectId id, double& pattern, std::wstring& name) {
    std::vector<double> out;
    AcDbLinetypeTableRecord* rec = nullptr;
    if (acdbOpenObject(rec, id, AcDb::kForRead) != Acad::eOk) return out;
    for (int i = 0; i < rec->numDashes(); ++i) out.push_back(rec->dashLengthAt(i));
    pattern = rec->patternLength();
    rec->getName(name);
    rec->close();
    return out;
  }
};

TEST_F(LinetypeTest, StandardLinetypesLoadWithTheirPatternsAndScaledForms) {
  using vesk::ent::LoadLineType;
  AcDbObjectId id;
  double pattern = 0;
  std::wstring name;

  EXPECT_EQ(vesk::ent::GetLineType(L"DASHED", id), 0);
  ASSERT_EQ(LoadLineType(L"dashed", id), 1);
  EXPECT_EQ(dashes(id, pattern, name), (std::vector<double>{0.5, -0.25}));
  EXPECT_DOUBLE_EQ(pattern, 0.75);
  EXPECT_EQ(name, L"DASHED");

  AcDbObjectId again;
  EXPECT_EQ(LoadLineType(L"Dashed", again), 1);  // found, not made twice
  EXPECT_EQ(again, id);
  EXPECT_EQ(vesk::ent::GetLineType(L"dashed", again), 1);
  EXPECT_EQ(again, id);

  ASSERT_EQ(LoadLineType(L"CENTER2", id), 1);
  EXPECT_EQ(dashes(id, pattern, name), (std::vector<double>{0.625, -0.125, 0.125, -0.125}));
  EXPECT_DOUBLE_EQ(pattern, 1.0);
  ASSERT_EQ(LoadLineType(L"PHANTOMX2", id), 1);
  EXPECT_EQ(dashes(id, pattern, name), (std::vector<double>{2.5, -0.5, 0.5, -0.5, 0.5, -0.5}));
  EXPECT_DOUBLE_EQ(pattern, 5.0);
  ASSERT_EQ(LoadLineType(L"DASHDOT", id), 1);  // not confused with DASHED
  EXPECT_EQ(dashes(id, pattern, name), (std::vector<double>{0.5, -0.25, 0.0, -0.25}));
  ASSERT_EQ(LoadLineType(L"DOT", id), 1);
  EXPECT_EQ(dashes(id, pattern, name), (std::vector<double>{0.0, -0.25}));
  EXPECT_DOUBLE_EQ(pattern, 0.25);

  // Continuous comes with every drawing.
  ASSERT_EQ(LoadLineType(L"CONTINUOUS", id), 1);
  EXPECT_EQ(id, db->continuousLinetype());
}

TEST_F(LinetypeTest, NamesOutsideTheTableAreNotInvented) {
  using vesk::ent::IsStandardLineType;
  EXPECT_TRUE(IsStandardLineType(L"border"));
  EXPECT_TRUE(IsStandardLineType(L"HIDDENX2"));
  EXPECT_TRUE(IsStandardLineType(L"Continuous"));
  EXPECT_FALSE(IsStandardLineType(L"DASHEDX"));
  EXPECT_FALSE(IsStandardLineType(L"DASHED3"));
  EXPECT_FALSE(IsStandardLineType(L"ZIGZAG"));
  EXPECT_FALSE(IsStandardLineType(nullptr));

  AcDbObjectId id;
  EXPECT_EQ(vesk::ent::LoadLineType(L"ZIGZAG", id), 0);
  EXPECT_TRUE(id.isNull());
  EXPECT_TRUE(db->linetypeId(L"ZIGZAG").isNull());
  EXPECT_EQ(vesk::ent::LoadLineType(nullptr, id), 0);
}

TEST_F(LinetypeTest, LayerStateFlagsAreSetAndCleared) {
  using vesk::cad::FSetLayerState;
  dbtest::addLayer(db, L"规划-红线");
  auto state = [&](const wchar_t* layer) {
    AcDbLayerTableRecord* rec = nullptr;
    std::wstring s = L"?";
    if (acdbOpenObject(rec, db->layerId(layer), AcDb::kForRead) != Acad::eOk) return s;
    s = std::wstring(rec->isOff() ? L"off" : L"on") + (rec->isFrozen() ? L",frozen" : L",thawed") +
        (rec->isLocked() ? L",locked" : L",unlocked");
    rec->close();
    return s;
  };
  EXPECT_EQ(FSetLayerState(L"规划-红线", true, true, true), 1);
  EXPECT_EQ(state(L"规划-红线"), L"off,frozen,locked");
  EXPECT_EQ(FSetLayerState(L"规划-红线", false, false, false), 1);
  EXPECT_EQ(state(L"规划-红线"), L"on,thawed,unlocked");
  EXPECT_EQ(FSetLayerState(L"规划-红线", false, false, false), 1);  // nothing to change

  // The current layer cannot be frozen: the other flags still apply.
  EXPECT_EQ(FSetLayerState(L"0", true, true, true), 0);
  EXPECT_EQ(state(L"0"), L"off,thawed,locked");
  EXPECT_EQ(FSetLayerState(L"没有的图层", false, false, false), 0);
}

}  // namespace
