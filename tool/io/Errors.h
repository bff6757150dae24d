#ifndef QUILLBROOK_ERRORS_H
#define QUILLBROOK_ERRORS_H

// The two failures that stop a conversion. Both are thrown by value and
// caught by reference in ProjectConverter::run, the one place that reports.

#include <cstdint>
#include <string>

// `reason` is the system's word for the failure, said on standard error.
class AsciiReaderError {
public:
  // ReadFailed: the file opened but a read failed part way; OutOfMemory:
  // the model outgrew the memory while it was read. Both are reported as a
  // file that cannot be opened.
  // NotConvertible: the file was read but is no project, or lacks what the
  // run asked for; `reason` is then the whole message.
  enum { CannotOpen = 2, ReadFailed = 3, OutOfMemory = 4, NotConvertible = 5 };

  explicit AsciiReaderError(std::int32_t code, const std::string& reason = std::string())
      : code(code), reason(reason) {}
  // A failure about another file than the source argument (an MPLAB X
  // project's configurations.xml).
  AsciiReaderError(std::int32_t code, const std::string& path, const std::string& reason)
      : code(code), path(path), reason(reason) {}

  std::int32_t code;
  // Empty: the source argument itself.
  std::string path;
  std::string reason;
};

class IOERROR {
public:
  // OutputIsInput: a file the run would write is one of its inputs or
  // another of its outputs; it is reported as a file that cannot be written.
  // CannotExamine: whether something stands at the path could not be told,
  // so what the run makes of it cannot be decided.
  enum { CannotCreateDirectory = 1, CannotWriteFile = 2, OutputIsInput = 3, CannotExamine = 4 };

  // `reason` is what standard error says after the path: the system's word
  // for the failure, or the rule the path breaks.
  IOERROR(std::int32_t code, const std::string& path, const std::string& reason = std::string())
      : code(code), path(path), reason(reason) {}

  std::int32_t getCode() const { return code; }
  std::string getPath() const { return path; }
  std::string getReason() const { return reason; }

private:
  std::int32_t code;
  std::string path;
  std::string reason;
};

// The reason given when memory runs out.
const char* const OutOfMemoryReason = "out of memory";

#endif
