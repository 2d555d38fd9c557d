#pragma once
// The database's record of one object: what an object id points at. The
// stub outlives the object when it is erased and purged, so ids stay safe.
#include <cstdint>

class AcDbDatabase;
class AcDbObject;

namespace vhost {

struct Stub {
  enum Flags : std::uint32_t {
    kErased = 1u << 0,
  };
  AcDbObject* object = nullptr;  // owned by the database while resident
  AcDbDatabase* database = nullptr;
  std::uint64_t handle = 0;
  std::uint64_t serial = 0;  // process-wide creation order
  std::uint32_t flags = 0;

  bool erased() const { return (flags & kErased) != 0; }
};

// Next creation serial, process-wide.
std::uint64_t nextSerial();

}  // namespace vhost
