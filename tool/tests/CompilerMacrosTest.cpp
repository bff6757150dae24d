#include <gtest/gtest.h>

#include "model/CompilerMacros.h"
#include "mcp/McpCompiler.h"

namespace {

using Strings = std::vector<std::string>;

}  // namespace

TEST(CompilerMacros, EachCompilerNamesItselfAndTheDeviceInItsOwnSpelling) {
  const struct {
    CompilerFamily compiler;
    const char* device;
    Strings macros;
  } cases[] = {
      {CompilerFamily::C18, "PIC18F4550", {"__18CXX", "__18F4550"}},
      {CompilerFamily::C30, "PIC24FJ64GA002", {"__C30__", "__PIC24F__", "__PIC24FJ64GA002__"}},
      {CompilerFamily::C30, "dsPIC33FJ128GP204",
       {"__C30__", "__dsPIC33F__", "__dsPIC33FJ128GP204__"}},
      {CompilerFamily::XC16, "dspic33ep512mc806",
       {"__XC16__", "__XC16", "__C30__", "__dsPIC33E__", "__dsPIC33EP512MC806__"}},
      {CompilerFamily::C32, "PIC32MX460F512L", {"__C32__", "__PIC32MX__", "__32MX460F512L__"}},
      {CompilerFamily::XC32, "PIC32MX250F128B",
       {"__XC32", "__XC32__", "__XC__", "__C32__", "__PIC32MX__", "__32MX250F128B__"}},
      {CompilerFamily::HitechPicc, "PIC16F877A", {"HI_TECH_C", "__PICC__", "_16F877A"}},
      {CompilerFamily::HitechPicc18, "PIC18F452",
       {"HI_TECH_C", "__PICC18__", "_PIC18", "_18F452"}},
      {CompilerFamily::XC8, "PIC12F675",
       {"__XC8", "__XC", "HI_TECH_C", "__PICC__", "_12F675", "__12F675"}},
      {CompilerFamily::XC8, "PIC18F46K80",
       {"__XC8", "__XC", "HI_TECH_C", "__PICC18__", "_PIC18", "_18F46K80", "__18F46K80"}},
      {CompilerFamily::Ccs, "PIC24FJ48GA002", {"__PCD__"}},
      // No device: the compiler's own macros only.
      {CompilerFamily::C30, "", {"__C30__"}},
      // An unknown compiler gets what the family's compilers share.
      {CompilerFamily::Unknown, "PIC10F200", {"_10F200"}},
      {CompilerFamily::Unknown, "PIC18F8722", {"__18F8722"}},
      {CompilerFamily::Unknown, "PIC24HJ256GP210", {"__PIC24H__", "__PIC24HJ256GP210__"}},
      {CompilerFamily::Unknown, "PIC32MZ2048EFH144", {"__PIC32MZ__", "__32MZ2048EFH144__"}},
      {CompilerFamily::Unknown, "", {}},
      {CompilerFamily::Unknown, "PIC32", {}},
      {CompilerFamily::C18, "ATmega328", {"__18CXX"}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(predefinedMacros(c.compiler, c.device), c.macros)
        << compilerName(c.compiler) << " " << c.device;
}

TEST(McpCompiler, SuiteDecidesThenToolSettingsThenToolLocations) {
  const auto detect = [](const Strings& lines) {
    McpToolchain toolchain;
    for (const std::string& line : lines)
      toolchain.noteLine(line);
    return mcpCompiler(toolchain);
  };
  const struct {
    Strings lines;
    CompilerFamily expected;
  } cases[] = {
      {{"suite_guid={5B7D72DD-9861-47BD-9F60-2BE967BF8416}\r"}, CompilerFamily::C18},
      {{"suite_guid={62d235d8-2db2-49cd-af24-5489a6015337}",
        "TS{CB0AF4B8-4022-429D-8F99-8A56782B2C6D}=-g"},
       CompilerFamily::XC32},
      // HI-TECH's suite served PIC18 too.
      {{"device=PIC16F877A", "suite_guid={507D93FD-16F1-4270-980F-0C7C0207E6D3}"},
       CompilerFamily::HitechPicc},
      {{"device=PIC18F4550", "suite_guid={507D93FD-16F1-4270-980F-0C7C0207E6D3}"},
       CompilerFamily::HitechPicc18},
      // An unknown suite: the first tool that belongs to one suite only.
      {{"suite_guid={00000000-0000-0000-0000-000000000000}",
        "TS{DD2213A8-6310-47B1-8376-9430CDFC013F}=/l",
        "TS{25AC22BD-2378-4FDB-BFB6-7345A15512D3}000=-O1"},
       CompilerFamily::C30},
      {{"tool_loc{E56A1C86-9D32-4DF6-8C34-FE0388B1B644}=c:\\mcc18\\bin\\mcc18.exe"},
       CompilerFamily::C18},
      // The assembler-only suite and its shared tools name no compiler.
      {{"suite_guid={6B3DAA78-59C1-46DD-B6AA-DBDAE4E06484}",
        "TS{DD2213A8-6310-47B1-8376-9430CDFC013F}=", "tool_loc{X}=C:\\tools\\mpasmwin.exe"},
       CompilerFamily::Unknown},
      {{"device=PIC18F4550", "TS{"}, CompilerFamily::Unknown},
  };
  for (const auto& c : cases)
    EXPECT_EQ(compilerName(detect(c.lines)), compilerName(c.expected)) << c.lines.front();
}
