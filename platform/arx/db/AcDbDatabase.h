#pragma once
// The drawing database: owns every object of one drawing, hands out handles
// and ids, keeps the header variables, and clones objects within itself and
// into other databases.
#include <deque>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "arx/base/AcCmColor.h"
#include "arx/base/AcDbHandle.h"
#include "arx/db/AcDb.h"
#include "arx/db/AcDbIdMapping.h"
#include "arx/db/AcDbObject.h"
#include "arx/db/VhostStub.h"
#include "arx/ge/AcGeMatrix3d.h"
#include "arx/ge/AcGePoint3d.h"

class AcDbBlockTable;
class AcDbLayerTable;
class AcDbLinetypeTable;
class AcDbTextStyleTable;
class AcDbRegAppTable;
class AcDbDimStyleTable;
class AcDbDictionary;
class AcDbDatabaseReactor;
struct SecurityParams;

class AcDbDatabase : public AcRxObject {
 public:
  ACRX_DECLARE_MEMBERS(AcDbDatabase);
  // A database with buildDefaultDrawing holds what a new drawing holds: layer
  // "0", the linetypes ByBlock, ByLayer and Continuous, text style and
  // dimension style "Standard", model and paper space with their layouts,
  // the application "ACAD" and the named-object dictionary with its group,
  // layout and table-style dictionaries. Without it the database is empty,
  // ready to be filled by a reader.
  explicit AcDbDatabase(bool buildDefaultDrawing = true, bool noDocument = false);
  ~AcDbDatabase() override;
  AcDbDatabase(const AcDbDatabase&) = delete;
  AcDbDatabase& operator=(const AcDbDatabase&) = delete;

  // --- adding objects
  // The database takes ownership; the object is left open for write.
  Acad::ErrorStatus addAcDbObject(AcDbObjectId& id, AcDbObject* obj);
  Acad::ErrorStatus addAcDbObject(AcDbObject* obj);
  // Adds an object under a given handle (readers); eHandleInUse when taken.
  Acad::ErrorStatus addAcDbObjectWithHandle(AcDbObjectId& id, AcDbObject* obj, const AcDbHandle& handle);

  // --- handles
  Acad::ErrorStatus getAcDbObjectId(AcDbObjectId& id, bool createIfNotFound, const AcDbHandle& handle,
                                    Adesk::UInt32 xRefId = 0);
  AcDbHandle handseed() const { return AcDbHandle(mHandseed); }
  Acad::ErrorStatus setHandseed(const AcDbHandle& seed);
  Adesk::Int32 approxNumObjects() const { return static_cast<Adesk::Int32>(mStubs.size()); }

  // --- symbol tables and dictionaries
  Acad::ErrorStatus getBlockTable(AcDbBlockTable*& table, AcDb::OpenMode mode);
  Acad::ErrorStatus getLayerTable(AcDbLayerTable*& table, AcDb::OpenMode mode);
  Acad::ErrorStatus getLinetypeTable(AcDbLinetypeTable*& table, AcDb::OpenMode mode);
  Acad::ErrorStatus getTextStyleTable(AcDbTextStyleTable*& table, AcDb::OpenMode mode);
  Acad::ErrorStatus getRegAppTable(AcDbRegAppTable*& table, AcDb::OpenMode mode);
  Acad::ErrorStatus getDimStyleTable(AcDbDimStyleTable*& table, AcDb::OpenMode mode);
  Acad::ErrorStatus getNamedObjectsDictionary(AcDbDictionary*& dict, AcDb::OpenMode mode);
  Acad::ErrorStatus getGroupDictionary(AcDbDictionary*& dict, AcDb::OpenMode mode);
  Acad::ErrorStatus getLayoutDictionary(AcDbDictionary*& dict, AcDb::OpenMode mode);
  AcDbObjectId blockTableId() const { return mBlockTableId; }
  AcDbObjectId layerTableId() const { return mLayerTableId; }
  AcDbObjectId linetypeTableId() const { return mLinetypeTableId; }
  AcDbObjectId textStyleTableId() const { return mTextStyleTableId; }
  AcDbObjectId regAppTableId() const { return mRegAppTableId; }
  AcDbObjectId dimStyleTableId() const { return mDimStyleTableId; }
  AcDbObjectId namedObjectsDictionaryId() const { return mNamedObjectsDictId; }
  AcDbObjectId groupDictionaryId() const;
  AcDbObjectId layoutDictionaryId() const;
  AcDbObjectId tableStyleDictionaryId() const;
  AcDbObjectId modelSpaceId() const;
  AcDbObjectId paperSpaceId() const;
  AcDbObjectId currentSpaceId() const;
  // Readers set the roots after building a database from a file.
  void setRootIds(AcDbObjectId blockTable, AcDbObjectId layerTable, AcDbObjectId linetypeTable,
                  AcDbObjectId textStyleTable, AcDbObjectId regAppTable, AcDbObjectId dimStyleTable,
                  AcDbObjectId namedObjectsDict);
  // The id of the registered application, layer, linetype ... of that name
  // (case ignored), or null.
  AcDbObjectId regAppId(const ACHAR* name) const;
  AcDbObjectId layerId(const ACHAR* name) const;
  AcDbObjectId linetypeId(const ACHAR* name) const;
  AcDbObjectId textStyleId(const ACHAR* name) const;
  AcDbObjectId byLayerLinetype() const { return linetypeId(L"ByLayer"); }
  AcDbObjectId byBlockLinetype() const { return linetypeId(L"ByBlock"); }
  AcDbObjectId continuousLinetype() const { return linetypeId(L"Continuous"); }
  AcDbObjectId layerZero() const { return layerId(L"0"); }

