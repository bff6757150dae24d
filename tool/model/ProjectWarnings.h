#ifndef QUILLBROOK_PROJECTWARNINGS_H
#define QUILLBROOK_PROJECTWARNINGS_H

#include <string>
#include <vector>

struct ProjectFindings;

// Warns on standard error about what the reader found amiss in the project
// file at `sourceProject`, read with the extension list `extensions`: a file
// that is probably no MPLAB project, a filter that kept no file, and
// compiler switches left unread.
void warnAboutProject(const std::string& sourceProject, const std::vector<std::string>& extensions,
                      const ProjectFindings& findings);

// The same for an MPLAB X project, less the test for a project file: its
// reader stops the run when the file is no project.
void warnAboutMplabXProject(const std::vector<std::string>& extensions,
                            const ProjectFindings& findings);

#endif
