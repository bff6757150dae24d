#include "io/FailureReport.h"

#include "io/Console.h"
#include "io/Errors.h"

namespace {

// A NUL byte cuts a name short at the host, so the system's reason would
// name the wrong thing.
std::string writeReason(const IOERROR& error) {
  if (error.getPath().find('\0') != std::string::npos)
    return "a name from the project file holds a NUL byte, which no file or folder name can "
           "hold";
  return error.getReason();
}

}  // namespace

void reportReadFailure(const std::string& sourceProject, const AsciiReaderError& error) {
  const std::string file = error.path.empty() ? sourceProject : error.path;
  const char* what =
      error.code == AsciiReaderError::CannotOpen ? "cannot open" : "cannot read";
  if (error.code == AsciiReaderError::NotConvertible)
    reportError(error.reason);
  else
    reportError(std::string(what) + " the project file " + displayPath(file) + ": " +
                error.reason);
  printLine("Could not open file: " + file);
}

void reportWriteFailure(const IOERROR& error) {
  const std::string path = error.getPath();
  if (error.getCode() == IOERROR::CannotExamine) {
    reportError("cannot examine " + displayPath(path) + ": " + writeReason(error));
    printLine("Could not open file: " + path);
    return;
  }
  if (error.getCode() == IOERROR::CannotCreateDirectory) {
    reportError("cannot create folder " + displayPath(path) + ": " + writeReason(error));
    printLine("Could not create directory: " + path);
    return;
  }
  reportError("cannot write file " + displayPath(path) + ": " + writeReason(error));
  printLine("Could not write file: " + path);
}
