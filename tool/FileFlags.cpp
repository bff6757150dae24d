#include "FileFlags.h"

#include "TextOps.h"
#include "platform/Platform.h"

bool isCppSource(const std::string& file) {
  const std::string::size_type dot = file.rfind('.');
  if (dot == std::string::npos)
    return false;
  const std::string extension = toUpperAscii(file.substr(dot + 1));
  return extension == "CPP" || extension == "CC" || extension == "CXX";
}

std::vector<std::string> FileFlagTable::arguments(const std::string& file) const {
  const auto own = overrides.find(file);
  const CompileFlags& flags =
      own != overrides.end() ? own->second : (isCppSource(file) ? cppFlags : cFlags);
  std::vector<std::string> words;
  for (const std::string& path : flags.includePaths) {
    words.push_back("-I");
    words.push_back(platform::hostPath(path));
  }
  for (const std::string& macro : predefinedMacros)
    words.push_back("-D" + macro);
  for (const std::string& definition : flags.definitions)
    words.push_back("-D" + definition);
  return words;
}
