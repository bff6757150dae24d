#include "TextFile.h"

#include "Errors.h"
#include "platform/Platform.h"

TextFileWriter::TextFileWriter(const std::string& path)
    : path(path), file(platform::openForWriting(path)) {
  if (file == nullptr)
    throw IOERROR(IOERROR::CannotWriteFile, path);
}

TextFileWriter::~TextFileWriter() {
  if (file != nullptr)
    platform::closeFile(file);
}

void TextFileWriter::writeLine(const std::string& text) {
  writeBytes(text + "\r\n");
}

void TextFileWriter::writeBytes(const std::string& bytes) {
  if (!platform::writeFile(file, bytes))
    fail();
  if (!platform::flushFile(file))
    fail();
}

void TextFileWriter::close() {
  std::FILE* closing = file;
  file = nullptr;
  if (!platform::closeFile(closing))
    throw IOERROR(IOERROR::CannotWriteFile, path);
}

void TextFileWriter::fail() {
  platform::closeFile(file);
  file = nullptr;
  throw IOERROR(IOERROR::CannotWriteFile, path);
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
  std::fclose(file);
  if (failed)
    copy.clear();
  return !failed;
}
