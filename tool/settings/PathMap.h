#ifndef QUILLBROOK_PATHMAP_H
#define QUILLBROOK_PATHMAP_H

// "-map FROM=TO": points paths written on another machine (a library under
// "C:\Microchip Solutions", a compiler under "C:\C32") at where those files
// are on this one.

#include <string>
#include <vector>

class PathMap {
public:
  // Adds one "FROM=TO" value; false, adding nothing, when FROM or TO is
  // empty. TO is a path argument of this host, made absolute against
  // `currentDirectory` (the one read once for the whole command line).
  bool add(const std::string& value, const std::string& currentDirectory);

  // The TO of a "FROM=TO" value as a path argument; empty without one.
  static std::string target(const std::string& value);
  bool empty() const { return rules.empty(); }

  // Replaces the first FROM that `path` begins with at a component
  // boundary (ASCII case ignored, "\" and "/" alike, a run of them as one)
  // by its TO. False when none does.
  bool apply(std::string& path);

  // The values whose FROM matched no path so far.
  std::vector<std::string> unused() const;

private:
  struct Rule {
    std::string given;
    std::string from;
    std::string to;
    bool used = false;
  };
  std::vector<Rule> rules;
};

#endif
