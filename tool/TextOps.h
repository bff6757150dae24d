#ifndef QUILLBROOK_TEXTOPS_H
#define QUILLBROOK_TEXTOPS_H

// The small text operations the project-file reader applies to keys and
// values. All work on bytes; nothing is decoded.

#include <string>
#include <string_view>
#include <vector>

// True when `pattern` occurs anywhere in `text` (plain, case-sensitive).
bool contains(std::string_view text, std::string_view pattern);

// Removes every leading, then every trailing occurrence of `c`.
std::string trimChar(const std::string& text, char c);

// Replaces every occurrence of `pattern`, left to right; inserted text is
// never searched again.
void replaceAll(std::string& text, const std::string& pattern,
                const std::string& replacement);

// Upper-cases the 26 ASCII letters; every other byte is kept.
std::string toUpperAscii(const std::string& text);

// Cuts `text` at every `separator`; n separators give n + 1 pieces, empty
// pieces included.
std::vector<std::string> splitAll(const std::string& text, char separator);

#endif
