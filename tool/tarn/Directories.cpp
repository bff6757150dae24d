#include "tarn/Directories.h"

#include "io/Errors.h"
#include "platform/Platform.h"

void ensureDirectory(const std::string& path) {
  // Making it answers whether it exists, so no test comes first.
  if (platform::makeDirectory(path) == platform::MakeDirectoryResult::Failed)
    throw IOERROR(IOERROR::CannotCreateDirectory, path, platform::lastFailure());
}
