// The statements the standards database sends, as it formats them, run on a
// small layer and style schema: every form it uses must translate and do
// what it does on the original engine.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "inhouse/veskdata/VeskDataTestUtil.h"
#include "veskdata/CFADO.h"

namespace {

using vdtest::Column;
using vdtest::Exec;
using vdtest::TempDir;
using Rows = std::vector<std::string>;

// The group-membership predicate exactly as the standards code builds it:
// one term per bit, the exponent written in two characters.
CString Membership(int mask) {
  CString s;
  for (int i = 0; i < 16; ++i) {
    CString term;
    term.Format(L"(int(OwnerGroup/2^%2d)-2*int(OwnerGroup/2^%2d))*(int(%d/2^%2d)-2*int(%d/2^%2d))", i, i + 1, mask, i,
                mask, i + 1);
    if (i > 0) s += L"+";
    s += term;
  }
  return s + L"<>0";
}

// A row of a 2013 layer table.
struct Layer2013 {
  CString type, code, app, item, order, remark, name, color = L"7", linetype = L"CONTINUOUS";
  double ltScale = 1, lineWidth = 0;
  CString textType = L"Standard";
  double textScale = 0.75, textHeight = 0;
  CString entType, action;
  int off = 0, frozen = 0, vpdflt = 0, locked = 0, group = 1023, create = 1, weight = -1;
  CString ex[6];
};

const wchar_t* const k2013Columns[] = {L"LayerType", L"ItemCode", L"ItemApp", L"Item", L"GpOrder", L"remark",
                                        L"LayerName", L"Color", L"Linetype", L"LineTypeScale", L"LineWidth",
                                        L"TextType", L"TextTypeScale", L"TextHeight", L"EntType", L"ActionCmd",
                                        L"Off", L"Frozen", L"VPDFLT", L"Locked", L"OwnerGroup", L"CreateLayer",
                                        L"Weight", L"Expand1", L"Expand2", L"Expand3", L"Expand4", L"Expand5",
                                        L"Expand6"};

// "insert into %s (%s,%s,%s,%s,...) values (...)": texts quoted, doubles %f.
CString Insert2013(const CString& table, const Layer2013& r) {
  CString cols;
  for (const wchar_t* c : k2013Columns) cols += CString(cols.IsEmpty() ? L"" : L",") + c;
  CString sql;
  sql.Format(L"insert into %s (%s) values ('%s','%s','%s','%s','%s','%s','%s','%s','%s',%f,%f,'%s',%f,%f,'%s','%s',"
             L"%d,%d,%d,%d,%d,%d,%d,'%s','%s','%s','%s','%s','%s')",
             table, cols, r.type, r.code, r.app, r.item, r.order, r.remark, r.name, r.color, r.linetype, r.ltScale,
             r.lineWidth, r.textType, r.textScale, r.textHeight, r.entType, r.action, r.off, r.frozen, r.vpdflt,
             r.locked, r.group, r.create, r.weight, r.ex[0], r.ex[1], r.ex[2], r.ex[3], r.ex[4], r.ex[5]);
  return sql;
}

// "update %s set ... where %s ": every column but the key, by id.
CString Update2013(const CString& table, const Layer2013& r, int id) {
  CString sql;
  sql.Format(L"update %s set \t%s='%s',%s='%s',%s='%s',%s='%s',%s='%s',%s='%s',%s='%s',%s='%s',%s='%s',%s=%f,%s=%f,"
             L"%s='%s',%s=%f,%s=%f,%s='%s',%s='%s',%s=%d,%s=%d,%s=%d,%s=%d,%s=%d,%s=%d,%s=%d,%s='%s',%s='%s',"
             L"%s='%s',%s='%s',%s='%s',%s='%s' \t\twhere ",
             table, L"LayerType", r.type, L"ItemCode", r.code, L"ItemApp", r.app, L"Item", r.item, L"GpOrder",
             r.order, L"remark", r.remark, L"LayerName", r.name, L"Color", r.color, L"Linetype", r.linetype,
             L"LineTypeScale", r.ltScale, L"LineWidth", r.lineWidth, L"TextType", r.textType, L"TextTypeScale",
             r.textScale, L"TextHeight", r.textHeight, L"EntType", r.entType, L"ActionCmd", r.action, L"Off", r.off,
             L"Frozen", r.frozen, L"VPDFLT", r.vpdflt, L"Locked", r.locked, L"OwnerGroup", r.group, L"CreateLayer",
             r.create, L"Weight", r.weight, L"Expand1", r.ex[0], L"Expand2", r.ex[1], L"Expand3", r.ex[2],
             L"Expand4", r.ex[3], L"Expand5", r.ex[4], L"Expand6", r.ex[5]);
  CString cond;
  cond.Format(L"%s=%d ", L"LayerID", id);
  return sql + cond;
}

Layer2013 Row(const wchar_t* type, const wchar_t* code, const wchar_t* item, const wchar_t* name,
              const wchar_t* order = L"") {
  Layer2013 r;
  r.type = type;
  r.code = code;
  r.item = item;
  r.name = name;
  r.order = order;
  return r;
}

class StandardsStatements : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(ado.CreateNewDatabase(dir.File("default.mdb"), L"kaplorn", ado.GetConn()))
        << ado.GetLastError().ToUtf8();
    Exec(ado, {
        L"create table 图层 (Item text(100), LayerName text(100), Color long, Weight integer, Linetype text(50), "
        L"Off integer, Frozen integer, VPDFLT integer, Locked integer, OwnerGroup long, remark text(255), "
        L"GpOrder text(50), CreateLayer integer)",
        L"create table 控规图层 (LayerID counter, LayerType text(10), ItemCode text(255), ItemApp text(50), "
        L"Item text(100), GpOrder text(50), remark text(255), LayerName text(100), Color text(50), "
        L"Linetype text(50), LineTypeScale single default 1, LineWidth double, TextType text(50), "
        L"TextTypeScale double, TextHeight double, EntType text(50), ActionCmd text(100), Off integer, "
        L"Frozen integer, VPDFLT integer, Locked integer, OwnerGroup long, CreateLayer integer, Weight integer, "
        L"Expand1 text(50), Expand2 text(50), Expand3 text(50), Expand4 text(50), Expand5 text(50), "
        L"Expand6 text(50))",
        L"create table 模块 (Item text(50), GroupId long)",
        L"create table 层组 (Item text(50), GroupId long)",
        L"create table 文本样式 (Item text(50), TextstyleName text(50), FontFile text(100), Height double, "
        L"XScale double, ObliquingAngle double, Bold integer, Italic integer, XMirror integer, YMirror integer, "
        L"Vertical integer, OwnerGroup long)",
        L"create table 线 (Item text(50), Color long, Weight integer, PolyWidth double, LineScale double, "
        L"Thickness double, Linetype text(50), OwnerLayer text(100), OwnerGroup long)",
        L"create table 其他 (Item text(50), ValueText text(255), Type long, OwnerGroup long, remark text(255))",
    });
  }

  // The system and user rows most 2013 tests start from.
  void Fill2013() {
    const Layer2013 rows[] = {
        Row(L"S", L"1001", L"道路边线", L"DLBX", L"01"), Row(L"SR", L"1002", L"道路中线", L"DLZX", L"02"),
        Row(L"S", L"2001", L"建筑轮廓", L"JZLK", L"03"), Row(L"S", L"3001", L"河流", L"HL", L"04"),
        Row(L"U", L"1001;2001", L"我的道路", L"MY_ROAD", L"05"), Row(L"UR", L"", L"道路中线", L"U_DLZX", L"06"),
        Row(L"", L"4001", L"老图层", L"OLD", L"07")};
    for (const Layer2013& r : rows) {
      ASSERT_TRUE(ado.ExeSQL(Insert2013(L"控规图层", r), ado.GetConn())) << ado.GetLastError().ToUtf8();
    }
  }

  TempDir dir;
  CFADO ado;
};

