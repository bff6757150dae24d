#ifndef QUILLBROOK_TESTS_DATABASELINES_H
#define QUILLBROOK_TESTS_DATABASELINES_H

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "support/TestFiles.h"

// The -I folders and -D definitions of one compile line, in order.
struct CompileLine {
  std::vector<std::string> includes;
  std::vector<std::string> definitions;
};
// By source file.
using CompileLines = std::map<std::string, CompileLine>;

// Every entry of a compilation database, its file and folders spelt by
// `normal` so they compare with an IDE's own records.
template <typename Normal>
CompileLines databaseLines(const std::filesystem::path& database, Normal normal) {
  const nlohmann::json entries = nlohmann::json::parse(readBytes(database));
  CompileLines lines;
  for (const nlohmann::json& entry : entries) {
    const auto arguments = entry["arguments"].get<std::vector<std::string>>();
    CompileLine line;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
      if (arguments[i] == "-I")
        line.includes.push_back(normal(arguments.at(++i)));
      else if (arguments[i].rfind("-D", 0) == 0)
        line.definitions.push_back(arguments[i].substr(2));
    }
    lines[normal(entry["file"].get<std::string>())] = line;
  }
  return lines;
}

#endif
