#ifndef QUILLBROOK_PLATFORM_WINDOWSNAMES_H
#define QUILLBROOK_PLATFORM_WINDOWSNAMES_H

#include <string>

namespace platform {

// Why Windows cannot hold a file or folder of this one-component name, or
// empty when it can: a device name (CON, PRN, AUX, NUL, COM1-9, LPT1-9, in
// any case, with or without an extension) opens the device, and a dot or a
// blank at the end is dropped, so the file would land elsewhere. "." and
// ".." are not names. Compiled on every host so the rule is tested
// everywhere; only the Windows platform applies it.
std::string windowsNameRule(const std::string& component);

}  // namespace platform

#endif
