#ifndef QUILLBROOK_PLATFORM_HOSTGUARD_H
#define QUILLBROOK_PLATFORM_HOSTGUARD_H

// Checks every platform file makes before a host call.

#include <string>

#include "platform/Platform.h"

namespace platform {

inline bool holdsNul(const std::string& path) {
  return path.find('\0') != std::string::npos;
}

// True when the installed fault hook wants this call to fail; errno then
// says EIO, as a failing disk would.
bool faultInjected(HostCall call, const std::string& path);

// True when the call must not reach the host: the path holds a NUL byte
// (errno EINVAL), which would cut it short there, or a fault is injected.
bool refused(HostCall call, const std::string& path);

// errno for a file that is not a regular one (a pipe, a device, a socket);
// lastFailure() words it, since no system message does.
const int NotRegularFile = -1000;

}  // namespace platform

#endif
