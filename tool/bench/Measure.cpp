// Runs a command and prints its wall time in seconds, its peak resident
// memory in KiB and its exit status, for scripts/bench. The figures go to
// standard error, leaving standard output to the command. Linux only, like
// the bench itself.
//
//   Measure <command> [arguments...]

#include <chrono>
#include <cstdio>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: Measure <command> [arguments...]\n");
    return 2;
  }
  const auto start = std::chrono::steady_clock::now();
  const pid_t child = fork();
  if (child == 0) {
    execv(argv[1], argv + 1);
    std::perror(argv[1]);
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  if (child < 0 || wait4(child, &status, 0, &usage) != child) {
    std::perror("Measure");
    return 1;
  }
  const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - start;
  const int exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  std::fprintf(stderr, "%.4f %ld %d\n", wall.count(), usage.ru_maxrss, exitStatus);
  return 0;
}
