#include "CompilationDatabase.h"

#include <nlohmann/json.hpp>

#include "Console.h"
#include "FileFlags.h"
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

// The include paths as separate "-I" and path arguments, so a path with
// blanks survives consumers that rebuild a command line from the list.
std::vector<std::string> settingsArguments(const ProjectGroup& group) {
  std::vector<std::string> arguments;
  for (const std::string& path : group.includePaths) {
    arguments.push_back("-I");
    arguments.push_back(platform::hostPath(path));
  }
  for (const auto& [name, value] : group.defines) {
    // An empty name defines nothing, and a bare "-D" would take the next
    // argument for its name.
    if (name.empty())
      continue;
    arguments.push_back("-D" + name + (value.empty() ? "" : "=" + value));
  }
  return arguments;
}

void appendCommands(const ProjectGroup& group, const ProjectGroup& settingsOwner,
                    const std::string& directory, const FileFlagTable* flags,
                    std::vector<CompileCommand>& commands) {
  const ProjectGroup& owner = hasSettings(group) ? group : settingsOwner;
  const std::vector<std::string> groupSettings = settingsArguments(owner);
  for (const std::string& file : group.files) {
    if (!isCompiledSource(file))
      continue;
    const std::string path = platform::hostPath(file);
    CompileCommand command{directory, path, {"cc"}};
    const std::vector<std::string> settings = flags ? flags->arguments(file) : groupSettings;
    command.arguments.insert(command.arguments.end(), settings.begin(), settings.end());
    command.arguments.push_back("-c");
    command.arguments.push_back(path);
    commands.push_back(command);
  }
  for (const auto& child : group.children)
    appendCommands(*child, owner, directory, flags, commands);
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
                                            const FileFlagTable* flags) {
  std::vector<CompileCommand> commands;
  if (flags != nullptr && !flags->isUsed())
    flags = nullptr;
  const std::string directory = flags ? flags->directory : projectFolder(sourceProject);
  appendCommands(root, root, platform::hostPath(directory), flags, commands);
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
                              const std::string& path, const FileFlagTable& flags) {
  std::string firstConverted;
  const std::string json =
      compilationDatabaseJson(compileCommands(root, sourceProject, &flags), firstConverted);
  TextFileWriter out(path);
  printLine("  Creating Compilation Database - " + path);
  out.writeBytes(json);
  out.close();
  if (!firstConverted.empty())
    warn("text in " + path + " was not UTF-8 and was read as Windows-1252, first: " +
         firstConverted);
}
