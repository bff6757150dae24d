// The two compiler settings the analyser needs: include paths from the
// "dir_inc=" line and macro definitions from the "D1=" value of tool-settings
// lines, and with "-sw" both from the -D and -I switches of those lines too.
// All go into the root group only.

#include "mcp/MplabProjectParser.h"

#include "text/CommandWords.h"

#include "model/ProjectGroup.h"
#include "settings/ConversionSettings.h"
#include "text/TextOps.h"

namespace {

// Outer quotes go first, so quotes written as &quot; survive. Values can
// be tens of megabytes: the text is copied once, not per step.
std::string unquote(std::string_view value) {
  return replacedAll(trimmedView(value, '"'), "&quot;", "\"");
}

}  // namespace

std::string MplabProjectParser::projectFolder() const {
  const std::string project = settings->getSourceProject();
  return project.substr(0, project.rfind('\\'));
}

void MplabProjectParser::readIncludeDirs(const std::string& line) {
  const std::string key = "dir_inc=";
  const std::string value =
      unquote(std::string_view(line).substr(line.find(key) + key.size()));
  const std::string folder = projectFolder();
  for (const std::string_view piece : splitViews(value, ';')) {
    std::string item(piece);
    const bool relative = !contains(item, ":");
    if (relative)
      item = folder + "\\" + item;
    // A second CR before the line end stays in the line; drop it here.
    if (contains(item, "\r"))
      item.pop_back();
    if (relative)
      build.relativeIncludes.push_back(
          RelativeInclude{rootGroup->includePaths.size(), item.substr(folder.size() + 1)});
    rootGroup->includePaths.push_back(item);
  }
}

void MplabProjectParser::readDefines(const std::string& line) {
  const std::string key = "D1=";
  const std::string::size_type found = line.find(key);
  if (found == std::string::npos)
    return;
  const std::string::size_type start = found + key.size();
  const std::string::size_type space = line.find(' ', start + 1);
  const std::string value = unquote(std::string_view(line).substr(
      start, space == std::string::npos ? std::string::npos : space - start));
  for (const std::string_view item : splitViews(value, ',')) {
    const std::string_view::size_type equals = item.find('=');
    if (equals == std::string_view::npos) {
      rootGroup->defines[std::string(item)] = std::string();
      continue;
    }
    rootGroup->defines[std::string(item.substr(0, equals))] =
        replacedAll(item.substr(equals + 1), "%22", "\"");
  }
}

// The switch text is the line after its first "="; quoting is undone by the
// word splitting, so no "%22" or "&quot;" replacement here.
void MplabProjectParser::readSwitches(const std::string& line) {
  const std::string::size_type equals = line.find('=');
  if (equals == std::string::npos)
    return;
  const std::vector<CompilerSwitch> switches =
      findCompilerSwitches(splitCommandWords(std::string_view(line).substr(equals + 1)));
  if (!settings->getReadSwitches()) {
    findings.unreadSwitches += switches.size();
    return;
  }
  for (const CompilerSwitch& found : switches) {
    if (found.kind == CompilerSwitch::IncludePath)
      addSwitchIncludePath(found.value);
    else
      addSwitchDefinition(found.value);
  }
}

void MplabProjectParser::addSwitchDefinition(const std::string& definition) {
  const std::string::size_type equals = definition.find('=');
  const std::string name = definition.substr(0, equals);
  if (name.empty())
    return;
  rootGroup->defines[name] =
      equals == std::string::npos ? std::string() : definition.substr(equals + 1);
}

// Joined as "dir_inc=" items are: relative unless it holds ":".
void MplabProjectParser::addSwitchIncludePath(const std::string& path) {
  rootGroup->includePaths.push_back(contains(path, ":") ? path : projectFolder() + "\\" + path);
}
