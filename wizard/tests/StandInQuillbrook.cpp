// Takes Quillbrook's place on PATH in the wizard's tests. It records its
// arguments, one a line, into $STANDIN_ARGS_FILE, prints $STANDIN_LINES lines
// ("line 1", "line 2", ...) a little apart so that each arrives on its own,
// waits while $STANDIN_HOLD_FILE names a file that does not exist yet, and
// then exits with $STANDIN_EXIT (default 0), or aborts if $STANDIN_CRASH is set.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <thread>

namespace {

const char *environment(const char *name)
{
    const char *value = std::getenv(name);
    return value ? value : "";
}

void pause(int milliseconds)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

bool exists(const char *path)
{
    return std::ifstream(path).good();
}

} // namespace

int main(int argc, char *argv[])
{
    std::ofstream record(environment("STANDIN_ARGS_FILE"), std::ios::binary);
    for (int i = 1; i < argc; ++i)
        record << argv[i] << '\n';
    record.close();

    const int lines = std::atoi(environment("STANDIN_LINES"));
    for (int i = 1; i <= lines; ++i) {
        std::printf("line %d\n", i);
        std::fflush(stdout);
        pause(50);
    }

    const char *hold = environment("STANDIN_HOLD_FILE");
    for (int waited = 0; *hold && !exists(hold) && waited < 30000; waited += 20)
        pause(20);

    if (*environment("STANDIN_CRASH"))
        std::abort();
    return std::atoi(environment("STANDIN_EXIT"));
}
