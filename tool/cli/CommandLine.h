#ifndef QUILLBROOK_COMMANDLINE_H
#define QUILLBROOK_COMMANDLINE_H

#include <string>
#include <vector>

class ConversionSettings;

// The two lines of the usage text.
std::vector<std::string> usageLines();
// Prints the usage text to standard output.
void printUsage();
// The options the two usage lines do not show, in the usage's form.
std::string newerOptionsLine();

// The help text of -h and --help: the usage with every option, one line per
// option, where warnings go and where the documentation is.
std::vector<std::string> helpLines();
// "Quillbrook <version>", the answer to --version.
std::string versionLine();

// Applies every option word found at any position of `arguments` (the
// program name excluded), positionals and values included, and warns about
// arguments it ignores. Path values are made absolute against
// `currentDirectory`. False when an option word is the last argument and so
// has no value.
bool applyOptions(const std::vector<std::string>& arguments, ConversionSettings& settings,
                  const std::string& currentDirectory);

// One run of the program: the exit status for the given arguments.
int quillbrookMain(const std::vector<std::string>& arguments);
// The same for argv[first] to argv[argc - 1], copied first; memory running
// out while they are copied is said like any other.
int quillbrookMain(int argc, char** argv, int first);

#endif
