#ifndef QUILLBROOK_EXTENSIONLIST_H
#define QUILLBROOK_EXTENSIONLIST_H

#include <string>
#include <string_view>
#include <vector>

// The warnings an "-ext" value deserves: items that can match no file
// because they start with "." or "*.", hold a blank, or are empty in a list
// of several. One text per such item, in list order; none for a good list.
std::vector<std::string> extensionListWarnings(const std::string& value);

// True when the extension of `entry` (after its last dot, or the whole entry
// without one) equals one of `upperExtensions` in any letter case; every
// entry passes an empty list.
bool extensionAccepted(std::string_view entry, const std::vector<std::string>& upperExtensions);

#endif
