#include "arx/ap/AcApDocManager.h"

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "arx/ap/AcDbDbmod.h"
#include "arx/ap/AcRxDynamicLinker.h"
#include "arx/ap/DocumentCommandHook.h"
#include "arx/ap/DrawingFileIo.h"
#include "arx/db/AcDbDatabase.h"
#include "arx/db/AcDbHostApplicationServices.h"
#include "arx/ed/ViewState.h"
#include "mfc/Utf8Convert.h"

VHOST_DEFINE_BUILTIN_ABSTRACT_CLASS(AcApDocManager, AcRxObject)

namespace {

std::string narrow(const std::wstring& w) { return veskhost::mfc::WideToUtf8(w.data(), w.size()); }
std::wstring widen(const std::string& s) { return veskhost::mfc::Utf8ToWide(s.data(), s.size()); }

std::wstring absolutePath(const std::wstring& path) {
  std::error_code ec;
  std::filesystem::path p = std::filesystem::absolute(std::filesystem::path(narrow(path)), ec);
  if (ec) return path;
  return widen(p.lexically_normal().string());
}

bool isLockMode(AcAp::DocLockMode mode) {
  switch (mode) {
    case AcAp::kAutoWrite:
    case AcAp::kWrite:
    case AcAp::kProtectedAutoWrite:
    case AcAp::kRead:
    case AcAp::kXWrite:
      return true;
    default:
      return false;
  }
}

}  // namespace

AcApDocManager* acDocManagerPtr() {
  // Made on first use and never destroyed: modules may still hold it while
  // the process exits.
  static AcApDocManager* manager = [] {
    auto* m = new AcApDocManager();
    vhost::installDocumentCommandHook();
    return m;
  }();
  return manager;
}

// --- queries ------------------------------------------------------------------------

AcApDocumentIterator* AcApDocManager::newAcApDocumentIterator() const {
  std::vector<std::uint64_t> serials;
  for (const auto& d : mDocuments) serials.push_back(d->mSerial);
  return new AcApDocumentIterator(std::move(serials));
}

AcApDocument* AcApDocManager::document(const AcDbDatabase* db) const {
  if (db == nullptr) return nullptr;
  for (const auto& d : mDocuments)
    if (d->database() == db) return d.get();
  return nullptr;
}

bool AcApDocManager::vhostIsOpen(const AcApDocument* doc) const {
  if (doc == nullptr) return false;
  for (const auto& d : mDocuments)
    if (d.get() == doc) return true;
  return false;
}

AcApDocument* AcApDocManager::vhostDocumentBySerial(std::uint64_t serial) const {
  for (const auto& d : mDocuments)
    if (d->mSerial == serial) return d.get();
  return nullptr;
}

// --- reactors -----------------------------------------------------------------------

void AcApDocManager::addReactor(AcApDocManagerReactor* reactor) {
  if (reactor == nullptr) return;
  if (std::find(mReactors.begin(), mReactors.end(), reactor) == mReactors.end()) mReactors.push_back(reactor);
}

void AcApDocManager::removeReactor(AcApDocManagerReactor* reactor) {
  mReactors.erase(std::remove(mReactors.begin(), mReactors.end(), reactor), mReactors.end());
}

template <class F>
void AcApDocManager::notify(F&& f) {
  // A reactor may add or remove reactors (itself included) while notified:
  // walk a copy and skip the ones removed meanwhile.
  const std::vector<AcApDocManagerReactor*> copy = mReactors;
  for (AcApDocManagerReactor* r : copy)
    if (std::find(mReactors.begin(), mReactors.end(), r) != mReactors.end()) f(r);
}

// --- current and active document ----------------------------------------------------

void AcApDocManager::makeCurrent(AcApDocument* doc) {
  bool changed = mCurrent != doc;
  mCurrent = doc;
  acdbHostApplicationServices()->setWorkingDatabase(doc != nullptr ? doc->database() : nullptr);
  if (changed && doc != nullptr) notify([&](AcApDocManagerReactor* r) { r->documentBecameCurrent(doc); });
}

