#ifndef QUILLBROOK_MCPREADER_H
#define QUILLBROOK_MCPREADER_H

// The .mcp reader as one step of the pass: the project file named by the
// settings, read into a project model.

#include <string>

class ConversionSettings;
struct ProjectModel;

// The root group's name: the project file name less its last four
// characters (the length of ".mcp"), whatever they are.
std::string rootGroupName(const std::string& sourceProject);

// The file name of `sourceProject` cut before its last dot: the Tarn
// project's name when "-pn" gives none.
std::string defaultProjectName(const std::string& sourceProject);

// Reads the .mcp, applies "-map" and warns about what it found amiss.
// Raises AsciiReaderError.
ProjectModel readMcpProject(const ConversionSettings& settings);

#endif