TEST_F(StandardsStatements, GroupListingsAndMembership) {
  Exec(ado, {L"insert into 模块 values ('详规', 2)", L"insert into 模块 values ('控规', 1)",
             L"insert into 层组 values ('道路', 8)", L"insert into 层组 values ('水系', 4)"});
  EXPECT_EQ(Column(ado, L"SELECT Item FROM 模块 ORDER BY GroupId", L"Item"), (Rows{"控规", "详规"}));
  EXPECT_EQ(Column(ado, L"SELECT Item FROM 层组 ORDER BY GroupId", L"Item"), (Rows{"水系", "道路"}));

  const int groups[] = {1, 2, 3, 1023, 1024, 0, 32768, 65535, -1, 40000, 70000};
  for (int g : groups) {
    CString sql;
    sql.Format(L"Insert into 图层 (Item,OwnerGroup) values('%d',%d)", g, g);
    ASSERT_TRUE(ado.ExeSQL(sql, ado.GetConn())) << ado.GetLastError().ToUtf8();
  }
  // Mask -1 lists every row, in the order the table holds them.
  Rows all;
  for (int g : groups) all.push_back(std::to_string(g));
  EXPECT_EQ(Column(ado, L"select item from 图层", L"Item"), all);

  for (int mask : {1, 2, 4, 1024, 0, 8191, 32768, -2, 4464}) {
    Rows expected;
    for (int g : groups) {
      if ((g & 0xFFFF) & (mask & 0xFFFF)) expected.push_back(std::to_string(g));
    }
    EXPECT_EQ(Column(ado, L"select item from 图层 where " + Membership(mask), L"Item"), expected) << "mask " << mask;
    EXPECT_EQ(Column(ado, L"select * from 图层 where " + Membership(mask), L"OwnerGroup"), expected) << mask;
  }
  // The one-bit form: Mod keeps the sign of a negative mask, as in Access.
  Rows bit10;
  for (int g : groups) {
    if (g >= 0 && ((g >> 10) & 1)) bit10.push_back(std::to_string(g));
  }
  EXPECT_EQ(Column(ado, L"select item from 图层 where (int(OwnerGroup/2^ 10) Mod 2 = 1)", L"Item"), bit10);
}

