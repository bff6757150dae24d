#ifndef QUILLBROOK_ASCIIREADER_H
#define QUILLBROOK_ASCIIREADER_H

#include <cstdio>
#include <string>

// Delivers the MPLAB project file one line at a time, read as Windows text:
// a CR directly before LF is dropped with the line end, and the first 0x1A
// ends the input.
class AsciiReader {
public:
  AsciiReader();
  ~AsciiReader();

  AsciiReader(const AsciiReader&) = delete;
  AsciiReader& operator=(const AsciiReader&) = delete;

  // Raises AsciiReaderError CannotOpen when the file cannot be read.
  void open(const std::string& path);
  // The next line without its line end; false (and `line` empty) once the
  // input is exhausted, and on every call after that.
  bool readLine(std::string& line);
  void close();

private:
  std::string path;
  std::FILE* input;
  bool exhausted;
};

#endif
