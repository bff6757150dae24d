#ifndef QUILLBROOK_TESTS_RUNQUILLBROOK_H
#define QUILLBROOK_TESTS_RUNQUILLBROOK_H

#include <string>
#include <vector>

#include "support/ProcessRunner.h"
#include "support/TestFiles.h"

// Runs the built tool the way a user or the wizard does.
inline ProcessResult runQuillbrook(const std::vector<std::string>& arguments,
                                   const std::filesystem::path& workingDirectory) {
  return runProcess(QUILLBROOK_EXE, arguments, workingDirectory.string());
}

// A path as given on the command line: the host's own form.
inline std::string arg(const std::filesystem::path& path) {
  return path.string();
}

#ifndef _WIN32
// Runs a shell script in `folder` with the tool's path in $Q, for what a
// plain start cannot set up (a current directory that is gone).
inline ProcessResult runShell(const std::string& script, const std::filesystem::path& folder) {
  return runProcess("/bin/sh", {"-c", "Q='" QUILLBROOK_EXE "'; " + script}, folder.string());
}
#endif

#endif
