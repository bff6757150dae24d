#include "tarn/GroupWriter.h"

#include "io/Console.h"
#include "io/Errors.h"
#include "io/TextFile.h"
#include "model/ProjectModel.h"
#include "plan/OutputPlan.h"
#include "platform/Platform.h"
#include "settings/ConversionSettings.h"
#include "tarn/Directories.h"
#include "tarn/Personalities.h"

namespace {

// True when a component of the name, between "\" or "/" separators, is
// "..": such a folder would lie outside the destination.
bool leavesDestination(const std::string& name) {
  std::string::size_type start = 0;
  while (true) {
    const std::string::size_type end = name.find_first_of("\\/", start);
    const std::string component = name.substr(start, end - start);
    if (component == "..")
      return true;
    if (end == std::string::npos)
      return false;
    start = end + 1;
  }
}

}  // namespace

void writeProjectFile(const ConversionSettings& settings, const ProjectModel& model,
                      OutputPlan& plan) {
  Personalities personalities(settings, plan);
  GroupWriter writer(settings, plan, personalities);
  const std::string path = settings.projectFilePath();
  reportingOutOfMemory(path, [&] {
    TextFileWriter out(path, plan.outputs());
    printLine("Creating Tarn/Tarn++ Project ...");
    out.writeLine("VersionTag45");
    writer.writeGroup(*model.rootGroup, out, "",
                      settings.getDestFolder() + "\\person\\" + settings.getProjectName() +
                          ".p_a");
    out.close();
  });
}

GroupWriter::GroupWriter(const ConversionSettings& settings, const OutputPlan& plan,
                         Personalities& personalities)
    : settings(settings), plan(plan), personalities(personalities) {}

void GroupWriter::writeGroup(const ProjectGroup& group, TextFileWriter& out,
                             const std::string& relativePath,
                             const std::string& inheritedAnalyserPersonality) {
  const std::string base = composeBase(relativePath);
  const std::string groupFolder = base + "\\" + group.name;
  // Folders are made and a line is printed next: what is buffered goes
  // to the file first.
  out.flush();
  if (leavesDestination(group.name))
    throw IOERROR(IOERROR::CannotCreateDirectory, groupFolder,
                  "a group name with a \"..\" part would lie outside the destination");
  plan.refuseMovedFolder(groupFolder);
  makeGroupFolders(group, base, groupFolder);
  printLine("  Creating Group - " + group.name);

  out.writeLine("StartProjectMarker");
  out.writeLine("FolderName=" + group.name);
  out.writeLine("SourcePath=" + (group.sourcePath.empty() ? groupFolder + "\\" : group.sourcePath));
  out.writeLine("OutputPath=" + groupFolder + "\\output\\");
  out.writeLine("SubsPers=" + personalities.resolveMessagePersonality(out));
  const std::string childrenInherit = personalities.resolveAnalyserPersonality(
      group, out, relativePath, inheritedAnalyserPersonality, groupFolder);
  out.writeLine("CompPers=" + personalities.resolveCompilerPersonality(out));
  const FileList& files = group.files;
  for (std::size_t i = 0; i < files.size(); ++i) {
    if (!files.emptyAt(i))
      out.writeLineWith([&files, i](std::string& line) { files.appendPath(i, line); });
  }
  out.writeLine("EndContainedFilesMarker");
  writeChildren(group, out, relativePath, childrenInherit);
}

std::string GroupWriter::composeBase(const std::string& relativePath) const {
  const std::string destFolder = settings.getDestFolder();
  return relativePath.empty() ? destFolder : destFolder + "\\" + relativePath;
}

void GroupWriter::makeGroupFolders(const ProjectGroup& group, const std::string& base,
                                   const std::string& groupFolder) {
  // A name holding separators needs each folder on the way to it; a
  // backslash position wins over an earlier slash.
  const std::string& name = group.name;
  std::string::size_type backslash = name.find('\\');
  std::string::size_type slash = name.find('/');
  while (backslash != std::string::npos || slash != std::string::npos) {
    const std::string::size_type p = backslash != std::string::npos ? backslash : slash;
    const std::string candidate = base + "\\" + name.substr(0, p);
    if (platform::makeDirectory(candidate) == platform::MakeDirectoryResult::Failed)
      throw IOERROR(IOERROR::CannotCreateDirectory, candidate, platform::lastFailure());
    backslash = name.find('\\', p + 1);
    slash = name.find('/', p + 1);
  }
  ensureDirectory(groupFolder);
  ensureDirectory(groupFolder + "\\output\\");
  ensureDirectory(groupFolder + "\\person\\");
}

void GroupWriter::writeChildren(const ProjectGroup& group, TextFileWriter& out,
                                const std::string& relativePath,
                                const std::string& inheritedAnalyserPersonality) {
  if (group.children.empty())
    return;
  const std::string childPath = relativePath.empty() ? group.name : relativePath + "\\" + group.name;
  out.writeLine("StartSubProjectMarker");
  for (const auto& child : group.children)
    writeGroup(*child, out, childPath, inheritedAnalyserPersonality);
  out.writeLine("EndSubProjectMarker");
}
