#include "win32/phonelist/phone_list_file.h"

#include <windows.h>

#include <string_view>

#include "core/app/io_error.h"
#include "win32/app/files.h"

namespace tonvero {
namespace {

Bytes ToBytes(const std::string& text) { return Bytes(text.begin(), text.end()); }

// A file that cannot even be created is a failure to report here, named by
// the system's reason when it gives one.
void Replace(const std::string& path, const std::string& content) {
  SetLastError(ERROR_SUCCESS);
  if (ReplaceFileContents(path, ToBytes(content))) return;
  const DWORD error = GetLastError();
  throw IoError(static_cast<int>(error != ERROR_SUCCESS ? error : ERROR_ACCESS_DENIED));
}

}  // namespace

std::optional<PhoneListFile> LoadPhoneListFile(const std::string& dbBase) {
  const std::string path = dbBase + ".rbd";
  std::string text;
  if (std::optional<Bytes> file = ReadFileIfPresent(path)) {
    text.assign(file->begin(), file->end());
  } else {
    text = NewPhoneListFileText();
    if (!ReplaceFileContents(path, ToBytes(text))) return std::nullopt;
  }
  PhoneListFile list = ParsePhoneList(text);
  Replace(dbBase + ".bak", EncodeBackup(list));
  return list;
}

void SavePhoneListFile(const std::string& dbBase, const Titles& titles,
                       const std::vector<Record>& records) {
  Replace(dbBase + ".rbd", EncodePhoneList(titles, records));
}

}  // namespace tonvero
