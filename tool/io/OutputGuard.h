#ifndef QUILLBROOK_OUTPUTGUARD_H
#define QUILLBROOK_OUTPUTGUARD_H

// The last word on every file a run writes: it is opened without being
// truncated, and what was opened is compared, by identity, with the run's
// inputs and with every file the run opened before; only then is it emptied.
// However an output is spelt, and whatever link appeared on its way since
// the run was checked, it cannot replace an input or an earlier output.

#include <cstdio>
#include <string>
#include <vector>

#include "platform/Platform.h"

class OutputGuard {
public:
  // Records the input at `path`, named by `role` in a refusal; nothing when
  // nothing stands there. Raises IOERROR CannotExamine when that cannot be
  // told.
  void addInput(const std::string& path, const std::string& role);

  // The file at `path`, open for writing and empty. Raises IOERROR
  // CannotWriteFile when it cannot be opened or emptied, and OutputIsInput,
  // leaving its bytes as they were, when it is an input or was opened
  // before in this run.
  std::FILE* open(const std::string& path);

private:
  struct Known {
    platform::FileIdentity identity;
    std::string path;
    std::string role;
    bool input;
  };
  std::vector<Known> known;
};

#endif
