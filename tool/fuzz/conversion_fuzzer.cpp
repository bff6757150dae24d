// Arbitrary bytes converted as a project file, the whole run, in a fresh
// sandbox each time. Every folder and file the tool goes to create must lie
// inside the destination, and nothing outside it may change: the inputs keep
// their bytes and no other entry appears in the sandbox.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "cli/CommandLine.h"
#include "Scratch.h"
#include "platform/Platform.h"

namespace fs = std::filesystem;

namespace {

const std::string CompilerText = "-compiler\r\n";
const std::string TemplateText = "-template\n";

std::string destination;  // tool form, while a run is on

bool hasParentComponent(const std::string& path) {
  std::string::size_type start = 0;
  while (true) {
    const std::string::size_type end = path.find_first_of("\\/", start);
    if (path.substr(start, end - start) == "..")
      return true;
    if (end == std::string::npos)
      return false;
    start = end + 1;
  }
}

// Sees every path the tool is about to create; fails none.
bool checkCreatedPath(platform::HostCall call, const std::string& path) {
  if (call != platform::HostCall::OpenForWriting && call != platform::HostCall::MakeDirectory)
    return false;
  if (path.compare(0, destination.size() + 1, destination + "\\") != 0 || hasParentComponent(path))
    finding("creates outside the destination: " + path);
  return false;
}

// Every entry below `root` but `skip`, with the bytes of each file.
std::map<std::string, std::string> entriesOutside(const fs::path& root, const fs::path& skip) {
  std::map<std::string, std::string> entries;
  for (auto it = fs::recursive_directory_iterator(root); it != fs::recursive_directory_iterator();
       ++it) {
    if (it->path() == skip) {
      it.disable_recursion_pending();
      continue;
    }
    entries[it->path().string()] = it->is_regular_file() ? readFile(it->path()) : "<folder>";
  }
  return entries;
}

std::vector<std::string> argumentsFor(std::uint8_t choice, const fs::path& in,
                                      const fs::path& out) {
  std::vector<std::string> arguments{(in / "demo.mcp").string(), out.string()};
  if (choice & 1)
    arguments.insert(arguments.end(), {"-cp", (in / "c.p_c").string()});
  if (choice & 2)
    arguments.insert(arguments.end(), {"-ap", (in / "t.p_a").string()});
  if (choice & 4)
    arguments.insert(arguments.end(), {"-mp", (in / "missing.p_s").string()});
  if (choice & 8)
    arguments.insert(arguments.end(), {"-ext", "c,h"});
  if (choice & 16)
    arguments.push_back("-sw");
  if (choice & 32)
    arguments.insert(arguments.end(), {"-cdb", (out / "compile_commands.json").string()});
  return arguments;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // The console lines are of no interest and would slow every run.
  if (std::freopen("/dev/null", "w", stdout) == nullptr)
    return 1;
  platform::setFaultHook(checkCreatedPath);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const fs::path sandbox = scratchFolder() / "sandbox";
  const fs::path in = sandbox / "in";
  const fs::path out = sandbox / "out";
  fs::remove_all(sandbox);
  fs::create_directories(in);
  fs::create_directories(out);
  writeFile(in / "demo.mcp", data, size);
  writeFile(in / "c.p_c", reinterpret_cast<const std::uint8_t*>(CompilerText.data()),
            CompilerText.size());
  writeFile(in / "t.p_a", reinterpret_cast<const std::uint8_t*>(TemplateText.data()),
            TemplateText.size());
  const auto before = entriesOutside(scratchFolder(), out);

  destination = toolForm(out);
  const int status = quillbrookMain(argumentsFor(size > 0 ? data[0] : 0, in, out));
  destination.clear();

  if (status != 0 && status != 1)
    finding("exit status " + std::to_string(status));
  if (entriesOutside(scratchFolder(), out) != before)
    finding("something outside the destination was created or changed");
  if (status == 0) {
    const std::string project = readFile(out / "demo.prj");
    if (project.rfind("VersionTag45\r\n", 0) != 0 || project.size() < 2 ||
        project.compare(project.size() - 2, 2, "\r\n") != 0)
      finding("status 0 without a whole project file");
  }
  return 0;
}
