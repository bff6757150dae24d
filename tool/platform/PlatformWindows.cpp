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

platform::FileIdentity identityFrom(const BY_HANDLE_FILE_INFORMATION& info) {
  return platform::FileIdentity{
      info.dwVolumeSerialNumber,
      (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow};
}

// Only "no such file or folder" is absence, in each of the ways Windows
// says it (no drive, no share, a name or path it cannot hold, a drive with
// no medium); errno carries the rest.
platform::PathState stateOfError(DWORD error) {
  switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_NOT_READY:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_FILENAME_EXCED_RANGE:
    case ERROR_DIRECTORY:
      return platform::PathState::Absent;
    default:
      break;
  }
  errno = error == ERROR_ACCESS_DENIED ? EACCES : EIO;
  return platform::PathState::Unknown;
}

std::wstring wide(const std::string& text) {
  const int size = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                                       nullptr, 0);
  std::wstring converted(static_cast<std::size_t>(size), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), &converted[0], size);
  return converted;
}

// `path` with "." and ".." applied as Windows applies them, in the long
// form when it is still too long for the plain one. A path that names a
// file through "..\.." may pass 260 characters on the way and not at the
// end; the ANSI calls would give up on it, the wide ones do not.
std::wstring fullPath(const std::string& path) {
  const std::wstring given = wide(path);
  std::wstring full(given.size() + MAX_PATH, L'\0');
  DWORD size = GetFullPathNameW(given.c_str(), static_cast<DWORD>(full.size()), &full[0], nullptr);
  if (size >= full.size()) {
    full.resize(size);
    size = GetFullPathNameW(given.c_str(), static_cast<DWORD>(full.size()), &full[0], nullptr);
  }
  if (size == 0 || size >= full.size())
    return given;
  full.resize(size);
  if (full.size() < MAX_PATH || full.compare(0, 4, L"\\\\?\\") == 0)
    return full;
  if (full.compare(0, 2, L"\\\\") == 0)
    return L"\\\\?\\UNC\\" + full.substr(2);
  return L"\\\\?\\" + full;
}

// The file's volume serial number and file index, which together name it
// whatever path leads to it. Folders are opened too (backup semantics).
platform::PathState describe(const std::string& path, BY_HANDLE_FILE_INFORMATION& info) {
  if (platform::holdsNul(path))
    return platform::PathState::Absent;
  if (platform::faultInjected(platform::HostCall::Stat, path))
    return platform::PathState::Unknown;
  const HANDLE handle = CreateFileW(fullPath(path).c_str(), 0,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (handle == INVALID_HANDLE_VALUE)
    return stateOfError(GetLastError());
  const bool known = GetFileInformationByHandle(handle, &info) != 0;
  const DWORD error = GetLastError();
  CloseHandle(handle);
  return known ? platform::PathState::Present : stateOfError(error);
}

// A pipe, a console or a device opens like a file but never ends.
bool onDisk(int fd) {
  return GetFileType(reinterpret_cast<HANDLE>(_get_osfhandle(fd))) == FILE_TYPE_DISK;
}

}  // namespace

namespace platform {

// Large pages on Windows need a privilege users rarely hold; none asked.
void adviseLargePages(void*, std::size_t) {}

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

PathState pathState(const std::string& path) {
  BY_HANDLE_FILE_INFORMATION info;
  return describe(path, info);
}

PathState contentState(const std::string& path) {
  BY_HANDLE_FILE_INFORMATION info;
  const PathState state = describe(path, info);
  if (state != PathState::Present)
    return state;
  const bool file = (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
  return file && (info.nFileSizeHigh != 0 || info.nFileSizeLow != 0) ? PathState::Present
                                                                     : PathState::Absent;
}

PathState identityOf(const std::string& path, FileIdentity& identity) {
  BY_HANDLE_FILE_INFORMATION info;
  const PathState state = describe(path, info);
  if (state == PathState::Present)
    identity = identityFrom(info);
  return state;
}

// Windows itself applies "." and ".." to a path's text before it looks at
// the disk, so the full path name is where the path lands.
bool resolvedPath(const std::string& path, std::string& resolved) {
  if (holdsNul(path)) {
    resolved = path;
    return true;
  }
  const std::wstring full = fullPath(path);
  const bool longForm = full.compare(0, 4, L"\\\\?\\") == 0;
  const std::wstring plain = !longForm                            ? full
                             : full.compare(4, 4, L"UNC\\") == 0 ? L"\\\\" + full.substr(8)
                                                                  : full.substr(4);
  const int size = WideCharToMultiByte(CP_ACP, 0, plain.data(), static_cast<int>(plain.size()),
                                       nullptr, 0, nullptr, nullptr);
  resolved.assign(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_ACP, 0, plain.data(), static_cast<int>(plain.size()), &resolved[0], size,
                      nullptr, nullptr);
  return true;
}

// NTFS, FAT and SMB shares all ignore case as Windows uses them; a folder
// set case-sensitive by hand is the rare exception, and the identity check
// at every open still tells its files apart.
bool folderIgnoresCase(const std::string&) {
  return true;
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
  std::FILE* file = _fsopen(path.c_str(), "rb", _SH_DENYNO);
  if (file != nullptr && !onDisk(_fileno(file))) {
    std::fclose(file);
    errno = NotRegularFile;
    return nullptr;
  }
  return file;
}

std::uint64_t fileSize(std::FILE* file) {
  struct _stat64 info;
  if (_fstat64(_fileno(file), &info) != 0)
    return 0;
  return static_cast<std::uint64_t>(info.st_size);
}

std::FILE* openForWriting(const std::string& path, FileIdentity& identity) {
  if (refused(HostCall::OpenForWriting, path))
    return nullptr;
  // "r+" would not create it; opened without _O_TRUNC, it keeps its bytes
  // until the caller has checked what it is.
  const int fd = _sopen(path.c_str(), _O_WRONLY | _O_CREAT | _O_BINARY | _O_NOINHERIT,
                        _SH_DENYNO, _S_IREAD | _S_IWRITE);
  if (fd < 0)
    return nullptr;
  BY_HANDLE_FILE_INFORMATION info;
  const HANDLE handle = reinterpret_cast<HANDLE>(_get_osfhandle(fd));
  int error = 0;
  info = BY_HANDLE_FILE_INFORMATION();
  if (onDisk(fd) && GetFileInformationByHandle(handle, &info) == 0)
    error = EIO;
  std::FILE* file = error == 0 ? _fdopen(fd, "wb") : nullptr;
  if (file == nullptr) {
    if (error == 0)
      error = errno;
    _close(fd);
    errno = error;
    return nullptr;
  }
  identity = identityFrom(info);
  return file;
}

bool truncateFile(std::FILE* file) {
  // A device or a pipe named as an output has nothing to empty.
  return !onDisk(_fileno(file)) || _chsize_s(_fileno(file), 0) == 0;
}

std::string nameRule(const std::string& component) {
  return windowsNameRule(component);
}

// Windows has no SIGPIPE: a write to a closed pipe fails and is ignored.
// Both channels end their lines in one LF, as on every host.
void prepareConsole() {
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
}

}  // namespace platform
