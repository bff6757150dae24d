#include "ExtensionList.h"

#include "TextOps.h"

namespace {

// The extension the filter compares is the text after a file's last ".",
// so an item with a "." or a blank in it can never equal one.
std::string itemWarning(const std::string& item, std::size_t itemCount) {
  const std::string quoted = "-ext item \"" + item + "\"";
  if (item.compare(0, 1, ".") == 0 || item.compare(0, 2, "*.") == 0)
    return quoted + " will match nothing: give extensions without \".\" or \"*.\", as in c,h";
  if (item.find_first_of(" \t") != std::string::npos)
    return quoted + " will match nothing: it holds a blank";
  if (item.empty() && itemCount > 1)
    return quoted + " (empty) will match nothing: the list has two commas in a row or one at an end";
  return std::string();
}

}  // namespace

std::vector<std::string> extensionListWarnings(const std::string& value) {
  const std::vector<std::string> items = splitAll(value, ',');
  std::vector<std::string> warnings;
  for (const std::string& item : items) {
    const std::string warning = itemWarning(item, items.size());
    if (!warning.empty())
      warnings.push_back(warning);
  }
  return warnings;
}
