#pragma once
// The view of each drawing: there is no screen, but the view's centre and
// size are real state (ZOOM and PAN change them; VIEWCTR, VIEWSIZE,
// SCREENSIZE read them; picks use the view's scale for the pick box).
//
// Each database has its own view (and, kept with it, its previous selection,
// its editor-held system variables and its LISP symbols). The state is made on
// first use, fitted to the drawing's extents when it has entities (else to its
// limits), and dropped when the database is deleted or when the document layer
// calls forgetViewState.
#include <vector>

#include "arx/base/AdsTypes.h"
#include "arx/ge/AcGePoint3d.h"

class AcDbDatabase;

namespace vhost {

struct ViewState {
  AcGePoint3d center;   // VIEWCTR
  double height = 1.0;  // VIEWSIZE: the view's height in drawing units
  // The view's width for the screen's aspect (SCREENSIZE).
  double width() const;
  // Corners of the view rectangle.
  AcGePoint3d lowerLeft() const;
  AcGePoint3d upperRight() const;
};

// The screen the views are shown on, in pixels (SCREENSIZE): 1600 x 900.
constexpr double kScreenWidthPixels = 1600.0;
constexpr double kScreenHeightPixels = 900.0;

// The view of a database (null: the working database). Made on first use.
// Throws nothing; with no database at all a view of the default limits is
// returned (not stored).
ViewState currentView(AcDbDatabase* db = nullptr);
// Sets the view, keeping the one before for ZOOM Previous (10 are kept).
// Heights that are not positive and finite are refused (false).
bool setView(AcDbDatabase* db, const ViewState& view);
// Goes back to the view before the last setView (false when none is kept).
bool previousView(AcDbDatabase* db);
// The view that shows the window p1-p2 whole (height or width fits).
ViewState viewOfWindow(const AcGePoint3d& p1, const AcGePoint3d& p2);

// Drops everything the editor keeps for the database (view, previous
// selection, editor-held system variables, LISP symbols, pickfirst set).
void forgetViewState(AcDbDatabase* db);
// Whether the editor keeps state for the database (for tests).
bool hasViewState(AcDbDatabase* db);

}  // namespace vhost

// Nothing is drawn here, so these do nothing and succeed.
void acedUpdateDisplay();
int acedRedraw(const ads_name ent, int mode);
