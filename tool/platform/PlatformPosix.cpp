// POSIX hosts: the tool's backslash paths become slash paths at every host
// call, and there are no drives, so a drive-relative path falls back to the
// current directory.

#include "platform/Platform.h"

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <csignal>
#include <cctype>
#include <fcntl.h>
#include <linux/fs.h>
#include <string>
#include <sys/ioctl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <unistd.h>
#include <vector>

#include "platform/HostGuard.h"

namespace {

std::string replaced(std::string text, char from, char to) {
  for (char& c : text) {
    if (c == from)
      c = to;
  }
  return text;
}

bool status(const std::string& path, struct stat& info) {
  return !platform::holdsNul(path) && stat(platform::hostPath(path).c_str(), &info) == 0;
}

// The state of a stat() that may be failed on purpose by a test.
platform::PathState checkedStatus(const std::string& path, struct stat& info) {
  if (platform::holdsNul(path))
    return platform::PathState::Absent;
  if (platform::faultInjected(platform::HostCall::Stat, path))
    return platform::PathState::Unknown;
  if (stat(platform::hostPath(path).c_str(), &info) == 0)
    return platform::PathState::Present;
  return errno == ENOENT || errno == ENOTDIR ? platform::PathState::Absent
                                             : platform::PathState::Unknown;
}

platform::FileIdentity identityFrom(const struct stat& info) {
  return platform::FileIdentity{static_cast<std::uint64_t>(info.st_dev),
                                static_cast<std::uint64_t>(info.st_ino)};
}

std::vector<std::string> hostComponents(const std::string& path) {
  std::vector<std::string> parts;
  std::string::size_type start = 0;
  while (start <= path.size()) {
    std::string::size_type end = path.find('/', start);
    if (end == std::string::npos)
      end = path.size();
    parts.push_back(path.substr(start, end - start));
    start = end + 1;
  }
  return parts;
}

std::string joinedFromRoot(const std::vector<std::string>& parts) {
  std::string path;
  for (const std::string& part : parts)
    path += "/" + part;
  return path.empty() ? "/" : path;
}

bool readLink(const std::string& path, std::string& target) {
  std::string buffer(256, '\0');
  while (true) {
    const ssize_t size = readlink(path.c_str(), &buffer[0], buffer.size());
    if (size < 0)
      return false;
    if (static_cast<std::size_t>(size) < buffer.size()) {
      target.assign(buffer, 0, static_cast<std::size_t>(size));
      return true;
    }
    buffer.resize(buffer.size() * 2);
  }
}

// A stream on `fd` when `error` is 0; otherwise, or when that fails, the
// descriptor closed and errno set to why.
std::FILE* streamOrClose(int fd, int error, const char* mode) {
  std::FILE* file = error == 0 ? fdopen(fd, mode) : nullptr;
  if (file == nullptr) {
    if (error == 0)
      error = errno;
    close(fd);
    errno = error;
  }
  return file;
}

// A name with every ASCII letter in the other case; unchanged without one.
std::string otherCase(const std::string& name) {
  std::string other = name;
  for (char& c : other) {
    if (std::islower(static_cast<unsigned char>(c)))
      c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    else if (std::isupper(static_cast<unsigned char>(c)))
      c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  return other;
}

// Asks an entry of the folder: its name in the other case reaching the same
// file says the file system ignores case. -1 when the folder has no entry
// with a letter to ask.
int entryIgnoresCase(const std::string& folder) {
  DIR* directory = opendir(folder.c_str());
  if (directory == nullptr)
    return -1;
  int answer = -1;
  while (const dirent* entry = readdir(directory)) {
    const std::string name = entry->d_name;
    const std::string other = otherCase(name);
    if (other == name)
      continue;
    struct stat one;
    struct stat two;
    if (lstat((folder + "/" + name).c_str(), &one) != 0)
      continue;
    answer = lstat((folder + "/" + other).c_str(), &two) == 0 && one.st_dev == two.st_dev &&
             one.st_ino == two.st_ino;
    break;
  }
  closedir(directory);
  return answer;
}

// File systems that ignore letter case: FAT, exFAT, NTFS, and SMB shares.
bool caseBlindFileSystem(const std::string& folder) {
  struct statfs info;
  if (statfs(folder.c_str(), &info) != 0)
    return false;
  switch (static_cast<unsigned long>(info.f_type)) {
    case 0x4d44UL:      // FAT
    case 0x2011bab0UL:  // exFAT
    case 0x5346544eUL:  // NTFS
    case 0x7366746eUL:  // NTFS (ntfs3)
    case 0xff534d42UL:  // CIFS
    case 0xfe534d42UL:  // SMB2
    case 0x517bUL:      // SMB
      return true;
    default:
      return false;
  }
}

// An ext4 or f2fs folder made to ignore case (chattr +F).
bool caseFoldedFolder(const std::string& folder) {
  const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0)
    return false;
  int flags = 0;
  const bool folded = ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0 && (flags & 0x40000000) != 0;
  close(fd);
  return folded;
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

void adviseLargePages(void* block, std::size_t size) {
#ifdef MADV_HUGEPAGE
  madvise(block, size, MADV_HUGEPAGE);
#else
  (void)block;
  (void)size;
#endif
}

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

PathState pathState(const std::string& path) {
  struct stat info;
  return checkedStatus(path, info);
}

PathState contentState(const std::string& path) {
  struct stat info;
  const PathState state = checkedStatus(path, info);
  if (state != PathState::Present)
    return state;
  return S_ISREG(info.st_mode) && info.st_size > 0 ? PathState::Present : PathState::Absent;
}

PathState identityOf(const std::string& path, FileIdentity& identity) {
  struct stat info;
  const PathState state = checkedStatus(path, info);
  if (state == PathState::Present)
    identity = identityFrom(info);
  return state;
}

bool resolvedPath(const std::string& path, std::string& resolved) {
  if (holdsNul(path)) {
    resolved = path;
    return true;
  }
  std::vector<std::string> pending = hostComponents(hostPath(path));
  std::reverse(pending.begin(), pending.end());
  std::vector<std::string> done;
  bool existing = true;
  int links = 0;
  while (!pending.empty()) {
    const std::string part = pending.back();
    pending.pop_back();
    if (part.empty() || part == ".")
      continue;
    if (part == "..") {
      if (!done.empty())
        done.pop_back();
      continue;
    }
    done.push_back(part);
    if (!existing)
      continue;
    const std::string host = joinedFromRoot(done);
    struct stat info;
    if (lstat(host.c_str(), &info) != 0) {
      if (errno != ENOENT && errno != ENOTDIR)
        return false;
      existing = false;
      continue;
    }
    if (!S_ISLNK(info.st_mode))
      continue;
    std::string target;
    if (++links > 40) {
      errno = ELOOP;
      return false;
    }
    if (!readLink(host, target))
      return false;
    done.pop_back();
    if (!target.empty() && target[0] == '/')
      done.clear();
    std::vector<std::string> parts = hostComponents(target);
    pending.insert(pending.end(), parts.rbegin(), parts.rend());
  }
  resolved = replaced(joinedFromRoot(done), '/', '\\');
  return true;
}

bool folderIgnoresCase(const std::string& folder) {
  const std::string host = hostPath(folder);
  const int asked = entryIgnoresCase(host);
  if (asked >= 0)
    return asked == 1;
  return caseFoldedFolder(host) || caseBlindFileSystem(host);
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
  // Without blocking, so opening a pipe with no writer returns at once.
  const int fd = open(hostPath(path).c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0)
    return nullptr;
  struct stat info;
  int error = 0;
  if (fstat(fd, &info) != 0)
    error = errno;
  else if (S_ISDIR(info.st_mode))
    error = EISDIR;
  else if (!S_ISREG(info.st_mode))
    error = NotRegularFile;
  else if (fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0)
    error = errno;
  return streamOrClose(fd, error, "rb");
}

std::uint64_t fileSize(std::FILE* file) {
  struct stat info;
  if (fstat(fileno(file), &info) != 0)
    return 0;
  return static_cast<std::uint64_t>(info.st_size);
}

std::FILE* openForWriting(const std::string& path, FileIdentity& identity) {
  if (refused(HostCall::OpenForWriting, path))
    return nullptr;
  // Non-blocking for the open only: a pipe planted at an output's path
  // must not hold the run.
  const int fd =
      open(hostPath(path).c_str(), O_WRONLY | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0666);
  if (fd < 0)
    return nullptr;
  struct stat info;
  int error = 0;
  if (fstat(fd, &info) != 0 || fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0)
    error = errno;
  std::FILE* file = streamOrClose(fd, error, "wb");
  if (file != nullptr)
    identity = identityFrom(info);
  return file;
}

bool truncateFile(std::FILE* file) {
  // A device or a pipe named as an output has nothing to empty, nor has a
  // file just made. Emptying an empty file anyway would have some file
  // systems write all of it out when it is closed.
  struct stat info;
  if (fstat(fileno(file), &info) != 0)
    return false;
  return !S_ISREG(info.st_mode) || info.st_size == 0 || ftruncate(fileno(file), 0) == 0;
}

std::string nameRule(const std::string&) {
  // Any byte but "/" and NUL may stand in a name; both are dealt with
  // before a name gets here.
  return std::string();
}

void prepareConsole() {
  // A reader that closes the pipe early must not kill the run halfway; the
  // console writes then fail, and those failures are ignored.
  std::signal(SIGPIPE, SIG_IGN);
}

}  // namespace platform
