#ifndef QUILLBROOK_DATABASERULES_H
#define QUILLBROOK_DATABASERULES_H

// What a reader found about the project's build beyond the group tree: what
// the compilation database needs to say what the compiler saw.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "model/CompilerMacros.h"
#include "model/FileFlags.h"

// A relative "dir_inc=" item as written, and where its join with the
// project folder stands in the root group's includePaths. The item is a
// view into the "dir_inc=" line, which that list keeps for as long as the
// root group: a generated line of a million folders is not copied again.
struct RelativeInclude {
  std::size_t index;
  std::string_view item;
};

struct DatabaseRules {
  CompilerFamily compiler = CompilerFamily::Unknown;
  std::string device;
  // "BuildDirPolicy=BuildDirIsSourceDir": MPLAB compiles each source from
  // its own folder, so relative include folders start there.
  bool sourceDirBuilds = false;
  // Places in the root group's includePaths of relative "dir_inc=" items,
  // in that order.
  std::vector<RelativeInclude> relativeIncludes;
  // An MPLAB X project's own flags for each file, and the folder its
  // compiler runs in; unused for an .mcp.
  FileFlagTable fileFlags;
};

#endif
