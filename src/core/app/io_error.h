#pragma once
// A failure of the file system while a data file is read or written. Its
// message is what the general error handler shows the user.
#include <stdexcept>
#include <string>

namespace tonvero {

// The user-facing text for a system error number: "File not found",
// "File access denied", "Disk full", or "I/O error %d" for the others.
std::string IoErrorMessage(int systemError);

class IoError : public std::runtime_error {
 public:
  explicit IoError(int systemError) : std::runtime_error(IoErrorMessage(systemError)) {}
};

}  // namespace tonvero
