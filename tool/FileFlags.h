#ifndef QUILLBROOK_FILEFLAGS_H
#define QUILLBROOK_FILEFLAGS_H

// Compiler flags that differ from file to file, as an MPLAB X project gives
// them: C and C++ sources take different compiler sections, and a single
// item can replace its configuration's options. The compilation database
// asks here for each entry; an .mcp project leaves the table unused.

#include <map>
#include <string>
#include <vector>

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
  // The compiler's own macros for the configuration's device, before the
  // project's.
  std::vector<std::string> predefinedMacros;
  CompileFlags cFlags;
  CompileFlags cppFlags;
  // Items whose own options replace the configuration's, by tool path.
  std::map<std::string, CompileFlags> overrides;

  // The flags of `file` (a tool path) as compiler arguments: "-I" and the
  // host path as two words, then "-D" words.
  std::vector<std::string> arguments(const std::string& file) const;

private:
  bool used = false;
};

// True for the extensions compiled as C++ (cpp, cc, cxx, any case).
bool isCppSource(const std::string& file);

#endif
