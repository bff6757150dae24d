#include "ProjectConverter.h"

#include <cstdio>

#include "Console.h"
#include "Errors.h"
#include "ProjectWarnings.h"
#include "TextOps.h"
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
      rootGroup(std::make_unique<ProjectGroup>(rootGroupName(sourceProject), this)) {}

void ProjectConverter::addExtensions(const std::string& text) {
  for (const std::string& item : splitAll(text, ','))
    extensions.push_back(item);
}

int ProjectConverter::run() {
  try {
    checkCompilerPersonality();
    readProject();
    return writeProject();
  } catch (const AsciiReaderError&) {
    printLine("Could not open file: " + sourceProject);
  } catch (const IOERROR& error) {
    if (error.getCode() == IOERROR::CannotCreateDirectory)
      printLine("Could not create directory: " + error.getPath());
    else
      printLine("Could not write file: " + error.getPath());
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
  rootGroup->sourcePath = sourceProject.substr(0, sourceProject.rfind('\\') + 1);
  parser.setRootGroup(rootGroup.get());
  parser.setConverter(this);
  parser.setExtensions(extensions);
  parser.open(*this);
  parser.parse();
  warnAboutProject(sourceProject, extensions, parser.getFindings());
}
