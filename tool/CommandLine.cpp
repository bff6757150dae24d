#include "CommandLine.h"


#include "AbsolutePath.h"
#include "Console.h"
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
    {"-conf", true, false},
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

std::string absoluteArgument(const std::string& argument) {
  return makeAbsolutePath(platform::pathArgument(argument));
}

void addExtensions(const std::string& value, ProjectConverter& converter) {
  for (const std::string& warning : extensionListWarnings(value))
    warn(warning);
  converter.addExtensions(value);
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
    addExtensions(value, converter);
  else if (word == "-sw")
    converter.readSwitches = true;
  else if (word == "-cdb")
    converter.compilationDatabase = absoluteArgument(value);
  else if (word == "-conf")
    converter.configuration = value;
  else if (word == "-map" && !converter.pathMap.add(value))
    warn("ignored -map value \"" + value + "\": it takes the form FROM=TO");
}

bool isPathOption(const std::string& argument) {
  const OptionWord* option = findOptionWord(argument);
  return option != nullptr && option->takesPath;
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
  converter.projectName = converter.defaultName();
  if (!applyOptions(arguments, converter))
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

bool applyOptions(const std::vector<std::string>& arguments, ProjectConverter& converter) {
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
      applyOption(arguments[i], std::string(), converter);
      continue;
    }
    if (i + 1 >= arguments.size()) {
      warnAboutMissingValue(arguments[i]);
      return false;
    }
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
