// DXF filing of the objects of the OBJECTS section: dictionaries, xrecords,
// groups, layouts and proxies.
#include <gtest/gtest.h>

#include <string>

#include "DbTestSupport.h"
#include "DxfFilingTestSupport.h"
#include "arx/db/AcDbDictionary.h"
#include "arx/db/AcDbGroup.h"
#include "arx/db/AcDbLayout.h"
#include "arx/db/AcDbProxyObject.h"
#include "arx/db/AcDbXrecord.h"
#include "arx/entities/AcDbLine.h"

using dxftest::chainOf;
using dxftest::findGroup;
using dxftest::group;
using dxftest::groupId;
using dxftest::groupsFrom;
using dxftest::readEdited;
using dxftest::readInto;
using vhost::DxfMemoryFiler;

namespace {

// A filer holding the groups given (released here).
void fill(DxfMemoryFiler& filer, std::initializer_list<resbuf*> groups) {
  for (resbuf* rb : groups) {
    filer.append(*rb);
    acutRelRb(rb);
  }
}

}  // namespace

TEST(DxfFilingObjects, DictionariesFileLiveEntriesSoftOrHard) {
  AcDbDatabase db;
  AcDbDictionary* nod = nullptr;
  ASSERT_EQ(db.getNamedObjectsDictionary(nod, AcDb::kForWrite), Acad::eOk);
  auto* dict = new AcDbDictionary();
  AcDbObjectId dictId, a, b;
  ASSERT_EQ(nod->setAt(L"VESK_DATA", dict, dictId), Acad::eOk);
  nod->close();
  auto addXrecord = [&](const ACHAR* key, AcDbObjectId& id, bool erased) {
    auto* rec = new AcDbXrecord();
    ASSERT_EQ(dict->setAt(key, rec, id), Acad::eOk);
    if (erased) rec->erase();
    rec->close();
  };
  addXrecord(L"Alpha", a, false);
  addXrecord(L"beta", b, true);
  dict->setMergeStyle(AcDb::kDrcReplace);

  DxfMemoryFiler soft(&db);
  ASSERT_EQ(dict->dxfOutFields(&soft), Acad::eOk);
  EXPECT_EQ(findGroup(soft, 280), nullptr);
  EXPECT_EQ(findGroup(soft, 281)->resval.rint, AcDb::kDrcReplace);
  EXPECT_EQ(dxftest::countGroups(soft, 350), 1);  // the erased entry is not written
  AcDbDictionary softBack;
  ASSERT_EQ(readInto(softBack, soft), Acad::eOk);
  AcDbObjectId found;
  EXPECT_EQ(softBack.getAt(L"ALPHA", found), Acad::eOk);
  EXPECT_EQ(found, a);
  EXPECT_EQ(softBack.numEntries(), 1u);
  EXPECT_FALSE(softBack.isTreatElementsAsHard());
  EXPECT_EQ(softBack.mergeStyle(), AcDb::kDrcReplace);

  dict->setTreatElementsAsHard(true);
  DxfMemoryFiler hard(&db);
  ASSERT_EQ(dict->dxfOutFields(&hard), Acad::eOk);
  dict->close();
  EXPECT_EQ(findGroup(hard, 280)->resval.rint, 1);
  EXPECT_EQ(dxftest::countGroups(hard, 360), 1);
  AcDbDictionary hardBack;
  ASSERT_EQ(readInto(hardBack, hard), Acad::eOk);
  EXPECT_TRUE(hardBack.isTreatElementsAsHard());
  dxftest::expectRewrittenSame(hardBack, hard, &db, L"AcDbDictionary");

  // Keys and objects come in pairs, keys once each; other groups are kept.
  const ACHAR* sub = L"AcDbDictionary";
  DxfMemoryFiler keyAlone(&db), idAlone(&db), twice(&db), extra(&db);
  fill(keyAlone, {group(100, sub), group(3, L"A"), group(3, L"B"), groupId(350, a)});
  fill(idAlone, {group(100, sub), groupId(350, a)});
  fill(twice, {group(100, sub), group(3, L"A"), groupId(350, a), group(3, L"a"), groupId(350, dictId)});
  fill(extra, {group(100, sub), group(3, L"A"), groupId(350, a), group(1, L"note")});
  AcDbDictionary d1, d2, d3, d4;
  EXPECT_EQ(readInto(d1, keyAlone), Acad::eBadDxfSequence);
  EXPECT_NE(keyAlone.vhostErrorMessage().find(L"A has no object"), std::wstring::npos);
  EXPECT_EQ(readInto(d2, idAlone), Acad::eBadDxfSequence);
  EXPECT_EQ(readInto(d3, twice), Acad::eBadDxfSequence);
  EXPECT_EQ(d3.numEntries(), 0u);
  ASSERT_EQ(readInto(d4, extra), Acad::eOk);
  DxfMemoryFiler out(&db);
  ASSERT_EQ(d4.dxfOutFields(&out), Acad::eOk);
  ASSERT_NE(findGroup(out, 1), nullptr);
  EXPECT_EQ(std::wstring(findGroup(out, 1)->resval.rstring), L"note");
}

