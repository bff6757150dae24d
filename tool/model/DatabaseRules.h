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
#include "text/TextOps.h"

// A "dir_inc=" value as the project wrote it, unquoted: a view into the
// line the root group's include list keeps for as long as the root group,
// and the place in that list of its first item. Its items are cut from it
// again when needed, so a generated line of a million folders costs no
// list of its own.
struct IncludeLine {
  std::size_t firstIndex;
  std::string_view value;
};

// Hands `visit` each item of `line` as (place in the include list, item,
// whether it is relative: it names no drive). A CR left in an item, as a
// second CR before the line end leaves one, is dropped.
template <typename Visit>
void forEachIncludeItem(const IncludeLine& line, Visit&& visit) {
  std::size_t index = line.firstIndex;
  forEachPiece(line.value, ';', [&](std::string_view item) {
    const bool relative = !contains(item, ":");
    if (contains(item, "\r"))
      item.remove_suffix(1);
    visit(index++, item, relative);
  });
}

struct DatabaseRules {
  CompilerFamily compiler = CompilerFamily::Unknown;
  std::string device;
  // "BuildDirPolicy=BuildDirIsSourceDir": MPLAB compiles each source from
  // its own folder, so relative include folders start there.
  bool sourceDirBuilds = false;
  // The project's "dir_inc=" values, in the order of the root group's
  // includePaths.
  std::vector<IncludeLine> includeLines;
  // An MPLAB X project's own flags for each file, and the folder its
  // compiler runs in; unused for an .mcp.
  FileFlagTable fileFlags;
};

#endif
