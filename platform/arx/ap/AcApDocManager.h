#pragma once
// The document manager: the open drawings, which one is current (its
// database is the working database) and which one is active, document locks,
// and the reactors told of all this. There is one manager per process:
// acDocManager.
//
// Execution contexts: code runs either in the application context (outside
// any command) or in the command context of the document whose command is
// running (the command processor enters it around each command; see
// DocumentCommandHook.h). Locks belong to the context
// that took them; see AcAp.h for which locks of different contexts coexist.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "arx/ap/AcAp.h"
#include "arx/ap/AcApDocManagerReactor.h"
#include "arx/ap/AcApDocument.h"
#include "arx/ap/AcApDocumentIterator.h"

class AcDbDatabase;
namespace vhost {
class DocumentCommandHook;
}

class AcApDocManager : public AcRxObject {
 public:
  ACRX_DECLARE_MEMBERS(AcApDocManager);

  AcApDocument* curDocument() const { return mCurrent; }
  AcApDocument* mdiActiveDocument() const { return mActive; }
  int documentCount() const { return static_cast<int>(mDocuments.size()); }
  // A new iterator over the open documents; the caller deletes it.
  AcApDocumentIterator* newAcApDocumentIterator() const;
  // The document whose database is db, or null.
  AcApDocument* document(const AcDbDatabase* db) const;
  bool isApplicationContext() const { return vhostExecutionContext() == nullptr; }

  // Makes doc current (its database becomes the working database). With a
  // mode other than kNone the document is first locked in that mode (the
  // caller unlocks it); with activate it is also activated.
  Acad::ErrorStatus setCurDocument(AcApDocument* doc, AcAp::DocLockMode mode = AcAp::kNone, bool activate = false);
  // Makes doc the active document (and the current one).
  Acad::ErrorStatus activateDocument(AcApDocument* doc, bool bPassScript = false);
  Acad::ErrorStatus disableDocumentActivation();
  Acad::ErrorStatus enableDocumentActivation();
  bool isDocumentActivationEnabled() const { return mActivationEnabled; }

  // Takes a lock on doc for the current execution context. Nested locks
  // count; each lockDocument needs its unlockDocument. eLockViolation when
  // another context holds a conflicting lock or a reactor vetoes;
  // eInvalidInput for kNone / kNotLocked; eNullObjectPointer or
  // eNotApplicable for a missing or closed document.
  Acad::ErrorStatus lockDocument(AcApDocument* doc, AcAp::DocLockMode mode = AcAp::kWrite,
                                 const ACHAR* pGlobalCmdName = nullptr, const ACHAR* pLocalCmdName = nullptr,
                                 bool prompt = true);
  // Releases the innermost lock the current context holds on doc;
  // eNotApplicable when it holds none.
  Acad::ErrorStatus unlockDocument(AcApDocument* doc);

  void addReactor(AcApDocManagerReactor* reactor);
  void removeReactor(AcApDocManagerReactor* reactor);

  // Queues text for doc's command line: it runs after the current command
  // ends, as if typed (a line feed ends each input).
  Acad::ErrorStatus sendStringToExecute(AcApDocument* doc, const ACHAR* text, bool bActivate = true,
                                        bool bWrapUpInactiveDoc = false, bool bEchoString = true);

  // Opening, creating and closing drawings from the application context.
  // Failures return an error status; vhostLastError() says why.
  Acad::ErrorStatus appContextNewDocument(const ACHAR* templateName);
  Acad::ErrorStatus appContextOpenDocument(const ACHAR* drawingName);
  Acad::ErrorStatus appContextCloseDocument(AcApDocument* doc);
  Acad::ErrorStatus closeDocument(AcApDocument* doc);

  // --- platform use
  // A new drawing ("DrawingN.dwg"): empty, or read from a template file.
  // It becomes the current and active document. Null and error on failure.
  AcApDocument* vhostNewDocument(std::wstring& error, const ACHAR* templatePath = nullptr);
  // Opens a drawing file through the registered reader (vhost::DrawingFileIo).
  AcApDocument* vhostOpenDocument(const ACHAR* path, bool readOnly, std::wstring& error);
  // Closes doc (refused while a command runs in it, or while it is locked
  // unless discardLocks).
  bool vhostCloseDocument(AcApDocument* doc, std::wstring& error, bool discardLocks = false);
  // Saves doc to path (null or empty: its own file) through the registered
  // writer. A successful save names the document after the file and clears
  // DBMOD.
  bool vhostSaveDocument(AcApDocument* doc, const ACHAR* path, bool withBackup, std::wstring& error);
  // Closes every document, dropping locks (the host is quitting).
  void vhostCloseAllDocuments();
  const std::wstring& vhostLastError() const { return mLastError; }

  bool vhostIsOpen(const AcApDocument* doc) const;
  AcApDocument* vhostDocumentBySerial(std::uint64_t serial) const;
  // The document whose command context is current; null in the
  // application context.
  const AcApDocument* vhostExecutionContext() const { return mContexts.empty() ? nullptr : mContexts.back(); }
  // Text queued by sendStringToExecute for doc, oldest first; taking it
  // empties the queue. echo tells whether each piece is echoed.
  std::vector<vhost::QueuedInput> vhostTakeQueuedInput(AcApDocument* doc);
  bool vhostHasQueuedInput(const AcApDocument* doc) const;

 private:
  friend AcApDocManager* acDocManagerPtr();
  friend class vhost::DocumentCommandHook;
  AcApDocManager() = default;

  template <class F>
  void notify(F&& f);
  void makeCurrent(AcApDocument* doc);
  void activate(AcApDocument* doc);
  bool checkMdiAware(std::wstring& error) const;
  using Loader = std::function<bool(std::unique_ptr<AcDbDatabase>&, std::wstring&)>;
  AcApDocument* createDocument(const std::wstring& fileName, bool hasFile, bool readOnly, const Loader& load,
                               std::wstring& error);
  Acad::ErrorStatus fail(const std::wstring& error, Acad::ErrorStatus es);

  std::vector<std::unique_ptr<AcApDocument>> mDocuments;
  std::vector<AcApDocument*> mActivationOrder;  // most recently active last
  std::vector<AcApDocManagerReactor*> mReactors;
  std::vector<const AcApDocument*> mContexts;
  AcApDocument* mCurrent = nullptr;
  AcApDocument* mActive = nullptr;
  bool mActivationEnabled = true;
  int mUntitled = 0;
  std::uint64_t mNextSerial = 1;
  std::wstring mLastError;
};

// The document manager of the process.
AcApDocManager* acDocManagerPtr();
#define acDocManager acDocManagerPtr()
