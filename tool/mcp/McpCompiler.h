#ifndef QUILLBROOK_MCPCOMPILER_H
#define QUILLBROOK_MCPCOMPILER_H

// Which compiler an MPLAB IDE project (.mcp) builds with, from what the
// file says about its tools.

#include <string>
#include <string_view>
#include <vector>

#include "model/CompilerMacros.h"

// The lines of an .mcp that name its tools, as the reader found them.
struct McpToolchain {
  // "suite_guid=" of [SUITE_INFO], braces included.
  std::string suite;
  // The distinct GUIDs of "TS{...}" tool-settings lines, in file order.
  std::vector<std::string> tools;
  // The paths of "tool_loc{...}=" lines.
  std::vector<std::string> toolLocations;
  // "device=" of [HEADER], e.g. "PIC18F4550".
  std::string device;

  // Notes what `line` says about the tools, if anything.
  void noteLine(std::string_view line);
};

// The toolsuite decides; a suite this table does not know is recognised by
// its tools' settings, then by the file names of its tool locations. HI-TECH
// projects take PICC or PICC18 from the device family. Unknown when nothing
// matches.
CompilerFamily mcpCompiler(const McpToolchain& toolchain);

#endif
