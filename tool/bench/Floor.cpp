// Two floors for scripts/bench to compare a conversion with. Both read the
// project file once, then make the same number of folders and write the
// same number of bytes into the same number of files.
//
//   Floor <file.mcp> <destination> <folders> <files> <bytes>
//     the least work: bytes written in large blocks.
//   Floor <file.mcp> <destination> <folders> <files> <bytes> <lines>
//     the system calls of a line-by-line writer: each folder tested for
//     existence before it is made, and one write and flush per line of the
//     average line length.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

std::vector<char> readWhole(const char* path) {
  std::vector<char> data;
  std::FILE* file = std::fopen(path, "rb");
  if (file == nullptr) {
    std::perror(path);
    std::exit(1);
  }
  char block[1 << 16];
  std::size_t got;
  while ((got = std::fread(block, 1, sizeof block, file)) > 0)
    data.insert(data.end(), block, block + got);
  std::fclose(file);
  return data;
}

// `block` is the size of each write; 0 writes in large blocks unflushed.
void writeFile(const std::filesystem::path& path, const std::vector<char>& source,
               std::uint64_t bytes, std::uint64_t block) {
  std::FILE* file = std::fopen(path.string().c_str(), "wb");
  if (file == nullptr) {
    std::perror(path.string().c_str());
    std::exit(1);
  }
  const bool flushEach = block != 0;
  if (!flushEach)
    block = 1 << 20;
  while (bytes > 0) {
    const std::uint64_t size = std::min<std::uint64_t>({bytes, block, source.size()});
    if (size == 0 || std::fwrite(source.data(), 1, size, file) != size)
      std::exit(1);
    if (flushEach && std::fflush(file) != 0)
      std::exit(1);
    bytes -= size;
  }
  if (std::fclose(file) != 0)
    std::exit(1);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 6 && argc != 7) {
    std::fprintf(stderr,
                 "usage: Floor <file.mcp> <destination> <folders> <files> <bytes> [<lines>]\n");
    return 2;
  }
  const std::vector<char> input = readWhole(argv[1]);
  const std::filesystem::path destination = argv[2];
  const std::uint64_t folders = std::strtoull(argv[3], nullptr, 10);
  const std::uint64_t files = std::strtoull(argv[4], nullptr, 10);
  const std::uint64_t bytes = std::strtoull(argv[5], nullptr, 10);
  const std::uint64_t lines = argc == 7 ? std::strtoull(argv[6], nullptr, 10) : 0;
  const std::uint64_t lineSize = lines == 0 ? 0 : std::max<std::uint64_t>(1, bytes / lines);

  std::vector<std::filesystem::path> made;
  for (std::uint64_t i = 0; i < folders; ++i) {
    made.push_back(destination / ("d" + std::to_string(i)));
    if (lines != 0 && std::filesystem::exists(made.back()))
      continue;
    std::filesystem::create_directory(made.back());
  }
  // The first file takes the remainder, as the project file holds most of
  // a conversion's bytes.
  for (std::uint64_t i = 0; i < files; ++i) {
    const std::uint64_t share = bytes / files + (i == 0 ? bytes % files : 0);
    const std::filesystem::path folder = made.empty() ? destination : made[i % made.size()];
    writeFile(folder / ("f" + std::to_string(i)), input, share, lineSize);
  }
  return 0;
}
