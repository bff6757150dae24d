#ifndef QUILLBROOK_ABSOLUTEPATH_H
#define QUILLBROOK_ABSOLUTEPATH_H

#include <string>

// The absolute form of a command-line path. Rooted paths stay as written; a
// relative path is joined to the current directory with one backslash; a
// drive-relative path ("D:src\x") is resolved against that drive's own
// current directory. Nothing is normalised.
std::string makeAbsolutePath(const std::string& path);
// The same against `currentDirectory`, the process's current directory as
// read once at the start: a folder that goes away later cannot turn later
// arguments into paths from the root.
std::string makeAbsolutePath(const std::string& path, const std::string& currentDirectory);

// True when makeAbsolutePath reads the current directory for `path`: it is
// neither rooted ("\x", "\\server\x") nor has a drive and a backslash.
bool needsCurrentDirectory(const std::string& path);

#endif
