#include "mcp/McpReader.h"

#include <memory>
#include <new>
#include <utility>

#include "io/Console.h"
#include "io/Errors.h"
#include "mcp/MplabProjectParser.h"
#include "mcp/SourceFolders.h"
#include "model/ProjectModel.h"
#include "model/ProjectWarnings.h"
#include "settings/ConversionSettings.h"

namespace {

void parseInto(const ConversionSettings& settings, ProjectModel& model) {
  MplabProjectParser parser;
  parser.setRootGroup(model.rootGroup.get());
  parser.setSettings(&settings);
  parser.setExtensions(settings.extensions);
  parser.open(settings.sourceProject);
  parser.parse();
  warnAboutProject(settings.sourceProject, settings.extensions, parser.getFindings());
  ProjectBuild build = parser.takeBuild();
  model.rules.compiler = mcpCompiler(build.toolchain);
  model.rules.device = build.toolchain.device;
  model.rules.sourceDirBuilds = build.sourceDirBuilds;
  model.rules.includeLines = std::move(build.includeLines);
}

}  // namespace

std::string rootGroupName(const std::string& sourceProject) {
  const std::string name = sourceProject.substr(sourceProject.rfind('\\') + 1);
  if (name.size() < 4)
    return name;
  return name.substr(0, name.size() - 4);
}

std::string defaultProjectName(const std::string& sourceProject) {
  const std::string name = sourceProject.substr(sourceProject.rfind('\\') + 1);
  const std::string::size_type dot = name.rfind('.');
  return dot == std::string::npos ? name : name.substr(0, dot);
}

ProjectModel readMcpProject(const ConversionSettings& settings) {
  if (!settings.configuration.empty())
    warn("\"-conf " + settings.configuration + "\" was ignored: only MPLAB X projects have "
         "configurations");
  const std::string& source = settings.sourceProject;
  ProjectModel model;
  try {
    model.rootGroup = std::make_unique<ProjectGroup>(rootGroupName(source));
    model.input = source;
    model.rootGroup->sourcePath = source.substr(0, source.rfind('\\') + 1);
    parseInto(settings, model);
  } catch (const std::bad_alloc&) {
    throw AsciiReaderError(AsciiReaderError::OutOfMemory, OutOfMemoryReason);
  }
  mapProjectPaths(settings.pathMap, model);
  if (model.rules.sourceDirBuilds)
    model.rootGroup->sourceFolderIncludes =
        sourceFolderIncludes(*model.rootGroup, model.rules.includeLines);
  return model;
}
