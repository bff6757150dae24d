#include "database/DatabaseEntry.h"

#include "io/Console.h"
#include "io/Errors.h"
#include "database/DatabasePath.h"
#include "model/ProjectGroup.h"
#include "text/ToolPath.h"
#include "platform/Platform.h"

namespace {

const char MapHint[] = "-map FROM=TO points a folder written on another machine at this one";

// Only a source the host says is not there is missing; one it cannot
// examine stops the run rather than drop out of the database unseen.
bool missingOnHost(const std::string& hostPath) {
  if (isDrivePath(hostPath) && !platform::hasDrives())
    return true;
  const platform::PathState state = platform::pathState(hostPath);
  if (state == platform::PathState::Unknown)
    throw IOERROR(IOERROR::CannotExamine, hostPath, platform::lastFailure());
  return state == platform::PathState::Absent;
}

}  // namespace

std::string& ArgumentWriter::next() {
  if (used == arguments.size())
    arguments.emplace_back();
  std::string& argument = arguments[used++];
  argument.clear();
  return argument;
}

void ArgumentWriter::finish() {
  arguments.resize(used);
}

DatabaseEntries::DatabaseEntries(const ProjectGroup& root, const std::string& projectFolder,
                                 const DatabaseRules& rules)
    : root(root),
      projectFolder(projectFolder),
      rules(rules),
      macros(predefinedMacros(rules.compiler, rules.device)) {}

void DatabaseEntries::fill(const std::string& file, const ProjectGroup& owner,
                           CompileCommand& command) {
  const std::string sourceFolder = folderOf(file);
  command.file = databasePath(file);
  command.directory = folderPath(rules.sourceDirBuilds ? sourceFolder : projectFolder);
  ArgumentWriter arguments(command.arguments);
  arguments.next() = "cc";
  if (rules.fileFlags.isUsed())
    writeOwnFlags(file, arguments);
  else
    writeGroupFlags(owner, sourceFolder, arguments);
  arguments.next() = "-c";
  arguments.next() = command.file;
  arguments.finish();
}

void DatabaseEntries::writeGroupFlags(const ProjectGroup& owner, const std::string& sourceFolder,
                                      ArgumentWriter& arguments) {
  writeIncludes(owner, sourceFolder, arguments);
  for (const std::string& macro : macros)
    arguments.next().append("-D").append(macro);
  for (const auto& [name, value] : owner.defines) {
    // An empty name defines nothing, and a bare "-D" would take the next
    // argument for its name.
    if (name.empty())
      continue;
    std::string& argument = arguments.next();
    argument.append("-D").append(name);
    if (!value.empty())
      argument.append("=").append(value);
  }
}

// The file's flags in the IDE's order; its definitions are already as the
// compiler receives them.
void DatabaseEntries::writeOwnFlags(const std::string& file, ArgumentWriter& arguments) {
  const CompileFlags& flags = rules.fileFlags.flagsOf(file);
  for (const std::string& include : flags.includePaths) {
    arguments.next() = "-I";
    arguments.next() = folderPath(include);
  }
  for (const std::string& macro : macros)
    arguments.next().append("-D").append(macro);
  for (const std::string& definition : flags.definitions)
    arguments.next().append("-D").append(definition);
}

// The owner's include folders in order. The root's "dir_inc=" items are
// taken as written: an empty one (or one of blanks) gave the compiler no
// -I, though the analyser personality keeps its line, and a relative one
// starts in the source's folder when sources build in their own folders.
void DatabaseEntries::writeIncludes(const ProjectGroup& owner, const std::string& sourceFolder,
                                    ArgumentWriter& arguments) {
  const FileList& paths = owner.includePaths;
  std::size_t next = 0;
  const auto writeListedBefore = [&](std::size_t end) {
    for (; next < end; ++next) {
      paths.pathAt(next, includePath);
      writeInclude(includePath, arguments);
    }
  };
  // Only the root's folders come from "dir_inc=" lines.
  if (&owner == &root) {
    for (const IncludeLine& line : rules.includeLines) {
      forEachIncludeItem(line, [&](std::size_t index, std::string_view item, bool relative) {
        if (!relative)
          return;
        writeListedBefore(index);
        next = index + 1;
        if (item.find_first_not_of(" \t") == std::string_view::npos)
          return;
        if (rules.sourceDirBuilds)
          includePath.assign(sourceFolder).append("\\").append(item);
        else
          paths.pathAt(index, includePath);
        writeInclude(includePath, arguments);
      });
    }
  }
  writeListedBefore(paths.size());
}

// Each path a separate argument after "-I", so a path with blanks survives
// consumers that rebuild a command line from the list.
void DatabaseEntries::writeInclude(const std::string& folder, ArgumentWriter& arguments) {
  arguments.next() = "-I";
  arguments.next() = folderPath(folder);
}

const std::string& DatabaseEntries::folderPath(const std::string& toolPath) {
  const auto known = folders.find(toolPath);
  if (known != folders.end())
    return known->second;
  return folders.emplace(toolPath, databasePath(toolPath)).first->second;
}

bool DatabaseTally::admit(CompileCommand& command) {
  ++sources;
  if (missingOnHost(command.file)) {
    if (missing++ == 0)
      firstMissing = command.file;
    return false;
  }
  if (platform::hasDrives())
    return true;
  std::vector<std::string>& arguments = command.arguments;
  for (std::size_t i = 0; i + 1 < arguments.size();) {
    if (arguments[i] == "-I" && isDrivePath(arguments[i + 1])) {
      if (driveIncludes.insert(arguments[i + 1]).second && driveIncludes.size() == 1)
        firstDriveInclude = arguments[i + 1];
      arguments.erase(arguments.begin() + i, arguments.begin() + i + 2);
    } else {
      ++i;
    }
  }
  return true;
}

void DatabaseTally::warn(const std::string& path, const DatabaseRules& rules) const {
  const std::string database = "compilation database " + path;
  if (sources == 0)
    ::warn(database + " has no entry: the project lists no C or C++ source");
  if (missing > 0)
    ::warn(database + ": left out " + std::to_string(missing) + " of " +
           std::to_string(sources) + " sources that are not on this machine, first: " +
           firstMissing + " (" + MapHint + ")");
  if (!driveIncludes.empty())
    ::warn(database + ": left out " + std::to_string(driveIncludes.size()) +
           (driveIncludes.size() == 1 ? " include folder" : " include folders") +
           " with a drive letter, which this host does not have, first: " + firstDriveInclude +
           " (" + MapHint + ")");
  if (sources == 0 || rules.compiler != CompilerFamily::Unknown)
    return;
  if (rules.device.empty())
    ::warn(database + ": the project's compiler was not recognised and it names no device, so "
                      "its entries carry none of the compiler's own macros");
  else
    ::warn(database + ": the project's compiler was not recognised, so its entries carry only "
                      "the macros of the device family of " + rules.device);
}
