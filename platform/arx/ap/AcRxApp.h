#pragma once
// Messages the host sends to an application's acrxEntryPoint, and what the
// entry point answers.
//
//   kInitAppMsg     on load; the packet is the application id
//   kUnloadAppMsg   on unload (and when the host quits); packet: the id.
//                   Answering kRetError keeps the application loaded.
//   kLoadDwgMsg     after a drawing was opened or created (it is current)
//   kUnloadDwgMsg   before a drawing is closed
//   kSaveMsg        before a drawing is saved
//   kPreQuitMsg     the host is about to quit; drawings are still open
//   kQuitMsg        the host quits; drawings are closed
namespace AcRx {
enum AppMsgCode {
  kNullMsg = 0,
  kInitAppMsg = 1,
  kUnloadAppMsg = 2,
  kLoadDwgMsg = 3,
  kUnloadDwgMsg = 4,
  kInvkSubrMsg = 5,
  kCfgMsg = 6,
  kEndMsg = 7,
  kQuitMsg = 8,
  kSaveMsg = 9,
  kDependencyMsg = 10,
  kNoDependencyMsg = 11,
  kOleUnloadAppMsg = 12,
  kPreQuitMsg = 13,
  kInitDialogMsg = 14,
  kEndDialogMsg = 15,
  kSuspendMsg = 16
};

enum AppRetCode { kRetOK = 0, kRetError = 3 };
}  // namespace AcRx

// The signature of an application's entry point (exported with C linkage
// under the name acrxEntryPoint).
typedef AcRx::AppRetCode (*AcRxEntryPointFunc)(AcRx::AppMsgCode msg, void* pkt);
