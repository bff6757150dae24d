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

#endif