void AcApDocManager::activate(AcApDocument* doc) {
  if (mActive == doc) {
    makeCurrent(doc);
    return;
  }
  if (AcApDocument* old = mActive) notify([&](AcApDocManagerReactor* r) { r->documentToBeDeactivated(old); });
  notify([&](AcApDocManagerReactor* r) { r->documentToBeActivated(doc); });
  mActive = doc;
  mActivationOrder.erase(std::remove(mActivationOrder.begin(), mActivationOrder.end(), doc), mActivationOrder.end());
  mActivationOrder.push_back(doc);
  makeCurrent(doc);
  notify([&](AcApDocManagerReactor* r) { r->documentActivated(doc); });
}

Acad::ErrorStatus AcApDocManager::setCurDocument(AcApDocument* doc, AcAp::DocLockMode mode, bool activateIt) {
  if (doc == nullptr) return Acad::eNullObjectPointer;
  if (!vhostIsOpen(doc)) return Acad::eNotApplicable;
  if (mode != AcAp::kNone && mode != AcAp::kNotLocked) {
    Acad::ErrorStatus es = lockDocument(doc, mode);
    if (es != Acad::eOk) return es;
  }
  makeCurrent(doc);
  if (activateIt) {
    if (!mActivationEnabled) return Acad::eInvalidContext;
    activate(doc);
  }
  return Acad::eOk;
}

Acad::ErrorStatus AcApDocManager::activateDocument(AcApDocument* doc, bool) {
  if (doc == nullptr) return Acad::eNullObjectPointer;
  if (!vhostIsOpen(doc)) return Acad::eNotApplicable;
  if (!mActivationEnabled) return Acad::eInvalidContext;
  activate(doc);
  return Acad::eOk;
}

Acad::ErrorStatus AcApDocManager::disableDocumentActivation() {
  if (!mActivationEnabled) return Acad::eOk;
  mActivationEnabled = false;
  notify([](AcApDocManagerReactor* r) { r->documentActivationModified(false); });
  return Acad::eOk;
}

Acad::ErrorStatus AcApDocManager::enableDocumentActivation() {
  if (mActivationEnabled) return Acad::eOk;
  mActivationEnabled = true;
  notify([](AcApDocManagerReactor* r) { r->documentActivationModified(true); });
  return Acad::eOk;
}

// --- locks --------------------------------------------------------------------------

Acad::ErrorStatus AcApDocManager::lockDocument(AcApDocument* doc, AcAp::DocLockMode mode,
                                               const ACHAR* pGlobalCmdName, const ACHAR*, bool) {
  if (doc == nullptr) return Acad::eNullObjectPointer;
  if (!vhostIsOpen(doc)) return Acad::eNotApplicable;
  if (!isLockMode(mode)) return Acad::eInvalidInput;
  const AcApDocument* context = vhostExecutionContext();
  for (const AcApDocument::Lock& held : doc->mLocks)
    if (held.context != context && !vhost::locksCompatible(held.mode, mode)) return Acad::eLockViolation;

  const ACHAR* cmd = pGlobalCmdName != nullptr ? pGlobalCmdName : L"";
  AcAp::DocLockMode myBefore = doc->myLockMode();
  AcAp::DocLockMode myAfter = vhost::lockStrength(mode) > vhost::lockStrength(myBefore) ? mode : myBefore;
  AcAp::DocLockMode allBefore = doc->lockMode(true);
  bool vetoed = false;
  notify([&](AcApDocManagerReactor* r) {
    r->mVetoed = false;
    r->documentLockModeWillChange(doc, myBefore, myAfter, allBefore, cmd);
    if (r->mVetoed) vetoed = true;
    r->mVetoed = false;
  });
  if (vetoed || !vhostIsOpen(doc)) {
    if (vhostIsOpen(doc)) notify([&](AcApDocManagerReactor* r) { r->documentLockModeChangeVetoed(doc, cmd); });
    return Acad::eLockViolation;
  }
  doc->mLocks.push_back(AcApDocument::Lock{context, mode, cmd});
  AcAp::DocLockMode allAfter = doc->lockMode(true);
  notify([&](AcApDocManagerReactor* r) { r->documentLockModeChanged(doc, myBefore, myAfter, allAfter, cmd); });
  return Acad::eOk;
}