TEST(DxfFilingObjects, XrecordsKeepEveryValueKind) {
  AcDbDatabase db;
  const double point[3] = {1.5, -2.0, 3.25};
  ads_binary bytes{4, const_cast<char*>("\x00\x7f\x80\xff")};
  const Adesk::Int64 big = 1LL << 40;
  resbuf* chain = acutBuildList(1, L"text", 10, point, 40, 2.5, 70, 7, 90, 123456, 160, big, 290, 1, 310, &bytes, 320,
                                L"1F", 1000, L"ext", 1071, 99, 100, L"AcDbMarker", 102, L"{APP", 280, 5, 0);
  resbuf* tail = chain;
  while (tail->rbnext) tail = tail->rbnext;
  for (int code : {330, 340, 350, 360, 390, 480}) tail = tail->rbnext = groupId(code, db.textStyleTableId());
  AcDbXrecord xrec;
  ASSERT_EQ(xrec.setFromRbChain(*chain, &db), Acad::eOk);
  xrec.setMergeStyle(AcDb::kDrcMangleName);

  DxfMemoryFiler out(&db);
  ASSERT_EQ(xrec.dxfOutFields(&out), Acad::eOk);
  std::vector<const resbuf*> written = groupsFrom(out, L"AcDbXrecord");
  ASSERT_GE(written.size(), 2u);
  EXPECT_EQ(written[1]->restype, 280);
  EXPECT_EQ(written[1]->resval.rint, AcDb::kDrcMangleName);
  written.erase(written.begin(), written.begin() + 2);
  dxftest::expectSameGroups(written, chainOf(chain));

  AcDbXrecord back;
  ASSERT_EQ(readInto(back, out), Acad::eOk);
  EXPECT_EQ(back.mergeStyle(), AcDb::kDrcMangleName);
  resbuf* data = nullptr;
  ASSERT_EQ(back.rbChain(data), Acad::eOk);
  dxftest::expectSameGroups(chainOf(data), chainOf(chain));  // the later 280 is data, the marker too
  acutRelRb(data);
  acutRelRb(chain);

  const ACHAR* sub = L"AcDbXrecord";
  std::wstring message;
  AcDbXrecord bad1, bad2, empty, emptyBack;
  EXPECT_EQ(readEdited(db, out, {sub, {group(320, L"XYZ")}, {}, {}}, bad1, &message), Acad::eBadDxfSequence);
  EXPECT_NE(message.find(L"xrecord"), std::wstring::npos);
  EXPECT_EQ(readEdited(db, out, {sub, {group(280, 7)}, {}, {}}, bad2), Acad::eBadDxfSequence);
  EXPECT_EQ(bad2.vhostItemCount(), 0);
  DxfMemoryFiler emptyOut(&db);
  ASSERT_EQ(empty.dxfOutFields(&emptyOut), Acad::eOk);
  ASSERT_EQ(readInto(emptyBack, emptyOut), Acad::eOk);
  EXPECT_EQ(emptyBack.vhostItemCount(), 0);
}

