// Writes the Tarn project file: one block per group, nested for children,
// with the group folders made in the destination tree on the way.

#include "database/CompilationDatabase.h"
#include "io/Console.h"
#include "io/Errors.h"
#include "driver/ProjectConverter.h"
#include "model/ProjectGroup.h"
#include "io/TextFile.h"
#include "platform/Platform.h"

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

int ProjectConverter::writeProject() {
  refuseUnsafeOutputs();
  // Read once for every copy that is due.
  if (!analyserPersonality.empty()) {
    analyserTemplate.readable = readTextForCopy(analyserPersonality, analyserTemplate.text);
    if (!analyserTemplate.readable)
      analyserTemplate.failure = platform::lastFailure();
  }

  reportingOutOfMemory(projectFilePath(), [this] {
    TextFileWriter out(projectFilePath());
    printLine("Creating Tarn/Tarn++ Project ...");
    out.writeLine("VersionTag45");
    rootGroup->writeGroup(out, "", destFolder + "\\person\\" + projectName + ".p_a");
    out.close();
  });
  if (!compilationDatabase.empty()) {
    reportingOutOfMemory(compilationDatabase, [this] {
      writeCompilationDatabase(*rootGroup, sourceProject, databaseRules(), compilationDatabase);
    });
  }
  printLine("Tarn/Tarn++ Project Completed!");
  return 0;
}

void ProjectGroup::writeGroup(TextFileWriter& out, const std::string& relativePath,
                              std::string inheritedAnalyserPersonality) {
  const std::string base = composeBase(relativePath);
  const std::string groupFolder = base + "\\" + name;
  // Folders are made and a line is printed next: what is buffered goes
  // to the file first.
  out.flush();
  if (leavesDestination(name))
    throw IOERROR(IOERROR::CannotCreateDirectory, groupFolder,
                  "a group name with a \"..\" part would lie outside the destination");
  makeGroupFolders(base, groupFolder);
  printLine("  Creating Group - " + name);

  out.writeLine("StartProjectMarker");
  out.writeLine("FolderName=" + name);
  out.writeLine("SourcePath=" + (sourcePath.empty() ? groupFolder + "\\" : sourcePath));
  out.writeLine("OutputPath=" + groupFolder + "\\output\\");
  out.writeLine("SubsPers=" + resolveMessagePersonality(out));
  const std::string childrenInherit = resolveAnalyserPersonality(
      out, relativePath, inheritedAnalyserPersonality, groupFolder);
  out.writeLine("CompPers=" + resolveCompilerPersonality(out));
  for (const std::string& file : files) {
    if (!file.empty())
      out.writeLine(file);
  }
  out.writeLine("EndContainedFilesMarker");
  writeChildren(out, relativePath, childrenInherit);
}

std::string ProjectGroup::composeBase(const std::string& relativePath) const {
  const std::string destFolder = converter->getDestFolder();
  return relativePath.empty() ? destFolder : destFolder + "\\" + relativePath;
}

void ProjectGroup::makeGroupFolders(const std::string& base, const std::string& groupFolder) {
  // A name holding separators needs each folder on the way to it; a
  // backslash position wins over an earlier slash.
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

void ProjectGroup::writeChildren(TextFileWriter& out, const std::string& relativePath,
                                 const std::string& inheritedAnalyserPersonality) {
  if (children.empty())
    return;
  const std::string childPath = relativePath.empty() ? name : relativePath + "\\" + name;
  out.writeLine("StartSubProjectMarker");
  for (const auto& child : children)
    child->writeGroup(out, childPath, inheritedAnalyserPersonality);
  out.writeLine("EndSubProjectMarker");
}

void ProjectGroup::ensureDirectory(const std::string& path) {
  // Making it answers whether it exists, so no test comes first.
  if (platform::makeDirectory(path) == platform::MakeDirectoryResult::Failed)
    throw IOERROR(IOERROR::CannotCreateDirectory, path, platform::lastFailure());
}
