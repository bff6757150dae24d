#ifndef QUILLBROOK_TOOLPATH_H
#define QUILLBROOK_TOOLPATH_H

// Tool paths (backslash-separated, as the project file writes them) taken
// apart without asking the disk.

#include <string>

// A tool path with each run of backslashes made one (on a host with drives
// a leading pair, as in "\\server\share", stays) and every "." component
// taken out; ".." stays, since a symbolic link makes its meaning depend on
// the disk.
std::string cleanToolPath(const std::string& path);

// True for "X:..." paths, which name a drive.
bool isDrivePath(const std::string& path);

// The folder of a file path without its last backslash; empty without one.
std::string folderOf(const std::string& file);

#endif
