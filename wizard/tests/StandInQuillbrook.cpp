// Takes Quillbrook's place on PATH in the wizard's tests. It records its
// arguments, one a line, into $STANDIN_ARGS_FILE, prints $STANDIN_LINES lines
// ("line 1", "line 2", ...) a little apart so that each arrives on its own,
// each of the first $STANDIN_WARNINGS of them followed on standard error by
// "Quillbrook: warning: warning N", then $STANDIN_REASON on standard error
// if set, waits while $STANDIN_HOLD_FILE names a file that does not exist yet, and
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
    const int warnings = std::atoi(environment("STANDIN_WARNINGS"));
    for (int i = 1; i <= lines; ++i) {
        std::printf("line %d\n", i);
        std::fflush(stdout);
        pause(50);
        if (i <= warnings) {
            std::fprintf(stderr, "Quillbrook: warning: warning %d\n", i);
            std::fflush(stderr);
            pause(50);
        }
    }
    if (*environment("STANDIN_REASON")) {
        std::fprintf(stderr, "%s\n", environment("STANDIN_REASON"));
        std::fflush(stderr);
    }

    const char *hold = environment("STANDIN_HOLD_FILE");
    for (int waited = 0; *hold && !exists(hold) && waited < 30000; waited += 20)
        pause(20);

    if (*environment("STANDIN_CRASH"))
        std::abort();
    return std::atoi(environment("STANDIN_EXIT"));
}