Acad::ErrorStatus AcApDocManager::unlockDocument(AcApDocument* doc) {
  if (doc == nullptr) return Acad::eNullObjectPointer;
  if (!vhostIsOpen(doc)) return Acad::eNotApplicable;
  const AcApDocument* context = vhostExecutionContext();
  auto it = std::find_if(doc->mLocks.rbegin(), doc->mLocks.rend(),
                         [&](const AcApDocument::Lock& l) { return l.context == context; });
  if (it == doc->mLocks.rend()) return Acad::eNotApplicable;
  std::wstring cmd = it->command;
  AcAp::DocLockMode myBefore = doc->myLockMode();
  AcAp::DocLockMode allBefore = doc->lockMode(true);
  // The lock about to go, to tell the reactors what remains.
  std::vector<AcApDocument::Lock> remaining = doc->mLocks;
  remaining.erase(remaining.begin() + (std::distance(it, doc->mLocks.rend()) - 1));
  AcAp::DocLockMode myAfter = AcAp::kNotLocked;
  for (const AcApDocument::Lock& l : remaining)
    if (l.context == context && vhost::lockStrength(l.mode) > vhost::lockStrength(myAfter)) myAfter = l.mode;
  notify([&](AcApDocManagerReactor* r) {
    r->documentLockModeWillChange(doc, myBefore, myAfter, allBefore, cmd.c_str());
    r->mVetoed = false;  // unlocking cannot be vetoed
  });
  if (!vhostIsOpen(doc)) return Acad::eOk;
  doc->mLocks = std::move(remaining);
  AcAp::DocLockMode allAfter = doc->lockMode(true);
  notify([&](AcApDocManagerReactor* r) { r->documentLockModeChanged(doc, myBefore, myAfter, allAfter, cmd.c_str()); });
  return Acad::eOk;
}

// --- queued command-line input ------------------------------------------------------

Acad::ErrorStatus AcApDocManager::sendStringToExecute(AcApDocument* doc, const ACHAR* text, bool bActivate, bool,
                                                      bool bEchoString) {
  if (doc == nullptr) return Acad::eNullObjectPointer;
  if (!vhostIsOpen(doc)) return Acad::eNotApplicable;
  if (text == nullptr) return Acad::eInvalidInput;
  doc->mQueuedInput.push_back(vhost::QueuedInput{text, bEchoString});
  if (bActivate && mActivationEnabled && doc != mActive) activate(doc);
  return Acad::eOk;
}

std::vector<vhost::QueuedInput> AcApDocManager::vhostTakeQueuedInput(AcApDocument* doc) {
  std::vector<vhost::QueuedInput> out;
  if (!vhostIsOpen(doc)) return out;
  out.assign(doc->mQueuedInput.begin(), doc->mQueuedInput.end());
  doc->mQueuedInput.clear();
  return out;
}

bool AcApDocManager::vhostHasQueuedInput(const AcApDocument* doc) const {
  return vhostIsOpen(doc) && !doc->mQueuedInput.empty();
}

// --- opening, creating, closing, saving ---------------------------------------------

bool AcApDocManager::checkMdiAware(std::wstring& error) const {
  if (mDocuments.empty()) return true;
  std::wstring module = vhostDynamicLinker()->vhostNotMdiAwareModule();
  if (module.empty()) return true;
  error = L"cannot open another drawing: the module \"" + module +
          L"\" is not MDI-aware and works with one drawing at a time";
  return false;
}

