#include "arx/ap/AcApDocumentIterator.h"

#include "arx/ap/AcApDocManager.h"

AcApDocumentIterator::AcApDocumentIterator(std::vector<std::uint64_t> serials) : mSerials(std::move(serials)) {
  mIndex = firstOpen(0);
}

size_t AcApDocumentIterator::firstOpen(size_t from) const {
  while (from < mSerials.size() && acDocManagerPtr()->vhostDocumentBySerial(mSerials[from]) == nullptr) ++from;
  return from;
}

bool AcApDocumentIterator::done() const { return firstOpen(mIndex) >= mSerials.size(); }

void AcApDocumentIterator::step() {
  mIndex = firstOpen(mIndex);
  if (mIndex < mSerials.size()) mIndex = firstOpen(mIndex + 1);
}

AcApDocument* AcApDocumentIterator::document() {
  mIndex = firstOpen(mIndex);
  return mIndex < mSerials.size() ? acDocManagerPtr()->vhostDocumentBySerial(mSerials[mIndex]) : nullptr;
}
