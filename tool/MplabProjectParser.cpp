#include "MplabProjectParser.h"

#include <memory>

#include "ProjectConverter.h"
#include "ProjectGroup.h"
#include "TextOps.h"

namespace {

// A key run goes on while its lines contain this.
const char FileKeyMark[] = "file_";

void splitKeyLine(const std::string& line, std::string& key, std::string& value) {
  const std::string::size_type equals = line.find('=');
  if (equals == std::string::npos) {
    key = line;
    value = line;
    return;
  }
  key = line.substr(0, equals);
  value = line.substr(equals + 1);
}

}  // namespace

MplabProjectParser::MplabProjectParser() : rootGroup(nullptr), converter(nullptr) {}

void MplabProjectParser::setRootGroup(ProjectGroup* group) {
  rootGroup = group;
}

void MplabProjectParser::setConverter(ProjectConverter* owner) {
  converter = owner;
}

void MplabProjectParser::setExtensions(const std::vector<std::string>& list) {
  extensions = list;
}

void MplabProjectParser::open(ProjectConverter& owner) {
  reader.open(owner.getSourceProject());
}

void MplabProjectParser::parse() {
  std::string line;
  while (reader.readLine(line)) {
    noteSection(line);
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
      readDefines(line);
      readSwitches(line);
    } else if (contains(line, "dir_inc=")) {
      readIncludeDirs(line);
    }
  }
  buildGroups();
  reader.close();
}

bool MplabProjectParser::acceptsFile(const std::string& entry) const {
  if (extensions.empty())
    return true;
  const std::string::size_type dot = entry.rfind('.');
  const std::string extension =
      toUpperAscii(dot == std::string::npos ? entry : entry.substr(dot + 1));
  for (const std::string& accepted : extensions) {
    if (toUpperAscii(accepted) == extension)
      return true;
  }
  return false;
}

void MplabProjectParser::readSubfolderList(const std::string& line) {
  for (const std::string& name : splitAll(line.substr(14), ';')) {
    foldersByName[name].push_back(folders.size());
    folders.push_back(MplabFolder{name, {}, {}});
  }
}

void MplabProjectParser::readFileSubfolders() {
  std::string line;
  std::string key;
  std::string folderName;
  // The line that ends the run is consumed here and never reaches parse.
  while (reader.readLine(line) && contains(line, FileKeyMark)) {
    splitKeyLine(line, key, folderName);
    assignKey(key, folderName);
  }
}

void MplabProjectParser::assignKey(const std::string& key, const std::string& folderName) {
  const auto named = foldersByName.find(folderName);
  if (named == foldersByName.end())
    return;
  for (std::size_t index : named->second) {
    MplabFolder& folder = folders[index];
    entriesByText[key].push_back(EntryRef{index, folder.entries.size()});
    folder.entries.push_back(key);
    folder.resolved.push_back(false);
  }
}

void MplabProjectParser::readFileInfo() {
  std::string line;
  std::string key;
  std::string path;
  while (reader.readLine(line) && contains(line, FileKeyMark)) {
    splitKeyLine(line, key, path);
    resolveKey(key, path);
  }
}

void MplabProjectParser::resolveKey(const std::string& key, const std::string& path) {
  const bool accepted = acceptsFile(path);
  ++findings.listedFiles;
  if (accepted)
    ++findings.acceptedFiles;
  const auto matching = entriesByText.find(key);
  if (matching == entriesByText.end() || matching->second.empty()) {
    if (accepted)
      rootGroup->files.push_back(resolveEntry(path));
    return;
  }
  // Every entry that still reads as the key takes the same new text.
  const std::string value = accepted ? resolveEntry(path) : std::string();
  std::vector<EntryRef> refs;
  refs.swap(matching->second);
  entriesByText.erase(matching);
  std::vector<EntryRef>& renamed = entriesByText[value];
  for (const EntryRef& ref : refs) {
    folders[ref.folder].entries[ref.entry] = value;
    folders[ref.folder].resolved[ref.entry] = true;
    renamed.push_back(ref);
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

std::string MplabProjectParser::resolveEntry(const std::string& path) const {
  if (contains(path, ":"))
    return path;
  return sourceDirectory + "\\" + path;
}

void MplabProjectParser::buildGroups() {
  for (const MplabFolder& folder : folders) {
    if (folder.name.empty())
      continue;
    auto group = std::make_unique<ProjectGroup>(folder.name, converter);
    for (std::size_t i = 0; i < folder.entries.size(); ++i) {
      // An entry no [FILE_INFO] line resolved is still a bare key, not a
      // path, so it is left out.
      if (folder.resolved[i] && !folder.entries[i].empty())
        group->files.push_back(folder.entries[i]);
    }
    rootGroup->children.push_back(std::move(group));
  }
}
