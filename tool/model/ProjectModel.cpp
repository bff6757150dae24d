#include "model/ProjectModel.h"

#include "io/Console.h"
#include "settings/PathMap.h"

namespace {

void mapTree(ProjectGroup& group, PathMap& map) {
  std::string file;
  for (std::size_t i = 0; i < group.files.size(); ++i) {
    group.files.pathAt(i, file);
    if (map.apply(file))
      group.files.replace(i, file);
  }
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
