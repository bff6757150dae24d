// Writing to open files is the same on every host (C streams); it lives
// here so that every write, flush and close passes the fault hook too.

#include "platform/HostGuard.h"

namespace platform {

namespace {

FaultHook installedHook = nullptr;

}  // namespace

void setFaultHook(FaultHook hook) {
  installedHook = hook;
}

bool faultInjected(HostCall call, const std::string& path) {
  return installedHook != nullptr && installedHook(call, path);
}

bool writeFile(std::FILE* file, const std::string& bytes) {
  if (faultInjected(HostCall::Write, std::string()))
    return false;
  return std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
}

bool flushFile(std::FILE* file) {
  if (faultInjected(HostCall::Flush, std::string()))
    return false;
  return std::fflush(file) == 0;
}

bool closeFile(std::FILE* file) {
  const bool failed = faultInjected(HostCall::Close, std::string());
  return std::fclose(file) == 0 && !failed;
}

}  // namespace platform
