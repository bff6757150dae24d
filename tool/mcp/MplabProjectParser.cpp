#include "mcp/MplabProjectParser.h"

#include <memory>

#include "settings/ExtensionList.h"
#include "model/ProjectGroup.h"
#include "settings/ConversionSettings.h"
#include "text/TextOps.h"

namespace {

// A key run goes on while its lines contain this.
const char FileKeyMark[] = "file_";

// Views into `line`, which must outlive them.
void splitKeyLine(const std::string& line, std::string_view& key, std::string_view& value) {
  const std::string_view text = line;
  const std::string_view::size_type equals = text.find('=');
  if (equals == std::string_view::npos) {
    key = text;
    value = text;
    return;
  }
  key = text.substr(0, equals);
  value = text.substr(equals + 1);
}

// Whether `line` can hold one of the keys parse() looks for anywhere in it
// ("dir_src=", "subfolder_src=", "[FILE_SUBFOLDERS]", "[FILE_INFO]", "TS{",
// "dir_inc="): only if it holds the first byte of one. Most lines of a large
// project hold none, and this one pass replaces six searches.
bool mayHoldKey(std::string_view line) {
  for (char c : line) {
    if (c == 'd' || c == 's' || c == '[' || c == 'T')
      return true;
  }
  return false;
}

}  // namespace

MplabProjectParser::MplabProjectParser() : rootGroup(nullptr), settings(nullptr) {}

void MplabProjectParser::setRootGroup(ProjectGroup* group) {
  rootGroup = group;
}

void MplabProjectParser::setSettings(const ConversionSettings* given) {
  settings = given;
}

void MplabProjectParser::setExtensions(const std::vector<std::string>& list) {
  extensions = list;
  upperExtensions.clear();
  for (const std::string& extension : extensions)
    upperExtensions.push_back(toUpperAscii(extension));
}

void MplabProjectParser::open(const std::string& path) {
  reader.open(path);
}

void MplabProjectParser::parse() {
  std::string line;
  while (reader.readLine(line)) {
    noteSection(line);
    noteBuild(line);
    if (!mayHoldKey(line))
      continue;
    if (contains(line, "dir_src=")) {
      sourceDirectory = line.substr(8);
      if (sourceDirectory.empty())
        sourceDirectory = rootGroup->sourcePath;
    } else if (contains(line, "subfolder_src=")) {
      readSubfolderList(line);
    } else if (contains(line, "[FILE_SUBFOLDERS]")) {
      readFileSubfolders();
    } else if (contains(line, "[FILE_INFO]")) {
      readFileInfo();
    } else if (contains(line, "TS{")) {
      readToolSettings(line);
    } else if (contains(line, "dir_inc=")) {
      readIncludeDirs(line);
    }
  }
  buildGroups();
  reader.close();
}

bool MplabProjectParser::acceptsFile(std::string_view entry) const {
  return extensionAccepted(entry, upperExtensions);
}

void MplabProjectParser::readSubfolderList(const std::string& line) {
  for (const std::string& name : splitAll(line.substr(14), ';')) {
    foldersByName[name].push_back(folders.size());
    folders.push_back(MplabFolder{name, {}, {}});
  }
}

void MplabProjectParser::readFileSubfolders() {
  std::string line;
  std::string_view key;
  std::string_view folderName;
  // The line that ends the run is consumed here and never reaches parse.
  while (reader.readLine(line) && contains(line, FileKeyMark)) {
    splitKeyLine(line, key, folderName);
    assignKey(key, folderName);
  }
}

void MplabProjectParser::assignKey(std::string_view key, std::string_view folderName) {
  lookupName.assign(folderName);
  const auto named = foldersByName.find(lookupName);
  if (named == foldersByName.end())
    return;
  for (std::size_t index : named->second) {
    MplabFolder& folder = folders[index];
    entryIndex.addKey(key, EntryRef{static_cast<std::uint32_t>(index),
                                    static_cast<std::uint32_t>(folder.entries.size())});
    folder.entries.emplace_back(key);
    folder.resolved.push_back(false);
  }
}

void MplabProjectParser::readFileInfo() {
  std::string line;
  std::string_view key;
  std::string_view path;
  while (reader.readLine(line) && contains(line, FileKeyMark)) {
    splitKeyLine(line, key, path);
    resolveKey(key, path);
  }
}

void MplabProjectParser::resolveKey(std::string_view key, std::string_view path) {
  const bool accepted = acceptsFile(path);
  ++findings.listedFiles;
  if (accepted)
    ++findings.acceptedFiles;
  matches.clear();
  entryIndex.take(key, folders, matches);
  if (matches.empty()) {
    if (accepted)
      rootGroup->files.push_back(resolveEntry(path));
    return;
  }
  // Every entry that held the key takes the same new text.
  std::string value = accepted ? resolveEntry(path) : std::string();
  entryIndex.noteResolved(value, matches);
  for (std::size_t i = 0; i < matches.size(); ++i) {
    MplabFolder& folder = folders[matches[i].folder];
    if (i + 1 < matches.size())
      folder.entries[matches[i].entry] = value;
    else
      folder.entries[matches[i].entry] = std::move(value);
    folder.resolved[matches[i].entry] = true;
  }
}

// Only the section headers that tell an MPLAB project file are noted.
void MplabProjectParser::noteSection(const std::string& line) {
  if (line.find('[') == std::string::npos)
    return;
  if (contains(line, "[HEADER]"))
    findings.headerSeen = true;
  if (contains(line, "[FILE_INFO]") || contains(line, "[PATH_INFO]"))
    findings.fileOrPathInfoSeen = true;
}

// Only lines starting with one of the few keys wanted are looked at, so
// the many other lines cost one byte test.
void MplabProjectParser::noteBuild(const std::string& line) {
  if (line.empty() || std::string_view("sdTtB").find(line[0]) == std::string_view::npos)
    return;
  if (line.compare(0, 15, "BuildDirPolicy=") == 0)
    build.sourceDirBuilds = line.compare(15, 19, "BuildDirIsSourceDir") == 0;
  else
    build.toolchain.noteLine(line);
}

std::string MplabProjectParser::resolveEntry(std::string_view path) const {
  if (path.find(':') != std::string_view::npos)
    return std::string(path);
  std::string resolved;
  resolved.reserve(sourceDirectory.size() + 1 + path.size());
  resolved += sourceDirectory;
  resolved += '\\';
  resolved += path;
  return resolved;
}

void MplabProjectParser::buildGroups() {
  // The indexes are done with; their memory goes before the groups grow.
  entryIndex = EntryIndex();
  foldersByName.clear();
  for (MplabFolder& folder : folders) {
    if (folder.name.empty())
      continue;
    auto group = std::make_unique<ProjectGroup>(folder.name);
    group->files.reserve(folder.entries.size());
    for (std::size_t i = 0; i < folder.entries.size(); ++i) {
      // An entry no [FILE_INFO] line resolved is still a bare key, not a
      // path, so it is left out.
      if (folder.resolved[i] && !folder.entries[i].empty())
        group->files.push_back(std::move(folder.entries[i]));
    }
    // Each folder's list goes as soon as its group holds the paths.
    folder.entries = std::vector<std::string>();
    folder.resolved = std::vector<bool>();
    rootGroup->children.push_back(std::move(group));
  }
}
