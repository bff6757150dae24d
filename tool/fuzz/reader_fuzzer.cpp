// Arbitrary bytes as an MPLAB project file, read into the model and nothing
// more: the reader must neither crash nor build a tree it never builds.

#include <cstddef>
#include <cstdint>

#include "io/Errors.h"
#include "driver/ProjectConverter.h"
#include "Scratch.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto project = scratchFolder() / "demo.mcp";
  writeFile(project, data, size);
  ProjectConverter converter(toolForm(project), toolForm(scratchFolder() / "out"));
  // The first byte picks an extension filter, so both paths are read.
  if (size > 0 && data[0] % 2 == 1)
    converter.addExtensions("c,H,");
  try {
    converter.readProject();
  } catch (const AsciiReaderError&) {
    finding("the project file could not be opened");
  }
  for (const auto& child : converter.getRootGroup()->children) {
    if (!child->children.empty() || !child->includePaths.empty() || !child->defines.empty() ||
        !child->sourcePath.empty())
      finding("a folder group with more than files: " + child->name);
  }
  return 0;
}