TEST_F(StandardsStatements, ClassicLayerRows) {
  CString sql;
  // SetLayerOwnerGroup: look, then insert or update.
  EXPECT_TRUE(Column(ado, L"Select * From 图层 Where Item='道路'", L"Item").empty());
  sql.Format(L"Insert into 图层 (Item,OwnerGroup) values('%s',%d)", L"道路", 8);
  Exec(ado, {sql});
  sql.Format(L"UPDATE 图层 SET OwnerGroup =%d WHERE Item='%s'", 12, L"道路");
  Exec(ado, {sql});
  EXPECT_EQ(Column(ado, L"Select * From 图层 Where Item='道路'", L"OwnerGroup"), Rows{"12"});

  // The classic insert and update of the eight layer columns.
  sql.Format(L"Insert Into 图层 (Item,LayerName,Color,Weight,Linetype,Off,Frozen,VPDFLT,Locked,OwnerGroup)values('%s','%"
             L"s',%d,%d,'%s',%d,%d,%d,%d,%d)",
             L"Road Edge", L"DL-BX", 1, 30, L"CONTINUOUS", 0, 0, 0, 1, 1023);
  Exec(ado, {sql});
  sql.Format(L"UPDATE 图层 SET %s='%s',%s=%d,%s=%d,%s='%s',%s=%d,%s=%d,%s=%d,%s=%d WHERE item = '%s'", L"LayerName",
             L"DL_BX2", L"Color", 5, L"Weight", 50, L"Linetype", L"DASHED", L"Off", 1, L"Frozen", 0, L"VPDFLT", 1,
             L"Locked", 0, L"road edge");  // the item in another case still matches
  Exec(ado, {sql});
  CADORecordset rs;
  ASSERT_TRUE(ado.GetRecord(&rs, L"select * from 图层 where item = 'ROAD EDGE'", ado.GetConn()));
  ASSERT_FALSE(rs.IsEof());
  rs.MoveFirst();
  CString name, linetype;
  int color = 0, weight = 0, off = 0, vp = 0, locked = -1, group = 0;
  EXPECT_TRUE(rs.GetFieldValue(L"LayerName", name));
  EXPECT_TRUE(rs.GetFieldValue(L"Color", color));
  EXPECT_TRUE(rs.GetFieldValue(L"Weight", weight));
  EXPECT_TRUE(rs.GetFieldValue(L"LineType", linetype));  // written Linetype, read LineType
  EXPECT_TRUE(rs.GetFieldValue(L"Off", off));
  EXPECT_TRUE(rs.GetFieldValue(L"VPDFLT", vp));
  EXPECT_TRUE(rs.GetFieldValue(L"Locked", locked));
  EXPECT_TRUE(rs.GetFieldValue(L"OwnerGroup", group));
  EXPECT_EQ(name, L"DL_BX2");
  EXPECT_EQ(linetype, L"DASHED");
  EXPECT_EQ((std::vector<int>{color, weight, off, vp, locked, group}), (std::vector<int>{5, 50, 1, 1, 0, 1023}));

  // The remark form and the single-column form.
  sql.Format(L"UPDATE 图层 SET %s='%s',%s='%s',%s=%d,%s=%d,%s='%s',%s=%d,%s=%d,%s=%d,%s=%d WHERE item = '%s'",
             L"LayerName", L"DL", L"remark", L"道路边线", L"Color", 7, L"Weight", -1, L"Linetype", L"CONTINUOUS",
             L"Off", 0, L"Frozen", 0, L"VPDFLT", 0, L"Locked", 0, L"Road Edge");
  Exec(ado, {sql});
  sql.Format(L"UPDATE 图层 SET %s='%s' WHERE item = '%s'", L"GpOrder", L"A01", L"Road Edge");
  Exec(ado, {sql});
  EXPECT_EQ(Column(ado, L"Select * FROM 图层 Where Item='Road Edge'", L"remark"), Rows{"道路边线"});
  EXPECT_EQ(Column(ado, L"Select * FROM 图层 Where Item='Road Edge'", L"GpOrder"), Rows{"A01"});
  EXPECT_EQ(Column(ado, L"Select * FROM 图层 Where Item='Road Edge'", L"Weight"), Rows{"-1"});

  // The record form with remark, order and the create flag.
  sql.Format(L"Insert Into %s (Item,LayerName,Color,Weight,Linetype,Off,Frozen,VPDFLT,Locked,OwnerGroup,remark,GpOrder,"
             L"CreateLayer)values('%s','%s',%d,%d,'%s',%d,%d,%d,%d,%d,'%s','%s',%d)",
             L"图层", L"水系", L"SX", 4, 13, L"CONTINUOUS", 0, 1, 0, 0, 2, L"河湖", L"B02", 1);
  Exec(ado, {sql});
  sql.Format(L"UPDATE %s SET %s='%s',%s='%s',%s=%d,%s='%s',%s=%d,%s=%d,%s='%s',%s=%d,%s=%d,%s=%d,%s=%d WHERE item = '%s'",
             L"图层", L"LayerName", L"SX2", L"remark", L"水面", L"Color", 140, L"GpOrder", L"B01", L"Weight", 18,
             L"CreateLayer", 0, L"Linetype", L"DOT", L"Off", 0, L"Frozen", 0, L"VPDFLT", 0, L"Locked", 1, L"水系");
  Exec(ado, {sql});
  EXPECT_EQ(Column(ado, L"select * from 图层 where item = '水系'", L"LayerName"), Rows{"SX2"});
  EXPECT_EQ(Column(ado, L"select * from 图层 where item = '水系'", L"CreateLayer"), Rows{"0"});
  EXPECT_EQ(Column(ado, L"select * from 图层 where item = '水系'", L"GpOrder"), Rows{"B01"});

  sql.Format(L"DELETE from %s where item='%s'", L"图层", L"ROAD EDGE");
  Exec(ado, {sql});
  EXPECT_EQ(Column(ado, L"select item from 图层", L"Item"), (Rows{"道路", "水系"}));
}

