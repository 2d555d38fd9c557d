#pragma once
// The host's own commands that the module runs (with acedCommand or by name).
// They prompt like any command, so acedCommand's arguments answer them:
//
// ZOOM   "[All/Center/Extents/Previous/Scale/Window/Object] <real time>":
//        a point starts a window (second point asked); W two corners; C a
//        centre and a height (or "2x" magnification); E the extents of the
//        current space (also stored as EXTMIN/EXTMAX); A the extents and the
//        limits; P the previous view (up to 10 kept); S or a number "n", "nX"
//        or "nXP" scales the view; O a selection of objects; Enter (real time)
//        does nothing.
// PAN    a base point and a second point: the view moves by the displacement
//        (the drawing moves from the first to the second point on screen).
// SELECT a user selection ("Select objects:"): it becomes the previous set.
// ERASE  a user selection: its entities are erased.
// REGEN, REDRAW, REGENALL, REDRAWALL: nothing to draw; print as the host does.
// XCLIP  selection of block references, then
//        "[ON/OFF/Clipdepth/Delete/generate Polyline/New boundary] <New>":
//          New: "Delete old boundary(s)? [Yes/No] <Yes>" (No keeps an existing
//          clip and ends), then "[Select polyline/Polygonal/Rectangular]
//          <Rectangular>": S a closed polyline (its vertices), P points until
//          Enter, R two corners. The boundary is stored on each reference as
//          the xrecord "SPATIAL" in its extension dictionary "ACAD_FILTER"
//          (see vhost::XClipBoundary below); ON/OFF switch it; Delete removes it.
// UNDO   "BE"/"BEgin", "E"/"End", "M"/"Mark", "A"/"Auto", "C"/"Control" are
//        accepted and recorded (vhost::undoMarks) but nothing is undone: this
//        host keeps no undo history. "B"/"Back" and numbers print
//        "\nUndo is not available in this host.\n" and the command fails.
#include <string>
#include <vector>

#include "arx/db/AcDbObjectId.h"
#include "arx/ge/AcGePoint3d.h"

class AcDbBlockReference;

namespace vhost {

// A built-in command's function, or null when the name (without prefixes,
// case ignored) names none.
typedef void (*HostCommandFn)();
HostCommandFn findHostCommand(const std::wstring& name);
// The canonical (upper-case) name of a built-in command, "" when none.
std::wstring hostCommandName(const std::wstring& name);

// The UNDO marks recorded so far ("BEGIN", "END", "MARK", "AUTO ON" ...).
std::vector<std::wstring> undoMarks();
void clearUndoMarks();

// The clip boundary XCLIP put on a block reference.
// Xrecord layout (group codes): 70 enabled (1/0), 71 number of points, 10
// boundary points in world coordinates, one node each.
struct XClipBoundary {
  bool enabled = true;
  std::vector<AcGePoint3d> points;
};
// Reads the boundary of a reference (false when it has none).
bool getXClipBoundary(AcDbObjectId blockReference, XClipBoundary& out);

}  // namespace vhost
