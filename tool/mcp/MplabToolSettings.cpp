// The two compiler settings the analyser needs: include paths from the
// "dir_inc=" line and macro definitions from the "D1=" value of tool-settings
// lines, and with "-sw" both from the -D and -I switches of those lines too.
// All go into the root group only.

#include "mcp/MplabProjectParser.h"

#include "model/ProjectGroup.h"
#include "settings/ConversionSettings.h"
#include "text/CommandWords.h"
#include "text/TextOps.h"

namespace {

// The value at [first, last) of `text`, unquoted in place: a generated
// value may run to tens of megabytes. Outer quotes go first, so quotes
// written as &quot; survive.
std::string_view unquoteInPlace(LargeText& text, std::size_t first, std::size_t last) {
  const std::string_view written =
      trimmedView(std::string_view(text).substr(first, last - first), '"');
  char* start = &text[static_cast<std::size_t>(written.data() - text.data())];
  return std::string_view(start, collapseAll(start, written.size(), "&quot;", '"'));
}

}  // namespace

std::string MplabProjectParser::projectFolder() const {
  const std::string project = settings->getSourceProject();
  return project.substr(0, project.rfind('\\'));
}

// The paths are views into the line, which the include list keeps: a
// generated line of a million folders is not copied folder by folder.
void MplabProjectParser::readIncludeDirs(LargeText& line) {
  FileList& paths = rootGroup->includePaths;
  LargeText& text = paths.keep(std::move(line));
  line.clear();
  const std::string_view key = "dir_inc=";
  const std::string_view value = unquoteInPlace(text, text.find(key) + key.size(), text.size());
  const FileList::Folder folder = std::make_shared<const std::string>(projectFolder());
  paths.reserve(paths.size() + 1 + countOf(value, ';'));
  build.includeLines.push_back(IncludeLine{paths.size(), value});
  forEachIncludeItem(build.includeLines.back(),
                     [&](std::size_t, std::string_view item, bool relative) {
                       if (relative)
                         paths.addKept(folder, item);
                       else
                         paths.addKept(item);
                     });
}

// The switches are taken from the line as written, before the definitions
// rewrite it; a definition among them comes after those of "D1=".
void MplabProjectParser::readToolSettings(LargeText& line) {
  const std::vector<CompilerSwitch> switches = readSwitches(line);
  readDefines(line);
  DefineList batch;
  for (const CompilerSwitch& found : switches) {
    if (found.kind == CompilerSwitch::IncludePath)
      addSwitchIncludePath(found.value);
    else
      addSwitchDefinition(found.value, batch);
  }
  rootGroup->defines.addAll(batch);
}

// The value is unquoted and its "%22" replaced in place, in the line the
// root group's definitions then keep: one pass, no copy of the value.
void MplabProjectParser::readDefines(LargeText& line) {
  const std::size_t found = line.find("D1=");
  if (found == LargeText::npos)
    return;
  LargeText& text = rootGroup->defines.keep(std::move(line));
  line.clear();
  const std::size_t start = found + 3;
  const std::size_t space = text.find(' ', start + 1);
  const std::string_view value =
      unquoteInPlace(text, start, space == LargeText::npos ? text.size() : space);
  DefineList batch;
  batch.reserve(1 + countOf(value, ','));
  // One look over the value spares a look in each of its items when, as
  // mostly, it holds no "%22".
  const bool escapedQuotes = contains(value, "%22");
  forEachPiece(value, ',', [&](std::string_view item) {
    const std::string_view::size_type equals = item.find('=');
    if (equals == std::string_view::npos) {
      batch.push_back(Define{item, std::string_view()});
      return;
    }
    char* itemValue = &text[static_cast<std::size_t>(item.data() - text.data()) + equals + 1];
    std::size_t size = item.size() - equals - 1;
    if (escapedQuotes)
      size = collapseAll(itemValue, size, "%22", '"');
    batch.push_back(Define{item.substr(0, equals), std::string_view(itemValue, size)});
  });
  rootGroup->defines.addAll(batch);
}

// The switch text is the line after its first "="; quoting is undone by the
// word splitting, so no "%22" or "&quot;" replacement here. Without "-sw"
// they are only counted.
std::vector<CompilerSwitch> MplabProjectParser::readSwitches(std::string_view line) {
  const std::string_view::size_type equals = line.find('=');
  if (equals == std::string_view::npos)
    return {};
  std::vector<CompilerSwitch> switches = commandLineSwitches(line.substr(equals + 1));
  if (!settings->getReadSwitches()) {
    findings.unreadSwitches += switches.size();
    return {};
  }
  return switches;
}

void MplabProjectParser::addSwitchDefinition(const std::string& definition,
                                             DefineList& batch) {
  const std::string::size_type equals = definition.find('=');
  if (equals == 0 || definition.empty())
    return;
  const std::string_view kept = rootGroup->defines.keep(LargeText(definition));
  if (equals == std::string::npos)
    batch.push_back(Define{kept, std::string_view()});
  else
    batch.push_back(Define{kept.substr(0, equals), kept.substr(equals + 1)});
}

// Joined as "dir_inc=" items are: relative unless it holds ":".
void MplabProjectParser::addSwitchIncludePath(const std::string& path) {
  rootGroup->includePaths.add(contains(path, ":") ? path : projectFolder() + "\\" + path);
}
