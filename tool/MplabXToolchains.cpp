#include "MplabXToolchains.h"

#include "TextOps.h"

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

struct ToolchainSections {
  const char* upperName;
  const CompilerSections* sections;
};

const ToolchainSections Toolchains[] = {
    {"XC8", &HiTech},      {"HI-TECH-PICC", &HiTech}, {"HI-TECH-PICC18", &HiTech},
    {"XC16", &Sixteen},    {"C30", &Sixteen},         {"XCDSC", &Sixteen},
    {"XC32", &ThirtyTwo},  {"C32", &ThirtyTwo},       {"C18", &Eighteen},
};

}  // namespace

const CompilerSections* compilerSections(const std::string& languageToolchain) {
  const std::string upper = toUpperAscii(languageToolchain);
  for (const ToolchainSections& toolchain : Toolchains) {
    if (upper == toolchain.upperName)
      return toolchain.sections;
  }
  return nullptr;
}

std::vector<std::string> compilerPredefinedMacros(const std::string&, const std::string&) {
  // No compiler's macro list is known to the tool yet.
  return {};
}
