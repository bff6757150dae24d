#include "io/Console.h"

#include <cstdio>

#include "platform/Platform.h"

namespace {

void writeLine(std::FILE* stream, const std::string& text) {
  std::string::size_type start = 0;
  for (std::string::size_type nul; (nul = text.find('\0', start)) != std::string::npos;
       start = nul + 1) {
    std::fwrite(text.data() + start, 1, nul - start, stream);
    std::fputs("\\0", stream);
  }
  std::fwrite(text.data() + start, 1, text.size() - start, stream);
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

std::string displayPath(const std::string& path) {
  return platform::hostPath(path);
}
