#ifndef QUILLBROOK_CONVERSIONSETTINGS_H
#define QUILLBROOK_CONVERSIONSETTINGS_H

// What the command line asks of one conversion. The command line fills it;
// the readers and writers receive it and only read it.

#include <string>
#include <vector>

#include "settings/PathMap.h"

class ConversionSettings {
public:
  // Appends every comma-separated item of `text`, empty ones included.
  void addExtensions(const std::string& text);

  std::string getSourceProject() const { return sourceProject; }
  std::string getDestFolder() const { return destFolder; }
  std::string getProjectName() const { return projectName; }
  std::string getMessagePersonality() const { return messagePersonality; }
  std::string getAnalyserPersonality() const { return analyserPersonality; }
  std::string getCompilerPersonality() const { return compilerPersonality; }
  std::vector<std::string> getExtensions() const { return extensions; }
  bool getReadSwitches() const { return readSwitches; }
  // <destFolder>\<projectName>.prj
  std::string projectFilePath() const;

  // Both absolute tool paths.
  std::string sourceProject;
  std::string destFolder;
  std::string projectName;
  std::string messagePersonality;
  std::string analyserPersonality;
  std::string compilerPersonality;
  // "-ext" items in the order given; empty: every file.
  std::vector<std::string> extensions;
  // "-sw": take macros and include paths from -D and -I switches too.
  bool readSwitches = false;
  // Where "-cdb" asks for a compilation database; empty: none is written.
  std::string compilationDatabase;
  // "-conf": the MPLAB X configuration to convert; empty: the first one.
  std::string configuration;
  // "-map FROM=TO", in the order given.
  PathMap pathMap;
};

#endif
