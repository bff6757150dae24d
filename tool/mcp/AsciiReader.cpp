#include "mcp/AsciiReader.h"

#include <cstring>

#include "io/Errors.h"
#include "io/TextFile.h"
#include "platform/Platform.h"

AsciiReader::AsciiReader(std::size_t blockSize)
    : input(nullptr),
      exhausted(true),
      inputEnded(true),
      blockSize(blockSize > 0 ? blockSize : 1),
      begin(0),
      end(0) {}

AsciiReader::~AsciiReader() {
  close();
}

void AsciiReader::open(const std::string& path) {
  this->path = path;
  input = platform::openForReading(path);
  if (input == nullptr)
    throw AsciiReaderError(AsciiReaderError::CannotOpen, platform::lastFailure());
  block.resize(blockSize);
  begin = end = 0;
  exhausted = false;
  inputEnded = false;
}

bool AsciiReader::readLine(std::string& line) {
  std::string_view view;
  const bool read = readLine(view);
  line.assign(view);
  return read;
}

bool AsciiReader::readLine(std::string_view& line) {
  line = std::string_view();
  if (exhausted)
    return false;
  const char* start = block.data() + begin;
  const void* lineFeed = begin < end ? std::memchr(start, '\n', end - begin) : nullptr;
  if (lineFeed == nullptr)
    return gatherLine(line);
  const std::size_t length = static_cast<const char*>(lineFeed) - start;
  begin += length + 1;
  line = std::string_view(start, length);
  if (!line.empty() && line.back() == '\r')
    line.remove_suffix(1);
  return true;
}

LargeText AsciiReader::takeLine(std::string_view line) {
  if (!gathered.empty() && line.data() == gathered.data()) {
    gathered.resize(line.size());
    return std::move(gathered);
  }
  return LargeText(line);
}

bool AsciiReader::gatherLine(std::string_view& line) {
  gathered.clear();
  bool delivered = false;
  while (begin < end || fill()) {
    delivered = true;
    const char* start = block.data() + begin;
    const std::size_t available = end - begin;
    const void* lineFeed = std::memchr(start, '\n', available);
    if (lineFeed == nullptr) {
      gathered.append(start, available);
      begin = end;
      continue;
    }
    const std::size_t length = static_cast<const char*>(lineFeed) - start;
    gathered.append(start, length);
    begin += length + 1;
    // Checked on the whole line, as the CR may have come with the block
    // before the one holding the LF.
    if (!gathered.empty() && gathered.back() == '\r')
      gathered.pop_back();
    line = gathered;
    return true;
  }
  // Whatever was gathered without a line feed is the last line.
  exhausted = true;
  line = gathered;
  return delivered;
}

bool AsciiReader::fill() {
  begin = end = 0;
  if (inputEnded)
    return false;
  std::size_t got = block.size();
  // A read error is not the end of the file: a project cut short there
  // would be converted as if it were whole.
  if (!platform::readFile(input, block.data(), got))
    throw AsciiReaderError(AsciiReaderError::ReadFailed, platform::lastFailure());
  if (got < block.size())
    inputEnded = true;
  end = got;
  const void* mark = std::memchr(block.data(), EndOfTextFile, got);
  if (mark != nullptr) {
    end = static_cast<const char*>(mark) - block.data();
    inputEnded = true;
  }
  return end > 0;
}

void AsciiReader::close() {
  if (input != nullptr)
    std::fclose(input);
  input = nullptr;
  exhausted = true;
  inputEnded = true;
  begin = end = 0;
  block = std::vector<char>();
  gathered = LargeText();
}
