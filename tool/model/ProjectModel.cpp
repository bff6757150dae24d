#include "model/ProjectModel.h"

#include "io/Console.h"
#include "settings/PathMap.h"

namespace {

void mapTree(ProjectGroup& group, PathMap& map) {
  for (std::string& file : group.files)
    map.apply(file);
  for (std::string& path : group.includePaths)
    map.apply(path);
  for (const auto& child : group.children)
    mapTree(*child, map);
}

}  // namespace

// The map is taken by value: which rules were used is this run's record,
// not a setting.
void mapProjectPaths(PathMap map, ProjectModel& model) {
  if (map.empty())
    return;
  mapTree(*model.rootGroup, map);
  model.rules.fileFlags.mapPaths(map);
  for (const std::string& value : map.unused())
    warn("-map \"" + value + "\" matched no path of the project");
}
