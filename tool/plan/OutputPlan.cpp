// Before anything is made, the outputs of a run are checked: none may be
// one of its inputs, none may be another of its outputs (the later would
// silently replace the earlier), and the host must be able to hold every
// name the run creates.

#include "plan/OutputPlan.h"

#include <vector>

#include "io/Console.h"
#include "io/Errors.h"
#include "model/ProjectModel.h"
#include "platform/Platform.h"
#include "settings/ConversionSettings.h"
#include "text/TextOps.h"

namespace {

struct PlannedFile {
  std::string path;
  std::string role;
  // False for a file kept as it is when it exists (a default the user
  // filled, the shared analyser personality of an earlier run): it can
  // replace no input, though a later output could still replace it.
  bool written;
};

// The parts of `text` between separators, each with the position after it.
std::vector<std::pair<std::string, std::string::size_type>> components(const std::string& text) {
  std::vector<std::pair<std::string, std::string::size_type>> parts;
  std::string::size_type start = 0;
  for (std::string::size_type i = 0; i <= text.size(); ++i) {
    if (i == text.size() || isPathSeparator(text[i])) {
      parts.emplace_back(text.substr(start, i - start), i);
      start = i + 1;
    }
  }
  return parts;
}

// A path as the host would find it, for paths that do not exist yet:
// "." parts and doubled separators dropped, letter case folded where the
// host ignores it. ".." stays: a link on the way may lead elsewhere.
std::string cleaned(const std::string& path) {
  std::string result;
  for (std::string::size_type i = 0; i < path.size() && isPathSeparator(path[i]); ++i)
    result += '\\';
  for (const auto& part : components(path)) {
    if (part.first.empty() || part.first == ".")
      continue;
    if (!result.empty() && result.back() != '\\')
      result += '\\';
    result += part.first;
  }
  return platform::namesIgnoreCase() ? toUpperAscii(result) : result;
}

// By identity where both exist, so two spellings or a link are caught;
// by the cleaned text where either is still to be made.
bool sameTarget(const std::string& first, const std::string& second) {
  if (platform::exists(first) && platform::exists(second))
    return platform::sameFile(first, second);
  return cleaned(first) == cleaned(second);
}

// Refuses a name the run creates below `base` that the host cannot hold.
// A folder is reported up to the part that breaks the rule, a file whole.
void refuseNames(const std::string& base, const std::string& created, std::int32_t code) {
  for (const auto& part : components(created)) {
    const std::string rule = platform::nameRule(part.first);
    if (rule.empty())
      continue;
    const std::string path = base + "\\" + created;
    const bool folder = code == IOERROR::CannotCreateDirectory;
    throw IOERROR(code, folder ? path.substr(0, base.size() + 1 + part.second) : path, rule);
  }
}

[[noreturn]] void refuse(const PlannedFile& output, const PlannedFile& other,
                         const std::string& otherIs) {
  throw IOERROR(IOERROR::OutputIsInput, output.path,
                "as the " + output.role + " it would replace the " + other.role + " " +
                    displayPath(other.path) + ", " + otherIs +
                    "; nothing was made, choose another destination, name or path");
}

void refuseFileName(const std::string& base, const std::string& created) {
  refuseNames(base, created, IOERROR::CannotWriteFile);
}

class PlannedFiles {
public:
  PlannedFiles(const ConversionSettings& settings, const ProjectGroup& root)
      : settings(settings), root(root) {}

  // The files of the run in the order it writes them; the folder names it
  // creates are checked on the way.
  std::vector<PlannedFile> files() {
    const std::string dest = settings.getDestFolder();
    const std::string name = settings.getProjectName();
    refuseFileName(dest, name + ".prj");
    add(settings.projectFilePath(), "project file", true);
    refuseNames(dest, root.name, IOERROR::CannotCreateDirectory);
    // The first group asks for the defaults: message, analyser, compiler.
    if (settings.getMessagePersonality().empty())
      addDefault(dest + "\\person\\" + name + ".p_s", "default message personality");
    if (!root.hasSettings())
      addDefault(dest + "\\person\\" + name + ".p_a", "shared analyser personality");
    else
      addOwn(root, dest + "\\" + root.name);
    if (settings.getCompilerPersonality().empty())
      addDefault(dest + "\\person\\" + name + ".p_c", "default compiler personality");
    for (const auto& child : root.children)
      addGroup(*child, root.name);
    const std::string database = settings.compilationDatabase;
    if (!database.empty()) {
      const std::string::size_type slash = database.rfind('\\');
      refuseFileName(database.substr(0, slash), database.substr(slash + 1));
      add(database, "compilation database (-cdb)", true);
    }
    return planned;
  }

private:
  void add(const std::string& path, const std::string& role, bool written) {
    planned.push_back({path, role, written});
  }

  void addDefault(const std::string& path, const std::string& role) {
    add(path, role, !platform::hasContent(path));
  }

  void addOwn(const ProjectGroup& group, const std::string& groupFolder) {
    add(group.ownAnalyserPersonality(groupFolder),
        "analyser personality of group \"" + group.name + "\"", true);
  }

  void addGroup(const ProjectGroup& group, const std::string& relativePath) {
    const std::string base = settings.getDestFolder() + "\\" + relativePath;
    refuseNames(base, group.name, IOERROR::CannotCreateDirectory);
    if (group.hasSettings())
      addOwn(group, base + "\\" + group.name);
    for (const auto& child : group.children)
      addGroup(*child, relativePath + "\\" + group.name);
  }

  const ConversionSettings& settings;
  const ProjectGroup& root;
  std::vector<PlannedFile> planned;
};

}  // namespace

OutputPlan::OutputPlan(const ConversionSettings& settings, const ProjectModel& model)
    : settings(settings), model(model) {}

void OutputPlan::refuseUnsafeOutputs() const {
  const std::vector<PlannedFile> outputs = PlannedFiles(settings, *model.rootGroup).files();
  const PlannedFile inputs[] = {
      {model.input, "MPLAB project file", false},
      {settings.compilerPersonality, "compiler personality (-cp)", false},
      {settings.messagePersonality, "message personality (-mp)", false},
      {settings.analyserPersonality, "analyser personality (-ap)", false}};
  for (std::size_t later = 0; later < outputs.size(); ++later) {
    const PlannedFile& output = outputs[later];
    for (const PlannedFile& input : inputs) {
      if (output.written && !input.path.empty() && sameTarget(output.path, input.path))
        refuse(output, input, "an input of this run");
    }
    for (std::size_t earlier = 0; earlier < later; ++earlier) {
      const PlannedFile& other = outputs[earlier];
      if ((output.written || other.written) && sameTarget(output.path, other.path))
        refuse(output, other, "made earlier in this run");
    }
  }
}

bool OutputPlan::pathExists(const std::string& path) {
  if (existingPaths.count(path) != 0)
    return true;
  if (!platform::exists(path))
    return false;
  existingPaths.insert(path);
  return true;
}

void OutputPlan::notePathMade(const std::string& path) {
  existingPaths.insert(path);
}

bool OutputPlan::defaultIsDue(const std::string& path) {
  return madeDefaults.insert(path).second;
}
