// The same-syscall floor for scripts/bench: replays the folder, open, read,
// write, stat and close calls one run of the tool made, with the same byte
// counts, and nothing else. The calls come from a trace that scripts/bench
// reduces from strace's output to one call a line:
//
//   mkdir <path>            open <fd> r|w <path>    stat <path>
//   read <fd> <bytes>       write <fd> <bytes>      close <fd>
//
// Paths starting with <from> are replayed under <to>, so the replay writes
// into a folder of its own. Writes to standard output and error go to
// /dev/null, where scripts/bench sends the tool's standard output.
//
//   Replay <trace> <from> <to>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <unordered_map>
#include <vector>

namespace {

struct Call {
  char kind;  // 'm'kdir, 'o'pen read, 'O'pen write, 's'tat, 'r'ead, 'w'rite, 'c'lose
  int fd;
  std::size_t bytes;
  std::string path;
};

std::vector<Call> readTrace(const char* name, const std::string& from, const std::string& to) {
  std::ifstream trace(name);
  if (!trace) {
    std::perror(name);
    std::exit(1);
  }
  std::vector<Call> calls;
  std::string line;
  while (std::getline(trace, line)) {
    std::istringstream words(line);
    std::string op;
    Call call{0, -1, 0, {}};
    words >> op;
    if (op == "mkdir" || op == "stat") {
      call.kind = op[0];
      std::getline(words >> std::ws, call.path);
    } else if (op == "open") {
      std::string mode;
      words >> call.fd >> mode;
      call.kind = mode == "w" ? 'O' : 'o';
      std::getline(words >> std::ws, call.path);
    } else if (op == "read" || op == "write") {
      call.kind = op[0];
      words >> call.fd >> call.bytes;
    } else if (op == "close") {
      call.kind = 'c';
      words >> call.fd;
    } else {
      continue;
    }
    if (call.path.compare(0, from.size(), from) == 0)
      call.path = to + call.path.substr(from.size());
    calls.push_back(call);
  }
  return calls;
}

void failed(const Call& call) {
  std::fprintf(stderr, "Replay: %c %d %s failed\n", call.kind, call.fd, call.path.c_str());
  std::exit(1);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: Replay <trace> <from> <to>\n");
    return 2;
  }
  const std::vector<Call> calls = readTrace(argv[1], argv[2], argv[3]);
  std::size_t largest = 1;
  for (const Call& call : calls)
    largest = call.bytes > largest ? call.bytes : largest;
  std::vector<char> buffer(largest, 'x');
  // The traced descriptor numbers and the replay's own.
  const int discard = ::open("/dev/null", O_WRONLY);
  std::unordered_map<int, int> open = {{1, discard}, {2, discard}};
  struct stat info;
  for (const Call& call : calls) {
    switch (call.kind) {
      case 'm':
        if (mkdir(call.path.c_str(), 0777) != 0 && errno != EEXIST)
          failed(call);
        break;
      case 's':
        stat(call.path.c_str(), &info);
        break;
      case 'o':
      case 'O': {
        const int fd = call.kind == 'O' ? ::open(call.path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666)
                                        : ::open(call.path.c_str(), O_RDONLY);
        if (fd < 0)
          failed(call);
        open[call.fd] = fd;
        break;
      }
      case 'r':
        if (read(open.at(call.fd), buffer.data(), call.bytes) < 0)
          failed(call);
        break;
      case 'w':
        if (write(open.at(call.fd), buffer.data(), call.bytes) != static_cast<ssize_t>(call.bytes))
          failed(call);
        break;
      case 'c':
        close(open.at(call.fd));
        open.erase(call.fd);
        break;
    }
  }
  return 0;
}
