#pragma once
// Walks the open documents in the order they were opened. The iterator
// takes a snapshot when made and skips documents closed since then.
#include <cstdint>
#include <vector>

#include "arx/db/AcRxObject.h"

class AcApDocument;

class AcApDocumentIterator : public AcRxObject {
 public:
  // The documents by their serial numbers (AcApDocument::vhostSerial).
  explicit AcApDocumentIterator(std::vector<std::uint64_t> serials);
  bool done() const;
  void step();
  // The document at the iterator, or null when done.
  AcApDocument* document();

 private:
  size_t firstOpen(size_t from) const;
  std::vector<std::uint64_t> mSerials;
  size_t mIndex = 0;
};
