#include "win32/files/files.h"

#include <windows.h>

#include <functional>
#include <string_view>

#include "core/app/io_error.h"

namespace tonvero {
namespace {

Bytes ReadWhole(const FileHandle& file) {
  LARGE_INTEGER size;
  if (!GetFileSizeEx(file.get(), &size)) throw IoError(static_cast<int>(GetLastError()));
  if (size.QuadPart > 64 * 1024 * 1024) throw IoError(ERROR_NOT_ENOUGH_MEMORY);
  Bytes bytes(static_cast<size_t>(size.QuadPart));
  DWORD read = 0;
  if (!bytes.empty() &&
      !ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr)) {
    throw IoError(static_cast<int>(GetLastError()));
  }
  bytes.resize(read);
  return bytes;
}

size_t HashOf(const Bytes& bytes) {
  return std::hash<std::string_view>{}(
      std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

// Size and last-write time; false when the file is not there.
bool StatusOf(const std::string& path, FileStamp& stamp) {
  WIN32_FILE_ATTRIBUTE_DATA status;
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &status)) return false;
  stamp.size = static_cast<uint64_t>(status.nFileSizeHigh) << 32 | status.nFileSizeLow;
  stamp.lastWrite = static_cast<uint64_t>(status.ftLastWriteTime.dwHighDateTime) << 32 |
                    status.ftLastWriteTime.dwLowDateTime;
  return true;
}

}  // namespace

std::string CurrentFolder() {
  char folder[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, folder);
  std::string path = folder;
  if (path.empty() || path.back() != '\\') path += '\\';
  return path;
}

FileStamp StampOf(const std::string& path, const Bytes& bytes) {
  FileStamp stamp;
  stamp.known = StatusOf(path, stamp);
  stamp.hash = HashOf(bytes);
  return stamp;
}

bool ChangedSince(const std::string& path, FileStamp& stamp) {
  if (!stamp.known) return false;
  FileStamp now;
  if (!StatusOf(path, now)) return false;
  if (now.size == stamp.size && now.lastWrite == stamp.lastWrite) return false;
  const std::optional<Bytes> bytes = ReadFileIfPresent(path);
  if (!bytes || HashOf(*bytes) != stamp.hash) return bytes.has_value();
  stamp.size = now.size;
  stamp.lastWrite = now.lastWrite;
  return false;
}

std::optional<Bytes> ReadFileIfPresent(const std::string& path) {
  FileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) {
    const DWORD error = GetLastError();
    // Absent only when neither the file nor its folder exists; anything
    // else there (locked, unreadable, a folder of that name) is a failure.
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return std::nullopt;
    throw IoError(static_cast<int>(error));
  }
  return ReadWhole(file);
}

bool ReplaceFileContents(const std::string& path, const Bytes& bytes) {
  return ReplaceFileContents(path, bytes.data(), bytes.size());
}

bool ReplaceFileContents(const std::string& path, const uint8_t* data, size_t size) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES &&
      (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY))) {
    return false;
  }

  const std::string temporary = path + ".new";
  FileHandle file(CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) return false;
  try {
    DWORD written = 0;
    if (!WriteFile(file.get(), data, static_cast<DWORD>(size), &written, nullptr)) {
      throw IoError(static_cast<int>(GetLastError()));
    }
    if (written != size) throw IoError(ERROR_DISK_FULL);
    if (!FlushFileBuffers(file.get())) throw IoError(static_cast<int>(GetLastError()));
    file.Close();
    if (!MoveFileExA(temporary.c_str(), path.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
      throw IoError(static_cast<int>(GetLastError()));
    }
  } catch (...) {
    file.CloseQuietly();  // an open temporary cannot be deleted
    DeleteFileA(temporary.c_str());
    throw;
  }
  return true;
}

void WriteFileContents(const std::string& path, const Bytes& bytes) {
  SetLastError(ERROR_SUCCESS);
  if (ReplaceFileContents(path, bytes)) return;
  const DWORD error = GetLastError();
  throw IoError(static_cast<int>(error != ERROR_SUCCESS ? error : ERROR_ACCESS_DENIED));
}

}  // namespace tonvero
