#include "text/Utf8Text.h"

#include <cstddef>

namespace {

// Windows-1252 bytes 0x80 to 0x9F; the undefined ones map to themselves.
const char32_t HighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

void appendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    // Every character of the code page lies in the Basic Multilingual Plane.
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

bool isContinuation(unsigned char byte) {
  return (byte & 0xC0) == 0x80;
}

// The length of the well-formed sequence starting at `at`, 0 if there is
// none. The allowed ranges of the second byte rule out overlong forms,
// surrogate halves and code points above U+10FFFF.
std::size_t sequenceLength(const std::string& text, std::size_t at) {
  const auto byte = [&](std::size_t i) {
    return i < text.size() ? static_cast<unsigned char>(text[i]) : 0;
  };
  const unsigned char lead = byte(at);
  const unsigned char second = byte(at + 1);
  if (lead < 0x80)
    return 1;
  if (lead >= 0xC2 && lead <= 0xDF)
    return isContinuation(second) ? 2 : 0;
  if (lead >= 0xE0 && lead <= 0xEF) {
    const unsigned char low = lead == 0xE0 ? 0xA0 : 0x80;
    const unsigned char high = lead == 0xED ? 0x9F : 0xBF;
    return second >= low && second <= high && isContinuation(byte(at + 2)) ? 3 : 0;
  }
  if (lead >= 0xF0 && lead <= 0xF4) {
    const unsigned char low = lead == 0xF0 ? 0x90 : 0x80;
    const unsigned char high = lead == 0xF4 ? 0x8F : 0xBF;
    return second >= low && second <= high && isContinuation(byte(at + 2)) &&
                   isContinuation(byte(at + 3))
               ? 4
               : 0;
  }
  return 0;
}

}  // namespace

bool isUtf8(const std::string& text) {
  std::size_t at = 0;
  // Most texts are ASCII throughout: passed over a byte at a time.
  while (at < text.size() && static_cast<unsigned char>(text[at]) < 0x80)
    ++at;
  while (at < text.size()) {
    const std::size_t length = sequenceLength(text, at);
    if (length == 0)
      return false;
    at += length;
  }
  return true;
}

std::string windows1252ToUtf8(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    appendUtf8(out, byte >= 0x80 && byte < 0xA0 ? HighControls[byte - 0x80] : byte);
  }
  return out;
}
