// The tool with a fault hook, for the fault-injection test:
//   quillbrook_faulty <fail-at> <call-log> <tool arguments...>
// Host call number <fail-at> (counted from 1; 0 fails none) fails, and every
// call is written to <call-log> as one line: its kind, a blank, its path.

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "CommandLine.h"
#include "platform/Platform.h"

namespace {

long failAt = 0;
long calls = 0;
std::ofstream callLog;

const char* kindName(platform::HostCall call) {
  switch (call) {
    case platform::HostCall::OpenForReading: return "open-read";
    case platform::HostCall::OpenForWriting: return "open-write";
    case platform::HostCall::MakeDirectory: return "make-directory";
    case platform::HostCall::Read: return "read";
    case platform::HostCall::Write: return "write";
    case platform::HostCall::Flush: return "flush";
    case platform::HostCall::Close: return "close";
  }
  return "unknown";
}

bool failNth(platform::HostCall call, const std::string& path) {
  callLog << kindName(call) << ' ' << path << '\n';
  callLog.flush();
  return ++calls == failAt;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3)
    return 2;
  failAt = std::strtol(argv[1], nullptr, 10);
  callLog.open(argv[2], std::ios::binary | std::ios::trunc);
  platform::setFaultHook(failNth);
  std::vector<std::string> arguments;
  for (int i = 3; i < argc; ++i)
    arguments.push_back(argv[i]);
  return quillbrookMain(arguments);
}
