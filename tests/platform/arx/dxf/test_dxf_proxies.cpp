// Types the database does not know stay proxies that keep every group and
// are written back unchanged; custom classes read themselves, unless they
// ask to stay proxies.
#include <gtest/gtest.h>

#include <memory>
#include <sstream>

#include "DxfTestSupport.h"
#include "arx/db/AcDbDxfFiler.h"
#include "arx/db/AcDbDwgFiler.h"
#include "arx/db/AcDbProxyObject.h"
#include "arx/db/VhostDxfSupport.h"
#include "arx/dxf/DxfFileIo.h"
#include "arx/dxf/DxfReader.h"
#include "arx/dxf/DxfWriter.h"

using namespace dxftest;

// A custom object of an application: a text and a count.
class VkTestTag : public AcDbObject {
 public:
  ACRX_DECLARE_MEMBERS(VkTestTag);
  std::wstring text;
  Adesk::Int32 count = 0;

  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override {
    AcDbObject::dwgOutFields(filer);
    filer->writeString(text);
    filer->writeInt32(count);
    return filer->filerStatus();
  }
  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override {
    AcDbObject::dwgInFields(filer);
    filer->readString(text);
    filer->readInt32(&count);
    return filer->filerStatus();
  }
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override {
    AcDbObject::dxfOutFields(filer);
    filer->writeString(100, L"VkTestTag");
    filer->writeString(1, text.c_str());
    filer->writeInt32(90, count);
    return filer->filerStatus();
  }
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override {
    Acad::ErrorStatus es = AcDbObject::dxfInFields(filer);
    if (es != Acad::eOk) return es;
    if (!filer->atSubclassData(L"VkTestTag")) return vhost::dxfBadSubclass(filer, L"VkTestTag");
    resbuf rb;
    while ((es = filer->readResBuf(&rb)) == Acad::eOk) {
      if (rb.restype == 1) text = rb.resval.rstring;
      if (rb.restype == 90) count = rb.resval.rlong;
      vhost::dxfReleaseValue(rb);
    }
    return es == Acad::eEndOfObject ? Acad::eOk : es;
  }
};
ACRX_DXF_DEFINE_MEMBERS(VkTestTag, AcDbObject, AcDb::kDHL_CURRENT, 0, 0, VKTESTTAG, VESKTEST)

// A class that finds the data of a newer version than it knows.
class VkNewerTag : public AcDbObject {
 public:
  ACRX_DECLARE_MEMBERS(VkNewerTag);
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler*) override { return Acad::eMakeMeProxy; }
};
ACRX_DXF_DEFINE_MEMBERS(VkNewerTag, AcDbObject, AcDb::kDHL_CURRENT, 0, 0, VKNEWERTAG, VESKTEST)

