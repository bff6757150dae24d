#include "database/CompilationDatabase.h"

#include <algorithm>

#include "io/Console.h"
#include "model/FileFlags.h"
#include "model/ProjectGroup.h"
#include "io/TextFile.h"
#include "text/TextOps.h"
#include "text/Utf8Text.h"
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

void produceCommands(const ProjectGroup& group, const ProjectGroup& settingsOwner,
                     DatabaseEntries& entries, const CompileCommandSink& sink) {
  const ProjectGroup& owner = group.hasSettings() ? group : settingsOwner;
  // One command, refilled for each source.
  CompileCommand command;
  group.files.forEachPath([&](const std::string& file) {
    if (isCompiledSource(file)) {
      entries.fill(file, owner, command);
      sink(command);
    }
  });
  for (const auto& child : group.children)
    produceCommands(*child, owner, entries, sink);
}

// The array's punctuation around its entries, as an indented JSON dump
// writes it: "[" and a line end before the first entry, a comma and a line
// end between two, a line end and "]" after the last; "[]" when empty.
class ArrayPunctuation {
public:
  std::string beforeEntry() {
    const bool first = !started;
    started = true;
    return first ? "[\n" : ",\n";
  }
  std::string end() const { return started ? "\n]\n" : "[]\n"; }

private:
  bool started = false;
};

// The JSON escape of one byte, or null for a byte that stands as it is.
const char* escaped(unsigned char c) {
  static const char* const Control[] = {
      "\\u0000", "\\u0001", "\\u0002", "\\u0003", "\\u0004", "\\u0005", "\\u0006", "\\u0007",
      "\\b",     "\\t",     "\\n",     "\\u000b", "\\f",     "\\r",     "\\u000e", "\\u000f",
      "\\u0010", "\\u0011", "\\u0012", "\\u0013", "\\u0014", "\\u0015", "\\u0016", "\\u0017",
      "\\u0018", "\\u0019", "\\u001a", "\\u001b", "\\u001c", "\\u001d", "\\u001e", "\\u001f"};
  if (c < 0x20)
    return Control[c];
  if (c == '"')
    return "\\\"";
  if (c == '\\')
    return "\\\\";
  return nullptr;
}

// Appends `text` as a JSON string: quotes, backslashes and control
// characters escaped, every other byte as it is; text that is not UTF-8 is
// taken as Windows-1252 first. Written by hand rather than through a JSON
// document, which does not stay whole when memory runs out part way.
void appendJsonString(std::string& out, const std::string& text, std::string& firstConverted) {
  if (!isUtf8(text)) {
    const std::string converted = windows1252ToUtf8(text);
    if (firstConverted.empty())
      firstConverted = converted;
    appendJsonString(out, converted, firstConverted);
    return;
  }
  out += '"';
  std::string::size_type start = 0;
  for (std::string::size_type i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte >= 0x20 && byte != '"' && byte != '\\')
      continue;
    const char* escape = escaped(byte);
    if (escape == nullptr)
      continue;
    out.append(text, start, i - start);
    out += escape;
    start = i + 1;
  }
  out.append(text, start, std::string::npos);
  out += '"';
}

// The JSON text of entries made one after another, built in one buffer.
// The sources of one group share every argument but their path, which
// comes last: the text of the shared ones is escaped once and reused for
// as long as the next entry shares them too.
class EntryText {
public:
  explicit EntryText(std::string& firstConverted) : firstConverted(firstConverted) {}

  const std::string& of(const CompileCommand& command) {
    const std::vector<std::string>& arguments = command.arguments;
    text.assign("  {\n    \"directory\": ");
    appendJsonString(text, command.directory, firstConverted);
    text += ",\n    \"file\": ";
    appendJsonString(text, command.file, firstConverted);
    text += ",\n    \"arguments\": [";
    if (arguments.empty())
      return text += "]\n  }";
    const auto last = arguments.end() - 1;
    if (!sharedKnown || !std::equal(arguments.begin(), last, shared.begin(), shared.end())) {
      shared.assign(arguments.begin(), last);
      sharedText.clear();
      for (const std::string& argument : shared)
        appendArgument(sharedText, argument, sharedText.empty());
      sharedKnown = true;
    }
    text += sharedText;
    appendArgument(text, *last, shared.empty());
    return text += "\n    ]\n  }";
  }

private:
  void appendArgument(std::string& out, const std::string& argument, bool first) {
    out += first ? "\n      " : ",\n      ";
    appendJsonString(out, argument, firstConverted);
  }

  std::string& firstConverted;
  std::vector<std::string> shared;
  std::string sharedText;
  bool sharedKnown = false;
  std::string text;
};

}  // namespace

void forEachCompileCommand(const ProjectGroup& root, const std::string& sourceProject,
                           const DatabaseRules& rules, const CompileCommandSink& sink) {
  const std::string folder =
      rules.fileFlags.isUsed() ? rules.fileFlags.directory : projectFolder(sourceProject);
  DatabaseEntries entries(root, folder, rules);
  produceCommands(root, root, entries, sink);
}

std::vector<CompileCommand> compileCommands(const ProjectGroup& root,
                                            const std::string& sourceProject,
                                            const DatabaseRules& rules) {
  std::vector<CompileCommand> commands;
  forEachCompileCommand(root, sourceProject, rules,
                        [&commands](CompileCommand& command) { commands.push_back(command); });
  return commands;
}

std::string compilationDatabaseJson(const std::vector<CompileCommand>& commands,
                                    std::string& firstConverted) {
  ArrayPunctuation punctuation;
  EntryText entry(firstConverted);
  std::string text;
  for (const CompileCommand& command : commands)
    text += punctuation.beforeEntry() + entry.of(command);
  return text + punctuation.end();
}

void writeCompilationDatabase(const ProjectGroup& root, const std::string& sourceProject,
                              const DatabaseRules& rules, const std::string& path,
                              OutputGuard& guard) {
  DatabaseTally tally;
  std::string firstConverted;
  TextFileWriter out(path, guard);
  printLine("  Creating Compilation Database - " + path);
  ArrayPunctuation punctuation;
  // Each entry is written as soon as it is made, so the database never has
  // to fit in memory.
  EntryText entry(firstConverted);
  forEachCompileCommand(root, sourceProject, rules, [&](CompileCommand& command) {
    if (!tally.admit(command))
      return;
    out.writeBytes(punctuation.beforeEntry());
    out.writeBytes(entry.of(command));
  });
  out.writeBytes(punctuation.end());
  out.close();
  if (!firstConverted.empty())
    warn("text in " + path + " was not UTF-8 and was read as Windows-1252, first: " +
         firstConverted);
  tally.warn(path, rules);
}
