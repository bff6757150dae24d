#ifndef QUILLBROOK_MPLABXVALUES_H
#define QUILLBROOK_MPLABXVALUES_H

// The value rules of MPLAB X property lists: include folders and macro
// definitions kept as ";"-separated text in configurations.xml.

#include <string>
#include <string_view>
#include <vector>

// The non-empty segments of a ";" list, each trimmed of blanks; segments
// that are empty once trimmed are dropped, as the IDE drops them.
std::vector<std::string> listSegments(std::string_view value);

// An include-folder segment as a tool path: double quotes at either end
// dropped (a stray "&quot;" is real), "/" made "\", and a relative folder
// joined to `projectFolder` with one backslash.
std::string includeFolder(std::string_view segment, const std::string& projectFolder);

// A relative item path or folder, joined to `projectFolder`; rooted ones
// ("\x", "/x") and those with a drive (holding ":") stay as written. Either
// way "/" becomes "\".
std::string projectPath(std::string_view path, const std::string& projectFolder);

// A macro segment as the compiler receives it: the IDE writes it verbatim
// after "-D" into a makefile recipe, and the shell that runs the recipe
// removes its quotes and backslash escapes.
std::string macroDefinition(std::string_view segment);

// Splits a definition at its first "=": the name and the value, each
// trimmed of blanks ("NAME = v" defines NAME as "v"). No "=": an empty
// value.
void splitDefinition(const std::string& definition, std::string& name, std::string& value);

#endif
