#include "mcp/AsciiReader.h"

#include <algorithm>
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
      end(0),
      unread(0) {}

AsciiReader::~AsciiReader() {
  close();
}

void AsciiReader::open(const std::string& path) {
  this->path = path;
  input = platform::openForReading(path);
  if (input == nullptr)
    throw AsciiReaderError(AsciiReaderError::CannotOpen, platform::lastFailure());
  block.resize(blockSize);
  unread = platform::fileSize(input);
  begin = end = 0;
  exhausted = false;
  inputEnded = false;
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

// A gathered line is handed over unless its room is mostly unused: a kept
// line holds no more than twice its size.
LargeText AsciiReader::takeLine(std::string_view line) {
  if (!gathered.empty() && line.data() == gathered.data() &&
      gathered.capacity() / 2 <= line.size()) {
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
      if (available == block.size())
        makeRoomForLongLine();
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

// A line spanning a whole block may be a generated value of megabytes: it
// gets room for the rest of the file at once, as copying it at each
// doubling would cost more than the line itself. Should the file grow as
// it is read, the room still doubles.
void AsciiReader::makeRoomForLongLine() {
  const std::uint64_t most =
      std::max<std::uint64_t>(gathered.size() + block.size() + unread, 2 * gathered.capacity());
  if (gathered.capacity() < gathered.size() + block.size() && most < gathered.max_size())
    gathered.reserve(static_cast<std::size_t>(most));
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
  unread -= std::min<std::uint64_t>(unread, got);
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
