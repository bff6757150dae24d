#include "support/ParsedProject.h"

ConversionSettings settingsFor(const std::string& sourceProject, const std::string& destFolder) {
  ConversionSettings settings;
  settings.sourceProject = sourceProject;
  settings.destFolder = destFolder;
  return settings;
}

ParsedProject::ParsedProject(const std::string& mcpText, const std::string& extensions,
                             bool readSwitches) {
  writeBytes(dir.path() / "demo.mcp", mcpText);
  ConversionSettings settings = settingsFor(dir.toolPath("demo.mcp"), dir.toolPath("out"));
  if (!extensions.empty())
    settings.addExtensions(extensions);
  settings.readSwitches = readSwitches;
  model = ProjectConverter(std::move(settings)).readProject();
}
