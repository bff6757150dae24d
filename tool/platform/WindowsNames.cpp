#include "platform/WindowsNames.h"

namespace platform {

namespace {

std::string upper(std::string text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z')
      c = static_cast<char>(c - 'a' + 'A');
  }
  return text;
}

bool isDeviceName(const std::string& component) {
  // The system looks at the name before its first dot, less trailing blanks.
  std::string base = upper(component.substr(0, component.find('.')));
  while (!base.empty() && base.back() == ' ')
    base.pop_back();
  if (base == "CON" || base == "PRN" || base == "AUX" || base == "NUL")
    return true;
  return base.size() == 4 && (base.compare(0, 3, "COM") == 0 || base.compare(0, 3, "LPT") == 0) &&
         base[3] >= '1' && base[3] <= '9';
}

}  // namespace

std::string windowsNameRule(const std::string& component) {
  if (component.empty() || component == "." || component == "..")
    return std::string();
  if (isDeviceName(component))
    return "\"" + component + "\" is a device name on Windows (CON, PRN, AUX, NUL, COM1-9, "
           "LPT1-9, with any extension), so no file or folder can have it";
  if (component.find(':') != std::string::npos)
    return "\"" + component + "\" holds a \":\", which on Windows names a data stream of a "
           "file, not a file or folder";
  const char last = component.back();
  if (last == '.' || last == ' ')
    return "\"" + component + "\" ends in a " + (last == '.' ? "dot" : "blank") +
           ", which Windows drops from a file or folder name";
  return std::string();
}

}  // namespace platform
