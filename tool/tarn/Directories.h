#ifndef QUILLBROOK_DIRECTORIES_H
#define QUILLBROOK_DIRECTORIES_H

#include <string>

// Makes one directory level, accepting an existing one. Raises IOERROR
// CannotCreateDirectory.
void ensureDirectory(const std::string& path);

#endif