  // --- header variables
  AcDbObjectId clayer() const { return mClayer; }
  Acad::ErrorStatus setClayer(AcDbObjectId layer);
  AcDbObjectId celtype() const { return mCeltype; }
  Acad::ErrorStatus setCeltype(AcDbObjectId linetype);
  AcCmColor cecolor() const { return mCecolor; }
  Acad::ErrorStatus setCecolor(const AcCmColor& color);
  AcDb::LineWeight celweight() const { return mCelweight; }
  Acad::ErrorStatus setCelweight(AcDb::LineWeight weight);
  double celtscale() const { return mCeltscale; }
  Acad::ErrorStatus setCeltscale(double scale);
  AcDbObjectId textstyle() const { return mTextstyle; }
  Acad::ErrorStatus setTextstyle(AcDbObjectId style);
  AcDbObjectId dimstyle() const { return mDimstyle; }
  Acad::ErrorStatus setDimstyle(AcDbObjectId style);
  AcDbObjectId tablestyle() const { return mTablestyle; }
  Acad::ErrorStatus setTablestyle(AcDbObjectId style);
  double ltscale() const { return mLtscale; }
  Acad::ErrorStatus setLtscale(double scale);
  double textsize() const { return mTextsize; }
  Acad::ErrorStatus setTextsize(double size);
  double thickness() const { return mThickness; }
  Acad::ErrorStatus setThickness(double thickness);
  double elevation() const { return mElevation; }
  Acad::ErrorStatus setElevation(double elevation);
  AcDb::UnitsValue insunits() const { return mInsunits; }
  Acad::ErrorStatus setInsunits(AcDb::UnitsValue units);
  Adesk::Int16 lunits() const { return mLunits; }
  Acad::ErrorStatus setLunits(Adesk::Int16 v);
  Adesk::Int16 luprec() const { return mLuprec; }
  Acad::ErrorStatus setLuprec(Adesk::Int16 v);
  Adesk::Int16 pdmode() const { return mPdmode; }
  Acad::ErrorStatus setPdmode(Adesk::Int16 v);
  double pdsize() const { return mPdsize; }
  Acad::ErrorStatus setPdsize(double v);
  bool lineWeightDisplay() const { return mLwdisplay; }
  Acad::ErrorStatus setLineWeightDisplay(bool v);
  bool tilemode() const { return mTilemode; }
  Acad::ErrorStatus setTilemode(bool v);
  Adesk::Int16 measurement() const { return mMeasurement; }
  Acad::ErrorStatus setMeasurement(Adesk::Int16 v);
  AcGePoint3d extmin() const { return mExtmin; }
  AcGePoint3d extmax() const { return mExtmax; }
  void setExtmin(const AcGePoint3d& p) { mExtmin = p; }
  void setExtmax(const AcGePoint3d& p) { mExtmax = p; }
  // The drawing's code page as the header names it ("ANSI_936"...).
  const std::wstring& dwgCodePage() const { return mCodePage; }
  void setDwgCodePage(const std::wstring& page) { mCodePage = page; }
  // The file the database was read from or last saved to.
  const ACHAR* filename() const { return mFilename.c_str(); }
  void setFilename(const std::wstring& path) { mFilename = path; }
  // The DBMOD bits: 1 when an object changed since the last save (4, 8, 16
  // for header, window and view changes, set by the editor).
  int dbmod() const { return mDbmod; }
  void setDbmod(int v) { mDbmod = v; }

