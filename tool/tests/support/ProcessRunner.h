#ifndef QUILLBROOK_TESTS_PROCESSRUNNER_H
#define QUILLBROOK_TESTS_PROCESSRUNNER_H

#include <string>
#include <vector>

struct ProcessResult {
  // The exit status; -1 when the program did not exit normally.
  int exitCode = -1;
  // Everything the program wrote to standard output.
  std::string output;
  // Everything the program wrote to standard error.
  std::string errors;
};

// Runs `program` with `arguments` in `workingDirectory` and waits for it.
ProcessResult runProcess(const std::string& program,
                         const std::vector<std::string>& arguments,
                         const std::string& workingDirectory);

#endif
