// The three personality lines of a group block and the files behind them:
// user personalities are referenced where they are, missing ones get empty
// defaults in <dest>\person, and a group with include paths or defines gets
// an analyser personality of its own.

#include "Console.h"
#include "Errors.h"
#include "ProjectConverter.h"
#include "ProjectGroup.h"
#include "TextFile.h"
#include "platform/Platform.h"

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

// The leaf of the parent's relative path; where both separators occur, the
// one whose first occurrence comes later decides.
std::string parentLeaf(const std::string& relativePath) {
  const std::string::size_type backslash = relativePath.find('\\');
  const std::string::size_type slash = relativePath.find('/');
  if (backslash == std::string::npos)
    return afterLast(relativePath, '/');
  if (slash == std::string::npos || backslash > slash)
    return afterLast(relativePath, '\\');
  return afterLast(relativePath, '/');
}

std::string defaultPersonality(ProjectConverter& converter, const std::string& extension) {
  return converter.getDestFolder() + "\\person\\" + converter.getProjectName() + extension;
}

// An empty default file. One that already holds content was written by the
// user (rules, or a real personality kept there) and is kept as it is.
std::string makeEmptyDefault(ProjectConverter& converter, const std::string& extension) {
  ProjectGroup::ensureDirectory(converter.getDestFolder() + "\\person\\");
  const std::string path = defaultPersonality(converter, extension);
  if (platform::hasContent(path))
    return path;
  TextFileWriter file(path);
  file.close();
  return path;
}

}  // namespace

std::string ProjectGroup::resolveMessagePersonality() {
  const std::string given = converter->getMessagePersonality();
  if (!given.empty())
    return given;
  return makeEmptyDefault(*converter, ".p_s");
}

std::string ProjectGroup::resolveCompilerPersonality() {
  const std::string given = converter->getCompilerPersonality();
  if (!given.empty())
    return given;
  return makeEmptyDefault(*converter, ".p_c");
}

std::string ProjectGroup::resolveAnalyserPersonality(
    TextFileWriter& out, const std::string& relativePath,
    const std::string& inheritedAnalyserPersonality, const std::string& groupFolder) {
  if (includePaths.empty() && defines.empty()) {
    const std::string value = inheritedAnalyserFile(relativePath, inheritedAnalyserPersonality);
    out.writeLine("AnalPers=" + value);
    // A shared file from an earlier run keeps its content.
    if (!platform::exists(value))
      createSharedAnalyserFile(value);
    return value;
  }

  const std::string path = ownAnalyserPersonality(groupFolder);
  printLine("  Creating Analyser Personality - " + path);
  out.writeLine("AnalPers=" + path);
  writeAnalyserPersonality(path);
  // Children are handed this file too, so no group can end up naming an
  // empty path when the lookup below misses it.
  return path;
}

std::string ProjectGroup::ownAnalyserPersonality(const std::string& groupFolder) const {
  return groupFolder + "\\person\\" + personalityLeaf(name) + ".p_a";
}

std::string ProjectGroup::inheritedAnalyserFile(const std::string& relativePath,
                                                const std::string& inheritedAnalyserPersonality) {
  // Where the parent keeps its own file when it has one.
  const std::string candidate = converter->getDestFolder() + "\\" + relativePath +
                                "\\person\\" + parentLeaf(relativePath) + ".p_a";
  return platform::exists(candidate) ? candidate : inheritedAnalyserPersonality;
}

void ProjectGroup::writeAnalyserPersonality(const std::string& path) {
  TextFileWriter file(path);
  for (const std::string& includePath : includePaths)
    file.writeLine("-i \"" + includePath + "\"");
  for (const auto& define : defines) {
    if (define.second.empty())
      file.writeLine("-d \"" + define.first + "\"");
    else
      file.writeLine("-d \"" + define.first + "=" + define.second + "\"");
  }
  appendAnalyserTemplate(file);
  file.close();
}

void ProjectGroup::createSharedAnalyserFile(const std::string& path) {
  ensureDirectory(converter->getDestFolder() + "\\person\\");
  TextFileWriter file(path);
  appendAnalyserTemplate(file);
  file.close();
}

void ProjectGroup::appendAnalyserTemplate(TextFileWriter& file) {
  if (converter->getAnalyserPersonality().empty())
    return;
  const AnalyserTemplate& analyserTemplate = converter->getAnalyserTemplate();
  if (!analyserTemplate.readable) {
    printLine("Couldnt open file");
    warn("could not read the template analyser personality " +
         converter->getAnalyserPersonality());
    return;
  }
  file.writeBytes(analyserTemplate.text);
}
