#include "support/ParsedProject.h"

ParsedProject::ParsedProject(const std::string& mcpText, const std::string& extensions,
                             bool readSwitches) {
  writeBytes(dir.path() / "demo.mcp", mcpText);
  converter = std::make_unique<ProjectConverter>(dir.toolPath("demo.mcp"), dir.toolPath("out"));
  if (!extensions.empty())
    converter->addExtensions(extensions);
  converter->readSwitches = readSwitches;
  converter->readProject();
}
