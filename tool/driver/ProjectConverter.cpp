#include "driver/ProjectConverter.h"

#include <cstdio>
#include <new>

#include "io/Console.h"
#include "cli/CommandLine.h"
#include "io/Errors.h"
#include "mplabx/MplabXProjectReader.h"
#include "io/FailureReport.h"
#include "model/ProjectWarnings.h"
#include "mcp/SourceFolders.h"
#include "text/TextOps.h"
#include "platform/Platform.h"

namespace {

std::string fileName(const std::string& path) {
  return path.substr(path.rfind('\\') + 1);
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
    reportReadFailure(sourceProject, error);
  } catch (const IOERROR& error) {
    reportWriteFailure(error);
  } catch (const std::bad_alloc&) {
    // Outside the reading and the writing of a file of its own (those say
    // which file): the project file stands for the run's output.
    reportWriteFailure(IOERROR(IOERROR::CannotWriteFile, projectFilePath(), OutOfMemoryReason));
  }
  return 1;
}

void ProjectConverter::checkCompilerPersonality() {
  std::FILE* file = platform::openForReading(compilerPersonality);
  if (file == nullptr) {
    if (compilerPersonality.empty())
      warn("no compiler personality was given: \"-cp\" is missing");
    else
      warn("cannot open the compiler personality " + displayPath(compilerPersonality) + ": " +
           platform::lastFailure() + "; the project names it all the same");
    printLine("Could not open file: " + compilerPersonality);
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
  try {
    reader.read();
  } catch (const std::bad_alloc&) {
    throw AsciiReaderError(AsciiReaderError::OutOfMemory, mplabXSource.configurations,
                           OutOfMemoryReason);
  }
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
  try {
    parser.open(*this);
    parser.parse();
  } catch (const std::bad_alloc&) {
    throw AsciiReaderError(AsciiReaderError::OutOfMemory, OutOfMemoryReason);
  }
  warnAboutProject(sourceProject, extensions, parser.getFindings());
}

DatabaseRules ProjectConverter::databaseRules() const {
  if (mplabX)
    return mplabXRules;
  const ProjectBuild& build = parser.getBuild();
  return DatabaseRules{mcpCompiler(build.toolchain), build.toolchain.device,
                       build.sourceDirBuilds, build.relativeIncludes, FileFlagTable()};
}
