#ifndef QUILLBROOK_PLATFORM_HOSTGUARD_H
#define QUILLBROOK_PLATFORM_HOSTGUARD_H

// Checks every platform file makes before a host call.

#include <string>

#include "platform/Platform.h"

namespace platform {

inline bool holdsNul(const std::string& path) {
  return path.find('\0') != std::string::npos;
}

// True when the installed fault hook wants this call to fail.
bool faultInjected(HostCall call, const std::string& path);

}  // namespace platform

#endif
