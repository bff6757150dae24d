#ifndef QUILLBROOK_DATABASEENTRY_H
#define QUILLBROOK_DATABASEENTRY_H

// What goes into one entry of the compilation database: paths a consumer
// on this machine can open, the include folders MPLAB used for that
// source, and the macros the project's compiler defines by itself.

#include <set>
#include <string>
#include <unordered_map>
#include <vector>

#include "model/DatabaseRules.h"

class ProjectGroup;

// One entry of the database. Paths are in the host's own form.
struct CompileCommand {
  std::string directory;
  std::string file;
  std::vector<std::string> arguments;
};

// Writes a command's arguments over those it held before, so that their
// strings keep their memory from one entry to the next: a project may give
// every source thousands of arguments.
class ArgumentWriter {
public:
  explicit ArgumentWriter(std::vector<std::string>& arguments) : arguments(arguments) {}
  // The next argument, empty, to be written.
  std::string& next();
  // Drops what is left of the arguments held before.
  void finish();

private:
  std::vector<std::string>& arguments;
  std::size_t used = 0;
};

// Makes the entries of one project's database.
class DatabaseEntries {
public:
  // `projectFolder` is the tool path of the project file's folder.
  DatabaseEntries(const ProjectGroup& root, const std::string& projectFolder,
                  const DatabaseRules& rules);

  // Writes over `command` (reusing its memory) the entry of `file`, with
  // the include paths and definitions of `owner` (or of the file flag
  // table, when used), the compiler's own macros before the project's
  // definitions.
  void fill(const std::string& file, const ProjectGroup& owner, CompileCommand& command);

private:
  void writeGroupFlags(const ProjectGroup& owner, const std::string& sourceFolder,
                       ArgumentWriter& arguments);
  void writeOwnFlags(const std::string& file, ArgumentWriter& arguments);
  void writeIncludes(const ProjectGroup& owner, const std::string& sourceFolder,
                     ArgumentWriter& arguments);
  void writeInclude(const std::string& folder, ArgumentWriter& arguments);
  // databasePath of a folder, looked up once: every entry names the same
  // few folders.
  const std::string& folderPath(const std::string& toolPath);

  const ProjectGroup& root;
  std::string projectFolder;
  const DatabaseRules& rules;
  std::vector<std::string> macros;
  // An include path, built here so its memory is reused.
  std::string includePath;
  std::unordered_map<std::string, std::string> folders;
};

// Counts over every entry, for one warning each at the end.
class DatabaseTally {
public:
  // False, counting it, when the entry's source is not on this machine;
  // otherwise takes out the include folders this host cannot have.
  bool admit(CompileCommand& command);
  // The warnings about the database written to `path`.
  void warn(const std::string& path, const DatabaseRules& rules) const;

private:
  std::size_t sources = 0;
  std::size_t missing = 0;
  std::string firstMissing;
  std::set<std::string> driveIncludes;
  std::string firstDriveInclude;
};

#endif
