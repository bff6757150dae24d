#include "mcp/McpCompiler.h"

#include <iterator>

#include "text/TextOps.h"

namespace {

struct Clue {
  const char* text;
  CompilerFamily compiler;
};

// Toolsuite GUIDs, as they appear in the shared corpus of real projects.
const Clue Suites[] = {
    {"{5B7D72DD-9861-47BD-9F60-2BE967BF8416}", CompilerFamily::C18},
    {"{479DDE59-4D56-455E-855E-FFF59A3DB57E}", CompilerFamily::C30},
    {"{F62E444C-B232-4066-9AB0-A6F4E5261396}", CompilerFamily::C30},
    {"{9BCCB495-CD65-480A-BA76-63D8E78B117F}", CompilerFamily::XC16},
    {"{14495C23-81F8-43F3-8A44-859C583D7760}", CompilerFamily::C32},
    {"{62D235D8-2DB2-49CD-AF24-5489A6015337}", CompilerFamily::XC32},
    {"{507D93FD-16F1-4270-980F-0C7C0207E6D3}", CompilerFamily::HitechPicc},
    {"{38171385-97B2-4EC5-BF2C-C2C027BA5B04}", CompilerFamily::XC8},
    {"{BA86BF99-4C07-4CE2-A9E7-C2A337910996}", CompilerFamily::Ccs},
};

// Tool GUIDs that belong to one suite only; the assembler, linker and
// librarian that the C18 and assembler-only suites share are left out.
const Clue Tools[] = {
    {"C2AF05E7-1416-4625-923D-E114DB6E2B96", CompilerFamily::C18},
    {"25AC22BD-2378-4FDB-BFB6-7345A15512D3", CompilerFamily::C30},
    {"7D9C6ECE-785D-44CB-BA22-17BF2E119622", CompilerFamily::C30},
    {"7DAC9A1D-4C45-45D6-B25A-D117C74E8F5A", CompilerFamily::C30},
    {"509E5861-1E2A-483B-8B6B-CA8DB7F2DD78", CompilerFamily::C30},
    {"8493B2ED-D539-4951-86C9-24D5331F0393", CompilerFamily::XC16},
    {"21A8AA9B-E75C-40B6-B3AE-9CBC16FF2EF9", CompilerFamily::XC16},
    {"45B3B6E0-6DAF-4E40-8D20-CFB1B620134D", CompilerFamily::XC16},
    {"F9CE474D-6A6C-401D-A11E-BEE01B244D79", CompilerFamily::XC16},
    {"CB0AF4B8-4022-429D-8F99-8A56782B2C6D", CompilerFamily::C32},
    {"9C698E0A-CBC9-4EFF-AE7D-B569F93E7322", CompilerFamily::C32},
    {"77F59DA1-3C53-4677-AC5F-A03EB0125170", CompilerFamily::C32},
    {"0396C0A1-9052-4E4F-8B84-EF0162B1B4E9", CompilerFamily::C32},
    {"6F324298-6323-4781-8C43-43FA5E6F3646", CompilerFamily::XC32},
    {"1F324EFA-C0BA-4A8F-A85A-B21644939CAD", CompilerFamily::XC32},
    {"29D3B6CC-DCAB-4659-8011-FFF75BB7F8D7", CompilerFamily::XC32},
    {"AD4C3FBD-B6BB-4F50-AB4E-35BF132D4D60", CompilerFamily::XC32},
    {"3FF1D5F2-E530-4850-9F70-F61D55BD1AC9", CompilerFamily::HitechPicc},
    {"F42384DA-C7ED-4A02-880F-0F5E88735CE2", CompilerFamily::XC8},
    {"1BC4CBE6-8517-4656-ADCE-144170246122", CompilerFamily::Ccs},
};

// Compiler driver file names, upper-cased.
const Clue Drivers[] = {
    {"MCC18.EXE", CompilerFamily::C18},       {"PIC30-GCC.EXE", CompilerFamily::C30},
    {"XC16-GCC.EXE", CompilerFamily::XC16},   {"PIC32-GCC.EXE", CompilerFamily::C32},
    {"XC32-GCC.EXE", CompilerFamily::XC32},   {"PICC.EXE", CompilerFamily::HitechPicc},
    {"PICC18.EXE", CompilerFamily::HitechPicc18}, {"XC8.EXE", CompilerFamily::XC8},
    {"CCSC.EXE", CompilerFamily::Ccs},
};

// The text between "{" and "}" of a "TS{...}" or "tool_loc{...}" key.
std::string braced(std::string_view line) {
  const std::string_view::size_type open = line.find('{');
  const std::string_view::size_type close = line.find('}', open);
  if (open == std::string_view::npos || close == std::string_view::npos)
    return std::string();
  return std::string(line.substr(open + 1, close - open - 1));
}

// A value with a CR left over from a doubled line end loses it.
std::string valueAfter(std::string_view line, std::string_view::size_type equals) {
  std::string value(line.substr(equals + 1));
  if (!value.empty() && value.back() == '\r')
    value.pop_back();
  return value;
}

void addDistinct(std::vector<std::string>& list, const std::string& item) {
  for (const std::string& known : list) {
    if (known == item)
      return;
  }
  list.push_back(item);
}

CompilerFamily lookUp(const Clue* begin, const Clue* end, const std::string& text) {
  for (const Clue* clue = begin; clue != end; ++clue) {
    if (text == clue->text)
      return clue->compiler;
  }
  return CompilerFamily::Unknown;
}

CompilerFamily fromClues(const McpToolchain& toolchain) {
  CompilerFamily found = lookUp(std::begin(Suites), std::end(Suites), toolchain.suite);
  for (std::size_t i = 0; found == CompilerFamily::Unknown && i < toolchain.tools.size(); ++i)
    found = lookUp(std::begin(Tools), std::end(Tools), toUpperAscii(toolchain.tools[i]));
  for (std::size_t i = 0; found == CompilerFamily::Unknown && i < toolchain.toolLocations.size();
       ++i)
    found = lookUp(std::begin(Drivers), std::end(Drivers),
                   toUpperAscii(lastPathPart(toolchain.toolLocations[i])));
  return found;
}

}  // namespace

void McpToolchain::noteLine(std::string_view line) {
  const std::string_view::size_type equals = line.find('=');
  if (equals == std::string_view::npos)
    return;
  if (startsWith(line, "suite_guid="))
    suite = toUpperAscii(valueAfter(line, equals));
  else if (startsWith(line, "device="))
    device = valueAfter(line, equals);
  else if (startsWith(line, "TS{"))
    addDistinct(tools, braced(line));
  else if (startsWith(line, "tool_loc{"))
    toolLocations.push_back(valueAfter(line, equals));
}

CompilerFamily mcpCompiler(const McpToolchain& toolchain) {
  const CompilerFamily found = fromClues(toolchain);
  // One HI-TECH suite served both compilers; the device tells which.
  if (found == CompilerFamily::HitechPicc && deviceFamily(toolchain.device) == DeviceFamily::Pic18)
    return CompilerFamily::HitechPicc18;
  return found;
}
