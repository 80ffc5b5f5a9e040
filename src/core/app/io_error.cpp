#include "core/app/io_error.h"

namespace tonvero {

std::string IoErrorMessage(int systemError) {
  switch (systemError) {
    case 2:    // ERROR_FILE_NOT_FOUND
      return "File not found";
    case 5:    // ERROR_ACCESS_DENIED
      return "File access denied";
    case 39:   // ERROR_HANDLE_DISK_FULL
    case 112:  // ERROR_DISK_FULL
      return "Disk full";
    default:
      return "I/O error " + std::to_string(systemError);
  }
}

}  // namespace tonvero
