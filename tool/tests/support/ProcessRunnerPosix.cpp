#include "support/ProcessRunner.h"

#include <sys/wait.h>
#include <unistd.h>

#include <thread>

namespace {

std::string readAll(int fd) {
  std::string text;
  char buffer[4096];
  ssize_t got;
  while ((got = read(fd, buffer, sizeof buffer)) > 0)
    text.append(buffer, static_cast<std::size_t>(got));
  close(fd);
  return text;
}

}  // namespace

ProcessResult runProcess(const std::string& program,
                         const std::vector<std::string>& arguments,
                         const std::string& workingDirectory) {
  ProcessResult result;
  int outPipe[2];
  int errPipe[2];
  if (pipe(outPipe) != 0)
    return result;
  if (pipe(errPipe) != 0) {
    close(outPipe[0]);
    close(outPipe[1]);
    return result;
  }
  const pid_t child = fork();
  if (child == 0) {
    dup2(outPipe[1], STDOUT_FILENO);
    dup2(errPipe[1], STDERR_FILENO);
    for (int end : {outPipe[0], outPipe[1], errPipe[0], errPipe[1]})
      close(end);
    if (chdir(workingDirectory.c_str()) != 0)
      _exit(127);
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& argument : arguments)
      argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    execv(program.c_str(), argv.data());
    _exit(127);
  }
  close(outPipe[1]);
  close(errPipe[1]);
  // Both pipes are drained at once, so neither can fill up and stall the
  // program.
  std::thread errorReader([&] { result.errors = readAll(errPipe[0]); });
  result.output = readAll(outPipe[0]);
  errorReader.join();
  int status = 0;
  waitpid(child, &status, 0);
  if (WIFEXITED(status))
    result.exitCode = WEXITSTATUS(status);
  return result;
}
