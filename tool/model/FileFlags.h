#ifndef QUILLBROOK_FILEFLAGS_H
#define QUILLBROOK_FILEFLAGS_H

// Compiler flags that differ from file to file, as an MPLAB X project gives
// them: C and C++ sources take different compiler sections, and a single
// item can replace its configuration's options. The compilation database
// asks here for each entry; an .mcp project leaves the table unused.

#include <map>
#include <string>
#include <vector>

class PathMap;

// The include folders (tool paths) and definitions ("NAME" or "NAME=VALUE",
// as the compiler receives them) of one compile line, in the IDE's order.
struct CompileFlags {
  std::vector<std::string> includePaths;
  std::vector<std::string> definitions;
};

class FileFlagTable {
public:
  // False until a reader fills the table: the database then takes its
  // flags from the group tree.
  bool isUsed() const { return used; }
  void markUsed() { used = true; }

  // The folder the compiler runs in.
  std::string directory;
  CompileFlags cFlags;
  CompileFlags cppFlags;
  // Items whose own options replace the configuration's, by tool path.
  std::map<std::string, CompileFlags> overrides;

  // The flags of `file` (a tool path): its own when it overrides, else
  // those of its language.
  const CompileFlags& flagsOf(const std::string& file) const;

  // Applies "-map" to every path of the table.
  void mapPaths(PathMap& map);

private:
  bool used = false;
};

// True for the extensions compiled as C++ (cpp, cc, cxx, any case).
bool isCppSource(const std::string& file);

// True for the files a compiler compiles, and so the database lists: those
// whose extension, after the last dot and in any case, is c, cpp, cc or cxx.
bool isCompiledSource(const std::string& file);

#endif
