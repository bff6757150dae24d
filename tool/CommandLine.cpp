#include "CommandLine.h"


#include <new>

#include "AbsolutePath.h"
#include "Console.h"
#include "Errors.h"
#include "ExtensionList.h"
#include "ProjectConverter.h"
#include "platform/Platform.h"

namespace {

struct OptionWord {
  const char* word;
  bool takesValue;
  // The value is a path, made absolute against the current directory.
  bool takesPath;
};

// Every option word of the tool. The scan, the current-directory check and
// the warnings all read this table; applyOption says what each one sets.
const OptionWord OptionWords[] = {
    {"-pn", true, false}, {"-mp", true, true},  {"-ap", true, true},   {"-cp", true, true},
    {"-ext", true, false}, {"-sw", false, false}, {"-cdb", true, true},   {"-map", true, false},
};

const OptionWord* findOptionWord(const std::string& argument) {
  for (const OptionWord& option : OptionWords) {
    if (argument == option.word)
      return &option;
  }
  return nullptr;
}

std::string optionWordList() {
  std::string list;
  for (const OptionWord& option : OptionWords)
    list += (list.empty() ? "" : " ") + std::string(option.word);
  return list;
}

// True when the argument before position `i` is an option word that takes
// the argument at `i` as its value.
bool isOptionValue(const std::vector<std::string>& arguments, std::size_t i) {
  const OptionWord* before = i == 0 ? nullptr : findOptionWord(arguments[i - 1]);
  return before != nullptr && before->takesValue;
}

void warnAboutIgnoredArgument(const std::string& argument) {
  warn("ignored argument \"" + argument +
       "\": it is neither a path, an option word nor the value of one (option words: " +
       optionWordList() + ")");
}

void warnAboutMissingValue(const std::string& word) {
  warn("option word \"" + word + "\" has no value; nothing was converted");
  for (const std::string& line : usageLines())
    printErrorLine(line);
}

std::string absoluteArgument(const std::string& argument, const std::string& currentDirectory) {
  return makeAbsolutePath(platform::pathArgument(argument), currentDirectory);
}

void addExtensions(const std::string& value, ProjectConverter& converter) {
  for (const std::string& warning : extensionListWarnings(value))
    warn(warning);
  converter.addExtensions(value);
}

void applyOption(const std::string& word, const std::string& value,
                 const std::string& currentDirectory, ProjectConverter& converter) {
  if (word == "-pn")
    converter.projectName = value;
  else if (word == "-mp")
    converter.messagePersonality = absoluteArgument(value, currentDirectory);
  else if (word == "-ap")
    converter.analyserPersonality = absoluteArgument(value, currentDirectory);
  else if (word == "-cp")
    converter.compilerPersonality = absoluteArgument(value, currentDirectory);
  else if (word == "-ext")
    addExtensions(value, converter);
  else if (word == "-sw")
    converter.readSwitches = true;
  else if (word == "-cdb")
    converter.compilationDatabase = absoluteArgument(value, currentDirectory);
  else if (word == "-map" && !converter.pathMap.add(value))
    warn("ignored -map value \"" + value + "\": it takes the form FROM=TO");
}

bool isPathOption(const std::string& argument) {
  const OptionWord* option = findOptionWord(argument);
  return option != nullptr && option->takesPath;
}

// True when a path argument (either positional, or the value after a path
// option at any position) is made absolute against the current directory.
bool anyPathIsRelative(const std::vector<std::string>& arguments) {
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const bool isPath = i < 2 || isPathOption(arguments[i - 1]);
    if (isPath && needsCurrentDirectory(platform::pathArgument(arguments[i])))
      return true;
  }
  return false;
}

int convert(const std::vector<std::string>& arguments) {
  // Read once, before anything else: every relative argument is resolved
  // against this one value, so a folder deleted while the run starts cannot
  // turn a later argument into a path from the root.
  const std::string currentDirectory = platform::currentDirectory();
  if (currentDirectory.empty() && anyPathIsRelative(arguments)) {
    reportError("cannot read the current directory: " + platform::lastFailure() +
                "; run from an existing folder or give absolute paths");
    printLine("Could not read the current directory");
    return 1;
  }
  const std::string sourceProject = absoluteArgument(arguments[0], currentDirectory);
  const std::string destFolder = absoluteArgument(arguments[1], currentDirectory);
  ProjectConverter converter(sourceProject, destFolder);
  converter.projectName = defaultProjectName(sourceProject);
  if (!applyOptions(arguments, converter, currentDirectory))
    return 1;
  return converter.run();
}

}  // namespace

std::vector<std::string> usageLines() {
  return {"Usage: Quillbrook <source_proj> <dest_folder> -cp <compiler_personality> "
          "[-pn dest_proj_name]",
          "[-mp message_personality] [-ap analyser_personality] [-ext file_extension]"};
}

void printUsage() {
  for (const std::string& line : usageLines())
    printLine(line);
}

std::string defaultProjectName(const std::string& sourceProject) {
  const std::string name = sourceProject.substr(sourceProject.rfind('\\') + 1);
  const std::string::size_type dot = name.rfind('.');
  return dot == std::string::npos ? name : name.substr(0, dot);
}

bool applyOptions(const std::vector<std::string>& arguments, ProjectConverter& converter,
                  const std::string& currentDirectory) {
  // Every position is examined, so a value can itself act as an option word.
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const OptionWord* option = findOptionWord(arguments[i]);
    if (option == nullptr) {
      // The first two arguments are the two paths.
      if (i >= 2 && !isOptionValue(arguments, i))
        warnAboutIgnoredArgument(arguments[i]);
      continue;
    }
    if (!option->takesValue) {
      applyOption(arguments[i], std::string(), currentDirectory, converter);
      continue;
    }
    if (i + 1 >= arguments.size()) {
      warnAboutMissingValue(arguments[i]);
      return false;
    }
    applyOption(arguments[i], arguments[i + 1], currentDirectory, converter);
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
  } catch (const std::bad_alloc&) {
    // Before the conversion proper began: nothing was read or written yet,
    // so the project file is the one named.
    reportError(OutOfMemoryReason);
    printLine("Could not open file: " + arguments[0]);
    return 1;
  } catch (...) {
    // A failure with no words of its own ends the run without a message.
    return 1;
  }
}
