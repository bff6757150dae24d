#include "driver/ProjectConverter.h"

#include <cstdio>
#include <new>
#include <utility>

#include "database/CompilationDatabase.h"
#include "io/Console.h"
#include "io/Errors.h"
#include "io/FailureReport.h"
#include "io/TextFile.h"
#include "mcp/McpReader.h"
#include "mplabx/MplabXProjectReader.h"
#include "mplabx/MplabXSource.h"
#include "plan/OutputPlan.h"
#include "platform/Platform.h"
#include "tarn/GroupWriter.h"
#include "text/TextOps.h"

ProjectSource findProjectSource(const std::string& sourceProject) {
  ProjectSource source;
  source.mplabX = findMplabXSource(sourceProject, source.mplabXSource);
  return source;
}

std::string defaultName(const std::string& sourceProject, const ProjectSource& source) {
  if (source.mplabX)
    return mplabXProjectName(source.mplabXSource.projectFolder);
  return defaultProjectName(sourceProject);
}

namespace {

bool isMcpFile(const std::string& path) {
  const std::string name = toUpperAscii(path.substr(path.rfind('\\') + 1));
  return name.size() > 4 && name.compare(name.size() - 4, 4, ".MCP") == 0;
}

// An .mcp file that can be read has one build and no names.
void checkMcpFile(const std::string& sourceProject) {
  std::FILE* file = platform::openForReading(sourceProject);
  if (file == nullptr)
    throw AsciiReaderError(AsciiReaderError::CannotOpen, platform::lastFailure());
  std::fclose(file);
  if (!isMcpFile(sourceProject))
    throw AsciiReaderError(AsciiReaderError::NotConvertible,
                           displayPath(sourceProject) +
                               " is neither an MPLAB X project (a folder holding "
                               "nbproject/configurations.xml, or that file) nor an .mcp file");
}

std::vector<std::string> configurationNames(const std::string& sourceProject) {
  const ProjectSource source = findProjectSource(sourceProject);
  if (source.mplabX)
    return readConfigurationNames(source.mplabXSource);
  checkMcpFile(sourceProject);
  return {};
}

}  // namespace

int printConfigurations(const std::string& sourceProject) {
  try {
    for (const std::string& name : configurationNames(sourceProject))
      printLine(name);
    return 0;
  } catch (const AsciiReaderError& error) {
    reportReadFailure(sourceProject, error);
  } catch (const std::bad_alloc&) {
    reportReadFailure(sourceProject,
                      AsciiReaderError(AsciiReaderError::OutOfMemory, OutOfMemoryReason));
  }
  return 1;
}

ProjectConverter::ProjectConverter(ConversionSettings settings, const ProjectSource& source)
    : settings(std::move(settings)), source(source) {}

ProjectConverter::ProjectConverter(ConversionSettings given)
    : settings(std::move(given)), source(findProjectSource(settings.sourceProject)) {}

int ProjectConverter::run() {
  try {
    checkCompilerPersonality();
    return writeProject(readProject());
  } catch (const AsciiReaderError& error) {
    reportReadFailure(settings.sourceProject, error);
  } catch (const IOERROR& error) {
    reportWriteFailure(error);
  } catch (const std::bad_alloc&) {
    // Outside the reading and the writing of a file of its own (those say
    // which file): the project file stands for the run's output.
    reportWriteFailure(
        IOERROR(IOERROR::CannotWriteFile, settings.projectFilePath(), OutOfMemoryReason));
  }
  return 1;
}

void ProjectConverter::checkCompilerPersonality() const {
  const std::string& personality = settings.compilerPersonality;
  std::FILE* file = platform::openForReading(personality);
  if (file == nullptr) {
    if (personality.empty())
      warn("no compiler personality was given: \"-cp\" is missing");
    else
      warn("cannot open the compiler personality " + displayPath(personality) + ": " +
           platform::lastFailure() + "; the project names it all the same");
    printLine("Could not open file: " + personality);
    return;
  }
  std::fclose(file);
}

ProjectModel ProjectConverter::readProject() const {
  if (source.mplabX)
    return readMplabXProject(settings, source.mplabXSource);
  return readMcpProject(settings);
}

int ProjectConverter::writeProject(const ProjectModel& model) const {
  OutputPlan plan(settings, model);
  plan.refuseUnsafeOutputs();
  writeProjectFile(settings, model, plan);
  const std::string& database = settings.compilationDatabase;
  if (!database.empty()) {
    reportingOutOfMemory(database, [&] {
      writeCompilationDatabase(*model.rootGroup, settings.sourceProject, model.rules, database,
                               plan.outputs());
    });
  }
  printLine("Tarn/Tarn++ Project Completed!");
  return 0;
}
