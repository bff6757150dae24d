#include "ProjectConverter.h"

#include <cstdio>

#include "Console.h"
#include "CommandLine.h"
#include "Errors.h"
#include "MplabXProjectReader.h"
#include "ProjectWarnings.h"
#include "SourceFolders.h"
#include "TextOps.h"
#include "platform/Platform.h"

namespace {

std::string fileName(const std::string& path) {
  return path.substr(path.rfind('\\') + 1);
}

void reportWriteFailure(const IOERROR& error) {
  const std::string path = error.getPath();
  if (error.getCode() == IOERROR::CannotCreateDirectory)
    printLine("Could not create directory: " + path);
  else
    printLine("Could not write file: " + path);
  if (error.getCode() == IOERROR::OutputIsInput)
    printStopReason(path + " is also an input of this run (the project file, -cp, -mp or "
                    "-ap); nothing was written, choose another destination, name or input");
  else if (path.find('\0') != std::string::npos)
    printStopReason("a name from the project file holds a NUL byte, which no file or folder "
                    "name can hold");
}

}  // namespace

std::string rootGroupName(const std::string& sourceProject) {
  const std::string name = fileName(sourceProject);
  if (name.size() < 4)
    return name;
  return name.substr(0, name.size() - 4);
}

ProjectConverter::ProjectConverter(const std::string& sourceProject,
                                   const std::string& destFolder)
    : sourceProject(sourceProject),
      destFolder(destFolder),
      mplabX(findMplabXSource(sourceProject, mplabXSource)),
      rootGroup(std::make_unique<ProjectGroup>(
          mplabX ? mplabXProjectName(mplabXSource.projectFolder) : rootGroupName(sourceProject),
          this)) {}

std::string ProjectConverter::projectInput() const {
  return mplabX ? mplabXSource.configurations : sourceProject;
}

std::string ProjectConverter::defaultName() const {
  return mplabX ? rootGroup->name : defaultProjectName(sourceProject);
}

void ProjectConverter::addExtensions(const std::string& text) {
  for (const std::string& item : splitAll(text, ','))
    extensions.push_back(item);
}

int ProjectConverter::run() {
  try {
    checkCompilerPersonality();
    readProject();
    return writeProject();
  } catch (const AsciiReaderError& error) {
    printLine("Could not open file: " + (error.path.empty() ? sourceProject : error.path));
    if (!error.reason.empty())
      printStopReason(error.reason);
  } catch (const IOERROR& error) {
    reportWriteFailure(error);
  }
  return 1;
}

void ProjectConverter::checkCompilerPersonality() {
  std::FILE* file = platform::openForReading(compilerPersonality);
  if (file == nullptr) {
    printLine("Could not open file: " + compilerPersonality);
    if (compilerPersonality.empty())
      warn("no compiler personality was given: \"-cp\" is missing");
    return;
  }
  std::fclose(file);
}

void ProjectConverter::readProject() {
  rootGroup->converter = this;
  if (mplabX)
    readMplabXProject();
  else
    readMcpProject();
  if (!pathMap.empty()) {
    pathMap.applyToTree(*rootGroup);
    mplabXRules.fileFlags.mapPaths(pathMap);
    for (const std::string& value : pathMap.unused())
      warn("-map \"" + value + "\" matched no path of the project");
  }
  const ProjectBuild& build = parser.getBuild();
  if (!mplabX && build.sourceDirBuilds)
    rootGroup->sourceFolderIncludes = sourceFolderIncludes(*rootGroup, build.relativeIncludes);
}

void ProjectConverter::readMplabXProject() {
  rootGroup->sourcePath = mplabXSource.projectFolder + "\\";
  MplabXProjectReader reader(*this, mplabXSource);
  reader.read();
  warnAboutMplabXProject(extensions, reader.getFindings());
}

void ProjectConverter::readMcpProject() {
  if (!configuration.empty())
    warn("\"-conf " + configuration + "\" was ignored: only MPLAB X projects have "
         "configurations");
  rootGroup->sourcePath = sourceProject.substr(0, sourceProject.rfind('\\') + 1);
  parser.setRootGroup(rootGroup.get());
  parser.setConverter(this);
  parser.setExtensions(extensions);
  parser.open(*this);
  parser.parse();
  warnAboutProject(sourceProject, extensions, parser.getFindings());
}

DatabaseRules ProjectConverter::databaseRules() const {
  if (mplabX)
    return mplabXRules;
  const ProjectBuild& build = parser.getBuild();
  return DatabaseRules{mcpCompiler(build.toolchain), build.toolchain.device,
                       build.sourceDirBuilds, build.relativeIncludes, FileFlagTable()};
}
