#pragma once
// One open drawing of the host: its database, where it came from, its locks
// and whether a command is running in it. Documents are made and destroyed by
// the document manager (acDocManager) only.
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "arx/ap/AcAp.h"
#include "arx/db/AcRxClass.h"

class AcDbDatabase;
namespace vhost {
class DocumentCommandHook;
// Text sent to a document's command line (sendStringToExecute).
struct QueuedInput {
  std::wstring text;
  bool echo = true;
};
}  // namespace vhost

class AcApDocument : public AcRxObject {
 public:
  ACRX_DECLARE_MEMBERS(AcApDocument);

  enum SaveFormat {
    kUnknown = -1,
    kR12_dxf = 1,
    k2000_dwg = 12,
    k2000_dxf = 13,
    k2004_dwg = 24,
    k2004_dxf = 25,
    k2007_dwg = 36,
    k2007_dxf = 37,
    k2010_dwg = 48,
    k2010_dxf = 49,
    kNative = k2010_dwg
  };

  ~AcApDocument() override;
  AcApDocument(const AcApDocument&) = delete;
  AcApDocument& operator=(const AcApDocument&) = delete;

  // The full path of the drawing file; for a drawing never saved, its title.
  const ACHAR* fileName() const { return mFileName.c_str(); }
  // The file's name without folders ("Drawing1.dwg", "plan.dxf").
  const ACHAR* docTitle() const { return mTitle.c_str(); }
  AcDbDatabase* database() const { return mDatabase.get(); }

  // The strongest lock held on the document: by other execution contexts
  // only, or with bIncludeMyLocks by all. kNotLocked when there is none.
  AcAp::DocLockMode lockMode(bool bIncludeMyLocks = false) const;
  // The strongest lock the current execution context holds, or kNotLocked.
  AcAp::DocLockMode myLockMode() const;
  // True when no command is running in the document.
  bool isQuiescent() const { return mCommandDepth == 0; }
  // Opened read-only (asked for, or the file cannot be written).
  bool isReadOnly() const { return mReadOnly; }
  // The format a plain save writes: the host writes drawing files as DXF.
  SaveFormat formatForSave() const { return k2010_dxf; }

  // --- platform use
  // A number no other document of the process has (documents are told apart
  // by it after they are gone).
  std::uint64_t vhostSerial() const { return mSerial; }
  // False for a new drawing that was never saved (its file name is its title).
  bool vhostHasFile() const { return mHasFile; }
  // Locks held, all contexts together (each nested lock counts).
  int vhostLockCount() const { return static_cast<int>(mLocks.size()); }
  // The global name of the innermost command running in the document, or
  // an empty text.
  const ACHAR* vhostActiveCommand() const;

 private:
  friend class AcApDocManager;
  friend class vhost::DocumentCommandHook;
  struct Lock {
    const AcApDocument* context;  // null: the application context
    AcAp::DocLockMode mode;
    std::wstring command;
  };
  AcApDocument(std::unique_ptr<AcDbDatabase> db, std::wstring fileName, bool readOnly);
  void setFileName(std::wstring fileName);
  AcAp::DocLockMode strongestLock(bool others, bool mine, const AcApDocument* context) const;

  std::unique_ptr<AcDbDatabase> mDatabase;
  std::wstring mFileName;
  std::wstring mTitle;
  std::uint64_t mSerial = 0;
  bool mHasFile = false;
  bool mReadOnly = false;
  std::vector<Lock> mLocks;
  int mCommandDepth = 0;
  std::vector<std::wstring> mCommands;
  std::deque<vhost::QueuedInput> mQueuedInput;
};

namespace vhost {
// Rank of a lock mode by strength (kNotLocked lowest, kXWrite highest).
int lockStrength(AcAp::DocLockMode mode);
// Whether a lock asked by one context can coexist with one another context holds.
bool locksCompatible(AcAp::DocLockMode held, AcAp::DocLockMode asked);
}  // namespace vhost
