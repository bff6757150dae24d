#include "io/OutputGuard.h"

#include "io/Console.h"
#include "io/Errors.h"

void OutputGuard::addInput(const std::string& path, const std::string& role) {
  if (path.empty())
    return;
  platform::FileIdentity identity;
  const platform::PathState state = platform::identityOf(path, identity);
  if (state == platform::PathState::Unknown)
    throw IOERROR(IOERROR::CannotExamine, path, platform::lastFailure());
  if (state == platform::PathState::Present)
    known.push_back({identity, path, role, true});
}

std::FILE* OutputGuard::open(const std::string& path) {
  platform::FileIdentity identity;
  std::FILE* file = platform::openForWriting(path, identity);
  if (file == nullptr)
    throw IOERROR(IOERROR::CannotWriteFile, path, platform::lastFailure());
  for (const Known& other : known) {
    if (!(other.identity == identity))
      continue;
    std::fclose(file);
    throw IOERROR(IOERROR::OutputIsInput, path,
                  "it is the " + other.role + " " + displayPath(other.path) +
                      (other.input ? ", an input of this run" : ", written earlier in this run") +
                      "; it was left as it was, choose another destination, name or path");
  }
  if (!platform::truncateFile(file)) {
    const std::string reason = platform::lastFailure();
    std::fclose(file);
    throw IOERROR(IOERROR::CannotWriteFile, path, reason);
  }
  known.push_back({identity, path, "file", false});
  return file;
}
