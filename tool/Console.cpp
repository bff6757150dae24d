#include "Console.h"

#include <cstdio>

namespace {

void writeLine(std::FILE* stream, const std::string& text) {
  std::fwrite(text.data(), 1, text.size(), stream);
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

void printStopReason(const std::string& text) {
  writeLine(stderr, "Quillbrook: " + text);
}
