#pragma once
// Document lock modes. A lock is held by an execution context: the
// application context (code running outside any command) or the command
// context of one document. Locks of one context nest freely; locks of
// different contexts on the same document must be compatible:
//
//   held by another context   | kRead asked | any write asked
//   --------------------------+-------------+----------------
//   kRead                     | granted     | eLockViolation
//   kWrite, kAutoWrite        | granted     | eLockViolation
//   kXWrite,                  |             |
//   kProtectedAutoWrite       | violation   | eLockViolation
//
// kAutoWrite is the lock the host takes for a command while it runs.
namespace AcAp {
enum DocLockMode {
  kNone = 0x00,
  kAutoWrite = 0x01,
  kNotLocked = 0x02,
  kWrite = 0x04,
  kProtectedAutoWrite = 0x14,
  kRead = 0x20,
  kXWrite = 0x40
};
}  // namespace AcAp
