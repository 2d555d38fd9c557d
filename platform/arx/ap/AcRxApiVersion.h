#pragma once
// The host API release. An application exports acrxGetApiVersion (C
// linkage); the dynamic linker calls it when loading the application and
// refuses a module built for another major release. The release number sits
// in the high 16 bits: 0x00120000 is release 18.0.
#define ACRX_API_VERSION_MAJOR 18
#define ACRX_API_VERSION_MINOR 0
#define ACRX_API_VERSION ((ACRX_API_VERSION_MAJOR << 16) | ACRX_API_VERSION_MINOR)

// The release this host implements. The host library defines it, so an
// application that does not define its own reports the release it was
// built against.
extern "C" int acrxGetApiVersion();

namespace vhost {
// The major release of a version stamp (0x00120000 -> 18).
constexpr int apiMajorRelease(int versionStamp) { return (versionStamp >> 16) & 0xFFFF; }
}  // namespace vhost