TEST_F(StandardsStatements, Layer2013RowsByIdNameAndCode) {
  Fill2013();
  // An insert lets the database number the row; the id is the next one less one.
  Layer2013 mine = Row(L"U", L"3001", L"我的河流", L"MY_RIVER");
  mine.color = L"(0,128,255)";
  mine.ltScale = 2.5;
  mine.textHeight = 3.5;
  mine.ex[5] = L"六";
  Exec(ado, {Insert2013(L"控规图层", mine)});
  const int id = ado.GetNextIDByMax(L"控规图层", L"LayerID", ado.GetConn()) - 1;
  EXPECT_EQ(id, 8);

  // By id: the id is compared as a quoted text.
  CString sql;
  sql.Format(L"select * FROM %s where %s='%d' ", L"控规图层", L"LayerID", id);
  CADORecordset rs;
  ASSERT_TRUE(ado.GetRecord(&rs, sql, ado.GetConn()));
  ASSERT_EQ(rs.GetRecordCount(), 1);
  CString color, ex6;
  double scale = 0, height = 0, textScale = 0;
  EXPECT_TRUE(rs.GetFieldValue(L"Color", color));
  EXPECT_TRUE(rs.GetFieldValue(L"LineTypeScale", scale));
  EXPECT_TRUE(rs.GetFieldValue(L"TextHeight", height));
  EXPECT_TRUE(rs.GetFieldValue(L"TextTypeScale", textScale));
  EXPECT_TRUE(rs.GetFieldValue(L"Expand6", ex6));
  EXPECT_EQ(color, L"(0,128,255)");
  EXPECT_EQ((std::vector<double>{scale, height, textScale}), (std::vector<double>{2.5, 3.5, 0.75}));
  EXPECT_EQ(ex6, L"六");

  // By name or by code; system rows sort before user rows.
  sql.Format(L"select * FROM %s where (%s='%s' or %s='%s') order by %s ", L"控规图层", L"Item", L"道路中线",
             L"ItemCode", L"道路中线", L"LayerType");
  EXPECT_EQ(Column(ado, sql, L"LayerName"), (Rows{"DLZX", "U_DLZX"}));
  sql.Format(L"select * FROM %s where (%s='%s' or %s='%s') order by %s ", L"控规图层", L"Item", L"2001", L"ItemCode",
             L"2001", L"LayerType");
  EXPECT_EQ(Column(ado, sql, L"LayerName"), Rows{"JZLK"});
  sql.Format(L"select * FROM %s where %s='%s' ", L"控规图层", L"Item", L"河流");
  EXPECT_EQ(Column(ado, sql, L"LayerName"), Rows{"HL"});

  // The update by id sets every column.
  mine.name = L"MY_RIVER2";
  mine.color = L"5";
  mine.weight = 35;
  mine.ex[0] = L"一";
  Exec(ado, {Update2013(L"控规图层", mine, id)});
  sql.Format(L"select * FROM %s where %s='%d' ", L"控规图层", L"LayerID", id);
  EXPECT_EQ(Column(ado, sql, L"LayerName"), Rows{"MY_RIVER2"});
  EXPECT_EQ(Column(ado, sql, L"Color"), Rows{"5"});
  EXPECT_EQ(Column(ado, sql, L"Weight"), Rows{"35"});
  EXPECT_EQ(Column(ado, sql, L"Expand1"), Rows{"一"});

  // UpdateLayerCustomParam: a set list and a filter the caller wrote.
  sql.Format(L"update %s set %s where %s>0 and %s ", L"控规图层", L"CreateLayer=0, remark='批量'", L"LayerID",
             L"(LayerType='S' or LayerType='SR')");
  Exec(ado, {sql});
  EXPECT_EQ(Column(ado, L"select * FROM 控规图层 where remark='批量' order by LayerID", L"Item"),
            (Rows{"道路边线", "道路中线", "建筑轮廓", "河流"}));
  sql.Format(L"update %s set %s where %s=%d ", L"控规图层", L"Off=1", L"LayerID", 3);
  Exec(ado, {sql});
  EXPECT_EQ(Column(ado, L"select * FROM 控规图层 where Off=1", L"Item"), Rows{"建筑轮廓"});

  // Filters as the listing passes them, with and without the membership.
  EXPECT_EQ(Column(ado, L"select * FROM 控规图层 where LayerName like 'DL%' order by LayerName", L"LayerName"),
            (Rows{"DLBX", "DLZX"}));
  sql.Format(L"select * from %s where %s and %s", L"控规图层", Membership(1023), L"ItemApp=''");
  EXPECT_EQ(Column(ado, sql, L"LayerID").size(), 8u);
  sql.Format(L"select * from %s where (%s='S' or %s='SR') order by %s,%s ", L"控规图层", L"LayerType", L"LayerType",
             L"GpOrder", L"LayerName");
  EXPECT_EQ(Column(ado, sql, L"ItemCode"), (Rows{"1001", "1002", "2001", "3001"}));

  // Deletes: by id, then user rows, then system rows (empty or null type included).
  sql.Format(L"delete from %s where %s=%d ", L"控规图层", L"LayerID", id);
  Exec(ado, {sql, L"update 控规图层 set LayerType=null where Item='河流'"});
  EXPECT_EQ(Column(ado, L"select * from 控规图层", L"LayerID").size(), 7u);
  sql.Format(L"delete from %s where (%s='U' or %s='UR')", L"控规图层", L"LayerType", L"LayerType");
  Exec(ado, {sql});
  EXPECT_EQ(Column(ado, L"select * from 控规图层", L"LayerID").size(), 5u);
  sql.Format(L"delete from %s where (%s='S' or %s='SR' or %s='' or %s is null)", L"控规图层", L"LayerType",
             L"LayerType", L"LayerType", L"LayerType");
  Exec(ado, {sql});
  EXPECT_TRUE(Column(ado, L"select * from 控规图层", L"LayerID").empty());
  Exec(ado, {L"delete from 控规图层 "});
}

