// Takes Quillbrook's place on PATH in the wizard's tests. It records its
// arguments, one a line, into $STANDIN_ARGS_FILE, prints $STANDIN_LINES lines
// ("line 1", "line 2", ...) a little apart so that each arrives on its own,
// each of the first $STANDIN_WARNINGS of them followed on standard error by
// "Quillbrook: warning: warning N", then $STANDIN_REASON on standard error
// if set, waits while $STANDIN_HOLD_FILE names a file that does not exist
// yet, and then exits with $STANDIN_EXIT (default 0), crashes if
// $STANDIN_CRASH is set or calls abort() if $STANDIN_ABORT is set. With
// $STANDIN_PIECES set, each line goes out in three writes, the CR LF line
// end split between the last two, and the last line has no line end.
// $STANDIN_OUTPUT, if set, follows the lines on standard output as it is.
// Asked "--configurations PROJECT", it prints the comma-separated names of
// $STANDIN_CONFIGURATIONS one a line and exits 0, recording nothing.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#endif

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

void writeOut(const std::string &text)
{
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fflush(stdout);
    pause(50);
}

void printLines(int lines, int warnings)
{
    for (int i = 1; i <= lines; ++i) {
        writeOut("line " + std::to_string(i) + "\n");
        if (i <= warnings) {
            std::fprintf(stderr, "Quillbrook: warning: warning %d\n", i);
            std::fflush(stderr);
            pause(50);
        }
    }
}

void printInPieces(int lines)
{
#ifdef _WIN32
    _setmode(_fileno(stdout), _O_BINARY); // the bytes exactly as written
#endif
    for (int i = 1; i <= lines; ++i) {
        writeOut("li");
        writeOut("ne " + std::to_string(i) + (i < lines ? "\r" : ""));
        if (i < lines)
            writeOut("\n");
    }
}

// A crash as Windows reports one: the process ends with an exception's
// status, where abort() ends with status 3 like a normal exit.
[[noreturn]] void crash()
{
#ifdef _WIN32
    TerminateProcess(GetCurrentProcess(), EXCEPTION_ACCESS_VIOLATION);
#endif
    std::abort();
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc > 1 && std::string(argv[1]) == "--configurations") {
        std::string names = environment("STANDIN_CONFIGURATIONS");
        for (char &c : names)
            c = c == ',' ? '\n' : c;
        std::printf("%s\n", names.c_str());
        return 0;
    }
    std::ofstream record(environment("STANDIN_ARGS_FILE"), std::ios::binary);
    for (int i = 1; i < argc; ++i)
        record << argv[i] << '\n';
    record.close();

    const int lines = std::atoi(environment("STANDIN_LINES"));
    if (*environment("STANDIN_PIECES"))
        printInPieces(lines);
    else
        printLines(lines, std::atoi(environment("STANDIN_WARNINGS")));
    if (*environment("STANDIN_OUTPUT"))
        writeOut(environment("STANDIN_OUTPUT"));
    if (*environment("STANDIN_REASON")) {
        std::fprintf(stderr, "%s\n", environment("STANDIN_REASON"));
        std::fflush(stderr);
    }

    const char *hold = environment("STANDIN_HOLD_FILE");
    for (int waited = 0; *hold && !exists(hold) && waited < 30000; waited += 20)
        pause(20);

    if (*environment("STANDIN_CRASH"))
        crash();
    if (*environment("STANDIN_ABORT"))
        std::abort();
    return std::atoi(environment("STANDIN_EXIT"));
}
