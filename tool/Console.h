#ifndef QUILLBROOK_CONSOLE_H
#define QUILLBROOK_CONSOLE_H

#include <string>

// Writes one console line to standard output, ended by a line feed and
// flushed at once, so a parent reading the pipe sees progress as it happens.
void printLine(const std::string& text);

#endif