TEST_F(StandardsStatements, UserRowsOverrideSystemRows) {
  Fill2013();
  // A user row that lists the system row's code among several.
  CString sql;
  sql.Format(L"select * FROM %s where (%s='U' or %s='UR') and (';'+%s+';' like '%%;%s;%%') ", L"控规图层",
             L"LayerType", L"LayerType", L"ItemCode", L"2001");
  EXPECT_EQ(Column(ado, sql, L"LayerName"), Rows{"MY_ROAD"});
  sql.Format(L"select * FROM %s where (%s='U' or %s='UR') and (';'+%s+';' like '%%;%s;%%') ", L"控规图层",
             L"LayerType", L"LayerType", L"ItemCode", L"200");  // a prefix of a code is no match
  EXPECT_TRUE(Column(ado, sql, L"LayerName").empty());

  // The combined lists.
  sql.Format(L"select * from %s where (%s='S' or %s='SR' or %s is null or %s='') order by %s,%s ", L"控规图层",
             L"LayerType", L"LayerType", L"LayerType", L"LayerType", L"GpOrder", L"LayerName");
  EXPECT_EQ(Column(ado, sql, L"LayerName"), (Rows{"DLBX", "DLZX", "JZLK", "HL", "OLD"}));
  sql.Format(L"select * from %s where (%s='U' or %s='UR') order by %s,%s ", L"控规图层", L"LayerType", L"LayerType",
             L"GpOrder", L"LayerName");
  EXPECT_EQ(Column(ado, sql, L"LayerName"), (Rows{"MY_ROAD", "U_DLZX"}));
  sql.Format(L"select * from %s order by %s ", L"控规图层", L"GpOrder");
  EXPECT_EQ(Column(ado, sql, L"LayerName").size(), 7u);
  // User rows, plus the system rows no user row covers (1001 and 2001 are).
  sql.Format(L"select * from %s where ((%s='U' or %s='UR') or (%s='S' or %s='SR') and %s not in(\t\t\t\t\t\t\t "
             L"select b.%s from \t\t\t\t\t\t\t (select * from %s where (%s='U' or %s='UR')) a inner join \t\t\t\t\t\t\t "
             L"(select * from %s where (%s='S' or %s='SR')) b on ';'+a.%s+';' like '%%;'+b.%s+';%%')) order by %s,%s ",
             L"控规图层", L"LayerType", L"LayerType", L"LayerType", L"LayerType", L"LayerID", L"LayerID", L"控规图层",
             L"LayerType", L"LayerType", L"控规图层", L"LayerType", L"LayerType", L"ItemCode", L"ItemCode", L"GpOrder",
             L"LayerName");
  EXPECT_EQ(Column(ado, sql, L"LayerName"), (Rows{"DLZX", "HL", "MY_ROAD", "U_DLZX"}));
}

