#ifndef QUILLBROOK_PROJECTCONVERTER_H
#define QUILLBROOK_PROJECTCONVERTER_H

// Runs one conversion front to back: settings -> reader -> project model ->
// output plan -> writers, and turns a failure that stops it into one
// console line. It holds the settings and nothing a stage reaches back for.

#include <string>

#include "model/ProjectModel.h"
#include "mplabx/MplabXSource.h"
#include "settings/ConversionSettings.h"

// What the source argument names, found out once a run: the default name
// and the reader both follow it.
struct ProjectSource {
  bool mplabX = false;
  MplabXSource mplabXSource;
};

ProjectSource findProjectSource(const std::string& sourceProject);

class ProjectConverter {
public:
  ProjectConverter(ConversionSettings settings, const ProjectSource& source);
  // Finds out what the settings' source names.
  explicit ProjectConverter(ConversionSettings settings);

  ProjectConverter(const ProjectConverter&) = delete;
  ProjectConverter& operator=(const ProjectConverter&) = delete;

  // Performs the conversion and reports its failures; the exit status.
  int run();
  // A notice, not a failure, when the compiler personality cannot be read.
  void checkCompilerPersonality() const;
  // The project read by the reader its source calls for, "-map" applied.
  // Raises AsciiReaderError.
  ProjectModel readProject() const;
  // Checks the output plan, then writes the .prj file, the folders, the
  // personality files and, with "-cdb", the database. Raises IOERROR.
  int writeProject(const ProjectModel& model) const;

  const ConversionSettings& getSettings() const { return settings; }

private:
  const ConversionSettings settings;
  const ProjectSource source;
};

// The answer to "--configurations PROJECT" (an absolute tool path): the
// configuration names of an MPLAB X project, one a line, none for an .mcp
// file, which has one build; the exit status, 1 after the usual
// project-file failure lines for a path that is neither.
int printConfigurations(const std::string& sourceProject);

// The project name used without "-pn": an MPLAB X project's folder name
// less ".X", an .mcp file's name cut before its last dot.
std::string defaultName(const std::string& sourceProject, const ProjectSource& source);

#endif
