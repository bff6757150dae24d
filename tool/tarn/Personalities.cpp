#include "tarn/Personalities.h"

#include "io/Console.h"
#include "io/Errors.h"
#include "io/TextFile.h"
#include "model/ProjectGroup.h"
#include "plan/OutputPlan.h"
#include "platform/Platform.h"
#include "settings/ConversionSettings.h"
#include "tarn/Directories.h"

namespace {

// The part of `text` after the last `separator`, or all of it.
std::string afterLast(const std::string& text, char separator) {
  return text.substr(text.rfind(separator) + 1);
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

}  // namespace

Personalities::Personalities(const ConversionSettings& settings, OutputPlan& plan)
    : settings(settings), plan(plan) {
  // Read once for every copy that is due.
  if (settings.analyserPersonality.empty())
    return;
  analyserTemplate.readable = readTextForCopy(settings.analyserPersonality, analyserTemplate.text);
  if (!analyserTemplate.readable)
    analyserTemplate.failure = platform::lastFailure();
}

std::string Personalities::resolveMessagePersonality(TextFileWriter& out) {
  const std::string given = settings.getMessagePersonality();
  if (!given.empty())
    return given;
  return makeEmptyDefault(".p_s", out);
}

std::string Personalities::resolveCompilerPersonality(TextFileWriter& out) {
  const std::string given = settings.getCompilerPersonality();
  if (!given.empty())
    return given;
  return makeEmptyDefault(".p_c", out);
}

// An empty default file. One that already holds content was written by the
// user (rules, or a real personality kept there) and is kept as it is.
// Nothing else a run writes lands there, so making it again for a later
// group would leave the same bytes.
std::string Personalities::makeEmptyDefault(const std::string& extension, TextFileWriter& out) {
  const std::string path =
      settings.getDestFolder() + "\\person\\" + settings.getProjectName() + extension;
  if (!plan.defaultIsDue(path))
    return path;
  out.flush();
  ensureDirectory(settings.getDestFolder() + "\\person\\");
  if (plan.holdsUserContent(path))
    return path;
  TextFileWriter file(path, plan.outputs());
  file.close();
  return path;
}

std::string Personalities::resolveAnalyserPersonality(
    const ProjectGroup& group, TextFileWriter& out, const std::string& relativePath,
    const std::string& inheritedAnalyserPersonality, const std::string& groupFolder) {
  if (!group.hasSettings()) {
    const std::string value = inheritedAnalyserFile(relativePath, inheritedAnalyserPersonality);
    out.writeLine("AnalPers=" + value);
    // A shared file from an earlier run keeps its content.
    if (!plan.pathExists(value)) {
      out.flush();
      createSharedAnalyserFile(value);
    }
    return value;
  }

  const std::string path = group.ownAnalyserPersonality(groupFolder);
  out.flush();
  printLine("  Creating Analyser Personality - " + path);
  out.writeLine("AnalPers=" + path);
  out.flush();
  reportingOutOfMemory(path, [this, &group, &path] { writeAnalyserPersonality(group, path); });
  // Children are handed this file too, so no group can end up naming an
  // empty path when the lookup below misses it.
  return path;
}

std::string Personalities::inheritedAnalyserFile(const std::string& relativePath,
                                                 const std::string& inheritedAnalyserPersonality) {
  // Where the parent keeps its own file when it has one.
  const std::string candidate = settings.getDestFolder() + "\\" + relativePath + "\\person\\" +
                                parentLeaf(relativePath) + ".p_a";
  return plan.pathExists(candidate) ? candidate : inheritedAnalyserPersonality;
}

void Personalities::writeAnalyserPersonality(const ProjectGroup& group, const std::string& path) {
  TextFileWriter file(path, plan.outputs());
  // Lines are put together in the file's buffer: a generated project may
  // give millions of them.
  const FileList& includePaths = group.includePaths;
  for (std::size_t i = 0; i < includePaths.size(); ++i) {
    file.writeLineWith([&](std::string& line) {
      line.append("-i \"");
      includePaths.appendPath(i, line);
      line.append("\"");
    });
  }
  for (const Define& define : group.defines) {
    file.writeLineWith([&define](std::string& line) {
      line.append("-d \"").append(define.name);
      if (!define.value.empty())
        line.append("=").append(define.value);
      line.append("\"");
    });
  }
  for (const std::string& includePath : group.sourceFolderIncludes)
    file.writeLine("-i \"" + includePath + "\"");
  appendAnalyserTemplate(file);
  file.close();
  plan.notePathMade(path);
}

void Personalities::createSharedAnalyserFile(const std::string& path) {
  ensureDirectory(settings.getDestFolder() + "\\person\\");
  TextFileWriter file(path, plan.outputs());
  appendAnalyserTemplate(file);
  file.close();
  plan.notePathMade(path);
}

void Personalities::appendAnalyserTemplate(TextFileWriter& file) {
  if (settings.analyserPersonality.empty())
    return;
  if (!analyserTemplate.readable) {
    file.flush();
    warn("could not read the template analyser personality " +
         displayPath(settings.analyserPersonality) + ": " + analyserTemplate.failure);
    printLine("Couldnt open file");
    return;
  }
  file.writeBytes(analyserTemplate.text);
}
