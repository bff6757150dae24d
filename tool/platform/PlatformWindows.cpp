// Windows hosts: the tool's backslash paths are already the host's, so they
// go to the C runtime unchanged. Every drive keeps its own current
// directory, which the runtime looks up when a drive is made current.

#include "platform/Platform.h"

#include <direct.h>
#include <errno.h>
#include <fcntl.h>
#include <io.h>
#include <share.h>
#include <stdio.h>
#include <stdlib.h>

namespace {

// 1 for A: up to 26 for Z:, 0 when `letter` names no drive.
int driveNumber(char letter) {
  if (letter >= 'A' && letter <= 'Z')
    return letter - 'A' + 1;
  if (letter >= 'a' && letter <= 'z')
    return letter - 'a' + 1;
  return 0;
}

}  // namespace

namespace platform {

std::string pathArgument(const std::string& argument) {
  return argument;
}

std::string hostPath(const std::string& path) {
  return path;
}

std::string currentDirectory() {
  char* buffer = _getcwd(nullptr, 0);
  if (buffer == nullptr)
    return std::string();
  const std::string directory(buffer);
  free(buffer);
  return directory;
}

bool changeDrive(const std::string& drive) {
  if (drive.size() != 2 || drive[1] != ':')
    return false;
  const int number = driveNumber(drive[0]);
  // Checked here because the runtime treats a number outside 1..26 as a
  // programming error and ends the process.
  if (number == 0)
    return false;
  return _chdrive(number) == 0;
}

void restoreDirectory(const std::string& directory) {
  // Changing the directory, not only the drive: a drive whose own directory
  // the system does not remember would otherwise come back at its root.
  _chdir(directory.c_str());
}

bool exists(const std::string& path) {
  return _access(path.c_str(), 0) == 0;
}

MakeDirectoryResult makeDirectory(const std::string& path) {
  if (_mkdir(path.c_str()) == 0)
    return MakeDirectoryResult::Made;
  return errno == EEXIST ? MakeDirectoryResult::AlreadyExists
                         : MakeDirectoryResult::Failed;
}

// The system refuses to open a folder as a file, so no extra check is needed
// for that case.
std::FILE* openForReading(const std::string& path) {
  return _fsopen(path.c_str(), "rb", _SH_DENYNO);
}

std::FILE* openForWriting(const std::string& path) {
  return _fsopen(path.c_str(), "wb", _SH_DENYNO);
}

void prepareConsole() {
  _setmode(_fileno(stdout), _O_BINARY);
}

}  // namespace platform
