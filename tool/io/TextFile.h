#ifndef QUILLBROOK_TEXTFILE_H
#define QUILLBROOK_TEXTFILE_H

// Text files as the tool writes and copies them. Files are opened in binary
// mode and the Windows text conventions are applied here, so the bytes are
// the same on every host: lines end in CR LF, and 0x1A ends a text file.

#include <cstdio>
#include <new>
#include <string>

#include "io/Errors.h"

class OutputGuard;

// The byte that ends a text file: nothing behind it is read.
const int EndOfTextFile = 0x1A;

// A file created or truncated for writing, line by line, through a buffer:
// lines reach the file when flush() is called, when the buffer is full, at
// close and when the writer is destroyed. Whoever holds a writer open calls
// flush() before making a folder, opening another file or printing a line,
// so a failure leaves on disk every line written before it. Every failure to
// write, flush or close is raised as IOERROR CannotWriteFile with the path.
class TextFileWriter {
public:
  // Opens the file through `guard`, which raises IOERROR when it cannot be
  // created or is one the run must not replace.
  TextFileWriter(const std::string& path, OutputGuard& guard);
  ~TextFileWriter();

  TextFileWriter(const TextFileWriter&) = delete;
  TextFileWriter& operator=(const TextFileWriter&) = delete;

  // Writes `text` and CR LF.
  void writeLine(const std::string& text);
  // Writes what `write` appends to the string it is handed, and CR LF: a
  // line put together from parts goes into the buffer as it is made.
  template <typename Write>
  void writeLineWith(Write&& write) {
    write(buffer);
    endLine();
  }
  // Writes bytes exactly as given.
  void writeBytes(const std::string& bytes);
  // Hands what is buffered to the file and flushes it; nothing when the
  // buffer is empty.
  void flush();
  // Flushes, then closes.
  void close();

private:
  void endLine();
  void writeOut(const std::string& bytes);
  void fail();

  std::string path;
  std::FILE* file;
  std::string buffer;
};

// A text file read whole and turned into the bytes its copy must hold:
// LF and CR LF become CR LF, any other CR stays, the first 0x1A ends it.
// False when the file cannot be opened or a read fails part way.
bool readTextForCopy(const std::string& path, std::string& copy);

// Runs `write`, which writes the file at `path`. Memory running out on the
// way is that file failing to be written: IOERROR CannotWriteFile, "out of
// memory". An inner call names an inner file first.
template <typename Write>
void reportingOutOfMemory(const std::string& path, Write write) {
  try {
    write();
  } catch (const std::bad_alloc&) {
    throw IOERROR(IOERROR::CannotWriteFile, path, OutOfMemoryReason);
  }
}

#endif
