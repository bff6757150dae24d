#include "PathMap.h"

#include "ProjectGroup.h"
#include "TextOps.h"
#include "platform/Platform.h"

namespace {

bool isSeparator(char c) {
  return c == '\\' || c == '/';
}

bool sameByte(char one, char other) {
  if (isSeparator(one) && isSeparator(other))
    return true;
  return upperAscii(one) == upperAscii(other);
}

// True when `path` begins with `from` and the match ends at a component
// boundary: the path's end, a separator, or a `from` that ends in one.
bool beginsWith(const std::string& path, const std::string& from) {
  if (path.size() < from.size())
    return false;
  for (std::size_t i = 0; i < from.size(); ++i) {
    if (!sameByte(path[i], from[i]))
      return false;
  }
  return path.size() == from.size() || isSeparator(path[from.size()]) ||
         isSeparator(from.back());
}

void mapTree(ProjectGroup& group, PathMap& map) {
  for (std::string& file : group.files)
    map.apply(file);
  for (std::string& path : group.includePaths)
    map.apply(path);
  for (const auto& child : group.children)
    mapTree(*child, map);
}

}  // namespace

bool PathMap::add(const std::string& value) {
  const std::string::size_type equals = value.find('=');
  if (equals == std::string::npos || equals == 0)
    return false;
  rules.push_back(
      Rule{value, value.substr(0, equals), platform::pathArgument(value.substr(equals + 1))});
  return true;
}

bool PathMap::apply(std::string& path) {
  for (Rule& rule : rules) {
    if (!beginsWith(path, rule.from))
      continue;
    std::string rest = path.substr(rule.from.size());
    // One separator where TO ends in one and the rest starts with one.
    if (!rest.empty() && !rule.to.empty() && isSeparator(rest[0]) && isSeparator(rule.to.back()))
      rest.erase(0, 1);
    path = rule.to + rest;
    rule.used = true;
    return true;
  }
  return false;
}

void PathMap::applyToTree(ProjectGroup& root) {
  mapTree(root, *this);
}

std::vector<std::string> PathMap::unused() const {
  std::vector<std::string> values;
  for (const Rule& rule : rules) {
    if (!rule.used)
      values.push_back(rule.given);
  }
  return values;
}
