// The names Windows cannot hold. The rule is checked on every host here; the
// Windows build applies it to every name a run creates
// (tests/windows/NamesWindowsTest.cpp).

#include <gtest/gtest.h>

#include "platform/WindowsNames.h"

using platform::windowsNameRule;

TEST(WindowsNames, DeviceNamesStreamsAndTrailingDotsOrBlanksAreRefused) {
  const std::pair<std::string, std::string> refused[] = {
      {"NUL", "device"},   {"nul", "device"},   {"nul.x", "device"},  {"aux.c", "device"},
      {"CON", "device"},   {"Prn.tar.gz", "device"}, {"COM1", "device"}, {"lpt9.h", "device"},
      {"nul ", "device"},  {"a.", "dot"},        {"a ", "blank"},      {"src..", "dot"},
      {"x:y", "data stream"}, {"x::$DATA", "data stream"}, {"C:", "data stream"},
  };
  for (const auto& [name, rule] : refused) {
    SCOPED_TRACE(name);
    const std::string reason = windowsNameRule(name);
    EXPECT_NE(reason.find("\"" + name + "\""), std::string::npos) << reason;
    EXPECT_NE(reason.find(rule), std::string::npos) << reason;
  }
  for (const std::string name : {"", ".", "..", "null", "auxiliary", "COM", "COM0", "COM10",
                                 "LPT", "con_x", "xnul", ".hidden", "a.b", "motor"}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(windowsNameRule(name), "");
  }
}
