#include "win32/phonelist/phone_list_file.h"

#include "win32/files/files.h"

namespace tonvero {

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
  WriteFileContents(dbBase + ".bak", ToBytes(EncodeBackup(list)));
  return list;
}

void SavePhoneListFile(const std::string& dbBase, const Titles& titles,
                       const std::vector<Record>& records) {
  WriteFileContents(dbBase + ".rbd", ToBytes(EncodePhoneList(titles, records)));
}

}  // namespace tonvero
