#include "cli/CommandLine.h"

#include <algorithm>
#include <string_view>

#include <new>
#include <utility>

#include "text/AbsolutePath.h"
#include "io/Console.h"
#include "io/Errors.h"
#include "settings/ConversionSettings.h"
#include "settings/ExtensionList.h"
#include "driver/ProjectConverter.h"
#include "QuillbrookVersion.h"
#include "platform/Platform.h"

namespace {

struct OptionWord {
  const char* word;
  bool takesValue;
  // The value is a path, made absolute against the current directory.
  bool takesPath;
  // How the help names the value (empty without one) and its one line.
  std::string_view valueName;
  std::string_view help;
};

// Every option word of the tool. The scan, the current-directory check, the
// warnings and the help all read this table; applyOption says what each one
// sets.
const OptionWord OptionWords[] = {
    {"-pn", true, false, "dest_proj_name",
     "name of the Tarn project; default: the project file's name cut before its last dot"},
    {"-mp", true, true, "message_personality",
     "message personality (.p_s), referenced where it is; default: an empty one"},
    {"-ap", true, true, "analyser_personality",
     "template analyser personality (.p_a), copied into the generated one"},
    {"-cp", true, true, "compiler_personality",
     "compiler personality (.p_c), referenced where it is"},
    {"-ext", true, false, "file_extension",
     "comma-separated extensions without dots (c,h,asm); may be repeated; default: every file"},
    {"-sw", false, false, "",
     "also read the -D and -I compiler switches of the project's tool settings"},
    {"-cdb", true, true, "compilation_database",
     "also write a JSON compilation database of the C and C++ sources to this path"},
    {"-map", true, false, "FROM=TO",
     "write every source and include path under the folder FROM as under TO; may be repeated"},
    {"-conf", true, false, "configuration",
     "MPLAB X only: the configuration to convert; default: the first one"},
};

// Asked for anywhere on the command line, these answer instead of a run.
const char* const HelpWords[] = {"-h", "--help"};
const char* const VersionWord = "--version";
// First on the command line, with the project after it: list its configurations.
const char* const ConfigurationsWord = "--configurations";

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

void addExtensions(const std::string& value, ConversionSettings& settings) {
  for (const std::string& warning : extensionListWarnings(value))
    warn(warning);
  settings.addExtensions(value);
}

void applyOption(const std::string& word, const std::string& value,
                 const std::string& currentDirectory, ConversionSettings& settings) {
  if (word == "-pn")
    settings.projectName = value;
  else if (word == "-mp")
    settings.messagePersonality = absoluteArgument(value, currentDirectory);
  else if (word == "-ap")
    settings.analyserPersonality = absoluteArgument(value, currentDirectory);
  else if (word == "-cp")
    settings.compilerPersonality = absoluteArgument(value, currentDirectory);
  else if (word == "-ext")
    addExtensions(value, settings);
  else if (word == "-sw")
    settings.readSwitches = true;
  else if (word == "-cdb")
    settings.compilationDatabase = absoluteArgument(value, currentDirectory);
  else if (word == "-conf")
    settings.configuration = value;
  else if (word == "-map" && !settings.pathMap.add(value, currentDirectory))
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
    // The TO of "-map FROM=TO" is a path too.
    const std::string to = i > 0 && arguments[i - 1] == "-map" ? PathMap::target(arguments[i]) : "";
    if (!to.empty() && needsCurrentDirectory(to))
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
  ConversionSettings settings;
  settings.sourceProject = absoluteArgument(arguments[0], currentDirectory);
  settings.destFolder = absoluteArgument(arguments[1], currentDirectory);
  const ProjectSource source = findProjectSource(settings.sourceProject);
  settings.projectName = defaultName(settings.sourceProject, source);
  if (!applyOptions(arguments, settings, currentDirectory))
    return 1;
  return ProjectConverter(std::move(settings), source).run();
}

int listConfigurations(const std::vector<std::string>& arguments) {
  if (arguments.size() < 2) {
    warnAboutMissingValue(arguments[0]);
    return 1;
  }
  for (std::size_t i = 2; i < arguments.size(); ++i)
    warnAboutIgnoredArgument(arguments[i]);
  const std::string currentDirectory = platform::currentDirectory();
  if (currentDirectory.empty() && needsCurrentDirectory(platform::pathArgument(arguments[1]))) {
    reportError("cannot read the current directory: " + platform::lastFailure() +
                "; run from an existing folder or give an absolute path");
    printLine("Could not read the current directory");
    return 1;
  }
  return printConfigurations(absoluteArgument(arguments[1], currentDirectory));
}

bool isCompilerPersonality(const OptionWord& option) {
  return std::string_view(option.word) == "-cp";
}

// How the usage shows an option: the compiler personality as required
// (though a run goes on without it), the others in brackets.
std::string usagePiece(const OptionWord& option) {
  const std::string word = option.word;
  if (isCompilerPersonality(option))
    return word + " <" + std::string(option.valueName) + ">";
  if (option.valueName.empty())
    return "[" + word + "]";
  return "[" + word + " " + std::string(option.valueName) + "]";
}

std::string padded(std::string text, std::size_t width) {
  text.resize(std::max(width, text.size() + 1), ' ');
  return text;
}

std::string helpLine(const std::string& words, std::string_view text) {
  return "  " + padded(words, 30) + std::string(text);
}

bool isHelpWord(const std::string& argument) {
  for (const char* word : HelpWords) {
    if (argument == word)
      return true;
  }
  return false;
}

// The first help or version word on the command line, or empty.
std::string informationRequest(const std::vector<std::string>& arguments) {
  for (const std::string& argument : arguments) {
    if (isHelpWord(argument) || argument == VersionWord)
      return argument;
  }
  return std::string();
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

std::string newerOptionsLine() {
  std::string specified;
  for (const std::string& line : usageLines())
    specified += line + " ";
  std::string line;
  for (const OptionWord& option : OptionWords) {
    const std::string piece = usagePiece(option);
    if (specified.find(piece) == std::string::npos)
      line += (line.empty() ? "" : " ") + piece;
  }
  return line;
}

std::vector<std::string> helpLines() {
  std::string usage = "Usage: Quillbrook <source_proj> <dest_folder>";
  for (const OptionWord& option : OptionWords) {
    if (isCompilerPersonality(option))
      usage += " " + usagePiece(option);
  }
  for (const OptionWord& option : OptionWords) {
    if (!isCompilerPersonality(option))
      usage += " " + usagePiece(option);
  }
  std::vector<std::string> lines = {
      usage,
      "Converts an MPLAB project (.mcp), or an MPLAB X project (its folder or its "
      "nbproject/configurations.xml), into a Tarn project in the existing folder dest_folder.",
      "",
      "Options:"};
  for (const OptionWord& option : OptionWords) {
    std::string words = option.word;
    if (!option.valueName.empty())
      words += " " + std::string(option.valueName);
    lines.push_back(helpLine(words, option.help));
  }
  lines.push_back(helpLine(std::string(ConfigurationsWord) + " source_proj",
                           "print the configurations of an MPLAB X project, one per line, and exit"));
  lines.push_back(helpLine("-h, --help", "print this help and exit"));
  lines.push_back(helpLine("--version", "print the version and exit"));
  lines.insert(lines.end(),
               {"",
                "Progress goes to standard output; the exit status is 0 on success, 1 on failure.",
                "Warnings (\"Quillbrook: warning: ...\") and the reason for a failure go to "
                "standard error.",
                std::string("Documentation: ") + QUILLBROOK_DOCS + "."});
  return lines;
}

std::string versionLine() {
  return std::string("Quillbrook ") + QUILLBROOK_VERSION;
}

bool applyOptions(const std::vector<std::string>& arguments, ConversionSettings& settings,
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
      applyOption(arguments[i], std::string(), currentDirectory, settings);
      continue;
    }
    if (i + 1 >= arguments.size()) {
      warnAboutMissingValue(arguments[i]);
      return false;
    }
    applyOption(arguments[i], arguments[i + 1], currentDirectory, settings);
  }
  return true;
}

