// Before anything is made, the outputs of a run are checked: none may be
// one of its inputs, none may be another of its outputs (the later would
// silently replace the earlier), and the host must be able to hold every
// name the run creates. The same holds again when each file is opened
// (OutputGuard), against whatever changed in between.

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

// Where a path lands: through the links that exist on its way, with ".."
// applied to the folders the run is still to make as it will apply to them,
// in one letter case where the destination ignores case.
std::string landing(const std::string& path, bool ignoreCase, bool input) {
  std::string resolved;
  if (!platform::resolvedPath(path, resolved))
    throw IOERROR(input ? IOERROR::CannotExamine : IOERROR::CannotWriteFile, path,
                  platform::lastFailure());
  return ignoreCase ? toUpperAscii(resolved) : resolved;
}

platform::PathState examined(const std::string& path, platform::FileIdentity& identity,
                             bool input) {
  const platform::PathState state = platform::identityOf(path, identity);
  if (state == platform::PathState::Unknown)
    throw IOERROR(input ? IOERROR::CannotExamine : IOERROR::CannotWriteFile, path,
                  platform::lastFailure());
  return state;
}

// By identity where both exist, so two spellings, a link or a letter case
// the file system ignores are caught; by where each lands otherwise.
bool sameTarget(const std::string& output, const std::string& other, bool otherIsInput,
                bool ignoreCase) {
  platform::FileIdentity one;
  platform::FileIdentity two;
  const bool outputExists = examined(output, one, false) == platform::PathState::Present;
  if (outputExists && examined(other, two, otherIsInput) == platform::PathState::Present)
    return one == two;
  return landing(output, ignoreCase, false) == landing(other, ignoreCase, otherIsInput);
}

// A file the run keeps when it holds bytes: a failing test is no answer.
bool holdsContent(const std::string& path) {
  const platform::PathState state = platform::contentState(path);
  if (state == platform::PathState::Unknown)
    throw IOERROR(IOERROR::CannotWriteFile, path,
                  "cannot tell whether it holds the user's own content: " +
                      platform::lastFailure());
  return state == platform::PathState::Present;
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
    add(path, role, !holdsContent(path));
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

void OutputPlan::refuseUnsafeOutputs() {
  const std::vector<PlannedFile> outputs = PlannedFiles(settings, *model.rootGroup).files();
  // The file named as the project is an input too when the reader read
  // another (nbproject\private\configurations.xml stands for the public one).
  const PlannedFile inputs[] = {
      {model.input, "MPLAB project file", false},
      {settings.sourceProject == model.input ? std::string() : settings.sourceProject,
       "MPLAB project file named", false},
      {settings.compilerPersonality, "compiler personality (-cp)", false},
      {settings.messagePersonality, "message personality (-mp)", false},
      {settings.analyserPersonality, "analyser personality (-ap)", false}};
  for (const PlannedFile& input : inputs)
    guard.addInput(input.path, input.role);
  noteLandings(*model.rootGroup, settings.destFolder);
  const bool ignoreCase = platform::folderIgnoresCase(settings.destFolder);
  for (std::size_t later = 0; later < outputs.size(); ++later) {
    const PlannedFile& output = outputs[later];
    for (const PlannedFile& input : inputs) {
      if (output.written && !input.path.empty() &&
          sameTarget(output.path, input.path, true, ignoreCase))
        refuse(output, input, "an input of this run");
    }
    for (std::size_t earlier = 0; earlier < later; ++earlier) {
      const PlannedFile& other = outputs[earlier];
      if ((output.written || other.written) &&
          sameTarget(output.path, other.path, false, ignoreCase))
        refuse(output, other, "made earlier in this run");
    }
  }
}

void OutputPlan::noteLandings(const ProjectGroup& group, const std::string& base) {
  const std::string folder = base + "\\" + group.name;
  folderLandings.emplace(folder, landing(folder, false, false));
  for (const auto& child : group.children)
    noteLandings(*child, folder);
}

void OutputPlan::refuseMovedFolder(const std::string& groupFolder) const {
  const auto noted = folderLandings.find(groupFolder);
  if (noted == folderLandings.end() || landing(groupFolder, false, false) == noted->second)
    return;
  throw IOERROR(IOERROR::CannotCreateDirectory, groupFolder,
                "a link that appeared on its way during the run leads it elsewhere; nothing "
                "was made there");
}

bool OutputPlan::pathExists(const std::string& path) {
  if (existingPaths.count(path) != 0)
    return true;
  const platform::PathState state = platform::pathState(path);
  if (state == platform::PathState::Unknown)
    throw IOERROR(IOERROR::CannotWriteFile, path,
                  "cannot tell whether it exists: " + platform::lastFailure());
  if (state == platform::PathState::Absent)
    return false;
  existingPaths.insert(path);
  return true;
}

bool OutputPlan::holdsUserContent(const std::string& path) const {
  return holdsContent(path);
}

void OutputPlan::notePathMade(const std::string& path) {
  existingPaths.insert(path);
}

bool OutputPlan::defaultIsDue(const std::string& path) {
  return madeDefaults.insert(path).second;
}
