#ifndef QUILLBROOK_MPLABFOLDER_H
#define QUILLBROOK_MPLABFOLDER_H

#include <string>
#include <vector>

// One MPLAB folder. Its entries start as file keys (file_007) and are
// replaced in place by the resolved path, or by the empty string when the
// extension filter rejects the file.
struct MplabFolder {
  std::string name;
  std::vector<std::string> entries;
  // Parallel to `entries`: whether a [FILE_INFO] line has replaced it.
  std::vector<bool> resolved;
};

#endif
