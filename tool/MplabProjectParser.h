#ifndef QUILLBROOK_MPLABPROJECTPARSER_H
#define QUILLBROOK_MPLABPROJECTPARSER_H

#include <cstddef>
#include <map>
#include <string>
#include <vector>

#include "AsciiReader.h"

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
  bool acceptsFile(const std::string& entry) const;

  void readIncludeDirs(const std::string& line);
  void readDefines(const std::string& line);
  // The -D and -I switches of a tool-settings line; read only when the
  // converter asks for them, counted otherwise.
  void readSwitches(const std::string& line);

  const ProjectFindings& getFindings() const { return findings; }

private:
  struct EntryRef {
    std::size_t folder;
    std::size_t entry;
  };

  void readSubfolderList(const std::string& line);
  void readFileSubfolders();
  void readFileInfo();
  void assignKey(const std::string& key, const std::string& folderName);
  void resolveKey(const std::string& key, const std::string& path);
  std::string resolveEntry(const std::string& path) const;
  std::string projectFolder() const;
  void addSwitchDefinition(const std::string& definition);
  void addSwitchIncludePath(const std::string& path);
  void buildGroups();
  void noteSection(const std::string& line);

  ProjectGroup* rootGroup;
  ProjectConverter* converter;
  AsciiReader reader;
  std::vector<std::string> extensions;
  std::vector<MplabFolder> folders;
  std::string sourceDirectory;
  ProjectFindings findings;

  // Indexes over `folders`, so a large project is not matched entry by
  // entry for every [FILE_INFO] line: folder positions by name, and entry
  // positions by their current text.
  std::map<std::string, std::vector<std::size_t>> foldersByName;
  std::map<std::string, std::vector<EntryRef>> entriesByText;
};

#endif