TEST_F(StandardsStatements, RelatingUserRowsToSystemRows) {
  Fill2013();
  Layer2013 sys = Row(L"S", L"5001", L"Park", L"GREEN", L"08");
  sys.app = L"规划";
  sys.ltScale = 3;
  sys.textType = L"HZ";
  sys.entType = L"面";
  sys.ex[2] = L"三";
  Exec(ado, {Insert2013(L"控规图层", sys),
             Insert2013(L"控规图层", Row(L"U", L"", L"park", L"MY_PARK")),     // gets 5001 and its attributes
             Insert2013(L"控规图层", Row(L"U", L"", L"Ux自定义", L"MINE")),    // begins with U: left alone
             Insert2013(L"控规图层", Row(L"UR", L"", L"无此项", L"NOSYS")),     // names no system row
             Insert2013(L"控规图层", Row(L"U", L"7777", L"Park", L"CODED"))});  // already has a code

  // AutoRelationLayerCustomParam with copyAll: fifteen columns from the system row.
  const wchar_t* copied[] = {L"ItemCode", L"ItemApp", L"LineTypeScale", L"LineWidth", L"TextType",
                             L"TextTypeScale", L"TextHeight", L"EntType", L"ActionCmd", L"Expand1",
                             L"Expand2", L"Expand3", L"Expand4", L"Expand5", L"Expand6"};
  CString set;
  for (const wchar_t* c : copied) {
    CString pair;
    pair.Format(L"a.%s=b.%s", c, c);
    set += (set.IsEmpty() ? L"" : L",") + pair;
  }
  const wchar_t* const t = L"控规图层";
  const wchar_t* const lt = L"LayerType";
  const wchar_t* const code = L"ItemCode";
  const wchar_t* const item = L"Item";
  CString sql;
  sql.Format(L"update \t\t\t\t\t\t\t\t (select * from %s where (%s='U' or %s='UR') and (%s is null or %s='')) a, "
             L"\t\t\t\t\t\t\t\t (select * from %s where (%s='S' or %s='SR')) b \t\t\t\t\t\t\t\t set %s \t\t\t\t\t\t\t\t "
             L"where (a.%s=b.%s and a.%s is not null and a.%s<>'' and left(a.%s,1)<>'U' ) ",
             t, lt, lt, code, code, t, lt, lt, set, item, item, item, item, item);
  ASSERT_TRUE(ado.ExeSQL(sql, ado.GetConn())) << ado.GetLastError().ToUtf8();

  CADORecordset rs;
  ASSERT_TRUE(ado.GetRecord(&rs, L"select * from 控规图层 where LayerName='MY_PARK'", ado.GetConn()));
  CString v;
  double d = 0;
  EXPECT_TRUE(rs.GetFieldValue(L"ItemCode", v));
  EXPECT_EQ(v, L"5001");
  EXPECT_TRUE(rs.GetFieldValue(L"ItemApp", v));
  EXPECT_EQ(v, L"规划");
  EXPECT_TRUE(rs.GetFieldValue(L"TextType", v));
  EXPECT_EQ(v, L"HZ");
  EXPECT_TRUE(rs.GetFieldValue(L"EntType", v));
  EXPECT_EQ(v, L"面");
  EXPECT_TRUE(rs.GetFieldValue(L"Expand3", v));
  EXPECT_EQ(v, L"三");
  EXPECT_TRUE(rs.GetFieldValue(L"LineTypeScale", d));
  EXPECT_EQ(d, 3.0);
  EXPECT_TRUE(rs.GetFieldValue(L"Item", v));
  EXPECT_EQ(v, L"park");  // the user's own columns stay
  // The user row of 道路中线 (no code, UR) takes 1002.
  EXPECT_EQ(Column(ado, L"select * from 控规图层 where LayerName='U_DLZX'", L"ItemCode"), Rows{"1002"});
  EXPECT_EQ(Column(ado, L"select * from 控规图层 where LayerName='MINE'", L"ItemCode"), Rows{""});
  EXPECT_EQ(Column(ado, L"select * from 控规图层 where LayerName='NOSYS'", L"ItemCode"), Rows{""});
  EXPECT_EQ(Column(ado, L"select * from 控规图层 where LayerName='CODED'", L"ItemCode"), Rows{"7777"});
  EXPECT_EQ(Column(ado, L"select * from 控规图层 where LayerType='S' and Item='Park'", L"ItemCode"), Rows{"5001"});

  // Without copyAll only the code moves.
  Exec(ado, {Insert2013(L"控规图层", Row(L"U", L"", L"河流", L"MY_RIVER"))});
  sql.Format(L"update \t(select * from %s where (%s='U' or %s='UR') and (%s is null or %s='')) a, \t(select * from %s "
             L"where (%s='S' or %s='SR')) b \tset %s \twhere (a.%s=b.%s and a.%s is not null and a.%s<>'' and "
             L"left(a.%s,1)<>'U' ) ",
             t, lt, lt, code, code, t, lt, lt, L"a.ItemCode=b.ItemCode", item, item, item, item, item);
  // 河流 is a plain S row: its code 3001 arrives, the text type stays the user's.
  Exec(ado, {L"update 控规图层 set TextType='HT' where Item='河流' and LayerType='S'"});
  ASSERT_TRUE(ado.ExeSQL(sql, ado.GetConn())) << ado.GetLastError().ToUtf8();
  EXPECT_EQ(Column(ado, L"select * from 控规图层 where LayerName='MY_RIVER'", L"ItemCode"), Rows{"3001"});
  EXPECT_EQ(Column(ado, L"select * from 控规图层 where LayerName='MY_RIVER'", L"TextType"), Rows{"Standard"});

  // Purge: rows still without a code whose item names no system row and does
  // not begin with U.
  const wchar_t* const id = L"LayerID";
  sql.Format(L"delete from %s where (%s is null or %s='') and (%s is not null and %s<>'' and left(%s,1)<>'U') and %s "
             L"not in \t\t\t\t\t\t\t\t\t (select a.%s from \t\t\t\t\t\t\t\t\t (select * from %s where (%s='U' or "
             L"%s='UR')) a, \t\t\t\t\t\t\t\t\t (select * from %s where (%s='S' or %s='SR')) b \t\t\t\t\t\t\t\t\t where "
             L"a.%s=b.%s and a.%s is not null and a.%s<>'') ",
             t, code, code, item, item, item, id, id, t, lt, lt, t, lt, lt, item, item, item, item);
  ASSERT_TRUE(ado.ExeSQL(sql, ado.GetConn())) << ado.GetLastError().ToUtf8();
  const Rows left = Column(ado, L"select * from 控规图层 order by LayerID", L"LayerName");
  EXPECT_EQ(std::count(left.begin(), left.end(), "NOSYS"), 0);
  EXPECT_EQ(std::count(left.begin(), left.end(), "MINE"), 1);
  EXPECT_EQ(left.size(), 12u);
}