AcApDocument* AcApDocManager::createDocument(const std::wstring& fileName, bool hasFile, bool readOnly,
                                             const Loader& load, std::wstring& error) {
  if (!checkMdiAware(error)) return nullptr;
  std::unique_ptr<AcApDocument> doc(new AcApDocument(nullptr, fileName, readOnly));
  doc->mHasFile = hasFile;
  doc->mSerial = mNextSerial++;
  notify([&](AcApDocManagerReactor* r) { r->documentCreateStarted(doc.get()); });
  std::unique_ptr<AcDbDatabase> db;
  if (!load(db, error)) {
    notify([&](AcApDocManagerReactor* r) { r->documentCreateCanceled(doc.get()); });
    return nullptr;
  }
  doc->mDatabase = std::move(db);
  AcApDocument* raw = doc.get();
  mDocuments.push_back(std::move(doc));
  notify([&](AcApDocManagerReactor* r) { r->documentCreated(raw); });
  if (vhostIsOpen(raw)) activate(raw);
  if (vhostIsOpen(raw)) vhostDynamicLinker()->vhostBroadcast(AcRx::kLoadDwgMsg);
  return vhostIsOpen(raw) ? raw : nullptr;
}

AcApDocument* AcApDocManager::vhostNewDocument(std::wstring& error, const ACHAR* templatePath) {
  std::wstring name = L"Drawing" + std::to_wstring(++mUntitled) + L".dwg";
  std::wstring tmpl = templatePath != nullptr ? templatePath : L"";
  return createDocument(name, false, false,
                        [&](std::unique_ptr<AcDbDatabase>& db, std::wstring& why) {
                          if (tmpl.empty()) {
                            db.reset(new AcDbDatabase(true));
                            db->setDbmod(0);
                            return true;
                          }
                          AcDbDatabase* raw = nullptr;
                          if (!vhost::readDrawingFile(absolutePath(tmpl), raw, why)) return false;
                          db.reset(raw);
                          db->setFilename(L"");
                          db->setDbmod(0);
                          return true;
                        },
                        error);
}

AcApDocument* AcApDocManager::vhostOpenDocument(const ACHAR* path, bool readOnly, std::wstring& error) {
  if (path == nullptr || *path == 0) {
    error = L"no drawing file was named";
    return nullptr;
  }
  std::wstring full = absolutePath(path);
  for (const auto& d : mDocuments)
    if (d->mHasFile && d->mFileName == full) {
      error = L"drawing \"" + full + L"\" is already open";
      return nullptr;
    }
  std::string fs = narrow(full);
  bool ro = readOnly || (::access(fs.c_str(), F_OK) == 0 && ::access(fs.c_str(), W_OK) != 0);
  return createDocument(full, true, ro,
                        [&](std::unique_ptr<AcDbDatabase>& db, std::wstring& why) {
                          AcDbDatabase* raw = nullptr;
                          if (!vhost::readDrawingFile(full, raw, why)) return false;
                          db.reset(raw);
                          db->setFilename(full);
                          db->setDbmod(0);
                          return true;
                        },
                        error);
}

bool AcApDocManager::vhostCloseDocument(AcApDocument* doc, std::wstring& error, bool discardLocks) {
  if (!vhostIsOpen(doc)) {
    error = L"no such open document";
    return false;
  }
  if (!doc->isQuiescent()) {
    error = L"cannot close \"" + std::wstring(doc->docTitle()) + L"\" while the command " +
            doc->vhostActiveCommand() + L" is running in it";
    return false;
  }
  if (!doc->mLocks.empty() && !discardLocks) {
    error = L"cannot close \"" + std::wstring(doc->docTitle()) + L"\": it is locked";
    return false;
  }
  vhostDynamicLinker()->vhostBroadcast(AcRx::kUnloadDwgMsg);
  if (!vhostIsOpen(doc)) return true;  // a module closed it meanwhile
  bool wasActive = mActive == doc;
  if (wasActive) notify([&](AcApDocManagerReactor* r) { r->documentToBeDeactivated(doc); });
  notify([&](AcApDocManagerReactor* r) { r->documentToBeDestroyed(doc); });
  if (!vhostIsOpen(doc)) return true;

  std::wstring fileName = doc->fileName();
  auto it = std::find_if(mDocuments.begin(), mDocuments.end(), [&](const auto& d) { return d.get() == doc; });
  std::unique_ptr<AcApDocument> owned = std::move(*it);
  mDocuments.erase(it);
  mActivationOrder.erase(std::remove(mActivationOrder.begin(), mActivationOrder.end(), doc), mActivationOrder.end());
  if (mActive == doc) mActive = nullptr;
  bool wasCurrent = mCurrent == doc;
  if (wasCurrent) mCurrent = nullptr;
  AcDbDatabase* db = owned->database();
  if (acdbHostApplicationServices()->workingDatabase() == db) acdbHostApplicationServices()->setWorkingDatabase(nullptr);
  vhost::forgetViewState(db);
  owned.reset();
  notify([&](AcApDocManagerReactor* r) { r->documentDestroyed(fileName.c_str()); });

  if (mActive == nullptr && !mActivationOrder.empty()) {
    activate(mActivationOrder.back());
  } else if (mCurrent == nullptr && mActive != nullptr) {
    makeCurrent(mActive);
  }
  return true;
}

