#ifndef QUILLBROOK_MPLABPROJECTPARSER_H
#define QUILLBROOK_MPLABPROJECTPARSER_H

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "mcp/AsciiReader.h"
#include "mcp/EntryIndex.h"
#include "mcp/FolderNames.h"
#include "mcp/MplabFolder.h"
#include "mcp/McpCompiler.h"
#include "model/DatabaseRules.h"
#include "model/FileList.h"
#include "model/PathStore.h"
#include "model/DefineTable.h"
#include "text/CommandWords.h"
#include "model/ProjectFindings.h"

class ConversionSettings;
class ProjectGroup;

// How MPLAB builds the project, for the compilation database.
struct ProjectBuild {
  McpToolchain toolchain;
  // "BuildDirPolicy=BuildDirIsSourceDir": MPLAB compiles each source from
  // its own folder, so relative include folders start there.
  bool sourceDirBuilds = false;
  std::vector<IncludeLine> includeLines;
};

// Reads an MPLAB project file (.mcp) into the project model below the root
// group. Unrecognised content is skipped, never reported.
class MplabProjectParser {
public:
  MplabProjectParser();

  void setRootGroup(ProjectGroup* group);
  void setSettings(const ConversionSettings* settings);
  void setExtensions(const std::vector<std::string>& list);
  // Raises AsciiReaderError CannotOpen.
  void open(const std::string& path);
  void parse();
  bool acceptsFile(std::string_view entry) const;

  void readIncludeDirs(LargeText& line);
  // A tool-settings line: its "D1=" definitions, and its -D and -I switches
  // when the settings ask for them ("-sw"; counted otherwise). The line may
  // be taken over by the root group's definitions.
  void readToolSettings(LargeText& line);

  const ProjectFindings& getFindings() const { return findings; }
  // Hands over what the project says of its build, once parsed.
  ProjectBuild takeBuild() { return std::move(build); }

private:
  void readSubfolderList(std::string_view line);
  void readFileSubfolders();
  void readFileInfo();
  void assignKey(std::string_view key, std::string_view folderName);
  void resolveKey(std::string_view key, std::string_view path);
  std::string resolveEntry(std::string_view path) const;
  void addPath(FileList& files, std::string_view path) const;
  std::string projectFolder() const;
  void readDefines(LargeText& line);
  std::vector<CompilerSwitch> readSwitches(std::string_view line);
  void addSwitchDefinition(const std::string& definition, DefineList& batch);
  void addSwitchIncludePath(const std::string& path);
  void buildGroups();
  void noteSection(std::string_view line);
  void noteBuild(std::string_view line);

  ProjectGroup* rootGroup;
  const ConversionSettings* settings;
  AsciiReader reader;
  std::vector<std::string> extensions;
  // `extensions` upper-cased once, for the filter.
  std::vector<std::string> upperExtensions;
  std::vector<MplabFolder> folders;
  FolderEntries entries;
  // The folder ("dir_src=") that relative paths are joined to.
  FileList::Folder sourceFolder;
  // The memory every file list of the project shares.
  std::shared_ptr<PathStore> paths;
  ProjectFindings findings;
  ProjectBuild build;

  // Indexes over `folders`, so a large project is not matched entry by
  // entry for every line: folder positions by name, and entries by the
  // text they hold.
  FolderNames foldersByName;
  EntryIndex entryIndex;
  std::vector<std::uint32_t> matches;
};

#endif
