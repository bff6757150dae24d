#include "model/ProjectModel.h"

#include "io/Console.h"
#include "settings/PathMap.h"

namespace {

void mapList(FileList& paths, PathMap& map) {
  std::string path;
  for (std::size_t i = 0; i < paths.size(); ++i) {
    paths.pathAt(i, path);
    if (map.apply(path))
      paths.replace(i, path);
  }
}

void mapTree(ProjectGroup& group, PathMap& map) {
  mapList(group.files, map);
  mapList(group.includePaths, map);
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
