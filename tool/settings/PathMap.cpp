#include "settings/PathMap.h"

#include "text/AbsolutePath.h"
#include "text/TextOps.h"
#include "platform/Platform.h"

namespace {

// The length of the start of `path` that `from` names, ending at a
// component boundary (the path's end, a separator, or a `from` that ends
// in one); npos when it names none. A run of separators counts as one, as
// a joined path holds "\\" where the project folder met a relative name.
std::string::size_type matchedLength(const std::string& path, const std::string& from) {
  std::string::size_type p = 0;
  std::string::size_type f = 0;
  while (f < from.size()) {
    if (p >= path.size())
      return std::string::npos;
    if (isPathSeparator(from[f]) && isPathSeparator(path[p])) {
      while (f < from.size() && isPathSeparator(from[f]))
        ++f;
      while (p < path.size() && isPathSeparator(path[p]))
        ++p;
      continue;
    }
    if (upperAscii(from[f]) != upperAscii(path[p]))
      return std::string::npos;
    ++f;
    ++p;
  }
  if (p == path.size() || isPathSeparator(path[p]) || isPathSeparator(from.back()))
    return p;
  return std::string::npos;
}

}  // namespace

std::string PathMap::target(const std::string& value) {
  const std::string::size_type equals = value.find('=');
  if (equals == std::string::npos || equals == 0)
    return std::string();
  return platform::pathArgument(value.substr(equals + 1));
}

bool PathMap::add(const std::string& value, const std::string& currentDirectory) {
  const std::string to = target(value);
  if (to.empty())
    return false;
  rules.push_back(Rule{value, value.substr(0, value.find('=')),
                       makeAbsolutePath(to, currentDirectory)});
  return true;
}

bool PathMap::apply(std::string& path) {
  for (Rule& rule : rules) {
    const std::string::size_type length = matchedLength(path, rule.from);
    if (length == std::string::npos)
      continue;
    std::string rest = path.substr(length);
    // One separator where TO ends in one and the rest starts with one.
    if (!rest.empty() && !rule.to.empty() && isPathSeparator(rest[0]) && isPathSeparator(rule.to.back()))
      rest.erase(0, 1);
    path = rule.to + rest;
    rule.used = true;
    return true;
  }
  return false;
}

std::vector<std::string> PathMap::unused() const {
  std::vector<std::string> values;
  for (const Rule& rule : rules) {
    if (!rule.used)
      values.push_back(rule.given);
  }
  return values;
}
