#include "support/ProcessRunner.h"

#include <windows.h>

#include <string>
#include <thread>

namespace {

// One argument as the C runtime's command-line parser splits it back:
// quoted when it holds blanks or quotes or is empty; backslashes are doubled
// only where they stand before a quote.
std::string quoted(const std::string& argument) {
  if (!argument.empty() && argument.find_first_of(" \t\n\v\"") == std::string::npos)
    return argument;
  std::string text = "\"";
  std::size_t backslashes = 0;
  for (char c : argument) {
    if (c == '\\') {
      ++backslashes;
      continue;
    }
    if (c == '"')
      text.append(backslashes * 2 + 1, '\\');
    else
      text.append(backslashes, '\\');
    text += c;
    backslashes = 0;
  }
  text.append(backslashes * 2, '\\');
  text += '"';
  return text;
}

std::string commandLine(const std::string& program,
                        const std::vector<std::string>& arguments) {
  // The program name is split by simpler rules: quotes only.
  std::string line = "\"" + program + "\"";
  for (const std::string& argument : arguments)
    line += " " + quoted(argument);
  return line;
}

std::string readAll(HANDLE pipe) {
  std::string output;
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(pipe, buffer, sizeof buffer, &got, nullptr) && got > 0)
    output.append(buffer, got);
  return output;
}

// Exit codes in the NTSTATUS error range mean the program crashed.
int exitStatus(HANDLE process) {
  DWORD code = 0;
  if (!GetExitCodeProcess(process, &code) || code >= 0xC0000000u)
    return -1;
  return static_cast<int>(code);
}

}  // namespace

ProcessResult runProcess(const std::string& program,
                         const std::vector<std::string>& arguments,
                         const std::string& workingDirectory) {
  ProcessResult result;
  SECURITY_ATTRIBUTES inheritable = {};
  inheritable.nLength = sizeof inheritable;
  inheritable.bInheritHandle = TRUE;
  HANDLE readEnd = nullptr;
  HANDLE writeEnd = nullptr;
  if (!CreatePipe(&readEnd, &writeEnd, &inheritable, 0))
    return result;
  HANDLE errorReadEnd = nullptr;
  HANDLE errorWriteEnd = nullptr;
  if (!CreatePipe(&errorReadEnd, &errorWriteEnd, &inheritable, 0)) {
    CloseHandle(readEnd);
    CloseHandle(writeEnd);
    return result;
  }
  // Only the write ends belong to the child.
  SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
  SetHandleInformation(errorReadEnd, HANDLE_FLAG_INHERIT, 0);

  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  startup.hStdOutput = writeEnd;
  startup.hStdError = errorWriteEnd;

  std::string line = commandLine(program, arguments);
  PROCESS_INFORMATION process = {};
  // A start refused by a busy host (seen under Wine) is tried again: the
  // program has not run, so no outcome of it is hidden.
  BOOL started = FALSE;
  DWORD startError = 0;
  for (int attempt = 0; attempt < 3 && !started; ++attempt) {
    if (attempt > 0)
      Sleep(200);
    started = CreateProcessA(program.c_str(), &line[0], nullptr, nullptr, TRUE, 0, nullptr,
                             workingDirectory.empty() ? nullptr : workingDirectory.c_str(),
                             &startup, &process);
    startError = started ? 0 : GetLastError();
  }
  // Closed here so that reading ends when the child's copies close.
  CloseHandle(writeEnd);
  CloseHandle(errorWriteEnd);
  if (!started) {
    CloseHandle(readEnd);
    CloseHandle(errorReadEnd);
    result.errors = "could not start " + program + ": error " + std::to_string(startError);
    return result;
  }
  // Both pipes are drained at once, so neither can fill up and stall the
  // program.
  std::thread errorReader([&] { result.errors = readAll(errorReadEnd); });
  result.output = readAll(readEnd);
  errorReader.join();
  CloseHandle(readEnd);
  CloseHandle(errorReadEnd);
  WaitForSingleObject(process.hProcess, INFINITE);
  result.exitCode = exitStatus(process.hProcess);
  DWORD code = 0;
  if (result.exitCode == -1 && GetExitCodeProcess(process.hProcess, &code))
    result.errors += "ended abnormally with status " + std::to_string(code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return result;
}
