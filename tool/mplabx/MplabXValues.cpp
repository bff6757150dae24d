#include "mplabx/MplabXValues.h"

#include "text/TextOps.h"

namespace {

bool isBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string_view trimBlanks(std::string_view text) {
  while (!text.empty() && isBlank(text.front()))
    text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back()))
    text.remove_suffix(1);
  return text;
}

std::string toolSeparators(std::string_view path) {
  std::string text(path);
  for (char& c : text) {
    if (c == '/')
      c = '\\';
  }
  return text;
}

// The characters a backslash escapes inside double quotes in the shell.
bool escapableInQuotes(char c) {
  return c == '"' || c == '\\' || c == '$' || c == '`';
}

}  // namespace

std::vector<std::string> listSegments(std::string_view value) {
  std::vector<std::string> segments;
  for (const std::string_view piece : splitViews(value, ';')) {
    const std::string_view trimmed = trimBlanks(piece);
    if (!trimmed.empty())
      segments.emplace_back(trimmed);
  }
  return segments;
}

std::string projectPath(std::string_view path, const std::string& projectFolder) {
  const std::string tool = toolSeparators(path);
  if (tool.empty() || tool.front() == '\\' || contains(tool, ":"))
    return tool;
  return projectFolder + "\\" + tool;
}

std::string includeFolder(std::string_view segment, const std::string& projectFolder) {
  return projectPath(trimBlanks(trimmedView(segment, '"')), projectFolder);
}

std::string macroDefinition(std::string_view segment) {
  std::string result;
  char quote = 0;
  for (std::size_t i = 0; i < segment.size(); ++i) {
    const char c = segment[i];
    const bool hasNext = i + 1 < segment.size();
    if (quote == '\'') {
      if (c == '\'')
        quote = 0;
      else
        result += c;
    } else if (quote == '"') {
      if (c == '"')
        quote = 0;
      else if (c == '\\' && hasNext && escapableInQuotes(segment[i + 1]))
        result += segment[++i];
      else
        result += c;
    } else if (c == '"' || c == '\'') {
      quote = c;
    } else if (c == '\\' && hasNext) {
      result += segment[++i];
    } else {
      result += c;
    }
  }
  return result;
}

void splitDefinition(const std::string& definition, std::string& name, std::string& value) {
  const std::string::size_type equals = definition.find('=');
  const std::string_view text = definition;
  name = std::string(trimBlanks(text.substr(0, equals)));
  value = equals == std::string::npos ? std::string()
                                      : std::string(trimBlanks(text.substr(equals + 1)));
}
