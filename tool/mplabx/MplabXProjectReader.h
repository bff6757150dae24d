#ifndef QUILLBROOK_MPLABXPROJECTREADER_H
#define QUILLBROOK_MPLABXPROJECTREADER_H

#include <set>
#include <string>
#include <vector>

#include <pugixml.hpp>

#include "model/ProjectFindings.h"
#include "mplabx/MplabXSource.h"

class ConversionSettings;
class FileFlagTable;
struct DatabaseRules;
class ProjectGroup;
struct ProjectModel;
struct CompileFlags;
struct CompilerSections;

// Reads an MPLAB X project (nbproject\configurations.xml) into the same
// group tree the .mcp reader fills: one group per logical folder that holds
// an accepted file, the chosen configuration's include folders and macros
// in the root group, and the compiler, device and per-file flags into the
// model's database rules.
class MplabXProjectReader {
public:
  MplabXProjectReader(const ConversionSettings& settings, const MplabXSource& source,
                      ProjectModel& model);

  // Raises AsciiReaderError: CannotOpen, with a reason when the file was
  // read but is no project or lacks the configuration asked for.
  void read();
  const ProjectFindings& getFindings() const { return findings; }

private:
  void load(pugi::xml_document& document);
  [[noreturn]] void stop(const std::string& reason) const;
  pugi::xml_node chooseConfiguration(pugi::xml_node confs) const;
  void readExclusions(pugi::xml_node conf);
  bool readFolder(pugi::xml_node folder, ProjectGroup& group, std::size_t depth,
                  std::size_t chain);
  // An attribute's or element's text; raises AsciiReaderError when it holds
  // a control character other than TAB. `what` names it in the reason.
  template <typename Node>
  std::string value(Node node, const char* what) const;
  void readItem(const std::string& itemPath, ProjectGroup& group);
  void readSettings(pugi::xml_node conf);
  CompileFlags sectionFlags(pugi::xml_node section, pugi::xml_node global) const;
  void readAdditionalOptions(pugi::xml_node section, bool everyFile);
  void readOverrides(pugi::xml_node conf, pugi::xml_node global);
  void fillRootGroup(const CompileFlags& flags);

  const ConversionSettings& settings;
  MplabXSource source;
  ProjectGroup& root;
  DatabaseRules& rules;
  FileFlagTable& flagTable;
  const CompilerSections* sections;
  // C++ files have a section of their own, so the C section's additional
  // options are not theirs.
  bool separateCpp;
  std::vector<std::string> upperExtensions;
  // The raw item paths the chosen configuration excludes.
  std::set<std::string> excluded;
  ProjectFindings findings;
};

// The <conf name=...> values of configurations.xml, in file order. Raises
// AsciiReaderError as reading the project does.
std::vector<std::string> readConfigurationNames(const MplabXSource& source);

// The MPLAB X reader as one step of the pass: the project read into a
// model, "-map" applied and what was found amiss warned about. Raises
// AsciiReaderError.
ProjectModel readMplabXProject(const ConversionSettings& settings, const MplabXSource& source);

#endif
