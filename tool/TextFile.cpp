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
    std::fclose(file);
}

void TextFileWriter::writeLine(const std::string& text) {
  writeBytes(text + "\r\n");
}

void TextFileWriter::writeBytes(const std::string& bytes) {
  if (std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size())
    fail();
  if (std::fflush(file) != 0)
    fail();
}

void TextFileWriter::close() {
  std::FILE* closing = file;
  file = nullptr;
  if (std::fclose(closing) != 0)
    throw IOERROR(IOERROR::CannotWriteFile, path);
}

void TextFileWriter::fail() {
  std::fclose(file);
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
  std::fclose(file);
  return true;
}
