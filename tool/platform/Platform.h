#ifndef QUILLBROOK_PLATFORM_H
#define QUILLBROOK_PLATFORM_H

// The host layer: every call the tool makes to the operating system goes
// through here. Paths given to these functions are the tool's own
// backslash-separated text; each platform file maps them onto its host.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

namespace platform {

// The size and alignment of the host's large memory pages.
const std::size_t LargePageSize = std::size_t(2) << 20;

// Asks the host to back `size` bytes at `block` (aligned to LargePageSize)
// with large pages: a model of a million files is touched a page at a
// time, and each small page costs the host a fault. Only a hint; nothing
// where the host has no such pages.
void adviseLargePages(void* block, std::size_t size);

// Turns a command-line path argument into the tool's path form.
std::string pathArgument(const std::string& argument);

// The host's own spelling of a tool path, for files that other programs
// read (the tool itself passes tool paths to the functions here).
std::string hostPath(const std::string& path);

// The process's current directory in the tool's path form, at any length;
// empty when it cannot be read (deleted, or not readable by this process).
std::string currentDirectory();

// Makes the drive named by "X:" current. False when it cannot be made
// current (no such drive, or a host without drives).
bool changeDrive(const std::string& drive);

// Makes `directory` the current directory again after changeDrive.
void restoreDirectory(const std::string& directory);

// True when anything (file or folder) exists at `path`. For the tests that
// decide what a run writes or keeps, use pathState: a failing test is not
// absence.
bool exists(const std::string& path);

enum class PathState { Absent, Present, Unknown };

// What stands at `path`, links followed. Absent only when the host says
// nothing does (no such entry, or a file where a folder was named on the
// way); Unknown on any other failure, lastFailure() saying why.
PathState pathState(const std::string& path);

// Present when `path` is a regular file holding bytes; Absent when nothing,
// an empty file or something other than a regular file stands there;
// Unknown as for pathState.
PathState contentState(const std::string& path);

// What names one file whatever path leads to it: device and inode, or
// volume serial and file index.
struct FileIdentity {
  std::uint64_t volume = 0;
  std::uint64_t index = 0;
  bool operator==(const FileIdentity& other) const {
    return volume == other.volume && index == other.index;
  }
};

// The identity of what stands at `path`, links followed; the state as for
// pathState.
PathState identityOf(const std::string& path, FileIdentity& identity);

// `path` (absolute, tool form) as the host will reach it: the components
// that exist through their symbolic links, the rest (folders still to be
// made) with "." and ".." applied as they will apply to real folders. False,
// lastFailure() saying why, when a component cannot be examined.
bool resolvedPath(const std::string& path, std::string& resolved);

// True when the file system that holds `folder` takes two names that
// differ only in ASCII letter case for one file. Found out from the folder
// itself, not from the host.
bool folderIgnoresCase(const std::string& folder);

// True when the host's paths start with drive letters ("C:\").
bool hasDrives();

// `path` (absolute, tool form) with each component that does not exist as
// written replaced by the one entry of its folder whose name differs only in
// ASCII letter case. Unchanged when the path exists, when a component has no
// such entry or more than one, and on hosts whose names ignore case.
std::string matchLetterCase(const std::string& path);

enum class MakeDirectoryResult { Made, AlreadyExists, Failed };

// Makes one directory level; the parent must exist. AlreadyExists when
// anything, file or folder, stands at `path`.
MakeDirectoryResult makeDirectory(const std::string& path);

// Opens a regular file for reading in binary mode. A folder, a pipe, a
// device or a socket counts as a file that cannot be opened, so a run never
// waits on one. Null on failure.
std::FILE* openForReading(const std::string& path);

// Opens a file for writing in binary mode, creating it when absent but not
// truncating it, and gives its identity: the caller compares that with the
// run's inputs and calls truncateFile only then. Null on failure. A device
// or a pipe (with a reader) may be written to; one has no identity to
// compare beyond its own.
std::FILE* openForWriting(const std::string& path, FileIdentity& identity);
bool truncateFile(std::FILE* file);

// The size of a file opened by openForReading; 0 when the host cannot say.
std::uint64_t fileSize(std::FILE* file);

// Reads up to `size` bytes of a file opened by openForReading; `size`
// becomes the number read. False on a read error (not at the file's end).
bool readFile(std::FILE* file, char* buffer, std::size_t& size);

// Writing to a file opened by openForWriting; false on failure. closeFile
// always releases the file, even when it reports a failure.
bool writeFile(std::FILE* file, const std::string& bytes);
bool flushFile(std::FILE* file);
bool closeFile(std::FILE* file);

// The system's own words for why the host call that failed last failed
// ("No such file or directory"). Asked right after the failure.
std::string lastFailure();

// Why this host cannot hold a file or folder named `component` (one part of
// a path, no separator), or empty when it can.
std::string nameRule(const std::string& component);


// Makes standard output and standard error carry the tool's bytes unchanged, and makes a
// reader that goes away unable to end the run.
void prepareConsole();

// The host calls a test can make fail.
enum class HostCall {
  OpenForReading,
  OpenForWriting,
  MakeDirectory,
  Read,
  Write,
  Flush,
  Close,
  // pathState, contentState and identityOf.
  Stat
};

// Asked before each such call with the call's path (empty for Read, Write,
// Flush and Close); the call fails when it returns true. Only test programs set
// one; the tool never does.
using FaultHook = bool (*)(HostCall call, const std::string& path);
void setFaultHook(FaultHook hook);

}  // namespace platform

#endif
