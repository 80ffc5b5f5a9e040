#pragma once
// Whole-file reads and safe rewrites of the program's data files. A file is
// opened and closed within one call; a rewrite goes to a temporary file
// beside the target and is moved into place, so a failure never leaves a
// half-written file.
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/app/io_error.h"
#include "core/common/bytes.h"

namespace tonvero {

// An open file, closed when it goes out of scope.
class FileHandle {
 public:
  explicit FileHandle(HANDLE h) : h_(h) {}
  ~FileHandle() {
    if (valid()) CloseHandle(h_);
  }
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  bool valid() const { return h_ != INVALID_HANDLE_VALUE; }
  HANDLE get() const { return h_; }
  void Close() {
    HANDLE h = h_;
    h_ = INVALID_HANDLE_VALUE;
    if (!CloseHandle(h)) throw IoError(static_cast<int>(GetLastError()));
  }
  // After a failure: closes what is still open and says nothing more.
  void CloseQuietly() {
    if (valid()) CloseHandle(h_);
    h_ = INVALID_HANDLE_VALUE;
  }

 private:
  HANDLE h_;
};


// The working folder, ending with a backslash.
std::string CurrentFolder();

// A text file's content as the bytes to write.
inline Bytes ToBytes(std::string_view text) { return Bytes(text.begin(), text.end()); }

// The file's bytes, opened read-only; nothing when there is no such file (or
// no such folder), so the caller may create it. Throws IoError for any other
// failure to open (locked, unreadable, a folder of that name) and when
// reading fails after the file was opened.
std::optional<Bytes> ReadFileIfPresent(const std::string& path);

// Replaces the file with `bytes`. Returns false, having changed nothing, when
// the file cannot be created (read-only file or folder, a folder in its
// place, bad path). Throws IoError when writing, closing or moving into place
// fails; the old file is then unchanged and no temporary file is left.
bool ReplaceFileContents(const std::string& path, const Bytes& bytes);
bool ReplaceFileContents(const std::string& path, const uint8_t* data, size_t size);

// What the program last read or wrote of a file: enough to tell whether
// another program has written it since.
struct FileStamp {
  uint64_t size = 0;
  uint64_t lastWrite = 0;
  size_t hash = 0;
  bool known = false;
};

// The stamp of the file at `path`, just read or written holding `bytes`.
FileStamp StampOf(const std::string& path, const Bytes& bytes);

// True when another program has written the file since `stamp` was taken.
// Costs one file-status call when size and time agree; otherwise the file
// is read and its content compared, and a file written again with the same
// content keeps counting as unchanged (the stamp takes its new time). An
// unknown stamp, or a file that is gone, counts as unchanged: the save
// writes it. Throws IoError when the file is there but cannot be read.
bool ChangedSince(const std::string& path, FileStamp& stamp);

// Replaces the file with `bytes` as ReplaceFileContents does, and reports a
// file that cannot be created as a failure too: throws IoError, named by the
// system's reason when it gives one, leaving the old file whole.
void WriteFileContents(const std::string& path, const Bytes& bytes);

}  // namespace tonvero
