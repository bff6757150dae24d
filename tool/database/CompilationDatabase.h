#ifndef QUILLBROOK_COMPILATIONDATABASE_H
#define QUILLBROOK_COMPILATIONDATABASE_H

// The converted project as a JSON compilation database (compile_commands.json),
// for the language servers and analysers that read one.

#include <functional>
#include <string>
#include <vector>

#include "database/DatabaseEntry.h"

class OutputGuard;
class ProjectGroup;

// Takes each command as it is made; it may change it (DatabaseTally does).
using CompileCommandSink = std::function<void(CompileCommand&)>;

// Hands `sink` one command per compiled source of the tree, in project-file
// order: a group's files, then those of its children, recursively. Each file
// gets the include paths and definitions of the nearest group, itself or an
// ancestor, that has any, as its analyser personality does; a used file
// flag table in `rules` gives the directory and each file's flags instead.
// Only one command
// is held at a time, so a database of any size needs the memory of one entry.
void forEachCompileCommand(const ProjectGroup& root, const std::string& sourceProject,
                           const DatabaseRules& rules, const CompileCommandSink& sink);

// All the commands of forEachCompileCommand, gathered.
std::vector<CompileCommand> compileCommands(const ProjectGroup& root,
                                            const std::string& sourceProject,
                                            const DatabaseRules& rules = DatabaseRules());

// The whole database as JSON text, as writeCompilationDatabase writes it:
// each entry indented as in an indented dump of the array. A string that
// is not UTF-8 is taken as Windows-1252; `firstConverted` receives the
// first such string as converted, and stays empty when every string was
// UTF-8 already.
std::string compilationDatabaseJson(const std::vector<CompileCommand>& commands,
                                    std::string& firstConverted);

// Writes the database of the tree to `path` and says so on the console,
// leaving out the sources that are not on this machine. Raises IOERROR
// CannotWriteFile.
void writeCompilationDatabase(const ProjectGroup& root, const std::string& sourceProject,
                              const DatabaseRules& rules, const std::string& path,
                              OutputGuard& guard);

#endif
