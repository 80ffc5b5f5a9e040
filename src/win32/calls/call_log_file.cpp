#include "win32/calls/call_log_file.h"

#include "core/app/io_error.h"
#include "win32/files/files.h"

namespace tonvero {
namespace {

bool IsAbsent(DWORD error) { return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND; }

bool ReadAt(HANDLE file, LONGLONG offset, char* into, DWORD count, DWORD& read) {
  LARGE_INTEGER at;
  at.QuadPart = offset;
  return SetFilePointerEx(file, at, nullptr, FILE_BEGIN) && ReadFile(file, into, count, &read, nullptr);
}

}  // namespace

DWORD CallLogFile::Append(const CallEntry& call) const {
  FileHandle file(CreateFileA(path_.c_str(), FILE_READ_DATA | FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) return GetLastError();
  LARGE_INTEGER size;
  if (!GetFileSizeEx(file.get(), &size)) return GetLastError();
  std::string text = CallLine(call);
  char last = '\n';
  DWORD read = 0;
  if (size.QuadPart > 0 && ReadAt(file.get(), size.QuadPart - 1, &last, 1, read) && read == 1 && last != '\n')
    text = "\r\n" + text;
  LARGE_INTEGER end{};
  SetFilePointerEx(file.get(), end, nullptr, FILE_END);
  DWORD written = 0;
  if (!WriteFile(file.get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr)) return GetLastError();
  if (written != text.size()) return ERROR_DISK_FULL;
  return 0;
}

CallLogOnDisk CallLogFile::Read() const {
  CallLogOnDisk onDisk;
  FileHandle file(CreateFileA(path_.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) {
    const DWORD error = GetLastError();
    if (IsAbsent(error)) return onDisk;
    throw IoError(static_cast<int>(error));
  }
  LARGE_INTEGER size;
  if (!GetFileSizeEx(file.get(), &size)) throw IoError(static_cast<int>(GetLastError()));
  onDisk.largerThanReadLimit = size.QuadPart > static_cast<LONGLONG>(kCallLogReadLimit);
  const LONGLONG from = onDisk.largerThanReadLimit ? size.QuadPart - kCallLogReadLimit : 0;
  std::string text(static_cast<size_t>(size.QuadPart - from), '\0');
  DWORD read = 0;
  if (!text.empty() && !ReadAt(file.get(), from, text.data(), static_cast<DWORD>(text.size()), read))
    throw IoError(static_cast<int>(GetLastError()));
  text.resize(read);
  onDisk.log = ParseCallLog(text, onDisk.largerThanReadLimit);
  return onDisk;
}

void CallLogFile::Rewrite(const std::vector<CallEntry>& calls) const {
  WriteFileContents(path_, ToBytes(TrimmedCallLog(calls)));
}

void CallLogFile::Remove() const {
  if (DeleteFileA(path_.c_str())) return;
  const DWORD error = GetLastError();
  if (!IsAbsent(error)) throw IoError(static_cast<int>(error));
}

}  // namespace tonvero
