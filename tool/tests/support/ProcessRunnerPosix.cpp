#include "support/ProcessRunner.h"

#include <sys/wait.h>
#include <unistd.h>

ProcessResult runProcess(const std::string& program,
                         const std::vector<std::string>& arguments,
                         const std::string& workingDirectory) {
  ProcessResult result;
  int pipeEnds[2];
  if (pipe(pipeEnds) != 0)
    return result;
  const pid_t child = fork();
  if (child == 0) {
    dup2(pipeEnds[1], STDOUT_FILENO);
    close(pipeEnds[0]);
    close(pipeEnds[1]);
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
  close(pipeEnds[1]);
  char buffer[4096];
  ssize_t got;
  while ((got = read(pipeEnds[0], buffer, sizeof buffer)) > 0)
    result.output.append(buffer, static_cast<std::size_t>(got));
  close(pipeEnds[0]);
  int status = 0;
  waitpid(child, &status, 0);
  if (WIFEXITED(status))
    result.exitCode = WEXITSTATUS(status);
  return result;
}