namespace {

std::string g(int code, const std::string& v) { return std::to_string(code) + "\n" + v + "\n"; }

// The groups of the first object of that type in a file, as "code=value".
std::vector<std::string> groupsOf(const std::string& file, const std::string& type) {
  std::istringstream in(file);
  std::string code, value;
  std::vector<std::string> out;
  bool inside = false;
  while (std::getline(in, code) && std::getline(in, value)) {
    const int c = std::stoi(code);
    if (c == 0) {
      if (inside) break;
      inside = value == type;
      continue;
    }
    if (inside) out.push_back(std::to_string(c) + "=" + value);
  }
  return out;
}

const std::string kShape = g(5, "30") + g(330, "1F") + g(100, "AcDbEntity") + g(8, "0") + g(100, "AcDbMyShape") +
                           g(10, "1.5") + g(20, "2.5") + g(30, "0.0") + g(340, "20") + g(90, "7") + g(310, "00FF10") +
                           g(1001, "VESKTEST") + g(1000, "kept");
const std::string kUnknown = g(5, "22") + g(330, "D") + g(100, "AcDbMyUnknown") + g(1, "anything") + g(40, "0.25") +
                             g(360, "0") + g(100, "AcDbMyUnknownMore") + g(70, "3");

std::string sample() {
  auto cls = [](const std::string& dxf, const std::string& cpp, const std::string& app, int entity) {
    return g(0, "CLASS") + g(1, dxf) + g(2, cpp) + g(3, app) + g(90, "0") + g(91, "1") + g(280, "0") +
           g(281, std::to_string(entity));
  };
  return g(0, "SECTION") + g(2, "HEADER") + g(9, "$ACADVER") + g(1, "AC1024") + g(9, "$HANDSEED") + g(5, "40") +
         g(0, "ENDSEC") + g(0, "SECTION") + g(2, "CLASSES") + cls("VKTESTTAG", "VkTestTag", "VESKTEST", 0) +
         cls("VKNEWERTAG", "VkNewerTag", "VESKTEST", 0) + cls("MYUNKNOWN", "MyUnknownObject", "OtherApp", 0) +
         cls("MYSHAPE", "MyShape", "OtherApp", 1) + g(0, "ENDSEC") + g(0, "SECTION") + g(2, "TABLES") + g(0, "TABLE") +
         g(2, "APPID") + g(5, "9") + g(330, "0") + g(100, "AcDbSymbolTable") + g(70, "1") + g(0, "APPID") + g(5, "12") +
         g(330, "9") + g(100, "AcDbSymbolTableRecord") + g(100, "AcDbRegAppTableRecord") + g(2, "VESKTEST") +
         g(70, "0") + g(0, "ENDTAB") + g(0, "TABLE") + g(2, "BLOCK_RECORD") + g(5, "1") + g(330, "0") +
         g(100, "AcDbSymbolTable") + g(70, "1") + g(0, "BLOCK_RECORD") + g(5, "1F") + g(330, "1") +
         g(100, "AcDbSymbolTableRecord") + g(100, "AcDbBlockTableRecord") + g(2, "*Model_Space") + g(0, "ENDTAB") +
         g(0, "ENDSEC") + g(0, "SECTION") + g(2, "ENTITIES") + g(0, "MYSHAPE") + kShape + g(0, "ENDSEC") +
         g(0, "SECTION") + g(2, "OBJECTS") + g(0, "DICTIONARY") + g(5, "C") + g(330, "0") +
         g(100, "AcDbDictionary") + g(3, "TAGS") + g(350, "D") + g(0, "DICTIONARY") + g(5, "D") + g(330, "C") +
         g(100, "AcDbDictionary") + g(3, "T1") + g(350, "20") + g(3, "T2") + g(350, "21") + g(3, "T3") +
         g(350, "22") + g(0, "VKTESTTAG") + g(5, "20") + g(330, "D") + g(100, "VkTestTag") + g(1, "hello") +
         g(90, "12") + g(0, "VKNEWERTAG") + g(5, "21") + g(330, "D") + g(100, "VkNewerTag") + g(1, "v2 data") +
         g(0, "MYUNKNOWN") + kUnknown + g(0, "ENDSEC") + g(0, "SECTION") + g(2, "ACDSDATA") + g(70, "2") +
         g(0, "ACDSSCHEMA") + g(90, "0") + g(1, "AcDb3DSolid_ASM_Data") + g(0, "ENDSEC") + g(0, "EOF");
}

}  // namespace

