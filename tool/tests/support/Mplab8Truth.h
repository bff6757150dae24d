#ifndef QUILLBROOK_TESTS_MPLAB8TRUTH_H
#define QUILLBROOK_TESTS_MPLAB8TRUTH_H

// What MPLAB IDE 8 itself recorded of the C compiles of a build: the
// makefiles it exports and its build-state file (.mcs). Only what a
// compilation database can be checked against is kept, as written.

#include <filesystem>
#include <string>
#include <vector>

struct Mplab8Compile {
  // The C source as the IDE named it: from the project folder, or a drive path.
  std::string source;
  // The -I folders in the compiler's order, as written.
  std::vector<std::string> includes;
  // The -D values, less the macros the IDE adds by itself.
  std::vector<std::string> definitions;
};

struct Mplab8Truth {
  std::vector<Mplab8Compile> compiles;
  // .mcs only: where the first C object was written on the author's
  // machine, and the object folder ($(TMPDIR)) it names, as written.
  std::string objectLocation;
  std::string objectFolder;
};

// `text` with its letters in lower case: Windows names compare so.
std::string lower(std::string text);

// A Windows program's command-line words: blanks end words outside quotes,
// quotes are dropped, a backslash is an ordinary character.
std::vector<std::string> windowsWords(const std::string& line);

// The "$(CC) ..." lines of an exported makefile that compile a .c file.
Mplab8Truth readMakefileTruth(const std::filesystem::path& makefile);
// The [FileNNN] records of a .mcs whose object is built from a .c file of
// the record's sources: $(INCDIR), then ToolArgsString. DebugOptions,
// which only a debug build adds, is left out.
Mplab8Truth readMcsTruth(const std::filesystem::path& mcs);

#endif