TEST_F(StandardsStatements, UpgradeAddsAColumnWithItsDefault) {
  Exec(ado, {L"insert into 图层 (Item, OwnerGroup) values ('a', 1)"});
  CString sql;
  sql.Format(L"alter table %s add column LineTypeScale single DEFAULT 1 ", L"图层");
  Exec(ado, {sql});
  int found = 0;
  EXPECT_TRUE(ado.FieldExists(L"图层", L"LineTypeScale", found, ado.GetConn()));
  EXPECT_EQ(found, 1);
  EXPECT_EQ(Column(ado, L"select * from 图层", L"LineTypeScale"), Rows{"1"});
  // A second upgrade fails with the engine's reason.
  EXPECT_FALSE(ado.ExeSQL(sql, ado.GetConn()));
  EXPECT_NE(ado.GetLastError().Find(L"duplicate column"), -1) << ado.GetLastError().ToUtf8();
}

TEST_F(StandardsStatements, StyleTablesRoundTrip) {
  CString sql;
  sql.Format(L"Insert Into 文本样式(Item,TextstyleName,FontFile,Height,XScale,ObliquingAngle,Bold,Italic,XMirror,"
             L"YMirror,Vertical,OwnerGroup)Values ('%s','%s','%s',%f,%f,%f,%d,%d,%d,%d,%d,%d)",
             L"标注", L"st", L"宋体", 3.0, 0.8, 0.0, 0, 0, 0, 0, 1, 1023);
  Exec(ado, {sql});
  sql.Format(L"UPDATE 文本样式 SET %s='%s',%s='%s',%s=%f,%s=%f,%s=%f,%s=%d,%s=%d,%s=%d,%s=%d,%s=%d WHERE item = '%s'",
             L"TextstyleName", L"HZ", L"FontFile", L"txt.shx,hztxt.shx", L"Height", 2.5, L"XScale", 0.7,
             L"ObliquingAngle", 15.0, L"Bold", 1, L"Italic", 0, L"XMirror", 0, L"YMirror", 0, L"Vertical", 0, L"标注");
  Exec(ado, {sql});
  EXPECT_EQ(Column(ado, L"select * from 文本样式 where item = '标注'", L"FontFile"), Rows{"txt.shx,hztxt.shx"});
  EXPECT_EQ(Column(ado, L"select * from 文本样式 where item = '标注'", L"Height"), Rows{"2.5"});

  // A new line style reads back unchanged.
  EXPECT_TRUE(Column(ado, L"Select * From 线 Where Item='红线'", L"Item").empty());
  sql.Format(L"Insert Into 线 (Item,Color,Weight,PolyWidth,LineScale,Thickness,Linetype,OwnerLayer,OwnerGroup) "
             L"Values('%s',%d,%d,%f,%f,%f,'%s','%s',%d)",
             L"红线", 1, 30, 0.35, 1.0, 0.0, L"DASHDOT", L"$道路红线", 1023);
  Exec(ado, {sql});
  CADORecordset rs;
  ASSERT_TRUE(ado.GetRecord(&rs, L"select * from 线 where item = '红线'", ado.GetConn()));
  int color = 0, weight = 0;
  double width = 0;
  CString linetype, layer;
  EXPECT_TRUE(rs.GetFieldValue(L"Color", color));
  EXPECT_TRUE(rs.GetFieldValue(L"Weight", weight));
  EXPECT_TRUE(rs.GetFieldValue(L"PolyWidth", width));
  EXPECT_TRUE(rs.GetFieldValue(L"Linetype", linetype));
  EXPECT_TRUE(rs.GetFieldValue(L"OwnerLayer", layer));
  EXPECT_EQ(color, 1);
  EXPECT_EQ(weight, 30);
  EXPECT_EQ(width, 0.35);
  EXPECT_EQ(linetype, L"DASHDOT");
  EXPECT_EQ(layer, L"$道路红线");
  sql.Format(L"UPDATE 线 SET %s=%d,%s=%d,%s=%f,%s=%f,%s=%f,%s='%s',%s='%s' WHERE item = '%s'", L"Color", 256,
             L"Weight", -1, L"PolyWidth", 0.0, L"LineScale", 2.0, L"Thickness", 0.0, L"Linetype", L"ByLayer",
             L"OwnerLayer", L"0", L"红线");
  Exec(ado, {sql});
  EXPECT_EQ(Column(ado, L"select * from 线 where item = '红线'", L"Color"), Rows{"256"});

  // Other parameters.
  sql.Format(L"Insert into 其他 (Item,ValueText,Type,OwnerGroup) values('%s','%s',%d,%d)", L"比例", L"500", 5001, 1);
  Exec(ado, {sql});
  sql.Format(L"UPDATE 其他 SET %s='%s',%s=%d WHERE item = '%s'", L"ValueText", L"1000", L"Type", 5001, L"比例");
  Exec(ado, {sql});
  sql.Format(L"UPDATE 其他 SET %s='%s',%s='%s',%s=%d WHERE item = '%s'", L"ValueText", L"2000", L"remark", L"出图比例",
             L"Type", 5005, L"比例");
  Exec(ado, {sql});
  EXPECT_EQ(Column(ado, L"select * from 其他 where item ='比例'", L"ValueText"), Rows{"2000"});
  sql.Format(L"select * from %s where item ='%s'", L"其他", L"比例");
  EXPECT_EQ(Column(ado, sql, L"remark"), Rows{"出图比例"});
  sql.Format(L"select * from %s where %s", L"线", Membership(1));
  EXPECT_EQ(Column(ado, sql, L"Item"), Rows{"红线"});
  sql.Format(L"DELETE from %s where item='%s'", L"其他", L"比例");
  Exec(ado, {sql});
  EXPECT_TRUE(Column(ado, L"select * from 其他", L"Item").empty());
}

}  // namespace
