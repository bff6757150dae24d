#ifndef QUILLBROOK_PROJECTGROUP_H
#define QUILLBROOK_PROJECTGROUP_H

#include <memory>
#include <string>
#include <vector>

#include "model/DefineTable.h"
#include "model/FileList.h"

// One sub-project of the Tarn project: the root group stands for the whole
// MPLAB project, each child for one MPLAB folder. The reader fills the
// fields directly; the writers only read them.
class ProjectGroup {
public:
  explicit ProjectGroup(const std::string& name);

  ProjectGroup(const ProjectGroup&) = delete;
  ProjectGroup& operator=(const ProjectGroup&) = delete;

  // True when the group has include paths or defines of its own, and so
  // its own analyser personality.
  bool hasSettings() const { return !includePaths.empty() || !defines.empty(); }
  // Where the group keeps its own analyser personality when it has include
  // paths or defines.
  std::string ownAnalyserPersonality(const std::string& groupFolder) const;

  std::string sourcePath;
  std::string name;
  FileList files;
  FileList includePaths;
  DefineTable defines;
  // Include folders MPLAB finds from the sources' own folders
  // (BuildDirIsSourceDir); written after the definitions.
  std::vector<std::string> sourceFolderIncludes;
  std::vector<std::unique_ptr<ProjectGroup>> children;
};

#endif
