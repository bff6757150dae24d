#ifndef QUILLBROOK_TESTS_WINDOWS_DRIVESTATE_H
#define QUILLBROOK_TESTS_WINDOWS_DRIVESTATE_H

#include <map>
#include <optional>
#include <string>

// The process-wide drive state a test changes: the current directory and
// the hidden "=X:" variables in which the system keeps each drive's own
// current directory. Everything changed is put back when the object goes.
// The system calls are used directly so the set-up does not depend on the
// code under test.
class DriveState {
public:
  DriveState();
  ~DriveState();

  DriveState(const DriveState&) = delete;
  DriveState& operator=(const DriveState&) = delete;

  // Makes `directory` current without touching any "=X:" variable.
  void enter(const std::string& directory);
  // Gives `drive` ("X:") its own current directory, or takes it away.
  void setDriveDirectory(const std::string& drive, const std::string& directory);
  void forgetDriveDirectory(const std::string& drive);

private:
  void remember(const std::string& variable);

  std::string original;
  // Variable name to its old value; empty when it was not set.
  std::map<std::string, std::optional<std::string>> saved;
};

// The process's current directory, read from the system.
std::string systemCurrentDirectory();

// The first drive letter, from Z: downwards, that names no drive; '\0'
// when every letter is taken.
char unusedDriveLetter();

#endif
