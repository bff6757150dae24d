#include "mplabx/MplabXToolchains.h"

#include "text/TextOps.h"

namespace {

const CompilerSections HiTech{"HI-TECH-COMP", nullptr, nullptr, "define-macros",
                              "undefine-macros", nullptr, nullptr, nullptr, nullptr};
const CompilerSections Sixteen{"C30", nullptr, nullptr, "preprocessor-macros", nullptr,
                               "C30Global", nullptr, "oXC16glb-macros",
                               "common-include-directories"};
const CompilerSections ThirtyTwo{"C32", "XC32", "C32CPP", "preprocessor-macros", nullptr,
                                 "C32Global", "XC32Global", nullptr,
                                 "common-include-directories"};
const CompilerSections Eighteen{"C18", nullptr, nullptr, "preprocessor-macros", nullptr,
                                nullptr, nullptr, nullptr, nullptr};

struct Toolchain {
  const char* upperName;
  const CompilerSections* sections;
  CompilerFamily compiler;
};

// XC-DSC grew out of XC16 and predefines its macros.
const Toolchain Toolchains[] = {
    {"XC8", &HiTech, CompilerFamily::XC8},
    {"HI-TECH-PICC", &HiTech, CompilerFamily::HitechPicc},
    {"HI-TECH-PICC18", &HiTech, CompilerFamily::HitechPicc18},
    {"XC16", &Sixteen, CompilerFamily::XC16},
    {"C30", &Sixteen, CompilerFamily::C30},
    {"XCDSC", &Sixteen, CompilerFamily::XC16},
    {"XC32", &ThirtyTwo, CompilerFamily::XC32},
    {"C32", &ThirtyTwo, CompilerFamily::C32},
    {"C18", &Eighteen, CompilerFamily::C18},
};

const Toolchain* findToolchain(const std::string& languageToolchain) {
  const std::string upper = toUpperAscii(languageToolchain);
  for (const Toolchain& toolchain : Toolchains) {
    if (upper == toolchain.upperName)
      return &toolchain;
  }
  return nullptr;
}

}  // namespace

const CompilerSections* compilerSections(const std::string& languageToolchain) {
  const Toolchain* toolchain = findToolchain(languageToolchain);
  return toolchain ? toolchain->sections : nullptr;
}

CompilerFamily toolchainCompiler(const std::string& languageToolchain) {
  const Toolchain* toolchain = findToolchain(languageToolchain);
  return toolchain ? toolchain->compiler : CompilerFamily::Unknown;
}
