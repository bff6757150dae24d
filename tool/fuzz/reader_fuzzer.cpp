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
  ConversionSettings settings;
  settings.sourceProject = toolForm(project);
  settings.destFolder = toolForm(scratchFolder() / "out");
  // The first byte picks an extension filter, so both paths are read.
  if (size > 0 && data[0] % 2 == 1)
    settings.addExtensions("c,H,");
  ProjectModel model;
  try {
    model = ProjectConverter(settings).readProject();
  } catch (const AsciiReaderError&) {
    finding("the project file could not be opened");
  }
  for (const auto& child : model.rootGroup->children) {
    if (!child->children.empty() || !child->includePaths.empty() || !child->defines.empty() ||
        !child->sourcePath.empty())
      finding("a folder group with more than files: " + child->name);
  }
  return 0;
}
