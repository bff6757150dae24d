#include "io/Console.h"

#include <cstdio>
#include <cstring>

#include "platform/Platform.h"
#include "text/TextOps.h"

namespace {

// How a control byte other than TAB shows on the console: a line of the
// tool's must never end early or carry a terminal's escape sequence.
const char* escapeOf(unsigned char byte, char (&hex)[5]) {
  switch (byte) {
    case '\0':
      return "\\0";
    case '\r':
      return "\\r";
    case '\n':
      return "\\n";
    default:
      std::snprintf(hex, sizeof hex, "\\x%02x", byte);
      return hex;
  }
}

// Allocates nothing, so it can say that memory ran out.
void writeEscaped(std::FILE* stream, const char* text, std::size_t size) {
  std::size_t start = 0;
  char hex[5];
  for (std::size_t i = 0; i < size; ++i) {
    if (!isControlCharacter(text[i]))
      continue;
    std::fwrite(text + start, 1, i - start, stream);
    std::fputs(escapeOf(static_cast<unsigned char>(text[i]), hex), stream);
    start = i + 1;
  }
  std::fwrite(text + start, 1, size - start, stream);
}

void writeLine(std::FILE* stream, const std::string& text) {
  writeEscaped(stream, text.data(), text.size());
  std::fputc('\n', stream);
  std::fflush(stream);
}

}  // namespace

void printLine(const std::string& text) {
  writeLine(stdout, text);
}

void printErrorLine(const std::string& text) {
  writeLine(stderr, text);
}

void warn(const std::string& text) {
  writeLine(stderr, "Quillbrook: warning: " + text);
}

void reportError(const std::string& text) {
  writeLine(stderr, "Quillbrook: error: " + text);
}

void reportOutOfMemoryBeforeRun(const char* projectArgument) {
  std::fputs("Quillbrook: error: out of memory\n", stderr);
  std::fflush(stderr);
  std::fputs("Could not open file: ", stdout);
  writeEscaped(stdout, projectArgument, std::strlen(projectArgument));
  std::fputc('\n', stdout);
  std::fflush(stdout);
}

std::string displayPath(const std::string& path) {
  return platform::hostPath(path);
}