TEST(DxfProxies, UnknownTypesStayAsReadAndCustomClassesReadThemselves) {
  VkTestTag::rxInit();
  VkNewerTag::rxInit();
  ScratchDir dir;
  writeFile(dir.path("in.dxf"), sample());
  AcDbDatabase* raw = nullptr;
  std::wstring error;
  ASSERT_TRUE(vhost::readDxfFile(dir.wpath("in.dxf"), raw, error)) << narrow(error);
  std::unique_ptr<AcDbDatabase> db(raw);
  auto open = [&](unsigned h) {
    AcDbObjectId id;
    AcDbObject* o = nullptr;
    if (db->getAcDbObjectId(id, false, AcDbHandle(h)) == Acad::eOk) acdbOpenObject(o, id, AcDb::kForRead);
    return o;
  };
  AcDbObject* tag = open(0x20);
  ASSERT_TRUE(VkTestTag::cast(tag));
  EXPECT_EQ(VkTestTag::cast(tag)->text, L"hello");
  EXPECT_EQ(VkTestTag::cast(tag)->count, 12);
  tag->close();
  AcDbObject* newer = open(0x21);
  ASSERT_TRUE(AcDbProxyObject::cast(newer));
  EXPECT_STREQ(AcDbProxyObject::cast(newer)->originalClassName(), L"VkNewerTag");
  EXPECT_STREQ(AcDbProxyObject::cast(newer)->originalDxfName(), L"VKNEWERTAG");
  newer->close();
  AcDbObject* unknown = open(0x22);
  ASSERT_TRUE(AcDbProxyObject::cast(unknown));
  EXPECT_STREQ(AcDbProxyObject::cast(unknown)->applicationDescription(), L"OtherApp");
  EXPECT_STREQ(AcDbProxyObject::cast(unknown)->originalClassName(), L"MyUnknownObject");
  unknown->close();
  AcDbObject* shape = open(0x30);
  ASSERT_TRUE(AcDbProxyEntity::cast(shape));
  AcDbObjectIdArray refs;
  AcArray<int> codes;
  AcDbProxyEntity::cast(shape)->getReferences(refs, codes);
  ASSERT_EQ(refs.length(), 1);
  EXPECT_EQ(refs[0].handle().value(), 0x20u);  // the reference reads as the object's id
  EXPECT_EQ(shape->ownerId(), db->modelSpaceId());
  shape->close();

  // Written back: the same groups, the classes listed with their applications.
  ASSERT_EQ(db->saveAs(dir.wpath("out.dxf").c_str()), Acad::eOk) << narrow(vhost::lastFileError());
  const std::string out = readFile(dir.path("out.dxf"));
  auto expectSame = [&](const std::string& type, const std::string& input) {
    EXPECT_EQ(groupsOf(out, type), groupsOf(g(0, type) + input, type)) << type;
  };
  expectSame("MYSHAPE", kShape);
  expectSame("MYUNKNOWN", kUnknown);
  expectSame("VKNEWERTAG", g(5, "21") + g(330, "D") + g(100, "VkNewerTag") + g(1, "v2 data"));
  expectSame("VKTESTTAG", g(5, "20") + g(330, "D") + g(100, "VkTestTag") + g(1, "hello") + g(90, "12"));
  expectSame("ACDSSCHEMA", g(90, "0") + g(1, "AcDb3DSolid_ASM_Data"));  // a section not read is kept
  const auto classes = groupsOf(out, "CLASS");
  EXPECT_FALSE(classes.empty());
  EXPECT_NE(out.find("  1\nMYUNKNOWN\n  2\nMyUnknownObject\n  3\nOtherApp\n 90\n0\n 91\n1\n280\n1\n281\n0\n"),
            std::string::npos);
  EXPECT_NE(out.find("  1\nMYSHAPE\n  2\nMyShape\n  3\nOtherApp\n 90\n0\n 91\n1\n280\n1\n281\n1\n"), std::string::npos);
  EXPECT_NE(out.find("  1\nVKTESTTAG\n  2\nVkTestTag\n  3\nVESKTEST\n 90\n0\n 91\n1\n280\n0\n281\n0\n"),
            std::string::npos);
  // And read again, the same database.
  AcDbDatabase* again = nullptr;
  ASSERT_TRUE(vhost::readDxfFile(dir.wpath("out.dxf"), again, error)) << narrow(error);
  std::unique_ptr<AcDbDatabase> db2(again);
  expectSameDatabase(db.get(), db2.get());
}

TEST(DxfProxies, TablesNotModelledKeepTheirRecords) {
  // A table of a kind the database does not model, whose record names some
  // other owner: it stays a record of its table, and is written back there;
  // a second table of the same name is kept too.
  const std::string file =
      g(0, "SECTION") + g(2, "HEADER") + g(9, "$ACADVER") + g(1, "AC1024") + g(0, "ENDSEC") + g(0, "SECTION") +
      g(2, "TABLES") + g(0, "TABLE") + g(2, "MYTABLE") + g(5, "70") + g(330, "0") + g(100, "AcDbSymbolTable") +
      g(70, "1") + g(0, "LAYOUT") + g(5, "71") + g(330, "1") + g(41, "0.0") + g(0, "ENDTAB") + g(0, "TABLE") +
      g(2, "MYTABLE") + g(5, "72") + g(100, "AcDbSymbolTable") + g(0, "ENDTAB") + g(0, "ENDSEC") + g(0, "EOF");
  vhost::DxfReader reader(L"t.dxf");
  AcDbDatabase db(false, true);
  ASSERT_TRUE(reader.read(file.data(), file.size(), &db)) << narrow(reader.error());
  AcDbObjectId rec, table;
  ASSERT_EQ(db.getAcDbObjectId(rec, false, AcDbHandle(0x71)), Acad::eOk);
  ASSERT_EQ(db.getAcDbObjectId(table, false, AcDbHandle(0x70)), Acad::eOk);
  AcDbObject* o = nullptr;
  ASSERT_EQ(acdbOpenObject(o, rec, AcDb::kForRead), Acad::eOk);
  EXPECT_TRUE(AcDbProxyObject::cast(o));
  EXPECT_EQ(o->ownerId(), table);
  o->close();
  std::string out;
  vhost::DxfWriter writer(&db);
  ASSERT_TRUE(writer.write(out));
  const size_t tables = out.find("TABLES"), endtab = out.find("MYTABLE");
  ASSERT_NE(endtab, std::string::npos);
  EXPECT_LT(tables, out.find("LAYOUT\n  5\n71\n"));
  EXPECT_LT(out.find("LAYOUT\n  5\n71\n"), out.find("BLOCKS"));
  vhost::DxfReader again(L"out.dxf");
  AcDbDatabase db2(false, true);
  ASSERT_TRUE(again.read(out.data(), out.size(), &db2)) << narrow(again.error());
  expectSameDatabase(&db, &db2);
}
