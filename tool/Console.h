#ifndef QUILLBROOK_CONSOLE_H
#define QUILLBROOK_CONSOLE_H

#include <string>

// Writes one console line to standard output, ended by a line feed and
// flushed at once, so a parent reading the pipe sees progress as it happens.
void printLine(const std::string& text);

// Writes "Quillbrook: warning: " and `text` as one line to standard error,
// which the wizard does not read, so its protocol stays as it is.
void printWarning(const std::string& text);

#endif
