#ifndef QUILLBROOK_COMMANDWORDS_H
#define QUILLBROOK_COMMANDWORDS_H

// Compiler command lines as MPLAB keeps them in tool-settings lines: their
// words, and the -D and -I switches among those words.

#include <string>
#include <string_view>
#include <vector>

// Splits `text` as a Windows program splits its command line: blanks (space,
// tab, carriage return) outside double quotes end a word; a double quote
// toggles quoting and is dropped; n backslashes before a double quote give
// n/2 backslashes and, for odd n, a literal double quote; other backslashes
// stay. A word opened by a quote exists even when it ends empty.
std::vector<std::string> splitCommandWords(std::string_view text);

struct CompilerSwitch {
  enum Kind { Definition, IncludePath };
  Kind kind;
  // The text after "-D" or "-I", or the next word when that text is empty.
  std::string value;
};

// The -D and -I switches among `words`, in order. Values that are empty or
// hold "$(" (the IDE's own build macros) are left out; so is every other
// word.
std::vector<CompilerSwitch> findCompilerSwitches(const std::vector<std::string>& words);

// The same as findCompilerSwitches(splitCommandWords(text)), without
// keeping the words no switch can use (a "D1=" value of megabytes is one).
std::vector<CompilerSwitch> commandLineSwitches(std::string_view text);

#endif
