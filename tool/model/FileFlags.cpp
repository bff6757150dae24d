#include "model/FileFlags.h"

#include "settings/PathMap.h"
#include "text/TextOps.h"

namespace {

void mapFlags(CompileFlags& flags, PathMap& map) {
  for (std::string& path : flags.includePaths)
    map.apply(path);
}

}  // namespace

bool isCppSource(const std::string& file) {
  const std::string extension = upperExtension(file);
  return extension == "CPP" || extension == "CC" || extension == "CXX";
}

bool isCompiledSource(const std::string& file) {
  return upperExtension(file) == "C" || isCppSource(file);
}

const CompileFlags& FileFlagTable::flagsOf(const std::string& file) const {
  const auto own = overrides.find(file);
  if (own != overrides.end())
    return own->second;
  return isCppSource(file) ? cppFlags : cFlags;
}

// Override keys are file paths, so they are mapped as the files are.
void FileFlagTable::mapPaths(PathMap& map) {
  mapFlags(cFlags, map);
  mapFlags(cppFlags, map);
  std::map<std::string, CompileFlags> mapped;
  for (auto& [file, flags] : overrides) {
    std::string path = file;
    map.apply(path);
    mapFlags(flags, map);
    mapped[path] = std::move(flags);
  }
  overrides = std::move(mapped);
}
