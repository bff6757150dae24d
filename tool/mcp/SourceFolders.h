#ifndef QUILLBROOK_SOURCEFOLDERS_H
#define QUILLBROOK_SOURCEFOLDERS_H

// Projects that MPLAB builds from each source's own folder
// ("BuildDirIsSourceDir") find their relative include folders there.

#include <string>
#include <vector>

#include "model/DatabaseRules.h"

class ProjectGroup;

// The distinct folders of the tree's compiled sources, in project-file order.
std::vector<std::string> sourceFolders(const ProjectGroup& root);

// For each relative include item, its join with each source folder that
// exists and is not among the include paths or the joins before it
// (compared with doubled separators and "." components cleaned away).
std::vector<std::string> sourceFolderIncludes(const ProjectGroup& root,
                                              const std::vector<IncludeLine>& lines);

#endif
