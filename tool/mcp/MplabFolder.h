#ifndef QUILLBROOK_MPLABFOLDER_H
#define QUILLBROOK_MPLABFOLDER_H

#include <cstdint>
#include <string>
#include <vector>

#include "model/FileList.h"

// One entry of an MPLAB folder: its file key (file_007) until a [FILE_INFO]
// line resolves it to a path of the folder's `paths`, or to nothing when
// the extension filter rejects the file.
struct FolderEntry {
  static constexpr std::uint32_t Unresolved = UINT32_MAX;
  static constexpr std::uint32_t Rejected = UINT32_MAX - 1;

  std::string key;
  std::uint32_t path = Unresolved;

  bool resolved() const { return path != Unresolved; }
};

// One MPLAB folder: its entries in the folder's order, and the paths they
// were resolved to, in the order [FILE_INFO] named them.
struct MplabFolder {
  std::string name;
  std::vector<FolderEntry> entries;
  FileList paths;
};

#endif
