#pragma once
// VeskDB::CCustomDatabase: the one object through which the module and its
// sibling modules reach the drawing standards (layer, text-style, line, text,
// hatch and other settings, and the group tables).
//
// It holds two connections: the standards database proper (always) and, in
// mode 1, a separate layer database with the layer tables. Nothing opens
// implicitly: the owner calls SetDefaultDB, SetCustomDBPath or Open before the
// first table operation, and every table operation returns 0 at once while the
// object is closed.
//
// Passwords: the standards database is keyed "kaplorns" for design type 10 and
// "kaplorn" otherwise; the layer database has no password, except through
// Open(const wchar_t*), which opens it with the standards password.
#include "mfc/CObject.h"
#include "mfc/CString.h"
#include "veskdata/CFADO.h"
#include "mfc/CArray.h"
#include "mfc/CStringArray.h"
#include "veskbase/StyleParams.h"
#include "veskcad/standards/LayerRecords.h"

namespace VeskDB {

class CCustomDatabase : public CObject {
 public:
  // The standards database "default.mdb" in the CAD common data folder.
  CCustomDatabase();
  // The standards database "default.mdb" in dir (which ends with a separator).
  explicit CCustomDatabase(CString dir);
  ~CCustomDatabase() override;
  CCustomDatabase(const CCustomDatabase&) = delete;
  CCustomDatabase& operator=(const CCustomDatabase&) = delete;

  // --- connection and paths --------------------------------------------------
  // Single-database mode on path; closes first, then opens.
  int SetDefaultDB(CString path);
  // Two-database mode: standards database path, layer database layerPath.
  int SetDefaultDB(CString path, CString layerPath);
  // Two-database mode with a new layer database.
  int SetCustomDBPath(CString layerPath);
  CString GetLayerDbFullName() const { return m_strLayerDb; }
  // The layer database's path: with flag 0 and a known path, the stored path
  // as given; otherwise parsed (upper-cased) from the layer connection.
  int GetCurOpenLayerDbPath(CString& out, int flag);

  int Open();
  // As Open(), but the layer database gets the standards password.
  int Open(const wchar_t* unused);
  int Close();
  int Release();
  int IsOpen() const { return m_bOpen; }

  void SetDesignType(int designType) { m_nDesignType = designType; }
  int GetDesignType() const { return m_nDesignType; }
  int GetDBMode() const { return m_nDBMode; }

  // Shows the last connection error in a warning box; nothing when show is 0.
  void ShowErroMessage(int show);
  void ReportError(const wchar_t* message);

  // --- layer tables (CCustomDatabaseLayer*.cpp) ------------------------------
  // Every operation works on one layer table: "图层" of the standards database
  // in mode 0; in mode 1 the table of the design type in the layer database
  // (LayerTableSelect.h; a designType argument of -1 means the object's). All
  // return 0 at once while the object is closed, and 0 for a failed statement.
  // Texts a caller gives are quoted safely; filters, SET lists, WHERE clauses
  // and column names passed as arguments are SQL and go in as they are.
  // A group mask selects the rows whose OwnerGroup shares a bit with it; -1
  // selects every row.

  // Groups and items. The group tables "模块" and "层组" are in the standards
  // database.
  int GetGroups(CStringArray* items);
  int GetLayerGroups(CStringArray* items);
  int GetLayerItem(int groupMask, CStringArray* items);
  int GetLayerOwnerGroup(const wchar_t* item, int& mask);
  int SetLayerOwnerGroup(const wchar_t* item, int mask);

