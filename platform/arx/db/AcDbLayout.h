#pragma once
// Layouts: the tabs of a drawing. Each layout lives in the layout dictionary
// under its name and points at the block record holding its entities (model
// space for "Model", a paper-space block for the others); the block record
// points back (AcDbBlockTableRecord::setLayoutId).
#include <string>

#include "arx/db/AcDbObject.h"
#include "arx/ge/AcGePoint2d.h"
#include "arx/ge/AcGePoint3d.h"

class AcDbLayout : public AcDbObject {
 public:
  ACRX_DECLARE_MEMBERS(AcDbLayout);
  AcDbLayout();
  ~AcDbLayout() override;

  Acad::ErrorStatus getLayoutName(const ACHAR*& name) const;
  Acad::ErrorStatus getLayoutName(std::wstring& name) const;
  // Renames the layout, also its key in the layout dictionary.
  // eInvalidInput for a bad name (symbol-name rules) and for renaming
  // "Model"; eDuplicateKey when another layout has the name.
  Acad::ErrorStatus setLayoutName(const ACHAR* name);
  // Position of the tab (0 is Model); eInvalidInput below 0.
  int getTabOrder() const;
  Acad::ErrorStatus setTabOrder(int order);
  bool getTabSelected() const;
  Acad::ErrorStatus setTabSelected(bool selected);
  AcDbObjectId getBlockTableRecordId() const;
  Acad::ErrorStatus setBlockTableRecordId(AcDbObjectId blockId);
  // Puts the (new) layout into the database's layout dictionary under its
  // name, sets its block record and makes the record point back. The
  // layout is left open for write; the block record must not be open.
  Acad::ErrorStatus addToLayoutDict(AcDbDatabase* db, AcDbObjectId blockId);
  // True for the model-space layout.
  bool modelType() const;

  void getLimits(AcGePoint2d& minPoint, AcGePoint2d& maxPoint) const;
  Acad::ErrorStatus setLimits(const AcGePoint2d& minPoint, const AcGePoint2d& maxPoint);
  void getExtents(AcGePoint3d& minPoint, AcGePoint3d& maxPoint) const;
  Acad::ErrorStatus setExtents(const AcGePoint3d& minPoint, const AcGePoint3d& maxPoint);

  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
  // LAYOUT: 100 AcDbPlotSettings with the plot settings as read (a layout
  // made here writes the defaults of an unconfigured page), then 100
  // AcDbLayout: 1 name, 71 tab order, 10/11 limits, 14/15 extents, 330 the
  // block record (the owner's 330 comes with the object's own groups); the
  // groups not modelled (70 flags, 12 base point, UCS, viewport) as read.
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

 private:
  std::wstring mName;
  AcDbObjectId mBlockId;
  AcGePoint2d mLimMin, mLimMax;
  AcGePoint3d mExtMin, mExtMax;
  Adesk::Int32 mTabOrder = 0;
  bool mTabSelected = false;
};
