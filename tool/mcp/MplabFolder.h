#ifndef QUILLBROOK_MPLABFOLDER_H
#define QUILLBROOK_MPLABFOLDER_H

#include <cstdint>
#include <string>
#include <vector>

#include "model/FileList.h"
#include "model/LargeAllocator.h"

// One MPLAB folder: its entries in the folder's order, and the paths they
// were resolved to, in the order [FILE_INFO] named them. An entry is the
// position of its path in `paths`; until a [FILE_INFO] line resolves it,
// it is a bare key (which EntryIndex holds), and the extension filter may
// reject it.
struct MplabFolder {
  static constexpr std::uint32_t Unresolved = UINT32_MAX;
  static constexpr std::uint32_t Rejected = UINT32_MAX - 1;

  std::string name;
  std::vector<std::uint32_t, LargeAllocator<std::uint32_t>> entries;
  FileList paths;
};

#endif
