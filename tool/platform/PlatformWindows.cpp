// Windows hosts: the tool's backslash paths are already the host's, so they
// go to the C runtime unchanged. Every drive keeps its own current
// directory, which the runtime looks up when a drive is made current.

#include "platform/Platform.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <direct.h>
#include <errno.h>
#include <fcntl.h>
#include <io.h>
#include <share.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/types.h>

#include "platform/HostGuard.h"
#include "platform/WindowsNames.h"

namespace {

// 1 for A: up to 26 for Z:, 0 when `letter` names no drive.
int driveNumber(char letter) {
  if (letter >= 'A' && letter <= 'Z')
    return letter - 'A' + 1;
  if (letter >= 'a' && letter <= 'z')
    return letter - 'a' + 1;
  return 0;
}

// The file's volume serial number and file index, which together name it
// whatever path leads to it. Folders are opened too (backup semantics).
bool identity(const std::string& path, BY_HANDLE_FILE_INFORMATION& info) {
  if (platform::holdsNul(path))
    return false;
  const HANDLE handle = CreateFileA(path.c_str(), 0,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (handle == INVALID_HANDLE_VALUE)
    return false;
  const bool known = GetFileInformationByHandle(handle, &info) != 0;
  CloseHandle(handle);
  return known;
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
  if (holdsNul(directory))
    return;
  // Changing the directory, not only the drive: a drive whose own directory
  // the system does not remember would otherwise come back at its root.
  _chdir(directory.c_str());
}

bool exists(const std::string& path) {
  return !holdsNul(path) && _access(path.c_str(), 0) == 0;
}

bool hasDrives() {
  return true;
}

// Windows names ignore letter case, so a path that differs only in case
// already reaches its file.
std::string matchLetterCase(const std::string& path) {
  return path;
}

MakeDirectoryResult makeDirectory(const std::string& path) {
  if (refused(HostCall::MakeDirectory, path))
    return MakeDirectoryResult::Failed;
  if (_mkdir(path.c_str()) == 0)
    return MakeDirectoryResult::Made;
  // Some hosts refuse an existing folder with another error (a drive root,
  // a read-only share); what exists counts as already made. The test must
  // not change the reason the failure is reported with.
  const int error = errno;
  if (error == EEXIST || exists(path))
    return MakeDirectoryResult::AlreadyExists;
  errno = error;
  return MakeDirectoryResult::Failed;
}

// The system refuses to open a folder as a file, so no extra check is needed
// for that case.
std::FILE* openForReading(const std::string& path) {
  if (refused(HostCall::OpenForReading, path))
    return nullptr;
  return _fsopen(path.c_str(), "rb", _SH_DENYNO);
}

std::FILE* openForWriting(const std::string& path) {
  if (refused(HostCall::OpenForWriting, path))
    return nullptr;
  return _fsopen(path.c_str(), "wb", _SH_DENYNO);
}

std::string nameRule(const std::string& component) {
  return windowsNameRule(component);
}

bool namesIgnoreCase() {
  return true;
}

bool sameFile(const std::string& first, const std::string& second) {
  BY_HANDLE_FILE_INFORMATION one;
  BY_HANDLE_FILE_INFORMATION other;
  return identity(first, one) && identity(second, other) &&
         one.dwVolumeSerialNumber == other.dwVolumeSerialNumber &&
         one.nFileIndexHigh == other.nFileIndexHigh && one.nFileIndexLow == other.nFileIndexLow;
}

bool hasContent(const std::string& path) {
  struct _stat64 info;
  return !holdsNul(path) && _stat64(path.c_str(), &info) == 0 &&
         (info.st_mode & _S_IFMT) == _S_IFREG && info.st_size > 0;
}

// Windows has no SIGPIPE: a write to a closed pipe fails and is ignored.
// Both channels end their lines in one LF, as on every host.
void prepareConsole() {
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
}

}  // namespace platform
