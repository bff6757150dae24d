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
  void buildGroups();

  ProjectGroup* rootGroup;
  ProjectConverter* converter;
  AsciiReader reader;
  std::vector<std::string> extensions;
  std::vector<MplabFolder> folders;
  std::string sourceDirectory;

  // Indexes over `folders`, so a large project is not matched entry by
  // entry for every [FILE_INFO] line: folder positions by name, and entry
  // positions by their current text.
  std::map<std::string, std::vector<std::size_t>> foldersByName;
  std::map<std::string, std::vector<EntryRef>> entriesByText;
};

#endif
