#include "Scratch.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

void removeScratch() {
  std::error_code ignored;
  fs::remove_all(scratchFolder(), ignored);
}

fs::path makeScratch() {
  // Memory-backed where the host has it: every run writes files.
  const fs::path base = fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
  const fs::path folder = base / ("quillbrook-fuzz-" + std::to_string(getpid()));
  fs::remove_all(folder);
  fs::create_directories(folder);
  return folder;
}

}  // namespace

const fs::path& scratchFolder() {
  static const fs::path folder = makeScratch();
  static const bool cleaned = std::atexit(removeScratch) == 0;
  (void)cleaned;
  return folder;
}

std::string toolForm(const fs::path& path) {
  std::string text = path.string();
  std::replace(text.begin(), text.end(), '/', '\\');
  return text;
}

void writeFile(const fs::path& path, const std::uint8_t* data, std::size_t size) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

std::string readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

void finding(const std::string& what) {
  std::fprintf(stderr, "quillbrook fuzz finding: %s\n", what.c_str());
  std::abort();
}
