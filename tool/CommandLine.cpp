#include "CommandLine.h"


#include "AbsolutePath.h"
#include "Console.h"
#include "ProjectConverter.h"
#include "platform/Platform.h"

namespace {

std::string absoluteArgument(const std::string& argument) {
  return makeAbsolutePath(platform::pathArgument(argument));
}

void applyOption(const std::string& word, const std::string& value,
                 ProjectConverter& converter) {
  if (word == "-pn")
    converter.projectName = value;
  else if (word == "-mp")
    converter.messagePersonality = absoluteArgument(value);
  else if (word == "-ap")
    converter.analyserPersonality = absoluteArgument(value);
  else if (word == "-cp")
    converter.compilerPersonality = absoluteArgument(value);
  else if (word == "-ext")
    converter.addExtensions(value);
}

bool isOptionWord(const std::string& argument) {
  return argument == "-pn" || argument == "-mp" || argument == "-ap" ||
         argument == "-cp" || argument == "-ext";
}

bool isPathOption(const std::string& argument) {
  return argument == "-mp" || argument == "-ap" || argument == "-cp";
}

// True when a path argument (either positional, or the value after a path
// option at any position) is made absolute against the current directory
// and that directory cannot be read: the paths would start at the root.
bool currentDirectoryMissing(const std::vector<std::string>& arguments) {
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const bool isPath = i < 2 || isPathOption(arguments[i - 1]);
    if (isPath && needsCurrentDirectory(platform::pathArgument(arguments[i])))
      return platform::currentDirectory().empty();
  }
  return false;
}

int convert(const std::vector<std::string>& arguments) {
  if (currentDirectoryMissing(arguments)) {
    printLine("Could not read the current directory");
    printStopReason("the current directory was deleted or may not be read; run from an "
                    "existing folder or give absolute paths");
    return 1;
  }
  const std::string sourceProject = absoluteArgument(arguments[0]);
  const std::string destFolder = absoluteArgument(arguments[1]);
  ProjectConverter converter(sourceProject, destFolder);
  converter.projectName = defaultProjectName(sourceProject);
  if (!applyOptions(arguments, converter))
    return 1;
  return converter.run();
}

}  // namespace

void printUsage() {
  printLine("Usage: Quillbrook <source_proj> <dest_folder> -cp <compiler_personality> "
            "[-pn dest_proj_name]");
  printLine("[-mp message_personality] [-ap analyser_personality] [-ext file_extension]");
}

std::string defaultProjectName(const std::string& sourceProject) {
  const std::string name = sourceProject.substr(sourceProject.rfind('\\') + 1);
  const std::string::size_type dot = name.rfind('.');
  return dot == std::string::npos ? name : name.substr(0, dot);
}

bool applyOptions(const std::vector<std::string>& arguments, ProjectConverter& converter) {
  // Every position is examined, so a value can itself act as an option word.
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    if (!isOptionWord(arguments[i]))
      continue;
    if (i + 1 >= arguments.size())
      return false;
    applyOption(arguments[i], arguments[i + 1], converter);
  }
  return true;
}

int quillbrookMain(const std::vector<std::string>& arguments) {
  platform::prepareConsole();
  if (arguments.size() < 2) {
    printUsage();
    return 0;
  }
  try {
    return convert(arguments);
  } catch (...) {
    // Memory exhausted and the like end the run without a message.
    return 1;
  }
}
