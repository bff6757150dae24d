#ifndef QUILLBROOK_DATABASEPATH_H
#define QUILLBROOK_DATABASEPATH_H

// Paths as the compilation database holds them: host paths that other
// programs open as they are, so they are cleaned and, where the project
// was written on a host that ignores letter case, spelt as on disk.

#include <string>

// The path cleaned, matched to the letter case on disk, in host form.
std::string databasePath(const std::string& toolPath);

#endif
