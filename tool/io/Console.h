#ifndef QUILLBROOK_CONSOLE_H
#define QUILLBROOK_CONSOLE_H

#include <string>

// A control byte other than TAB, which a name from the project file can
// hold, is shown escaped on both channels ("\0", "\r", "\n", "\x1b"),
// never written raw: every line the tool prints is one line.
//
// Writes one console line to standard output, ended by a line feed and
// flushed at once, so a parent reading the pipe sees progress as it happens.
// Write failures are ignored: a reader that went away must not change the
// outcome of the run.
void printLine(const std::string& text);

// Writes one line to standard error. Standard output is the wizard's
// protocol, so everything meant only for a person goes here.
void printErrorLine(const std::string& text);

// A warning: one line on standard error, "Quillbrook: warning: " first.
void warn(const std::string& text);

// Says on standard error what failed, on which path and why, as one line
// "Quillbrook: error: " + text. Printed before the standard-output line
// that reports the same failure.
void reportError(const std::string& text);

// A tool path as a person at this host reads it: the host's separators.
// Memory ran out before the conversion began: the reason on standard error
// and "Could not open file: <project argument>", without allocating.
void reportOutOfMemoryBeforeRun(const char* projectArgument);

std::string displayPath(const std::string& path);

#endif
