#include "arx/ap/AcApDocument.h"

#include "arx/ap/AcApDocManager.h"
#include "arx/db/AcDbDatabase.h"

VHOST_DEFINE_BUILTIN_ABSTRACT_CLASS(AcApDocument, AcRxObject)

namespace {

std::wstring titleOf(const std::wstring& path) {
  size_t slash = path.find_last_of(L"/\\");
  return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

}  // namespace

namespace vhost {

int lockStrength(AcAp::DocLockMode mode) {
  switch (mode) {
    case AcAp::kRead: return 1;
    case AcAp::kAutoWrite: return 2;
    case AcAp::kWrite: return 3;
    case AcAp::kProtectedAutoWrite: return 4;
    case AcAp::kXWrite: return 5;
    default: return 0;
  }
}

bool locksCompatible(AcAp::DocLockMode held, AcAp::DocLockMode asked) {
  if (asked != AcAp::kRead) return false;
  return held == AcAp::kRead || held == AcAp::kWrite || held == AcAp::kAutoWrite;
}

}  // namespace vhost

AcApDocument::AcApDocument(std::unique_ptr<AcDbDatabase> db, std::wstring fileName, bool readOnly)
    : mDatabase(std::move(db)), mReadOnly(readOnly) {
  setFileName(std::move(fileName));
}

AcApDocument::~AcApDocument() = default;

void AcApDocument::setFileName(std::wstring fileName) {
  mFileName = std::move(fileName);
  mTitle = titleOf(mFileName);
}

AcAp::DocLockMode AcApDocument::strongestLock(bool others, bool mine, const AcApDocument* context) const {
  AcAp::DocLockMode best = AcAp::kNotLocked;
  for (const Lock& l : mLocks) {
    bool isMine = l.context == context;
    if ((isMine && !mine) || (!isMine && !others)) continue;
    if (vhost::lockStrength(l.mode) > vhost::lockStrength(best)) best = l.mode;
  }
  return best;
}

AcAp::DocLockMode AcApDocument::lockMode(bool bIncludeMyLocks) const {
  return strongestLock(true, bIncludeMyLocks, acDocManagerPtr()->vhostExecutionContext());
}

AcAp::DocLockMode AcApDocument::myLockMode() const {
  return strongestLock(false, true, acDocManagerPtr()->vhostExecutionContext());
}

const ACHAR* AcApDocument::vhostActiveCommand() const {
  return mCommands.empty() ? L"" : mCommands.back().c_str();
}
