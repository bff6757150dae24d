#include "model/ProjectGroup.h"

namespace {

// The part of `text` after the last `separator`, or all of it.
std::string afterLast(const std::string& text, char separator) {
  return text.substr(text.rfind(separator) + 1);
}

std::string personalityLeaf(const std::string& name) {
  if (name.find('\\') != std::string::npos)
    return afterLast(name, '\\');
  return afterLast(name, '/');
}

}  // namespace

ProjectGroup::ProjectGroup(const std::string& name) : name(name) {}

std::string ProjectGroup::ownAnalyserPersonality(const std::string& groupFolder) const {
  return groupFolder + "\\person\\" + personalityLeaf(name) + ".p_a";
}