namespace {

int answer(const std::vector<std::string>& arguments) {
  platform::prepareConsole();
  const std::string request = informationRequest(arguments);
  if (!request.empty()) {
    const std::vector<std::string> lines =
        request == VersionWord ? std::vector<std::string>{versionLine()} : helpLines();
    for (const std::string& line : lines)
      printLine(line);
    return 0;
  }
  if (!arguments.empty() && arguments[0] == ConfigurationsWord)
    return listConfigurations(arguments);
  if (arguments.size() < 2) {
    printUsage();
    // The two lines above are fixed; options added since follow on
    // standard error, for a person.
    printErrorLine(newerOptionsLine());
    printErrorLine("Quillbrook --help describes every option.");
    return 0;
  }
  return convert(arguments);
}

}  // namespace

int quillbrookMain(const std::vector<std::string>& arguments) {
  try {
    return answer(arguments);
  } catch (const std::bad_alloc&) {
    // Before the conversion proper began (it reports its own): nothing was
    // read or written yet, so the project file is the one named.
    reportOutOfMemoryBeforeRun(arguments.empty() ? "" : arguments[0].c_str());
    return 1;
  } catch (...) {
    // A failure with no words of its own ends the run without a message.
    return 1;
  }
}

int quillbrookMain(int argc, char** argv, int first) {
  std::vector<std::string> arguments;
  try {
    for (int i = first; i < argc; ++i)
      arguments.push_back(argv[i]);
  } catch (const std::bad_alloc&) {
    reportOutOfMemoryBeforeRun(first < argc ? argv[first] : "");
    return 1;
  }
  return quillbrookMain(arguments);
}
