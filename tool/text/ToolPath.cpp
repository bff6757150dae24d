#include "text/ToolPath.h"

#include "platform/Platform.h"
#include "text/TextOps.h"

namespace {

bool isLetter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

}  // namespace

std::string cleanToolPath(const std::string& path) {
  // A network path on a host with drives starts with a pair that stays.
  const bool network = platform::hasDrives() && path.compare(0, 2, "\\\\") == 0;
  std::string cleaned = network ? "\\\\" : (!path.empty() && path[0] == '\\') ? "\\" : "";
  const std::string::size_type start = cleaned.size();
  for (const std::string_view component : splitViews(path, '\\')) {
    if (component.empty() || component == ".")
      continue;
    if (cleaned.size() > start)
      cleaned += '\\';
    cleaned += component;
  }
  if (cleaned.size() > start && path.back() == '\\')
    cleaned += '\\';
  return cleaned.empty() && !path.empty() ? "." : cleaned;
}

bool isDrivePath(const std::string& path) {
  return path.size() >= 2 && isLetter(path[0]) && path[1] == ':';
}

std::string folderOf(const std::string& file) {
  const std::string::size_type slash = file.rfind('\\');
  return slash == std::string::npos ? std::string() : file.substr(0, slash);
}
