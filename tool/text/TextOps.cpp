#include "text/TextOps.h"

#include <cstring>

// Out of line on purpose: the compiler tests many bytes at once here, but
// no longer once the loop is inlined into the project reader's long one.
[[gnu::noinline]] std::size_t countOf(std::string_view text, char c) {
  std::size_t count = 0;
  for (char byte : text)
    count += byte == c ? 1 : 0;
  return count;
}

bool isControlCharacter(char c) {
  const unsigned char byte = static_cast<unsigned char>(c);
  return (byte < 0x20 && byte != '\t') || byte == 0x7F;
}

bool isPathSeparator(char c) {
  return c == '\\' || c == '/';
}

std::string lastPathPart(const std::string& path) {
  return path.substr(path.find_last_of("\\/") + 1);
}

std::string trimChar(const std::string& text, char c) {
  return std::string(trimmedView(text, c));
}

std::string_view trimmedView(std::string_view text, char c) {
  std::string_view::size_type first = 0;
  std::string_view::size_type last = text.size();
  while (first < last && text[first] == c)
    ++first;
  while (last > first && text[last - 1] == c)
    --last;
  return text.substr(first, last - first);
}

void replaceAll(std::string& text, const std::string& pattern,
                const std::string& replacement) {
  if (pattern.empty() || text.find(pattern) == std::string::npos)
    return;
  text = replacedAll(text, pattern, replacement);
}

std::string replacedAll(std::string_view text, std::string_view pattern,
                        std::string_view replacement) {
  if (pattern.empty())
    return std::string(text);
  // Built in one pass: replacing in place would shift the whole tail at
  // every match.
  std::string result;
  result.reserve(text.size());
  std::string_view::size_type copied = 0;
  std::string_view::size_type at = text.find(pattern);
  while (at != std::string_view::npos) {
    result.append(text, copied, at - copied);
    result.append(replacement);
    copied = at + pattern.size();
    at = text.find(pattern, copied);
  }
  result.append(text, copied, std::string_view::npos);
  return result;
}

std::size_t collapseAll(char* text, std::size_t size, std::string_view pattern, char replacement) {
  const std::string_view view(text, size);
  if (pattern.empty())
    return size;
  std::size_t written = 0;
  std::size_t copied = 0;
  std::size_t at = view.find(pattern);
  // Most texts hold no pattern: they are left as they are, not moved.
  if (at == std::string_view::npos)
    return size;
  while (at != std::string_view::npos) {
    // Moved left: `written` never passes `copied`.
    std::memmove(text + written, text + copied, at - copied);
    written += at - copied;
    text[written++] = replacement;
    copied = at + pattern.size();
    at = view.find(pattern, copied);
  }
  std::memmove(text + written, text + copied, size - copied);
  return written + size - copied;
}

char upperAscii(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

std::string toUpperAscii(const std::string& text) {
  std::string upper = text;
  for (char& c : upper)
    c = upperAscii(c);
  return upper;
}

std::string upperExtension(const std::string& file) {
  const std::string::size_type dot = file.rfind('.');
  return dot == std::string::npos ? std::string() : toUpperAscii(file.substr(dot + 1));
}

std::vector<std::string> splitAll(const std::string& text, char separator) {
  const std::vector<std::string_view> views = splitViews(text, separator);
  return std::vector<std::string>(views.begin(), views.end());
}

std::vector<std::string_view> splitViews(std::string_view text, char separator) {
  std::vector<std::string_view> pieces;
  forEachPiece(text, separator, [&pieces](std::string_view piece) { pieces.push_back(piece); });
  return pieces;
}
