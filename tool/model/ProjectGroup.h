#ifndef QUILLBROOK_PROJECTGROUP_H
#define QUILLBROOK_PROJECTGROUP_H

#include <map>
#include <memory>
#include <string>
#include <vector>

class ProjectConverter;
class TextFileWriter;

// One sub-project of the Tarn project: the root group stands for the whole
// MPLAB project, each child for one MPLAB folder. The reader fills the
// fields directly; the writers only read them.
class ProjectGroup {
public:
  ProjectGroup(const std::string& name, ProjectConverter* converter);

  ProjectGroup(const ProjectGroup&) = delete;
  ProjectGroup& operator=(const ProjectGroup&) = delete;

  // Writes this group's block into the project file, making its folders
  // and personality files, then the blocks of its children.
  void writeGroup(TextFileWriter& out, const std::string& relativePath,
                  std::string inheritedAnalyserPersonality);

  // Makes one directory level, accepting an existing one.
  static void ensureDirectory(const std::string& path);

  // The three take the open project file to flush it before they make a
  // folder, open a file or print a line.
  std::string resolveMessagePersonality(TextFileWriter& out);
  std::string resolveAnalyserPersonality(TextFileWriter& out,
                                         const std::string& relativePath,
                                         const std::string& inheritedAnalyserPersonality,
                                         const std::string& groupFolder);
  std::string resolveCompilerPersonality(TextFileWriter& out);
  void writeAnalyserPersonality(const std::string& path);
  // True when the group has include paths or defines of its own, and so
  // its own analyser personality.
  bool hasSettings() const { return !includePaths.empty() || !defines.empty(); }
  // Where the group keeps its own analyser personality when it has include
  // paths or defines.
  std::string ownAnalyserPersonality(const std::string& groupFolder) const;

  std::string sourcePath;
  ProjectConverter* converter;
  std::string name;
  std::vector<std::string> files;
  std::vector<std::string> includePaths;
  std::map<std::string, std::string> defines;
  // Include folders MPLAB finds from the sources' own folders
  // (BuildDirIsSourceDir); written after the definitions.
  std::vector<std::string> sourceFolderIncludes;
  std::vector<std::unique_ptr<ProjectGroup>> children;

private:
  std::string composeBase(const std::string& relativePath) const;
  void makeGroupFolders(const std::string& base, const std::string& groupFolder);
  void writeChildren(TextFileWriter& out, const std::string& relativePath,
                     const std::string& inheritedAnalyserPersonality);
  std::string inheritedAnalyserFile(const std::string& relativePath,
                                    const std::string& inheritedAnalyserPersonality);
  void createSharedAnalyserFile(const std::string& path);
  void appendAnalyserTemplate(TextFileWriter& file);
};

#endif
