// The three personality lines of a group block and the files behind them:
// user personalities are referenced where they are, missing ones get empty
// defaults in <dest>\person, and a group with include paths or defines gets
// an analyser personality of its own.

#include "io/Console.h"
#include "io/Errors.h"
#include "driver/ProjectConverter.h"
#include "model/ProjectGroup.h"
#include "io/TextFile.h"
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
// Nothing else a run writes lands there, so making it again for a later
// group would leave the same bytes.
std::string makeEmptyDefault(ProjectConverter& converter, const std::string& extension,
                             TextFileWriter& out) {
  const std::string path = defaultPersonality(converter, extension);
  if (!converter.defaultIsDue(path))
    return path;
  out.flush();
  ProjectGroup::ensureDirectory(converter.getDestFolder() + "\\person\\");
  if (platform::hasContent(path))
    return path;
  TextFileWriter file(path);
  file.close();
  return path;
}

}  // namespace

std::string ProjectGroup::resolveMessagePersonality(TextFileWriter& out) {
  const std::string given = converter->getMessagePersonality();
  if (!given.empty())
    return given;
  return makeEmptyDefault(*converter, ".p_s", out);
}

std::string ProjectGroup::resolveCompilerPersonality(TextFileWriter& out) {
  const std::string given = converter->getCompilerPersonality();
  if (!given.empty())
    return given;
  return makeEmptyDefault(*converter, ".p_c", out);
}

std::string ProjectGroup::resolveAnalyserPersonality(
    TextFileWriter& out, const std::string& relativePath,
    const std::string& inheritedAnalyserPersonality, const std::string& groupFolder) {
  if (!hasSettings()) {
    const std::string value = inheritedAnalyserFile(relativePath, inheritedAnalyserPersonality);
    out.writeLine("AnalPers=" + value);
    // A shared file from an earlier run keeps its content.
    if (!converter->pathExists(value)) {
      out.flush();
      createSharedAnalyserFile(value);
    }
    return value;
  }

  const std::string path = ownAnalyserPersonality(groupFolder);
  out.flush();
  printLine("  Creating Analyser Personality - " + path);
  out.writeLine("AnalPers=" + path);
  out.flush();
  reportingOutOfMemory(path, [this, &path] { writeAnalyserPersonality(path); });
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
  return converter->pathExists(candidate) ? candidate : inheritedAnalyserPersonality;
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
  for (const std::string& includePath : sourceFolderIncludes)
    file.writeLine("-i \"" + includePath + "\"");
  appendAnalyserTemplate(file);
  file.close();
  converter->notePathMade(path);
}

void ProjectGroup::createSharedAnalyserFile(const std::string& path) {
  ensureDirectory(converter->getDestFolder() + "\\person\\");
  TextFileWriter file(path);
  appendAnalyserTemplate(file);
  file.close();
  converter->notePathMade(path);
}

void ProjectGroup::appendAnalyserTemplate(TextFileWriter& file) {
  if (converter->getAnalyserPersonality().empty())
    return;
  const AnalyserTemplate& analyserTemplate = converter->getAnalyserTemplate();
  if (!analyserTemplate.readable) {
    file.flush();
    warn("could not read the template analyser personality " +
         displayPath(converter->getAnalyserPersonality()) + ": " + analyserTemplate.failure);
    printLine("Couldnt open file");
    return;
  }
  file.writeBytes(analyserTemplate.text);
}

bool ProjectConverter::pathExists(const std::string& path) {
  if (existingPaths.count(path) != 0)
    return true;
  if (!platform::exists(path))
    return false;
  existingPaths.insert(path);
  return true;
}

void ProjectConverter::notePathMade(const std::string& path) {
  existingPaths.insert(path);
}

bool ProjectConverter::defaultIsDue(const std::string& path) {
  return madeDefaults.insert(path).second;
}
