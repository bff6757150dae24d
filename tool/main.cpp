#include <string>
#include <vector>

#include "cli/CommandLine.h"

int main(int argc, char** argv) {
  std::vector<std::string> arguments;
  for (int i = 1; i < argc; ++i)
    arguments.push_back(argv[i]);
  return quillbrookMain(arguments);
}
