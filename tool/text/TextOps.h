#ifndef QUILLBROOK_TEXTOPS_H
#define QUILLBROOK_TEXTOPS_H

// The small text operations the project-file reader applies to keys and
// values. All work on bytes; nothing is decoded.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// True when `pattern` occurs anywhere in `text` (plain, case-sensitive).
// Both are asked of every line of a project, so they are inline.
inline bool contains(std::string_view text, std::string_view pattern) {
  return text.find(pattern) != std::string_view::npos;
}
// True when `text` begins with `prefix` (case-sensitive).
inline bool startsWith(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && text.compare(0, prefix.size(), prefix) == 0;
}

// "\" and "/" both separate the parts of a path a project names.
bool isPathSeparator(char c);
// True for a control character other than TAB (below 0x20, and DEL): a
// byte that would break a line of a file or the console, or steer a
// terminal.
bool isControlCharacter(char c);
// The last part of `path`, after its last "\" or "/"; all of it without one.
std::string lastPathPart(const std::string& path);

// Removes every leading, then every trailing occurrence of `c`.
std::string trimChar(const std::string& text, char c);
// The same as a view into `text`, for values too large to copy twice.
std::string_view trimmedView(std::string_view text, char c);

// Replaces every occurrence of `pattern`, left to right; inserted text is
// never searched again.
void replaceAll(std::string& text, const std::string& pattern,
                const std::string& replacement);
// The same as a new text, made in one pass from `text`.
std::string replacedAll(std::string_view text, std::string_view pattern,
                        std::string_view replacement);

// The same in place, for a pattern replaced by one byte: the `size` bytes
// at `text` shrink to the returned size, in one pass.
std::size_t collapseAll(char* text, std::size_t size, std::string_view pattern, char replacement);

// One byte of toUpperAscii: a to z become A to Z, every other byte stays.
char upperAscii(char c);

// Upper-cases the 26 ASCII letters; every other byte is kept.
std::string toUpperAscii(const std::string& text);

// The text after the last "." of `file`, upper-cased; empty without a dot.
std::string upperExtension(const std::string& file);

// Hands `take` each piece of `text` cut at every `separator`, in order, as
// a view into `text`; n separators give n + 1 pieces, empty pieces
// included. Nothing is gathered: a value may hold a million pieces.
template <typename Take>
void forEachPiece(std::string_view text, char separator, Take&& take) {
  std::string_view::size_type start = 0;
  for (std::string_view::size_type at = text.find(separator); at != std::string_view::npos;
       at = text.find(separator, start)) {
    take(text.substr(start, at - start));
    start = at + 1;
  }
  take(text.substr(start));
}

// How many times `c` occurs in `text`. Written so the compiler can test
// many bytes at once: it runs over values of tens of megabytes.
std::size_t countOf(std::string_view text, char c);

// Cuts `text` at every `separator`, as forEachPiece does.
std::vector<std::string> splitAll(const std::string& text, char separator);
// The same pieces as views into `text`, which must outlive them.
std::vector<std::string_view> splitViews(std::string_view text, char separator);

#endif
