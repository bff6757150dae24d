// Arbitrary bytes as an MPLAB X configurations.xml, read into the model and
// nothing more: the reader must neither crash, nor keep a folder group that
// holds no file, nor fail without saying why.

#include <cstddef>
#include <cstdint>
#include <filesystem>

#include "io/Errors.h"
#include "driver/ProjectConverter.h"
#include "Scratch.h"

namespace {

bool holdsFiles(const ProjectGroup& group) {
  if (!group.files.empty())
    return true;
  for (const auto& child : group.children) {
    if (holdsFiles(*child))
      return true;
  }
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto project = scratchFolder() / "demo.X";
  std::filesystem::create_directories(project / "nbproject");
  writeFile(project / "nbproject" / "configurations.xml", data, size);
  ConversionSettings settings;
  settings.sourceProject = toolForm(project);
  settings.destFolder = toolForm(scratchFolder() / "out");
  // The first byte picks a filter, switches and a configuration name.
  if (size > 0 && data[0] % 2 == 1)
    settings.addExtensions("c,H,");
  settings.readSwitches = size > 0 && data[0] % 3 == 0;
  if (size > 0 && data[0] % 5 == 0)
    settings.configuration = "default";
  ProjectModel model;
  try {
    model = ProjectConverter(settings).readProject();
  } catch (const AsciiReaderError& error) {
    if (error.reason.empty())
      finding("the project file could not be read, and no reason was given");
    return 0;
  }
  for (const auto& child : model.rootGroup->children) {
    if (!holdsFiles(*child))
      finding("a folder group without a file: " + child->name);
  }
  return 0;
}
