#include "CompilationDatabase.h"

#include <nlohmann/json.hpp>

#include "Console.h"
#include "ProjectGroup.h"
#include "TextFile.h"
#include "TextOps.h"
#include "Utf8Text.h"
#include "platform/Platform.h"

namespace {

// The folder of the project file without its last backslash, which a drive
// or file-system root keeps ("C:\", "\").
std::string projectFolder(const std::string& sourceProject) {
  const std::string::size_type slash = sourceProject.rfind('\\');
  if (slash == std::string::npos)
    return std::string();
  const std::string folder = sourceProject.substr(0, slash);
  if (folder.empty() || folder.back() == ':')
    return folder + "\\";
  return folder;
}

bool hasSettings(const ProjectGroup& group) {
  return !group.includePaths.empty() || !group.defines.empty();
}

void appendCommands(const ProjectGroup& group, const ProjectGroup& settingsOwner,
                    DatabaseEntries& entries, std::vector<CompileCommand>& commands) {
  const ProjectGroup& owner = hasSettings(group) ? group : settingsOwner;
  for (const std::string& file : group.files) {
    if (isCompiledSource(file))
      commands.push_back(entries.entry(file, owner));
  }
  for (const auto& child : group.children)
    appendCommands(*child, owner, entries, commands);
}

std::string utf8(const std::string& text, std::string& firstConverted) {
  if (isUtf8(text))
    return text;
  const std::string converted = windows1252ToUtf8(text);
  if (firstConverted.empty())
    firstConverted = converted;
  return converted;
}

}  // namespace

bool isCompiledSource(const std::string& file) {
  const std::string::size_type dot = file.rfind('.');
  if (dot == std::string::npos)
    return false;
  const std::string extension = toUpperAscii(file.substr(dot + 1));
  return extension == "C" || extension == "CPP" || extension == "CC" || extension == "CXX";
}

std::vector<CompileCommand> compileCommands(const ProjectGroup& root,
                                            const std::string& sourceProject,
                                            const DatabaseRules& rules) {
  std::vector<CompileCommand> commands;
  const std::string folder =
      rules.fileFlags.isUsed() ? rules.fileFlags.directory : projectFolder(sourceProject);
  DatabaseEntries entries(root, folder, rules);
  appendCommands(root, root, entries, commands);
  return commands;
}

std::string compilationDatabaseJson(const std::vector<CompileCommand>& commands,
                                    std::string& firstConverted) {
  nlohmann::ordered_json database = nlohmann::ordered_json::array();
  // Converted in the order they are written, so the first one named is the
  // first in the file.
  for (const CompileCommand& command : commands) {
    nlohmann::ordered_json entry;
    entry["directory"] = utf8(command.directory, firstConverted);
    entry["file"] = utf8(command.file, firstConverted);
    entry["arguments"] = nlohmann::ordered_json::array();
    for (const std::string& argument : command.arguments)
      entry["arguments"].push_back(utf8(argument, firstConverted));
    database.push_back(entry);
  }
  return database.dump(2) + "\n";
}

void writeCompilationDatabase(const ProjectGroup& root, const std::string& sourceProject,
                              const DatabaseRules& rules, const std::string& path) {
  std::vector<CompileCommand> kept;
  DatabaseTally tally;
  for (CompileCommand& command : compileCommands(root, sourceProject, rules)) {
    if (tally.admit(command))
      kept.push_back(std::move(command));
  }
  std::string firstConverted;
  const std::string json = compilationDatabaseJson(kept, firstConverted);
  TextFileWriter out(path);
  printLine("  Creating Compilation Database - " + path);
  out.writeBytes(json);
  out.close();
  if (!firstConverted.empty())
    warn("text in " + path + " was not UTF-8 and was read as Windows-1252, first: " +
         firstConverted);
  tally.warn(path, rules);
}
