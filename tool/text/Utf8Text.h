#ifndef QUILLBROOK_UTF8TEXT_H
#define QUILLBROOK_UTF8TEXT_H

// MPLAB 8 wrote its project files in the Windows code page; files meant for
// other programs need UTF-8. These turn the one into the other.

#include <string>

// True when `text` is well-formed UTF-8: shortest forms only, no surrogate
// halves, nothing above U+10FFFF.
bool isUtf8(const std::string& text);

// Every byte of `text` taken as Windows-1252 and written as UTF-8. The five
// bytes the code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D)
// become the control characters of the same number, U+0081 and so on, as
// the Windows conversion functions map them, so no byte is lost.
std::string windows1252ToUtf8(const std::string& text);

#endif
