#include "arx/db/VhostFieldXData.h"

#include "arx/db/AcDbSymbolTable.h"

namespace vhost {

bool xdataSameApp(const ACHAR* a, const ACHAR* b) {
  if (a == nullptr || b == nullptr) return a == b;
  return nameKey(a) == nameKey(b);
}

resbuf* rbTail(resbuf* chain) {
  while (chain && chain->rbnext) chain = chain->rbnext;
  return chain;
}

namespace {

// Appends a copy of one node to the chain ending at *tail.
void appendCopy(resbuf**& tail, const resbuf* node) {
  resbuf one = *node;
  one.rbnext = nullptr;
  resbuf* copy = acutRbDup(&one);
  if (copy == nullptr) return;
  *tail = copy;
  tail = &copy->rbnext;
}

}  // namespace

resbuf* xdataSplit(const resbuf* chain, const ACHAR* app, resbuf*& items, bool& present) {
  items = nullptr;
  present = false;
  resbuf* rest = nullptr;
  resbuf** restTail = &rest;
  resbuf** itemTail = &items;
  bool inSection = false;
  for (const resbuf* rb = chain; rb; rb = rb->rbnext) {
    if (rb->restype == 1001) {
      inSection = xdataSameApp(rb->resval.rstring, app);
      if (inSection) {
        present = true;
        continue;
      }
    }
    if (inSection)
      appendCopy(itemTail, rb);
    else
      appendCopy(restTail, rb);
  }
  return rest;
}

resbuf* xdataJoin(const ACHAR* app, resbuf* items, resbuf* rest) {
  if (items == nullptr) return rest;
  resbuf* head = acutNewRb(1001);
  if (head == nullptr) {
    acutRelRb(items);
    return rest;
  }
  acutNewString(app, head->resval.rstring);
  head->rbnext = items;
  rbTail(items)->rbnext = rest;
  return head;
}

}  // namespace vhost
