#include "settings/ConversionSettings.h"

#include "text/TextOps.h"

void ConversionSettings::addExtensions(const std::string& text) {
  for (const std::string& item : splitAll(text, ','))
    extensions.push_back(item);
}

std::string ConversionSettings::projectFilePath() const {
  return destFolder + "\\" + projectName + ".prj";
}
