#ifndef QUILLBROOK_PROJECTCONVERTER_H
#define QUILLBROOK_PROJECTCONVERTER_H

#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

#include "database/DatabaseEntry.h"
#include "mcp/MplabProjectParser.h"
#include "mplabx/MplabXSource.h"
#include "settings/PathMap.h"
#include "model/ProjectGroup.h"

// The template analyser personality as its copies must hold it, read once
// before any personality file is written.
struct AnalyserTemplate {
  bool readable = false;
  std::string text;
  // Why it could not be read, in the system's words.
  std::string failure;
};

// The settings of one conversion, the group tree that mirrors the MPLAB
// project, and the reader that fills it.
class ProjectConverter {
public:
  // Both paths are already absolute.
  ProjectConverter(const std::string& sourceProject, const std::string& destFolder);

  ProjectConverter(const ProjectConverter&) = delete;
  ProjectConverter& operator=(const ProjectConverter&) = delete;

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
  ProjectGroup* getRootGroup() const { return rootGroup.get(); }
  // True when the source argument names an MPLAB X project, not an .mcp.
  bool isMplabX() const { return mplabX; }
  // The file the project is read from: the .mcp, or configurations.xml.
  std::string projectInput() const;
  // The project name used without "-pn".
  std::string defaultName() const;
  // What the MPLAB X reader found for the database: compiler, device and
  // each file's flags.
  DatabaseRules& getMplabXRules() { return mplabXRules; }
  const FileFlagTable& getFileFlags() const { return mplabXRules.fileFlags; }
  const AnalyserTemplate& getAnalyserTemplate() const { return analyserTemplate; }

  // Performs the conversion and reports its failures; the exit status.
  int run();
  void checkCompilerPersonality();
  // Reads the MPLAB project into the group tree, then applies "-map".
  // Raises AsciiReaderError.
  void readProject();
  void readMcpProject();
  void readMplabXProject();
  // What the database needs to know of the project's build.
  DatabaseRules databaseRules() const;
  // Writes the .prj file, the folders and the personality files. Raises
  // IOERROR.
  int writeProject();
  // Before anything is created: raises IOERROR OutputIsInput for the first
  // file the run would write that is one of its inputs or an earlier output,
  // and IOERROR for the first name it would create that the host cannot
  // hold.
  void refuseUnsafeOutputs() const;
  std::string projectFilePath() const;
  // True when anything stands at `path`. A path found or made once is not
  // tested again: a run never removes anything.
  bool pathExists(const std::string& path);
  void notePathMade(const std::string& path);
  // True the first time a default personality file is asked for: each is
  // made once a run, by the first group that names it.
  bool defaultIsDue(const std::string& path);

  // Written by the command line.
  std::string projectName;
  std::string messagePersonality;
  std::string analyserPersonality;
  std::string compilerPersonality;
  // "-sw": take macros and include paths from -D and -I switches too.
  bool readSwitches = false;
  // Where "-cdb" asks for a compilation database; empty: none is written.
  std::string compilationDatabase;
  // "-conf": the MPLAB X configuration to convert; empty: the first one.
  std::string configuration;
  // "-map FROM=TO", in the order given.
  PathMap pathMap;

private:
  std::string sourceProject;
  std::string destFolder;
  std::vector<std::string> extensions;
  // Filled by the constructor's test, before `mplabX` is set from it.
  MplabXSource mplabXSource;
  bool mplabX;
  std::unique_ptr<ProjectGroup> rootGroup;
  MplabProjectParser parser;
  DatabaseRules mplabXRules;
  AnalyserTemplate analyserTemplate;
  std::unordered_set<std::string> existingPaths;
  // The default personality files made so far; each is made once a run.
  std::unordered_set<std::string> madeDefaults;
};

// The root group's name: the project file name less its last four
// characters (the length of ".mcp"), whatever they are.
std::string rootGroupName(const std::string& sourceProject);

#endif
