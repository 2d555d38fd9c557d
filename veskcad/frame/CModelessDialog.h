#pragma once
// The base of the module's modeless dialogs (the attribute manager and the
// extended-data manager). A dialog here is a model: its controls are data and
// a front end shows it; the frame only needs to know whether its window is up,
// to hide it, to refresh its GIS layer page and to destroy it at unload.
namespace VeskCad {

class CModelessDialog {
 public:
  virtual ~CModelessDialog() = default;
  // True while the dialog's window exists.
  virtual bool IsWindow() const = 0;
  virtual bool IsWindowVisible() const = 0;
  // SW_HIDE (0) hides, SW_SHOW (5) shows.
  virtual void ShowWindow(int command) = 0;
  // Destroys the window; false when it could not be destroyed.
  virtual bool DestroyWindow() = 0;
  // Reloads the page of GIS layer definitions (dialogs without one ignore it).
  virtual void RefreshGisLayerPage() {}
};

}  // namespace VeskCad
