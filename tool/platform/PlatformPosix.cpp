// POSIX hosts: the tool's backslash paths become slash paths at every host
// call, and there are no drives, so a drive-relative path falls back to the
// current directory.

#include "platform/Platform.h"

#include <cerrno>
#include <dirent.h>
#include <csignal>
#include <cctype>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/HostGuard.h"

namespace {

std::string replaced(std::string text, char from, char to) {
  for (char& c : text) {
    if (c == from)
      c = to;
  }
  return text;
}

bool isFolder(std::FILE* file) {
  struct stat info;
  return fstat(fileno(file), &info) == 0 && S_ISDIR(info.st_mode);
}

bool status(const std::string& path, struct stat& info) {
  return !platform::holdsNul(path) && stat(platform::hostPath(path).c_str(), &info) == 0;
}

bool sameIgnoringCase(const std::string& one, const char* other) {
  std::size_t i = 0;
  for (; i < one.size() && other[i] != '\0'; ++i) {
    if (std::tolower(static_cast<unsigned char>(one[i])) !=
        std::tolower(static_cast<unsigned char>(other[i])))
      return false;
  }
  return i == one.size() && other[i] == '\0';
}

// The one entry of `folder` named `name` in another letter case; empty when
// there is none, or more than one, or `folder` is not a readable folder.
std::string onlyCaseMatch(const std::string& folder, const std::string& name) {
  DIR* directory = opendir(platform::hostPath(folder.empty() ? "\\" : folder).c_str());
  if (directory == nullptr)
    return std::string();
  std::string found;
  int matches = 0;
  while (const dirent* entry = readdir(directory)) {
    if (sameIgnoringCase(name, entry->d_name)) {
      found = entry->d_name;
      ++matches;
    }
  }
  closedir(directory);
  return matches == 1 ? found : std::string();
}

}  // namespace

namespace platform {

std::string pathArgument(const std::string& argument) {
  return replaced(argument, '/', '\\');
}

std::string hostPath(const std::string& path) {
  return replaced(path, '\\', '/');
}

std::string currentDirectory() {
  std::string buffer(256, '\0');
  while (getcwd(&buffer[0], buffer.size()) == nullptr) {
    if (errno != ERANGE)
      return std::string();
    buffer.resize(buffer.size() * 2);
  }
  buffer.resize(buffer.find('\0'));
  return replaced(buffer, '/', '\\');
}

bool changeDrive(const std::string&) {
  return false;
}

void restoreDirectory(const std::string&) {
  // changeDrive never succeeds here, so there is nothing to restore.
}

bool exists(const std::string& path) {
  struct stat info;
  return status(path, info);
}

bool hasDrives() {
  return false;
}

std::string matchLetterCase(const std::string& path) {
  if (path.empty() || path[0] != '\\' || holdsNul(path) || exists(path))
    return path;
  std::string matched;
  std::string::size_type start = 1;
  while (start <= path.size()) {
    std::string::size_type end = path.find('\\', start);
    if (end == std::string::npos)
      end = path.size();
    const std::string component = path.substr(start, end - start);
    std::string next = matched + "\\" + component;
    if (!component.empty() && component != "." && component != ".." && !exists(next)) {
      const std::string real = onlyCaseMatch(matched, component);
      if (real.empty())
        return path;
      next = matched + "\\" + real;
    }
    matched = next;
    start = end + 1;
  }
  return matched;
}

MakeDirectoryResult makeDirectory(const std::string& path) {
  if (refused(HostCall::MakeDirectory, path))
    return MakeDirectoryResult::Failed;
  if (mkdir(hostPath(path).c_str(), 0777) == 0)
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

std::FILE* openForReading(const std::string& path) {
  if (refused(HostCall::OpenForReading, path))
    return nullptr;
  std::FILE* file = std::fopen(hostPath(path).c_str(), "rb");
  if (file != nullptr && isFolder(file)) {
    std::fclose(file);
    errno = EISDIR;
    return nullptr;
  }
  return file;
}

std::FILE* openForWriting(const std::string& path) {
  if (refused(HostCall::OpenForWriting, path))
    return nullptr;
  return std::fopen(hostPath(path).c_str(), "wb");
}

std::string nameRule(const std::string&) {
  // Any byte but "/" and NUL may stand in a name; both are dealt with
  // before a name gets here.
  return std::string();
}

bool namesIgnoreCase() {
  return false;
}

bool sameFile(const std::string& first, const std::string& second) {
  struct stat one;
  struct stat other;
  return status(first, one) && status(second, other) && one.st_dev == other.st_dev &&
         one.st_ino == other.st_ino;
}

bool hasContent(const std::string& path) {
  struct stat info;
  return status(path, info) && S_ISREG(info.st_mode) && info.st_size > 0;
}

void prepareConsole() {
  // A reader that closes the pipe early must not kill the run halfway; the
  // console writes then fail, and those failures are ignored.
  std::signal(SIGPIPE, SIG_IGN);
}

}  // namespace platform
