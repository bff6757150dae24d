#include "database/DatabasePath.h"

#include "platform/Platform.h"
#include "text/ToolPath.h"

std::string databasePath(const std::string& toolPath) {
  return platform::hostPath(platform::matchLetterCase(cleanToolPath(toolPath)));
}
