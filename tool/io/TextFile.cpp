#include "io/TextFile.h"

#include <cerrno>

#include "io/Errors.h"
#include "io/OutputGuard.h"
#include "platform/Platform.h"

namespace {

// Large enough that a write call carries many lines, small enough that a
// million-line file is never held whole.
const std::string::size_type BufferLimit = 1 << 16;

}  // namespace

TextFileWriter::TextFileWriter(const std::string& path, OutputGuard& guard)
    : path(path), file(guard.open(path)) {}

TextFileWriter::~TextFileWriter() {
  if (file == nullptr)
    return;
  // Reached with lines pending only when the run stops on an error that no
  // flush preceded (memory exhausted): those lines still reach the file. A
  // failure here cannot be reported any more.
  if (!buffer.empty())
    platform::writeFile(file, buffer);
  platform::closeFile(file);
}

void TextFileWriter::writeLine(const std::string& text) {
  buffer += text;
  endLine();
}

void TextFileWriter::endLine() {
  buffer += "\r\n";
  if (buffer.size() >= BufferLimit)
    flush();
}

void TextFileWriter::writeBytes(const std::string& bytes) {
  if (bytes.size() < BufferLimit) {
    buffer += bytes;
    if (buffer.size() >= BufferLimit)
      flush();
    return;
  }
  // A large block goes out as it is rather than through a copy.
  flush();
  writeOut(bytes);
}

void TextFileWriter::flush() {
  if (buffer.empty())
    return;
  writeOut(buffer);
  buffer.clear();
}

void TextFileWriter::writeOut(const std::string& bytes) {
  if (!platform::writeFile(file, bytes))
    fail();
  if (!platform::flushFile(file))
    fail();
}

void TextFileWriter::close() {
  flush();
  std::FILE* closing = file;
  file = nullptr;
  if (!platform::closeFile(closing))
    throw IOERROR(IOERROR::CannotWriteFile, path, platform::lastFailure());
}

void TextFileWriter::fail() {
  // Taken before the close, which may say something else.
  const std::string reason = platform::lastFailure();
  platform::closeFile(file);
  file = nullptr;
  buffer.clear();
  throw IOERROR(IOERROR::CannotWriteFile, path, reason);
}

bool readTextForCopy(const std::string& path, std::string& copy) {
  std::FILE* file = platform::openForReading(path);
  if (file == nullptr)
    return false;
  copy.clear();
  // Read as text (CR LF arrives as LF) and written as text (LF leaves as
  // CR LF): an LF gains a CR unless one already stands before it.
  int previous = EOF;
  int c;
  while ((c = std::getc(file)) != EOF && c != EndOfTextFile) {
    if (c == '\n' && previous != '\r')
      copy += '\r';
    copy += static_cast<char>(c);
    previous = c;
  }
  // A read error part way through is a file that cannot be read: a
  // truncated copy would pass for the whole template.
  const bool failed = std::ferror(file) != 0;
  const int error = errno;
  std::fclose(file);
  errno = error;
  if (failed)
    copy.clear();
  return !failed;
}
