#include "mcp/MplabProjectParser.h"

#include <memory>
#include <new>
#include <numeric>

#include "settings/ExtensionList.h"
#include "model/ProjectGroup.h"
#include "settings/ConversionSettings.h"
#include "text/TextOps.h"

namespace {

// A key run goes on while its lines contain this.
const char FileKeyMark[] = "file_";

// Views into `text`, which must outlive them.
void splitKeyLine(std::string_view text, std::string_view& key, std::string_view& value) {
  const std::string_view::size_type equals = text.find('=');
  if (equals == std::string_view::npos) {
    key = text;
    value = text;
    return;
  }
  key = text.substr(0, equals);
  value = text.substr(equals + 1);
}

// Whether a line goes on a run of key lines: it holds "file_", which a
// line MPLAB wrote holds at its start.
bool continuesKeyRun(std::string_view line) {
  return startsWith(line, FileKeyMark) || contains(line, FileKeyMark);
}

// Whether `line` can hold one of the keys or section names parse() looks
// for anywhere in it ("dir_src=", "subfolder_src=", "[FILE_SUBFOLDERS]",
// "[FILE_INFO]", "TS{", "dir_inc=", "[HEADER]", "[PATH_INFO]"): only if it
// holds the first byte of one. Most lines of a large project hold none,
// and this one pass replaces nine searches.
bool mayHoldKey(std::string_view line) {
  for (char c : line) {
    if (c == 'd' || c == 's' || c == '[' || c == 'T')
      return true;
  }
  return false;
}

// Where a folder's paths stand in the order of its entries. An entry no
// [FILE_INFO] line resolved is still a bare key, not a path, so it is left
// out, as is a rejected one. Most folders resolve their entries in order:
// their first `inOrder` paths are kept as they stand, with no positions.
struct PathOrder {
  std::uint32_t inOrder = 0;
  std::vector<std::uint32_t> positions;
};

std::vector<PathOrder> pathOrders(const FolderEntries& entries, std::size_t folderCount) {
  std::vector<PathOrder> orders(folderCount);
  for (std::size_t e = 0; e < entries.size(); ++e) {
    const FolderEntry& entry = entries[e];
    if (entry.path == FolderEntry::Unresolved || entry.path == FolderEntry::Rejected)
      continue;
    PathOrder& order = orders[entry.folder];
    if (order.positions.empty() && entry.path == order.inOrder) {
      ++order.inOrder;
      continue;
    }
    if (order.positions.empty()) {
      order.positions.resize(order.inOrder);
      std::iota(order.positions.begin(), order.positions.end(), 0u);
    }
    order.positions.push_back(entry.path);
  }
  return orders;
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
  sourceFolder = std::make_shared<const std::string>();
  paths = std::make_shared<PathStore>();
  rootGroup->files = FileList(paths);
  std::string_view line;
  while (reader.readLine(line)) {
    noteBuild(line);
    if (!mayHoldKey(line))
      continue;
    noteSection(line);
    if (contains(line, "dir_src=")) {
      const std::string_view folder = line.substr(8);
      sourceFolder = std::make_shared<const std::string>(folder.empty() ? rootGroup->sourcePath
                                                                        : std::string(folder));
    } else if (contains(line, "subfolder_src=")) {
      readSubfolderList(line);
    } else if (contains(line, "[FILE_SUBFOLDERS]")) {
      readFileSubfolders();
    } else if (contains(line, "[FILE_INFO]")) {
      readFileInfo();
    } else if (contains(line, "TS{")) {
      LargeText owned = reader.takeLine(line);
      readToolSettings(owned);
    } else if (contains(line, "dir_inc=")) {
      LargeText owned = reader.takeLine(line);
      readIncludeDirs(owned);
    }
  }
  buildGroups();
  reader.close();
}

bool MplabProjectParser::acceptsFile(std::string_view entry) const {
  return extensionAccepted(entry, upperExtensions);
}

void MplabProjectParser::readSubfolderList(std::string_view line) {
  for (const std::string_view name : splitViews(line.substr(14), ';')) {
    foldersByName.add(name, folders.size());
    folders.push_back(MplabFolder{std::string(name), FileList(paths)});
  }
}

void MplabProjectParser::readFileSubfolders() {
  std::string_view line;
  std::string_view key;
  std::string_view folderName;
  // The line that ends the run is consumed here and never reaches parse.
  while (reader.readLine(line) && continuesKeyRun(line)) {
    splitKeyLine(line, key, folderName);
    assignKey(key, folderName);
  }
}

void MplabProjectParser::assignKey(std::string_view key, std::string_view folderName) {
  const std::vector<std::size_t>* named = foldersByName.find(folderName);
  if (named == nullptr)
    return;
  for (std::size_t index : *named) {
    if (entries.size() >= FolderEntry::Rejected)
      throw std::bad_alloc();
    entryIndex.addKey(key, static_cast<std::uint32_t>(entries.size()));
    entries.push_back(FolderEntry{static_cast<std::uint32_t>(index), FolderEntry::Unresolved});
    ++folders[index].entryCount;
  }
}

void MplabProjectParser::readFileInfo() {
  // A folder gets at most a path per entry: room for them all at once.
  for (MplabFolder& folder : folders)
    folder.paths.reserve(folder.entryCount);
  std::string_view line;
  std::string_view key;
  std::string_view path;
  while (reader.readLine(line) && continuesKeyRun(line)) {
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
  entryIndex.take(key, entries, folders, matches);
  if (matches.empty()) {
    if (accepted)
      addPath(rootGroup->files, path);
    return;
  }
  // Every entry that held the key takes the same path.
  for (std::uint32_t match : matches) {
    FolderEntry& entry = entries[match];
    FileList& paths = folders[entry.folder].paths;
    entry.path = FolderEntry::Rejected;
    if (accepted) {
      entry.path = static_cast<std::uint32_t>(paths.size());
      addPath(paths, path);
    }
  }
  if (entryIndex.tracksResolved())
    entryIndex.noteResolved(accepted ? resolveEntry(path) : std::string(), matches);
}

// A path with a drive stands as written; any other is joined to the
// source folder, which the list shares among its files.
void MplabProjectParser::addPath(FileList& files, std::string_view path) const {
  if (path.find(':') != std::string_view::npos)
    files.add(path);
  else
    files.add(sourceFolder, path);
}

// Only the section headers that tell an MPLAB project file are noted.
void MplabProjectParser::noteSection(std::string_view line) {
  if (line.find('[') == std::string_view::npos)
    return;
  if (contains(line, "[HEADER]"))
    findings.headerSeen = true;
  if (contains(line, "[FILE_INFO]") || contains(line, "[PATH_INFO]"))
    findings.fileOrPathInfoSeen = true;
}

// Only lines starting with one of the few keys wanted are looked at, so
// the many other lines cost one byte test.
void MplabProjectParser::noteBuild(std::string_view line) {
  if (line.empty() || std::string_view("sdTtB").find(line[0]) == std::string_view::npos)
    return;
  if (startsWith(line, "BuildDirPolicy="))
    build.sourceDirBuilds = line.substr(15, 19) == "BuildDirIsSourceDir";
  else
    build.toolchain.noteLine(line);
}

std::string MplabProjectParser::resolveEntry(std::string_view path) const {
  if (path.find(':') != std::string_view::npos)
    return std::string(path);
  std::string resolved;
  resolved.reserve(sourceFolder->size() + 1 + path.size());
  resolved += *sourceFolder;
  resolved += '\\';
  resolved += path;
  return resolved;
}

void MplabProjectParser::buildGroups() {
  // The indexes are done with; their memory goes before the groups grow.
  entryIndex = EntryIndex();
  foldersByName.clear();
  const std::vector<PathOrder> orders = pathOrders(entries, folders.size());
  entries = FolderEntries();
  for (std::size_t f = 0; f < folders.size(); ++f) {
    MplabFolder& folder = folders[f];
    if (folder.name.empty())
      continue;
    auto group = std::make_unique<ProjectGroup>(folder.name);
    group->files = std::move(folder.paths);
    if (orders[f].positions.empty())
      group->files.truncate(orders[f].inOrder);
    else
      group->files.select(orders[f].positions);
    rootGroup->children.push_back(std::move(group));
  }
}
