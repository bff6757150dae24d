#ifndef QUILLBROOK_MPLABPROJECTPARSER_H
#define QUILLBROOK_MPLABPROJECTPARSER_H

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "mcp/AsciiReader.h"
#include "mcp/EntryIndex.h"
#include "mcp/McpCompiler.h"

class ProjectConverter;
class ProjectGroup;

// One MPLAB folder. Its entries start as file keys (file_007) and are
// replaced in place by the resolved path, or by the empty string when the
// extension filter rejects the file.
struct MplabFolder {
  std::string name;
  std::vector<std::string> entries;
  // Parallel to `entries`: whether a [FILE_INFO] line has replaced it.
  std::vector<bool> resolved;
};

// What the reader noticed on the way, for the warnings after the parse.
struct ProjectFindings {
  bool headerSeen = false;
  bool fileOrPathInfoSeen = false;
  // [FILE_INFO] lines, and those the extension filter accepted.
  std::size_t listedFiles = 0;
  std::size_t acceptedFiles = 0;
  // -D and -I switches of tool-settings lines left unread without "-sw".
  std::size_t unreadSwitches = 0;
};

// A relative "dir_inc=" item as written, and where its join with the
// project folder stands in the root group's includePaths.
struct RelativeInclude {
  std::size_t index;
  std::string item;
};

// How MPLAB builds the project, for the compilation database.
struct ProjectBuild {
  McpToolchain toolchain;
  // "BuildDirPolicy=BuildDirIsSourceDir": MPLAB compiles each source from
  // its own folder, so relative include folders start there.
  bool sourceDirBuilds = false;
  std::vector<RelativeInclude> relativeIncludes;
};

// Reads an MPLAB project file (.mcp) into the project model below the root
// group. Unrecognised content is skipped, never reported.
class MplabProjectParser {
public:
  MplabProjectParser();

  void setRootGroup(ProjectGroup* group);
  void setConverter(ProjectConverter* owner);
  void setExtensions(const std::vector<std::string>& list);
  // Raises AsciiReaderError CannotOpen.
  void open(ProjectConverter& owner);
  void parse();
  bool acceptsFile(std::string_view entry) const;

  void readIncludeDirs(const std::string& line);
  void readDefines(const std::string& line);
  // The -D and -I switches of a tool-settings line; read only when the
  // converter asks for them, counted otherwise.
  void readSwitches(const std::string& line);

  const ProjectFindings& getFindings() const { return findings; }
  const ProjectBuild& getBuild() const { return build; }

private:
  void readSubfolderList(const std::string& line);
  void readFileSubfolders();
  void readFileInfo();
  void assignKey(std::string_view key, std::string_view folderName);
  void resolveKey(std::string_view key, std::string_view path);
  std::string resolveEntry(std::string_view path) const;
  std::string projectFolder() const;
  void addSwitchDefinition(const std::string& definition);
  void addSwitchIncludePath(const std::string& path);
  void buildGroups();
  void noteSection(const std::string& line);
  void noteBuild(const std::string& line);

  ProjectGroup* rootGroup;
  ProjectConverter* converter;
  AsciiReader reader;
  std::vector<std::string> extensions;
  // `extensions` upper-cased once, for the filter.
  std::vector<std::string> upperExtensions;
  std::vector<MplabFolder> folders;
  std::string sourceDirectory;
  ProjectFindings findings;
  ProjectBuild build;

  // Indexes over `folders`, so a large project is not matched entry by
  // entry for every line: folder positions by name, and entries by the
  // text they hold.
  std::unordered_map<std::string, std::vector<std::size_t>> foldersByName;
  EntryIndex entryIndex;
  // Reused from line to line, so a key line allocates nothing.
  std::string lookupName;
  std::vector<EntryRef> matches;
};

#endif