  // --- drawing files (DXF; defined by the drawing-file component, arx/dxf)
  // Reads a drawing into this database, which must be empty (made with
  // AcDbDatabase(false, true)). The database is filled only when the whole
  // file was read; on failure it stays empty and vhost::lastFileError() says
  // why. A ".dwg" path whose file is missing is read from its ".dxf" twin.
  Acad::ErrorStatus readDwgFile(const ACHAR* fileName, int openMode = 0, bool allowCPConversion = false,
                                const wchar_t* password = nullptr);
  Acad::ErrorStatus dxfIn(const ACHAR* dxfFileName, const ACHAR* logFileName = nullptr);
  // Writes the drawing as DXF (release AC1024 only).
  Acad::ErrorStatus dxfOut(const ACHAR* fileName, int precision = 16, AcDb::DwgVersion dwgVersion = AcDb::kDHL_CURRENT,
                           bool saveThumbnail = false);
  // Saves as DXF, atomically; the file name becomes the database's.
  Acad::ErrorStatus saveAs(const ACHAR* fileName, const SecurityParams* securityParams = nullptr);
  // Platform: withBackup keeps the previous file as "<name>.bak".
  Acad::ErrorStatus saveAs(const ACHAR* fileName, bool withBackup);

  // --- cloning
  Acad::ErrorStatus deepCloneObjects(const AcDbObjectIdArray& ids, const AcDbObjectId& owner, AcDbIdMapping& idMap,
                                     bool deferXlation = false);
  Acad::ErrorStatus wblockCloneObjects(const AcDbObjectIdArray& ids, const AcDbObjectId& owner, AcDbIdMapping& idMap,
                                       AcDb::DuplicateRecordCloning drc, bool deferXlation = false);
  // Makes a block named blockName from the model space of source.
  Acad::ErrorStatus insert(AcDbObjectId& blockId, const ACHAR* blockName, AcDbDatabase* source,
                           bool preserveSourceDatabase = true);
  // Copies the model space of source into this model space, transformed.
  Acad::ErrorStatus insert(const AcGeMatrix3d& xform, AcDbDatabase* source, bool preserveSourceDatabase = true);
  // A new database holding the given entities of this one (and what they use).
  Acad::ErrorStatus wblock(AcDbDatabase*& output, const AcDbObjectIdArray& ids, const AcGePoint3d& basePoint);

  // --- reactors
  void addReactor(AcDbDatabaseReactor* reactor) const;
  void removeReactor(AcDbDatabaseReactor* reactor) const;

  // --- platform use: walking all objects in creation order, notification fan-out
  template <class F>
  void forEachStub(F&& f) const {
    for (const vhost::Stub& s : mStubs) f(s);
  }
  void notifyAppended(const AcDbObject* obj);
  void notifyModified(const AcDbObject* obj);
  void notifyErased(const AcDbObject* obj, bool erasing);
  void notifyOpenedForModify(const AcDbObject* obj);

 private:
  vhost::Stub* newStub(std::uint64_t handle);
  vhost::Stub* findStub(std::uint64_t handle) const;
  void buildDefaultDrawing();
  Acad::ErrorStatus cloneObjects(const AcDbObjectIdArray& ids, const AcDbObjectId& owner, AcDbIdMapping& idMap,
                                 bool acrossDatabases);

  std::deque<vhost::Stub> mStubs;
  std::vector<vhost::Stub*> mDenseHandles;  // handle -> stub for handles below its size
  std::unordered_map<std::uint64_t, vhost::Stub*> mSparseHandles;
  std::uint64_t mHandseed = 1;
  mutable std::vector<AcDbDatabaseReactor*> mReactors;

  AcDbObjectId mBlockTableId, mLayerTableId, mLinetypeTableId, mTextStyleTableId, mRegAppTableId,
      mDimStyleTableId, mNamedObjectsDictId;
  AcDbObjectId mClayer, mCeltype, mTextstyle, mDimstyle, mTablestyle;
  AcCmColor mCecolor;
  AcDb::LineWeight mCelweight = AcDb::kLnWtByLayer;
  double mCeltscale = 1.0, mLtscale = 1.0, mTextsize = 2.5, mThickness = 0.0, mElevation = 0.0, mPdsize = 0.0;
  AcDb::UnitsValue mInsunits = AcDb::kUnitsMillimeters;
  Adesk::Int16 mLunits = 2, mLuprec = 4, mPdmode = 0, mMeasurement = 1;
  bool mLwdisplay = false, mTilemode = true;
  AcGePoint3d mExtmin, mExtmax;
  std::wstring mCodePage = L"ANSI_1252";
  std::wstring mFilename;
  int mDbmod = 0;
};