void AcApDocManager::vhostCloseAllDocuments() {
  std::wstring ignored;
  for (size_t guard = mDocuments.size() + 1; !mDocuments.empty() && guard > 0; --guard) {
    AcApDocument* last = mDocuments.back().get();
    if (!vhostCloseDocument(last, ignored, true)) break;
  }
}

bool AcApDocManager::vhostSaveDocument(AcApDocument* doc, const ACHAR* path, bool withBackup, std::wstring& error) {
  if (!vhostIsOpen(doc)) {
    error = L"no such open document";
    return false;
  }
  std::wstring target;
  if (path != nullptr && *path != 0)
    target = absolutePath(path);
  else if (doc->mHasFile)
    target = doc->mFileName;
  if (target.empty()) {
    error = L"drawing \"" + std::wstring(doc->docTitle()) + L"\" was never saved: name a file to save it to";
    return false;
  }
  if (target == doc->mFileName && doc->mHasFile && doc->mReadOnly) {
    error = L"drawing \"" + target + L"\" is read-only";
    return false;
  }
  for (const auto& d : mDocuments)
    if (d.get() != doc && d->mHasFile && d->mFileName == target) {
      error = L"cannot save to \"" + target + L"\": that drawing is open in another document";
      return false;
    }
  vhostDynamicLinker()->vhostBroadcast(AcRx::kSaveMsg);
  if (!vhostIsOpen(doc)) {
    error = L"the document was closed while it was being saved";
    return false;
  }
  if (!vhost::saveDrawingFile(doc->database(), target, withBackup, error)) return false;
  doc->setFileName(target);
  doc->mHasFile = true;
  doc->mReadOnly = false;
  doc->database()->setFilename(target);
  acdbSetDbmod(doc->database(), 0);
  return true;
}

Acad::ErrorStatus AcApDocManager::fail(const std::wstring& error, Acad::ErrorStatus es) {
  mLastError = error;
  return es;
}

Acad::ErrorStatus AcApDocManager::appContextNewDocument(const ACHAR* templateName) {
  std::wstring error;
  if (vhostNewDocument(error, templateName) == nullptr) return fail(error, Acad::eFileAccessErr);
  mLastError.clear();
  return Acad::eOk;
}

Acad::ErrorStatus AcApDocManager::appContextOpenDocument(const ACHAR* drawingName) {
  std::wstring error;
  if (vhostOpenDocument(drawingName, false, error) == nullptr) return fail(error, Acad::eFileAccessErr);
  mLastError.clear();
  return Acad::eOk;
}

Acad::ErrorStatus AcApDocManager::appContextCloseDocument(AcApDocument* doc) { return closeDocument(doc); }

Acad::ErrorStatus AcApDocManager::closeDocument(AcApDocument* doc) {
  if (doc == nullptr) return fail(L"no document to close", Acad::eNullObjectPointer);
  std::wstring error;
  if (!vhostCloseDocument(doc, error)) {
    bool locked = vhostIsOpen(doc) && doc->isQuiescent();
    return fail(error, vhostIsOpen(doc) ? (locked ? Acad::eLockViolation : Acad::eInvalidContext)
                                        : Acad::eNotApplicable);
  }
  mLastError.clear();
  return Acad::eOk;
}
