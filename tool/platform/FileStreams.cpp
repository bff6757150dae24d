// Writing to open files is the same on every host (C streams); it lives
// here so that every write, flush and close passes the fault hook too.

#include <cerrno>
#include <cstring>

#include "platform/HostGuard.h"

namespace platform {

namespace {

FaultHook installedHook = nullptr;

}  // namespace

void setFaultHook(FaultHook hook) {
  installedHook = hook;
}

bool faultInjected(HostCall call, const std::string& path) {
  if (installedHook == nullptr || !installedHook(call, path))
    return false;
  errno = EIO;
  return true;
}

bool refused(HostCall call, const std::string& path) {
  if (holdsNul(path)) {
    errno = EINVAL;
    return true;
  }
  return faultInjected(call, path);
}

std::string lastFailure() {
  if (errno == NotRegularFile)
    return "not a regular file (a pipe, a device or a socket), which a run would wait on for "
           "ever";
  return std::strerror(errno);
}

bool readFile(std::FILE* file, char* buffer, std::size_t& size) {
  if (faultInjected(HostCall::Read, std::string())) {
    size = 0;
    return false;
  }
  size = std::fread(buffer, 1, size, file);
  return std::ferror(file) == 0;
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
  const bool closed = std::fclose(file) == 0;
  if (failed)
    errno = EIO;
  return closed && !failed;
}

}  // namespace platform
