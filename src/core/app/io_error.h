#pragma once
// A failure of the file system while a data file is read or written. Its
// message is what the general error handler shows the user.
#include <stdexcept>
#include <string>

namespace tonvero {

// The user-facing text for a system error number: "File not found",
// "File access denied", "Disk full", or "I/O error %d" for the others.
std::string IoErrorMessage(int systemError);

// System error numbers the program tells apart.
constexpr int kFileNotFound = 2;    // ERROR_FILE_NOT_FOUND
constexpr int kAccessDenied = 5;    // ERROR_ACCESS_DENIED
constexpr int kWriteProtected = 19; // ERROR_WRITE_PROTECT
constexpr int kSharingViolation = 32;  // ERROR_SHARING_VIOLATION: held by another program

class IoError : public std::runtime_error {
 public:
  explicit IoError(int systemError)
      : std::runtime_error(IoErrorMessage(systemError)), systemError_(systemError) {}
  int SystemError() const { return systemError_; }
  // The place cannot be written at all (a read-only share or medium), as
  // against a write that failed on the way (a full disk, say).
  bool IsReadOnlyPlace() const { return systemError_ == kAccessDenied || systemError_ == kWriteProtected; }

 private:
  int systemError_;
};

}  // namespace tonvero
