#include "mcp/SourceFolders.h"

#include <algorithm>
#include <unordered_set>

#include "io/Errors.h"
#include "model/FileFlags.h"
#include "model/ProjectGroup.h"
#include "platform/Platform.h"
#include "text/ToolPath.h"

namespace {

bool listed(const std::vector<std::string>& paths, const std::string& path) {
  return std::find(paths.begin(), paths.end(), path) != paths.end();
}

void collectFolders(const ProjectGroup& group, std::vector<std::string>& folders,
                    std::unordered_set<std::string>& seen) {
  group.files.forEachPath([&](const std::string& file) {
    if (!isCompiledSource(file))
      return;
    const std::string folder = folderOf(file);
    if (seen.insert(folder).second)
      folders.push_back(folder);
  });
  for (const auto& child : group.children)
    collectFolders(*child, folders, seen);
}

// A join the host cannot examine stops the run: the personality would
// silently lack a folder MPLAB searched.
bool folderExists(const std::string& path) {
  const platform::PathState state = platform::pathState(path);
  if (state == platform::PathState::Unknown)
    throw IOERROR(IOERROR::CannotExamine, path, platform::lastFailure());
  return state == platform::PathState::Present;
}

}  // namespace

std::vector<std::string> sourceFolders(const ProjectGroup& root) {
  std::vector<std::string> folders;
  std::unordered_set<std::string> seen;
  collectFolders(root, folders, seen);
  return folders;
}

std::vector<std::string> sourceFolderIncludes(const ProjectGroup& root,
                                              const std::vector<IncludeLine>& lines) {
  std::vector<std::string> cleaned;
  root.includePaths.forEachPath(
      [&cleaned](const std::string& path) { cleaned.push_back(cleanToolPath(path)); });
  const std::vector<std::string> folders = sourceFolders(root);
  std::vector<std::string> joins;
  for (const IncludeLine& line : lines) {
    forEachIncludeItem(line, [&](std::size_t, std::string_view item, bool relative) {
      if (!relative)
        return;
      for (const std::string& folder : folders) {
        const std::string join = (folder + "\\").append(item);
        const std::string clean = cleanToolPath(join);
        if (listed(cleaned, clean) || !folderExists(join))
          continue;
        cleaned.push_back(clean);
        joins.push_back(join);
      }
    });
  }
  return joins;
}
