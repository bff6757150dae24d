#ifndef QUILLBROOK_MPLABFOLDER_H
#define QUILLBROOK_MPLABFOLDER_H

#include <cstddef>
#include <cstdint>
#include <string>

#include "model/FileList.h"

// One MPLAB folder: the paths its entries were resolved to, in the order
// [FILE_INFO] named them, and how many entries it has.
struct MplabFolder {
  std::string name;
  FileList paths;
  std::size_t entryCount = 0;
};

// An entry of an MPLAB folder, as a [FILE_SUBFOLDERS] line made it. Until a
// [FILE_INFO] line resolves it, it is a bare key (which EntryIndex holds);
// then it is the position of its path in its folder's paths, or rejected
// by the extension filter. The entries of every folder are kept in one
// list, in the order of their lines.
struct FolderEntry {
  static constexpr std::uint32_t Unresolved = UINT32_MAX;
  static constexpr std::uint32_t Rejected = UINT32_MAX - 1;

  std::uint32_t folder;
  std::uint32_t path;
};

#endif
