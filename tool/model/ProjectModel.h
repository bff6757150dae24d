#ifndef QUILLBROOK_PROJECTMODEL_H
#define QUILLBROOK_PROJECTMODEL_H

// The project as a reader leaves it, whichever format it was read from:
// the group tree the Tarn project mirrors and what the compilation
// database needs. The writers only read it.

#include <memory>
#include <string>

#include "model/DatabaseRules.h"
#include "model/ProjectGroup.h"

class PathMap;

struct ProjectModel {
  std::unique_ptr<ProjectGroup> rootGroup;
  // The file the project was read from: the .mcp, or configurations.xml.
  std::string input;
  DatabaseRules rules;
};

// Applies "-map" to every file and include path of the model, and warns
// about each value that matched none.
void mapProjectPaths(PathMap map, ProjectModel& model);

#endif
