#ifndef QUILLBROOK_TESTS_PARSEDPROJECT_H
#define QUILLBROOK_TESTS_PARSEDPROJECT_H

#include <memory>
#include <string>

#include "driver/ProjectConverter.h"
#include "support/TestFiles.h"

// Settings as the command line leaves them for these two paths, before any
// option.
ConversionSettings settingsFor(const std::string& sourceProject, const std::string& destFolder);

// An MPLAB project file written into a fresh folder and read into the model
// the way a run reads it.
class ParsedProject {
public:
  ParsedProject(const std::string& mcpText, const std::string& extensions = "",
                bool readSwitches = false);

  ProjectGroup& root() { return *model.rootGroup; }
  ProjectGroup& child(std::size_t index) { return *root().children.at(index); }
  // The folder of the project file, ending in a backslash.
  std::string folder() const { return dir.toolPath() + "\\"; }

  TempDir dir;
  ProjectModel model;
};

#endif
