#ifndef QUILLBROOK_PROJECTFINDINGS_H
#define QUILLBROOK_PROJECTFINDINGS_H

#include <cstddef>

// What a reader noticed on the way, for the warnings after the reading.
struct ProjectFindings {
  bool headerSeen = false;
  bool fileOrPathInfoSeen = false;
  // Files the project lists, and those the extension filter accepted.
  std::size_t listedFiles = 0;
  std::size_t acceptedFiles = 0;
  // -D and -I switches of tool settings left unread without "-sw".
  std::size_t unreadSwitches = 0;
};

#endif