  // Classic records, keyed by Item.
  // The row of item in the shared table ("公共图层" in mode 1, "图层" in mode 0).
  int GetLayerPublicParam(const wchar_t* item, vesk::LAYERPARAM* param);
  int GetLayerPublicParam(const wchar_t* item, STLAYERPARAM* param);
  // Get or create: the shared table first, then the current table; an item
  // found in neither is stored with the record as given (its defaults).
  int GetLayerCustomParam(const wchar_t* item, vesk::LAYERPARAM* param);
  int GetLayerCustomParam(const wchar_t* item, STLAYERPARAM* param);
  // The record's own Item in the current table only; fills every field.
  int GetLayerCustomParam(STLAYERPARAM& param);
  // Inserts unless present (a present row fills the record, 1). The int has
  // no effect.
  int InsertLayerCustomParam(const wchar_t* item, vesk::LAYERPARAM* param, int unused = 0);
  int InsertLayerCustomParam(STLAYERPARAM* param, int unused = 0);
  // Upsert by item (OwnerGroup is not changed by an update).
  int SetLayerCustomParam(const wchar_t* item, vesk::LAYERPARAM* param);
  int SetLayerCustomParam(const wchar_t* item, STLAYERPARAM* param);
  int SetLayerCustomParam(STLAYERPARAM* param);
  // Updates the row of item with the record and a remark; never inserts.
  int SetLayerCustomParam_Remark(const wchar_t* item, vesk::LAYERPARAM* param, CString remark);
  // Sets one column (a name, not quoted) of the row of item to a text.
  int SetLayerCustomParam_Item(const wchar_t* item, CString column, CString value);
  int GetLayerCustomParamGroup(int groupMask, CStringArray* items, CArray<vesk::LAYERPARAM>* params);
  int GetLayerCustomParamGroup_Remark(int groupMask, CStringArray* items, CArray<vesk::LAYERPARAM>* params,
                                      CStringArray* remarks);
  // The text of a column of each row of the group (empty when unreadable).
  int GetLayerCustomParamGroup_Item(int groupMask, CString column, CStringArray* out);
  int GetAllLayerCustomParam(int groupMask, int designType, CArray<STLAYERPARAM>& out);
  int DeleteLayerCustomParam(const wchar_t* item);

  // 2013 records (tables with the column LayerID; older tables are served
  // through the classic columns). System rows have LayerType "S"/"SR" (or
  // none), user rows "U"/"UR" and list in ItemCode the system codes they
  // replace, separated by ';'.
  // By name or code (byId 0; a user row listing the code of the system row
  // found overrides its layer settings) or by the record's LayerID (byId 1).
  // A missing item is stored from the record when createIfMissing is set.
  int GetLayerCustomParam(const wchar_t* item, LAYERPARAM2013EX* param, int byId = 0, int createIfMissing = 0);
  // Every row of the current table matching filter (a WHERE condition, or
  // empty for all).
  int GetLayerCustomParam(CString filter, CArray<LAYERPARAM2013EX>& out);
  // Inserts (forceInsert, LayerID 0 or unknown: the record receives its new
  // LayerID) or updates the row of the record's LayerID; a row of another
  // LayerType is left as it is (1).
  int SetLayerCustomParam(const wchar_t* item, LAYERPARAM2013EX* param, int forceInsert = 0, int designType = -1);
  int SetLayerCustomParam(LAYERPARAM2013EX* param, int forceInsert = 0, int designType = -1);
  int SetAllLayerCustomParam(CString& error, CArray<LAYERPARAM2013EX>& params, int forceInsert, int designType);
  // "update T set <set> where ..." for one LayerID, or for id < 0 every row
  // matching where.
  int UpdateLayerCustomParam(CString set, CString where, int id, int designType);
  int DeleteLayerCustomParam(LAYERPARAM2013EX* param);
  // Deletes the user rows, the system rows, or both (nothing for 0, 0).
  int DeleteLayerCustomParamAll(int user, int system);
  // exists := whether the table has the column LayerID.
  int LayerCustomParamIdExists(int& exists, int designType);
  int GetAllLayerCustomParam(int groupMask, int designType, CString extra, CArray<LAYERPARAM2013EX>& out);
  int GetAllLayerCustomParam(int groupMask, int designType, CArray<LAYERPARAM2013EX>& out);
  // kind "S" system rows, "U" user rows, "SU" all, empty: user rows and the
  // system rows no user row covers.
  int GetAllCombineLayerCustomParam(CString kind, int designType, CArray<LAYERPARAM2013EX>& out);
  int GetAllItemCodeAndItemSysRelation(int designType, CStringArray& codes, CStringArray& items);
  // User rows without a code take the code (copyAll: and the shared
  // attributes) of the system row of the same Item; purge removes user rows
  // that still have none (Items beginning with "U" are left alone).
  int AutoRelationLayerCustomParam(CString& error, int relate, int copyAll, int purge, int designType);

