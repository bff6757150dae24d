#include "settings/ExtensionList.h"

#include "text/TextOps.h"

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

// Whole-text comparison, the ASCII letters of `text` taken as upper case.
bool equalsUpper(std::string_view text, const std::string& upper) {
  if (text.size() != upper.size())
    return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (upperAscii(text[i]) != upper[i])
      return false;
  }
  return true;
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

bool extensionAccepted(std::string_view entry, const std::vector<std::string>& upperExtensions) {
  if (upperExtensions.empty())
    return true;
  const std::string_view::size_type dot = entry.rfind('.');
  const std::string_view extension =
      dot == std::string_view::npos ? entry : entry.substr(dot + 1);
  for (const std::string& accepted : upperExtensions) {
    if (equalsUpper(extension, accepted))
      return true;
  }
  return false;
}
