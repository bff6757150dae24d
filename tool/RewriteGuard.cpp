// A run never rewrites one of its own inputs: a compiler personality, a
// template or the project file named where the run writes would be lost.

#include "Errors.h"
#include "ProjectConverter.h"
#include "platform/Platform.h"

std::string ProjectConverter::projectFilePath() const {
  return destFolder + "\\" + projectName + ".prj";
}

void ProjectConverter::refuseInputsAsOutputs() const {
  // The files every run rewrites, in the order they are written. Files made
  // only when missing, and defaults kept when they hold content, lose nothing.
  std::vector<std::string> outputs{projectFilePath()};
  if (!rootGroup->includePaths.empty() || !rootGroup->defines.empty())
    outputs.push_back(rootGroup->ownAnalyserPersonality(destFolder + "\\" + rootGroup->name));
  if (!compilationDatabase.empty())
    outputs.push_back(compilationDatabase);
  const std::string inputs[] = {projectInput(), compilerPersonality, messagePersonality,
                                analyserPersonality};
  // By identity, not by text, so two spellings of one file are caught.
  for (const std::string& output : outputs) {
    for (const std::string& input : inputs) {
      if (!input.empty() && platform::sameFile(output, input))
        throw IOERROR(IOERROR::OutputIsInput, output);
    }
  }
}
