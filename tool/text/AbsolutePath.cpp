#include "text/AbsolutePath.h"

#include "platform/Platform.h"

namespace {

std::string driveRelative(const std::string& path, const std::string& remembered) {
  const bool changed = platform::changeDrive(path.substr(0, 2));
  // When the drive cannot be made current, the current drive's directory
  // stands in for it.
  const std::string drive = changed ? platform::currentDirectory() : remembered;
  const std::string result = drive + "\\" + path.substr(2);
  // Restore the directory itself, not only its drive, so later arguments
  // still resolve against it (a network path names no drive to go back to).
  if (changed)
    platform::restoreDirectory(remembered);
  return result;
}

}  // namespace

bool needsCurrentDirectory(const std::string& path) {
  if (path.size() >= 2 && path[1] == ':')
    return !(path.size() >= 3 && path[2] == '\\');
  return path.empty() || path[0] != '\\';
}

std::string makeAbsolutePath(const std::string& path) {
  if (!needsCurrentDirectory(path))
    return path;
  return makeAbsolutePath(path, platform::currentDirectory());
}

std::string makeAbsolutePath(const std::string& path, const std::string& current) {
  if (!needsCurrentDirectory(path))
    return path;
  if (path.size() >= 2 && path[1] == ':')
    return driveRelative(path, current);
  if (path == ".")
    return current;
  return current + "\\" + path;
}
