// The least work for scripts/bench to compare a conversion with: reads the
// project file once, then makes the same number of folders and writes the
// same number of bytes into the same number of files, in large blocks.
// (Replay is the other floor: the tool's own system calls.)
//
//   Floor <file.mcp> <destination> <folders> <files> <bytes>

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

void writeFile(const std::filesystem::path& path, const std::vector<char>& source,
               std::uint64_t bytes) {
  std::FILE* file = std::fopen(path.string().c_str(), "wb");
  if (file == nullptr) {
    std::perror(path.string().c_str());
    std::exit(1);
  }
  const std::uint64_t block = 1 << 20;
  while (bytes > 0) {
    const std::uint64_t size = std::min<std::uint64_t>({bytes, block, source.size()});
    if (size == 0 || std::fwrite(source.data(), 1, size, file) != size)
      std::exit(1);
    bytes -= size;
  }
  if (std::fclose(file) != 0)
    std::exit(1);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 6) {
    std::fprintf(stderr, "usage: Floor <file.mcp> <destination> <folders> <files> <bytes>\n");
    return 2;
  }
  const std::vector<char> input = readWhole(argv[1]);
  const std::filesystem::path destination = argv[2];
  const std::uint64_t folders = std::strtoull(argv[3], nullptr, 10);
  const std::uint64_t files = std::strtoull(argv[4], nullptr, 10);
  const std::uint64_t bytes = std::strtoull(argv[5], nullptr, 10);

  std::vector<std::filesystem::path> made;
  for (std::uint64_t i = 0; i < folders; ++i) {
    made.push_back(destination / ("d" + std::to_string(i)));
    std::filesystem::create_directory(made.back());
  }
  // The first file takes the remainder, as the project file holds most of
  // a conversion's bytes.
  for (std::uint64_t i = 0; i < files; ++i) {
    const std::uint64_t share = bytes / files + (i == 0 ? bytes % files : 0);
    const std::filesystem::path folder = made.empty() ? destination : made[i % made.size()];
    writeFile(folder / ("f" + std::to_string(i)), input, share);
  }
  return 0;
}
