#ifndef QUILLBROOK_GROUPWRITER_H
#define QUILLBROOK_GROUPWRITER_H

// Writes the Tarn project file: one block per group, nested for children,
// with the group folders made in the destination tree on the way.

#include <string>

class ConversionSettings;
class OutputPlan;
class Personalities;
class ProjectGroup;
struct ProjectModel;
class TextFileWriter;

class GroupWriter {
public:
  GroupWriter(const ConversionSettings& settings, const OutputPlan& plan,
              Personalities& personalities);

  // Writes the group's block into the project file, making its folders
  // and personality files, then the blocks of its children.
  void writeGroup(const ProjectGroup& group, TextFileWriter& out, const std::string& relativePath,
                  const std::string& inheritedAnalyserPersonality);

private:
  std::string composeBase(const std::string& relativePath) const;
  void makeGroupFolders(const ProjectGroup& group, const std::string& base,
                        const std::string& groupFolder);
  void writeChildren(const ProjectGroup& group, TextFileWriter& out,
                     const std::string& relativePath,
                     const std::string& inheritedAnalyserPersonality);

  const ConversionSettings& settings;
  const OutputPlan& plan;
  Personalities& personalities;
};

// The project file <dest>\<name>.prj with every group's block, folders and
// personalities. Raises IOERROR.
void writeProjectFile(const ConversionSettings& settings, const ProjectModel& model,
                      OutputPlan& plan);

#endif
