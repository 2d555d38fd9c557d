#pragma once
// Keeps system variables as they were: the values are saved when the saver
// is made (or at Save) and written back when it is destroyed (or at
// Restore), whatever the work in between changed. Restoring goes in reverse
// order of saving; a variable that cannot be written back (a deleted current
// layer, for example) is passed over.
#include <vector>

#include "arx/base/Resbuf.h"
#include "mfc/CString.h"

namespace vesk {

class CSaveSysVar {
 public:
  // saveEditingVars true: saves the variables drawing operations commonly
  // change: CMDECHO, OSMODE, ORTHOMODE, SNAPMODE, PICKSTYLE, PICKFIRST,
  // HIGHLIGHT, CLAYER, CECOLOR, CELTYPE, TEXTSTYLE, ELEVATION, THICKNESS.
  // false: saves nothing yet (use Save).
  explicit CSaveSysVar(bool saveEditingVars = false);
  // Saves one variable.
  explicit CSaveSysVar(const wchar_t* name);
  ~CSaveSysVar();
  CSaveSysVar(const CSaveSysVar&) = delete;
  CSaveSysVar& operator=(const CSaveSysVar&) = delete;

  // Saves a variable's current value (a variable saved already keeps its
  // first value). 0 for a variable that cannot be read.
  int Save(const wchar_t* name);
  // 1 when the variable is among the saved ones (names without case).
  int IsSaved(const wchar_t* name) const;
  int Count() const { return static_cast<int>(mSaved.size()); }
  // Writes every saved value back now and forgets them; returns how many
  // were written back.
  int Restore();

 private:
  struct Saved {
    CString name;
    resbuf* value;  // owned
  };
  std::vector<Saved> mSaved;
};

}  // namespace vesk
