#include "AsciiReader.h"

#include "Errors.h"
#include "TextFile.h"
#include "platform/Platform.h"

AsciiReader::AsciiReader() : input(nullptr), exhausted(true) {}

AsciiReader::~AsciiReader() {
  close();
}

void AsciiReader::open(const std::string& path) {
  this->path = path;
  input = platform::openForReading(path);
  if (input == nullptr)
    throw AsciiReaderError(AsciiReaderError::CannotOpen);
  exhausted = false;
}

bool AsciiReader::readLine(std::string& line) {
  line.clear();
  if (exhausted)
    return false;
  bool delivered = false;
  int c;
  while ((c = std::getc(input)) != EOF && c != EndOfTextFile) {
    delivered = true;
    if (c == '\n')
      return true;
    if (c == '\r') {
      const int following = std::getc(input);
      if (following == '\n')
        return true;
      if (following != EOF)
        std::ungetc(following, input);
    }
    line += static_cast<char>(c);
  }
  // End of input, a read error or the end-of-file mark: whatever was
  // gathered is the last line.
  exhausted = true;
  return delivered;
}

void AsciiReader::close() {
  if (input != nullptr)
    std::fclose(input);
  input = nullptr;
  exhausted = true;
}
