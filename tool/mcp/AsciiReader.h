#ifndef QUILLBROOK_ASCIIREADER_H
#define QUILLBROOK_ASCIIREADER_H

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "model/LargeAllocator.h"

// Delivers the MPLAB project file one line at a time, read as Windows text:
// a CR directly before LF is dropped with the line end, and the first 0x1A
// ends the input. The file is read in large blocks; a line may span any
// number of them.
class AsciiReader {
public:
  static constexpr std::size_t DefaultBlockSize = 64 * 1024;

  explicit AsciiReader(std::size_t blockSize = DefaultBlockSize);
  ~AsciiReader();

  AsciiReader(const AsciiReader&) = delete;
  AsciiReader& operator=(const AsciiReader&) = delete;

  // Raises AsciiReaderError CannotOpen when the file cannot be read.
  void open(const std::string& path);
  // The next line without its line end; false (and `line` empty) once the
  // input is exhausted, and on every call after that. Raises
  // AsciiReaderError ReadFailed when a read fails part way. The view holds
  // until the next call: into the block when the line lies within it, so
  // most lines are never copied.
  bool readLine(std::string_view& line);
  // The line `line` (the view the last call gave) as a string of its own;
  // a line gathered across blocks is handed over, not copied.
  LargeText takeLine(std::string_view line);
  void close();

private:
  void makeRoomForLongLine();
  // Reads the next block into `block`; false when no byte is left.
  bool fill();
  // The line from `begin` on, gathered across blocks into `gathered`.
  bool gatherLine(std::string_view& line);

  std::string path;
  std::FILE* input;
  bool exhausted;
  // No byte comes from the file any more: its end, a read error or 0x1A.
  bool inputEnded;
  std::size_t blockSize;
  std::vector<char> block;
  // The bytes of `block` not yet delivered.
  std::size_t begin;
  std::size_t end;
  // A line that spans blocks.
  LargeText gathered;
  // The bytes of the file not yet read into `block`, as far as known: a
  // long line is given room for at most these at once, not grown by copies.
  std::uint64_t unread;
};

#endif