TEST(DxfFilingObjects, GroupsFileDescriptionFlagsAndLiveMembers) {
  AcDbDatabase db;
  AcDbObjectIdArray members;
  for (double y : {0.0, 1.0, 2.0})
    members.append(dbtest::addToModelSpace(&db, new AcDbLine(AcGePoint3d(0, y, 0), AcGePoint3d(1, y, 0))));
  AcDbDictionary* groups = nullptr;
  ASSERT_EQ(acdbOpenObject(groups, db.groupDictionaryId(), AcDb::kForWrite), Acad::eOk);
  auto* group = new AcDbGroup(L"street trees", false);
  AcDbObjectId groupId;
  ASSERT_EQ(groups->setAt(L"Trees", group, groupId), Acad::eOk);
  groups->close();
  ASSERT_EQ(group->append(members), Acad::eOk);
  group->close();
  AcDbObject* line = nullptr;
  ASSERT_EQ(acdbOpenObject(line, members[1], AcDb::kForWrite), Acad::eOk);
  line->erase();
  line->close();

  ASSERT_EQ(acdbOpenObject(group, groupId, AcDb::kForRead), Acad::eOk);
  DxfMemoryFiler out(&db);
  ASSERT_EQ(group->dxfOutFields(&out), Acad::eOk);
  group->close();
  EXPECT_EQ(std::wstring(findGroup(out, 300)->resval.rstring), L"street trees");
  EXPECT_EQ(findGroup(out, 70)->resval.rint, 0);
  EXPECT_EQ(findGroup(out, 71)->resval.rint, 0);
  EXPECT_EQ(dxftest::countGroups(out, 340), 2);  // the erased member is not written

  AcDbGroup back;
  ASSERT_EQ(readInto(back, out), Acad::eOk);
  EXPECT_EQ(std::wstring(back.description()), L"street trees");
  EXPECT_FALSE(back.isSelectable());
  AcDbObjectIdArray ids;
  ASSERT_EQ(back.allEntityIds(ids), 2u);
  EXPECT_EQ(ids[0], members[0]);
  EXPECT_EQ(ids[1], members[2]);

  AcDbGroup unnamed;
  ASSERT_EQ(readEdited(db, out, {L"AcDbGroup", {dxftest::group(70, 1)}, {dxftest::group(1, L"kept")}, {}}, unnamed),
            Acad::eOk);
  EXPECT_TRUE(unnamed.isAnonymous());
  DxfMemoryFiler again(&db);
  ASSERT_EQ(unnamed.dxfOutFields(&again), Acad::eOk);
  EXPECT_EQ(findGroup(again, 70)->resval.rint, 1);
  EXPECT_NE(findGroup(again, 1), nullptr);
}