 protected:
  // The layer table for designType (-1: the object's) and its connection; 0
  // while the object is closed.
  int ResolveLayerTable(int designType, CString& table, CFADO*& ado);
  // is2013 := whether the table has LayerID; 0 when the table is missing.
  int LayerTableIs2013(const CString& table, CFADO& ado, int& is2013);
  // The classic upsert on an explicit table.
  int UpsertClassicLayerRow(const CString& table, CFADO& ado, const wchar_t* item, const vesk::LAYERPARAM& param,
                            const STLAYERPARAM* extra);
  // The classic listings: one query over the rows of a group mask, each row
  // handed to reader (used in CCustomDatabaseLayer.cpp only).
  template <class Reader>
  int ForEachGroupLayerRow(int groupMask, int designType, Reader&& reader);
  int DeleteLayerRowsOfType(int designType, int user, int system);
  // The classic get, get-or-create and insert-unless-present for both record
  // types (defined and used in CCustomDatabaseLayer.cpp).
  template <class Record>
  int ClassicPublicGet(const wchar_t* item, Record* param);
  template <class Record>
  int ClassicGetOrCreate(const wchar_t* item, Record* param);
  // The item's row of the design type's table (not the public one).
  template <class Record>
  int ClassicTableGet(const wchar_t* item, Record* param);
  template <class Record>
  int ClassicInsertUnlessPresent(const wchar_t* item, Record* param);

 public:

  // --- layer table upgrade (CCustomDatabaseUpgrade.cpp) -----------------------
  // Brings a layer database of the classic generation (no LayerID) to the
  // 2013 generation in place: the old file is kept beside it as
  // "<name>(2013).BAK" (an existing backup is never replaced), the 2013
  // template "<folder above STANDARDS>/config/数据库/default_Layer2013.mdb"
  // takes its place, and the user rows of each of the four layer tables are
  // carried over and related to the template's system rows. Any failure after
  // the template has replaced the file puts the old file back. Progress and
  // failures are printed on the command line and the reason is left in error.
  // 1 when the table of the design type is (now) of the 2013 generation.
  int UpgradeLayerCustomParamEx2013Db(CString& error, int designType);
  // Adds the column LineTypeScale (single, default 1) to the current table.
  int UpgradeLayerCustomParamTable(CString& error, int designType);

 protected:
  int UpgradeClassicLayerDb(CString& error, int designType);
  // Puts the saved copy back over the layer database and reopens it.
  void RestoreLayerDb(const CString& layerDb, const CString& savedCopy);

 public:

  // --- style tables (CCustomDatabaseStyle.cpp) --------------------------------
  // Text styles "文本样式", lines "线", texts "文本", hatches "填充" and free
  // parameters "其他", all on the standards connection, keyed by Item, each
  // row with an OwnerGroup mask. Gets fill the record from the first row and
  // leave it untouched when there is none (result 0); sets update the row of
  // the item (its OwnerGroup kept) or insert one.
  //
  // Free parameters: when "参数设置.xml" lies beside the standards database
  // (OtherParamXmlPath), gets and sets use it instead of "其他"; a parameter
  // missing from it is added with the caller's values. The listings and the
  // deletes always work on the table.
  //
  // Dispatch on the type code: 0 layer (vesk::LAYERPARAM), 1 text style,
  // 2 line, 3 text, 4 hatch, 5 free parameter; any other code gives 0.
  // records of GetCustomParamGroup is a CArray of the kind's record.
  int GetCustomParam(const wchar_t* item, int type, void* record);
  int SetCustomParam(const wchar_t* item, int type, void* record);
  int GetCustomParamGroup(int type, int groupMask, CStringArray* items, void* records);

