#ifndef QUILLBROOK_TESTS_TESTFILES_H
#define QUILLBROOK_TESTS_TESTFILES_H

#include <filesystem>
#include <string>
#include <vector>

// A fresh folder for one test, removed again when the test ends.
class TempDir {
public:
  TempDir();
  ~TempDir();

  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return root; }
  // The folder in the tool's own path form (backslash separators).
  std::string toolPath() const;
  // A path below the folder in the tool's own path form.
  std::string toolPath(const std::string& relative) const;

private:
  std::filesystem::path root;
};

// `path` as the tool writes it: backslash separators on every host.
std::string toolForm(const std::filesystem::path& path);

std::string readBytes(const std::filesystem::path& path);
void writeBytes(const std::filesystem::path& path, const std::string& bytes);

// Joins lines, each ended by CR LF, as the tool writes them.
std::string crlfLines(const std::vector<std::string>& lines);
// Joins lines, each ended by LF, as the tool prints them.
std::string lfLines(const std::vector<std::string>& lines);

// Every file and folder below `root`, relative, with "/" separators,
// folders ending in "/", sorted.
std::vector<std::string> listTree(const std::filesystem::path& root);

#endif
