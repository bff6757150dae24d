#ifndef QUILLBROOK_ERRORS_H
#define QUILLBROOK_ERRORS_H

// The two failures that stop a conversion. Both are thrown by value and
// caught by reference in ProjectConverter::run, the one place that reports.

#include <cstdint>
#include <string>

class AsciiReaderError {
public:
  enum { CannotOpen = 2 };

  explicit AsciiReaderError(std::int32_t code) : code(code) {}
  // A project file that was read but cannot be converted: the file, and
  // why, for a person at a terminal.
  AsciiReaderError(std::int32_t code, const std::string& path, const std::string& reason)
      : code(code), path(path), reason(reason) {}

  std::int32_t code;
  // Empty: the source argument itself could not be opened.
  std::string path;
  std::string reason;
};

class IOERROR {
public:
  // OutputIsInput: a file the run would rewrite is one of its inputs; it is
  // reported as a file that cannot be written.
  enum { CannotCreateDirectory = 1, CannotWriteFile = 2, OutputIsInput = 3 };

  IOERROR(std::int32_t code, const std::string& path) : code(code), path(path) {}

  std::int32_t getCode() const { return code; }
  std::string getPath() const { return path; }

private:
  std::int32_t code;
  std::string path;
};

#endif
