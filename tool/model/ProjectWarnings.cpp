#include "model/ProjectWarnings.h"

#include "io/Console.h"
#include "model/ProjectFindings.h"

namespace {

std::string joined(const std::vector<std::string>& items) {
  std::string text;
  for (std::size_t i = 0; i < items.size(); ++i)
    text += (i == 0 ? "" : ",") + items[i];
  return text;
}

void warnIfNoMplabProject(const std::string& sourceProject, const ProjectFindings& findings) {
  if (!findings.headerSeen)
    warn(sourceProject + " has no \"[HEADER]\" line: probably not an MPLAB project");
  else if (!findings.fileOrPathInfoSeen)
    warn(sourceProject +
         " has neither \"[FILE_INFO]\" nor \"[PATH_INFO]\": probably not an MPLAB project");
}

void warnAboutFilesAndSwitches(const std::vector<std::string>& extensions,
                               const ProjectFindings& findings) {
  if (findings.listedFiles > 0 && findings.acceptedFiles == 0)
    warn("the extension filter \"" + joined(extensions) + "\" kept none of the " +
         std::to_string(findings.listedFiles) + " files the project lists");
  if (findings.unreadSwitches > 0)
    warn("the tool settings hold " + std::to_string(findings.unreadSwitches) +
         " -D/-I compiler switches that were not read; \"-sw\" reads them");
}

}  // namespace

void warnAboutProject(const std::string& sourceProject, const std::vector<std::string>& extensions,
                      const ProjectFindings& findings) {
  warnIfNoMplabProject(sourceProject, findings);
  warnAboutFilesAndSwitches(extensions, findings);
}

void warnAboutMplabXProject(const std::vector<std::string>& extensions,
                            const ProjectFindings& findings) {
  warnAboutFilesAndSwitches(extensions, findings);
}
