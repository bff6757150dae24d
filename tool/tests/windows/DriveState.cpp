#include "DriveState.h"

#include <windows.h>

#include <vector>

namespace {

std::string variableName(const std::string& drive) {
  return "=" + drive;
}

}  // namespace

DriveState::DriveState() : original(systemCurrentDirectory()) {}

DriveState::~DriveState() {
  for (const auto& entry : saved)
    SetEnvironmentVariableA(entry.first.c_str(), entry.second ? entry.second->c_str() : nullptr);
  SetCurrentDirectoryA(original.c_str());
}

void DriveState::enter(const std::string& directory) {
  SetCurrentDirectoryA(directory.c_str());
}

void DriveState::setDriveDirectory(const std::string& drive, const std::string& directory) {
  remember(variableName(drive));
  SetEnvironmentVariableA(variableName(drive).c_str(), directory.c_str());
}

void DriveState::forgetDriveDirectory(const std::string& drive) {
  remember(variableName(drive));
  SetEnvironmentVariableA(variableName(drive).c_str(), nullptr);
}

void DriveState::remember(const std::string& variable) {
  if (saved.count(variable) != 0)
    return;
  const DWORD size = GetEnvironmentVariableA(variable.c_str(), nullptr, 0);
  if (size == 0) {
    saved[variable] = std::nullopt;
    return;
  }
  std::vector<char> value(size);
  GetEnvironmentVariableA(variable.c_str(), value.data(), size);
  saved[variable] = value.data();
}

std::string systemCurrentDirectory() {
  const DWORD size = GetCurrentDirectoryA(0, nullptr);
  std::vector<char> directory(size);
  GetCurrentDirectoryA(size, directory.data());
  return directory.data();
}

char unusedDriveLetter() {
  const DWORD drives = GetLogicalDrives();
  for (char letter = 'Z'; letter >= 'A'; --letter) {
    if ((drives & (1u << (letter - 'A'))) == 0)
      return letter;
  }
  return '\0';
}
