#include "mplabx/MplabXSource.h"

#include "text/TextOps.h"
#include "platform/Platform.h"

namespace {

// A Windows host leaves "/" in a path argument; it separates there too.
const char Separators[] = "\\/";

std::string withoutTrailingSeparators(std::string path) {
  while (path.size() > 1 && isPathSeparator(path.back()) && path[path.size() - 2] != ':')
    path.pop_back();
  return path;
}

std::string parentOf(const std::string& path) {
  const std::string::size_type slash = path.find_last_of(Separators);
  return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

bool named(const std::string& path, const std::string& upperName) {
  return toUpperAscii(lastPathPart(path)) == upperName;
}

void fromConfigurationsFile(const std::string& file, MplabXSource& found) {
  std::string folder = parentOf(file);
  if (named(folder, "PRIVATE") && named(parentOf(folder), "NBPROJECT"))
    folder = parentOf(folder);
  if (!named(folder, "NBPROJECT")) {
    found.projectFolder = folder;
    found.configurations = file;
    return;
  }
  found.projectFolder = parentOf(folder);
  found.configurations = folder + "\\" + lastPathPart(file);
}

}  // namespace

bool findMplabXSource(const std::string& source, MplabXSource& found) {
  const std::string path = withoutTrailingSeparators(source);
  if (named(path, "CONFIGURATIONS.XML")) {
    fromConfigurationsFile(path, found);
    return true;
  }
  const std::string folder = isPathSeparator(path.back()) ? path.substr(0, path.size() - 1) : path;
  const std::string configurations = folder + "\\nbproject\\configurations.xml";
  const platform::PathState state = platform::pathState(configurations);
  if (state == platform::PathState::Absent)
    return false;
  found.projectFolder = folder;
  found.configurations = configurations;
  if (state == platform::PathState::Unknown)
    found.failure = platform::lastFailure();
  return true;
}

std::string mplabXProjectName(const std::string& projectFolder) {
  const std::string name = lastPathPart(projectFolder);
  if (name.size() > 2 && name[name.size() - 2] == '.' && upperAscii(name.back()) == 'X')
    return name.substr(0, name.size() - 2);
  return name;
}
