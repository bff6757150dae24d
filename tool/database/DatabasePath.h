#ifndef QUILLBROOK_DATABASEPATH_H
#define QUILLBROOK_DATABASEPATH_H

// Paths as the compilation database holds them: host paths that other
// programs open as they are, so they are cleaned and, where the project
// was written on a host that ignores letter case, spelt as on disk.

#include <string>

// A tool path with each run of backslashes made one (on a host with drives
// a leading pair, as in "\\server\share", stays) and every "." component
// taken out; ".." stays, since a symbolic link makes its meaning depend on
// the disk.
std::string cleanToolPath(const std::string& path);

// True for "X:..." paths, which name a drive.
bool isDrivePath(const std::string& path);

// The path cleaned, matched to the letter case on disk, in host form.
std::string databasePath(const std::string& toolPath);

#endif
