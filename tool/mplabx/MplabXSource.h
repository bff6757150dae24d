#ifndef QUILLBROOK_MPLABXSOURCE_H
#define QUILLBROOK_MPLABXSOURCE_H

// Tells an MPLAB X project from an .mcp file by the source argument alone.

#include <string>

struct MplabXSource {
  // The folder that holds nbproject\, without a trailing separator; item
  // paths and include folders are relative to it.
  std::string projectFolder;
  // Its nbproject\configurations.xml.
  std::string configurations;
  // Why the host could not tell whether `configurations` exists; empty
  // when it could. Reading the project then stops with this reason.
  std::string failure;
};

// True when `source` (an absolute tool path) names an MPLAB X project: a
// file named configurations.xml (any case), or a folder that holds
// nbproject\configurations.xml. A configurations.xml in the private folder
// of nbproject stands for the project's own one, which is read instead: the
// private one holds only one user's settings.
bool findMplabXSource(const std::string& source, MplabXSource& found);

// The project folder's name less a final ".X" or ".x".
std::string mplabXProjectName(const std::string& projectFolder);

#endif
