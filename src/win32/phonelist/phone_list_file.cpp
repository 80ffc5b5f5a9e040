#include "win32/phonelist/phone_list_file.h"

namespace tonvero {

std::optional<PhoneListFile> LoadPhoneListFile(const std::string& dbBase, FileStamp* stamp) {
  const std::string path = dbBase + ".rbd";
  std::optional<Bytes> file = ReadFileIfPresent(path);
  if (!file) {
    file = ToBytes(NewPhoneListFileText());
    if (!ReplaceFileContents(path, *file)) return std::nullopt;
  }
  PhoneListFile list = ParsePhoneList(std::string_view(reinterpret_cast<const char*>(file->data()), file->size()));
  WriteFileContents(dbBase + ".bak", ToBytes(EncodeBackup(list)));
  if (stamp) *stamp = StampOf(path, *file);
  return list;
}

FileStamp SavePhoneListFile(const std::string& dbBase, const Titles& titles,
                            const std::vector<Record>& records) {
  const Bytes bytes = ToBytes(EncodePhoneList(titles, records));
  WriteFileContents(dbBase + ".rbd", bytes);
  return StampOf(dbBase + ".rbd", bytes);
}

bool PhoneListFileChanged(const std::string& dbBase, FileStamp& stamp) {
  return ChangedSince(dbBase + ".rbd", stamp);
}

}  // namespace tonvero
