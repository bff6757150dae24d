#ifndef QUILLBROOK_OUTPUTPLAN_H
#define QUILLBROOK_OUTPUTPLAN_H

// Every path one run will write, known before anything is made: checked
// against the run's inputs and against each other, and the record of what
// exists on the way, so no file the user has is lost.

#include <string>
#include <unordered_map>
#include <unordered_set>

#include "io/OutputGuard.h"

class ConversionSettings;
class ProjectGroup;
struct ProjectModel;

class OutputPlan {
public:
  OutputPlan(const ConversionSettings& settings, const ProjectModel& model);

  OutputPlan(const OutputPlan&) = delete;
  OutputPlan& operator=(const OutputPlan&) = delete;

  // Before anything is created: raises IOERROR OutputIsInput for the first
  // file the run would write that is one of its inputs or an earlier output,
  // and IOERROR for the first name it would create that the host cannot
  // hold. Records the inputs with the guard, which checks each file again
  // when it is opened.
  void refuseUnsafeOutputs();

  // Before a group's folders are made: raises IOERROR CannotCreateDirectory
  // when a link that appeared since the check would lead them elsewhere.
  void refuseMovedFolder(const std::string& groupFolder) const;

  // What every file of the run is opened through.
  OutputGuard& outputs() { return guard; }

  // True when anything stands at `path`. A path found or made once is not
  // tested again: a run never removes anything. Raises IOERROR
  // CannotWriteFile when the host cannot tell.
  bool pathExists(const std::string& path);
  // True when `path` is a file holding bytes, which the run keeps. Raises
  // IOERROR CannotWriteFile when the host cannot tell.
  bool holdsUserContent(const std::string& path) const;
  void notePathMade(const std::string& path);
  // True the first time a default personality file is asked for: each is
  // made once a run, by the first group that names it.
  bool defaultIsDue(const std::string& path);

private:
  void noteLandings(const ProjectGroup& group, const std::string& base);

  const ConversionSettings& settings;
  const ProjectModel& model;
  std::unordered_set<std::string> existingPaths;
  std::unordered_set<std::string> madeDefaults;
  OutputGuard guard;
  // Where each group folder landed when the run was checked.
  std::unordered_map<std::string, std::string> folderLandings;
};

#endif
