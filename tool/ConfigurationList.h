#ifndef QUILLBROOK_CONFIGURATIONLIST_H
#define QUILLBROOK_CONFIGURATIONLIST_H

// The answer to "--configurations PROJECT": the names of an MPLAB X
// project's configurations, so the wizard offers what the tool will accept.

#include <string>
#include <vector>

// The <conf name=...> values of the MPLAB X project at `sourceProject` (an
// absolute tool path: its folder or its configurations.xml), in file order;
// none for an .mcp file, which has one build. Raises AsciiReaderError for a
// path that is neither, or a configurations.xml that cannot be read.
std::vector<std::string> configurationNames(const std::string& sourceProject);

// Prints those names, one per line, and returns the exit status: 0, or 1
// after the usual project-file failure lines.
int printConfigurations(const std::string& sourceProject);

#endif
