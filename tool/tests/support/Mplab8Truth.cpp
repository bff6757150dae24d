#include "support/Mplab8Truth.h"

#include <algorithm>
#include <fstream>
#include <map>

namespace {

using Words = std::vector<std::string>;

bool startsWith(const std::string& text, const std::string& prefix) {
  return text.compare(0, prefix.size(), prefix) == 0;
}

// The file name of a Windows path less its extension.
std::string stem(const std::string& path) {
  const std::string name = path.substr(path.find_last_of("\\/") + 1);
  return name.substr(0, name.rfind('.'));
}

bool isCSource(const std::string& word) {
  const std::string name = lower(word);
  return !name.empty() && name[0] != '-' && name[0] != '/' && name.size() > 2 &&
         name.compare(name.size() - 2, 2, ".c") == 0;
}

// Macros MPLAB IDE 8 adds by itself for a debug build or a debugger.
bool isIdeMacro(const std::string& definition) {
  const std::string name = definition.substr(0, definition.find('='));
  return name == "__DEBUG" || name == "__MPLAB_BUILD" || name == "__MPLAB_DEBUG" ||
         name == "__ICD2RAM" || startsWith(name, "__MPLAB_DEBUGGER_");
}

Words split(const std::string& text, const std::string& separator) {
  Words pieces;
  std::string::size_type start = 0;
  for (std::string::size_type at; (at = text.find(separator, start)) != std::string::npos;
       start = at + separator.size())
    pieces.push_back(text.substr(start, at - start));
  pieces.push_back(text.substr(start));
  return pieces;
}

// The -I and -D switches of compiler words; C18 also writes "/i".
void readSwitches(const Words& words, Mplab8Compile& compile) {
  for (std::size_t i = 0; i < words.size(); ++i) {
    const std::string& word = words[i];
    if (startsWith(word, "-I") || startsWith(word, "/i")) {
      std::string folder = word.substr(2);
      if (folder.empty() && i + 1 < words.size())
        folder = words[++i];
      compile.includes.push_back(folder);
    } else if (startsWith(word, "-D") && !isIdeMacro(word.substr(2))) {
      compile.definitions.push_back(word.substr(2));
    }
  }
}

Words fileLines(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  Words lines;
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r')
      line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

using Record = std::map<std::string, std::string>;

// "$(NAME)|value||$(NAME)||..." of a PPAD line: the value of `name`.
std::string folderSetting(const std::string& ppad, const std::string& name) {
  for (const std::string& setting : split(ppad, "||")) {
    if (startsWith(setting, name + "|"))
      return setting.substr(name.size() + 1);
  }
  return "";
}

void addMcsRecord(const Record& record, Mplab8Truth& truth) {
  const auto location = record.find("Location");
  const auto sources = record.find("SOLK");
  if (location == record.end() || sources == record.end())
    return;
  const std::string object = lower(stem(location->second));
  Mplab8Compile compile;
  for (const std::string& source : split(sources->second, "|")) {
    if (source.empty())
      break;  // "<src>|a.c|b.c||<obj>...": the sources end at the empty item
    if (isCSource(source) && lower(stem(source)) == object)
      compile.source = source;
  }
  if (compile.source.empty())
    return;
  const std::string ppad = record.count("PPAD") ? record.at("PPAD") : "";
  // No -I for an empty item, as the exported makefiles show.
  for (const std::string& folder : split(folderSetting(ppad, "$(INCDIR)"), ";")) {
    if (folder.find_first_not_of(' ') != std::string::npos)
      compile.includes.push_back(folder);
  }
  if (record.count("ToolArgsString"))
    readSwitches(windowsWords(record.at("ToolArgsString")), compile);
  if (truth.objectLocation.empty()) {
    truth.objectLocation = location->second;
    truth.objectFolder = folderSetting(ppad, "$(TMPDIR)");
  }
  truth.compiles.push_back(compile);
}

}  // namespace

Words windowsWords(const std::string& line) {
  Words words;
  std::string word;
  bool inWord = false;
  bool quoted = false;
  for (const char c : line) {
    if (c == '"') {
      quoted = !quoted;
      inWord = true;
    } else if (!quoted && (c == ' ' || c == '\t')) {
      if (inWord)
        words.push_back(word);
      word.clear();
      inWord = false;
    } else {
      word += c;
      inWord = true;
    }
  }
  if (inWord)
    words.push_back(word);
  return words;
}

Mplab8Truth readMakefileTruth(const std::filesystem::path& makefile) {
  Mplab8Truth truth;
  for (const std::string& line : fileLines(makefile)) {
    if (!startsWith(line, "\t$(CC) "))
      continue;
    const Words words = windowsWords(line);
    Mplab8Compile compile;
    for (const std::string& word : words) {
      if (isCSource(word))
        compile.source = word;
    }
    if (compile.source.empty())
      continue;  // the link line
    readSwitches(words, compile);
    truth.compiles.push_back(compile);
  }
  return truth;
}

Mplab8Truth readMcsTruth(const std::filesystem::path& mcs) {
  Mplab8Truth truth;
  Record record;
  for (const std::string& line : fileLines(mcs)) {
    if (startsWith(line, "[")) {
      addMcsRecord(record, truth);
      record.clear();
      continue;
    }
    const std::string::size_type equals = line.find('=');
    if (equals != std::string::npos)
      record[line.substr(0, equals)] = line.substr(equals + 1);
  }
  addMcsRecord(record, truth);
  return truth;
}

std::string lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}