TEST(DxfFilingObjects, LayoutsKeepPlotSettingsAndFileTheirOwnGroups) {
  AcDbDatabase db;
  AcDbDictionary* layouts = nullptr;
  ASSERT_EQ(acdbOpenObject(layouts, db.layoutDictionaryId(), AcDb::kForRead), Acad::eOk);
  AcDbLayout* layout = nullptr;
  ASSERT_EQ(layouts->getAt(L"Layout1", layout, AcDb::kForRead), Acad::eOk);
  layouts->close();
  DxfMemoryFiler out(&db);
  ASSERT_EQ(layout->dxfOutFields(&out), Acad::eOk);
  const AcDbObjectId block = layout->getBlockTableRecordId();
  layout->close();
  EXPECT_EQ(std::wstring(findGroup(out, 2, L"AcDbPlotSettings")->resval.rstring), L"none_device");
  EXPECT_EQ(std::wstring(findGroup(out, 1, L"AcDbLayout")->resval.rstring), L"Layout1");
  EXPECT_EQ(vhost::dxfObjectId(*findGroup(out, 330, L"AcDbLayout")), block);

  AcDbLayout back;
  ASSERT_EQ(readInto(back, out), Acad::eOk);
  EXPECT_EQ(back.getTabOrder(), 1);
  EXPECT_EQ(back.getBlockTableRecordId(), block);
  dxftest::expectRewrittenSame(back, out, &db, L"AcDbPlotSettings");

  // Plot settings of another writer come back as they were, limits as read.
  DxfMemoryFiler device(&db);
  dxftest::copyEdited(out, device, {L"AcDbPlotSettings", {group(2, L"DWG To PDF.pc3")}, {}, {}});
  AcDbLayout pdf;
  ASSERT_EQ(readEdited(db, device,
                       {L"AcDbLayout", {dxftest::groupPoint(11, 594, 420)}, {groupId(331, db.layerTableId())}, {}},
                       pdf),
            Acad::eOk);
  AcGePoint2d lo, hi;
  pdf.getLimits(lo, hi);
  EXPECT_EQ(hi, AcGePoint2d(594, 420));
  DxfMemoryFiler third(&db);
  ASSERT_EQ(pdf.dxfOutFields(&third), Acad::eOk);
  EXPECT_EQ(std::wstring(findGroup(third, 2, L"AcDbPlotSettings")->resval.rstring), L"DWG To PDF.pc3");
  EXPECT_NE(findGroup(third, 331, L"AcDbLayout"), nullptr);
  int flags = 0;
  for (const resbuf* rb : groupsFrom(third, L"AcDbLayout")) flags += rb->restype == 70;
  EXPECT_EQ(flags, 1);  // the kept flags, no default beside them

  AcDbLayout negative, noPlot;
  EXPECT_EQ(readEdited(db, out, {L"AcDbLayout", {group(71, -1)}, {}, {}}, negative), Acad::eBadDxfSequence);
  DxfMemoryFiler layoutOnly(&db);
  for (const resbuf* rb : groupsFrom(out, L"AcDbLayout")) layoutOnly.append(*rb);
  EXPECT_EQ(readInto(noPlot, layoutOnly), Acad::eBadDxfSequence);
  EXPECT_NE(layoutOnly.vhostErrorMessage().find(L"AcDbPlotSettings"), std::wstring::npos);
}

TEST(DxfFilingObjects, ProxiesWriteBackTheirGroupsExactly) {
  AcDbDatabase db;
  ads_binary bytes{2, const_cast<char*>("\x10\x20")};
  vhost::ProxyData data;
  data.className = L"VeskParcel";
  data.groups = acutBuildList(100, L"AcDbVeskParcel", 90, 3, 1, L"north", 100, L"AcDbVeskParcelData", 40, 2.5, 310,
                              &bytes, 0);
  data.groups->rbnext->rbnext->rbnext->rbnext->rbnext->rbnext = groupId(340, db.layerTableId());

  AcDbProxyObject proxy;
  proxy.setProxyData(data);
  DxfMemoryFiler out(&db);
  ASSERT_EQ(proxy.dxfOutFields(&out), Acad::eOk);
  dxftest::expectSameGroups(groupsFrom(out, L"AcDbVeskParcel"), chainOf(data.groups));
  fill(out, {group(1001, L"ACAD"), group(1000, L"x")});  // extended data is not the proxy's

  AcDbProxyObject back;
  ASSERT_EQ(readInto(back, out), Acad::eOk);
  dxftest::expectSameGroups(chainOf(back.proxyData().groups), chainOf(data.groups));
  AcDbObjectIdArray ids;
  AcArray<int> codes;
  back.getReferences(ids, codes);
  ASSERT_EQ(ids.length(), 1);
  EXPECT_EQ(ids[0], db.layerTableId());

  AcDbProxyEntity entity, entityBack;
  entity.setProxyData(data);
  DxfMemoryFiler entityOut(&db);
  ASSERT_EQ(entity.dxfOutFields(&entityOut), Acad::eOk);
  dxftest::expectSameGroups(groupsFrom(entityOut, L"AcDbVeskParcel"), chainOf(data.groups));
  vhost::ProxyData named;
  named.className = L"VeskParcel";
  entityBack.setProxyData(named);
  ASSERT_EQ(readInto(entityBack, entityOut), Acad::eOk);
  dxftest::expectSameGroups(chainOf(entityBack.proxyData().groups), chainOf(data.groups));
  EXPECT_EQ(std::wstring(entityBack.originalClassName()), L"VeskParcel");  // what the reader set stays
}
