#include "cli/CommandLine.h"

int main(int argc, char** argv) {
  return quillbrookMain(argc, argv, 1);
}
