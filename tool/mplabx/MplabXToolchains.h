#ifndef QUILLBROOK_MPLABXTOOLCHAINS_H
#define QUILLBROOK_MPLABXTOOLCHAINS_H

// Which sections of an MPLAB X configuration hold a toolchain's C compiler
// options, and under which property keys.

#include <string>

#include "model/CompilerMacros.h"

struct CompilerSections {
  // The C compiler section, and the older name some files use instead.
  const char* cSection;
  const char* olderCSection;
  // The C++ section; null when the C section compiles C++ too.
  const char* cppSection;
  const char* macrosKey;
  // Null when the toolchain has no undefine list.
  const char* undefinesKey;
  // The options every compile line takes; null when the toolchain has none.
  const char* globalSection;
  const char* olderGlobalSection;
  const char* globalMacrosKey;
  const char* globalIncludesKey;
};

// The sections of a `languageToolchain` value (any case); null for the
// toolchains without a C compiler this tool reads (assemblers, plug-ins).
const CompilerSections* compilerSections(const std::string& languageToolchain);

// The compiler family of a `languageToolchain` value, whose macros the
// database gives each entry; Unknown for the others.
CompilerFamily toolchainCompiler(const std::string& languageToolchain);

#endif
