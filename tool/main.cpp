#include <new>
#include <string>
#include <vector>

#include "cli/CommandLine.h"
#include "io/Console.h"

int main(int argc, char** argv) {
  std::vector<std::string> arguments;
  try {
    for (int i = 1; i < argc; ++i)
      arguments.push_back(argv[i]);
  } catch (const std::bad_alloc&) {
    // Nothing was read or made, as when quillbrookMain runs out.
    reportOutOfMemoryBeforeRun(argc > 1 ? argv[1] : "");
    return 1;
  }
  return quillbrookMain(arguments);
}