  int GetTextstyleCustomParam(const wchar_t* item, vesk::TEXTSTYLEPARAM* param);
  int GetLineCustomParam(const wchar_t* item, vesk::LINEPARAM* param);
  int GetTextCustomParam(const wchar_t* item, vesk::TEXTPARAM* param);
  int GetHatchCustomParam(const wchar_t* item, vesk::HATCHPARAM* param);
  // XML or table; a parameter missing from the table is stored with the
  // caller's record (SetOtherCustomParam) and that result returned.
  int GetOtherCustomParam(const wchar_t* item, vesk::OTHERPARAM* param);

  int SetTextstyleCustomParam(const wchar_t* item, vesk::TEXTSTYLEPARAM* param);
  int SetLineCustomParam(const wchar_t* item, vesk::LINEPARAM* param);
  int SetTextCustomParam(const wchar_t* item, vesk::TEXTPARAM* param);
  int SetHatchCustomParam(const wchar_t* item, vesk::HATCHPARAM* param);
  int SetOtherCustomParam(const wchar_t* item, vesk::OTHERPARAM* param);
  // As SetOtherCustomParam, also writing remark to the table.
  int SetOtherCustomParam_Remark(const wchar_t* item, vesk::OTHERPARAM* param, CString remark);

  // Listings of the rows whose OwnerGroup shares a bit with groupMask (-1:
  // every row), in table order: each row's Item is appended to items and its
  // record (defaults, then the row) to the array. Either may be null.
  int GetTextstyleCustomParamGroup(int groupMask, CStringArray* items, CArray<vesk::TEXTSTYLEPARAM>* params);
  int GetLineCustomParamGroup(int groupMask, CStringArray* items, CArray<vesk::LINEPARAM>* params);
  int GetTextCustomParamGroup(int groupMask, CStringArray* items, CArray<vesk::TEXTPARAM>* params);
  int GetHatchCustomParamGroup(int groupMask, CStringArray* items, CArray<vesk::HATCHPARAM>* params);
  int GetOtherCustomParamGroup(int groupMask, CStringArray* items, CArray<vesk::OTHERPARAM>* params);
  int GetOtherCustomParamGroup_Remark(int groupMask, CStringArray* items, CArray<vesk::OTHERPARAM>* params,
                                      CStringArray* remarks);

  // One column of the row of item in table (table and column are SQL names
  // chosen by the caller). value is empty when the row or column is missing.
  int GetItemValue(const wchar_t* table, const wchar_t* item, const wchar_t* column, CString& value);
  // Sets one column of the existing row of item to the text value.
  int SetItemValue(const wchar_t* table, const wchar_t* item, const wchar_t* column, CString value);

  int DeleteTextstyleCustomParam(const wchar_t* item);
  int DeleteLineCustomParam(const wchar_t* item);
  int DeleteTextCustomParam(const wchar_t* item);
  int DeleteHatchCustomParam(const wchar_t* item);
  int DeleteOtherCustomParam(const wchar_t* item);
  // Deletes the rows of item from table: on the layer connection for the
  // five layer tables in mode 1, else on the standards connection.
  int DeleteCustomParam(const wchar_t* item, const wchar_t* table);

  // "参数设置.xml" in the folder of the standards database.
  CString GetOtherParamXmlPath() const;

  // The standards database's path.
  CString GetDefaultDbFullName() const { return m_strDefaultDb; }
  // The connections, for the table operations of this class and for callers
  // that run their own statements on the standards.
  CFADO& StandardsConnection() { return m_ado; }
  CFADO& LayerConnection() { return m_adoLayer; }

 protected:
  // The password of the standards database for the current design type.
  CString StandardsPassword() const;
  int OpenConnections(bool layerWithStandardsPassword);

  int m_bOpen = 0;
  CFADO m_ado;
  CFADO m_adoLayer;
  int m_nDBMode = 0;
  int m_nDesignType = 0;
  CString m_strDefaultDb;
  CString m_strLayerDb;
};

// The module's shared instance (may be null). The two names are one function.
CCustomDatabase* gpGetCustomDatabase();
CCustomDatabase* gpGetGpCustomDatabase();
// Replaces the shared pointer; the object it held is not deleted. Returns 1.
int gpSetGpCustomDataBase(CCustomDatabase* database);

}  // namespace VeskDB
