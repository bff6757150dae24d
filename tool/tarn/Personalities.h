#ifndef QUILLBROOK_PERSONALITIES_H
#define QUILLBROOK_PERSONALITIES_H

// The three personality lines of a group block and the files behind them:
// user personalities are referenced where they are, missing ones get empty
// defaults in <dest>\person, and a group with include paths or defines gets
// an analyser personality of its own.

#include <string>

class ConversionSettings;
class OutputPlan;
class ProjectGroup;
class TextFileWriter;

// The template analyser personality as its copies must hold it, read once
// before any personality file is written.
struct AnalyserTemplate {
  bool readable = false;
  std::string text;
  // Why it could not be read, in the system's words.
  std::string failure;
};

class Personalities {
public:
  // Reads the template analyser personality, when one is given.
  Personalities(const ConversionSettings& settings, OutputPlan& plan);

  // Each takes the open project file to flush it before it makes a folder,
  // opens a file or prints a line.
  std::string resolveMessagePersonality(TextFileWriter& out);
  std::string resolveCompilerPersonality(TextFileWriter& out);
  // Writes the group's "AnalPers=" line and the file behind it; returns the
  // file its children inherit.
  std::string resolveAnalyserPersonality(const ProjectGroup& group, TextFileWriter& out,
                                         const std::string& relativePath,
                                         const std::string& inheritedAnalyserPersonality,
                                         const std::string& groupFolder);
  void writeAnalyserPersonality(const ProjectGroup& group, const std::string& path);

private:
  std::string makeEmptyDefault(const std::string& extension, TextFileWriter& out);
  std::string inheritedAnalyserFile(const std::string& relativePath,
                                    const std::string& inheritedAnalyserPersonality);
  void createSharedAnalyserFile(const std::string& path);
  void appendAnalyserTemplate(TextFileWriter& file);

  const ConversionSettings& settings;
  OutputPlan& plan;
  AnalyserTemplate analyserTemplate;
};

#endif
