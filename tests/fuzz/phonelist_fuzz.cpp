// The phone-list reader on any bytes: every record it gives is in the
// stored form, and writing the list and reading it back (the saved file and
// the backup file alike) gives the same titles and records.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/common/text.h"
#include "core/phonelist/phone_list.h"

namespace {

using tonvero::Record;

void Require(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "broken: %s\n", what);
  std::abort();
}

void CheckStoredForm(const std::string& field) {
  Require(!field.empty(), "a field is never empty");
  Require(field == " " || (field.front() != ' ' && field.back() != ' '), "no space at either end");
  Require(field.find('"') == std::string::npos, "no double quote");
  Require(field.find_first_of("\r\n\x1A") == std::string::npos, "no line end or end-of-text byte");
  Require(tonvero::UpperAscii(field) == field, "no small letter a..z");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const tonvero::PhoneListFile file = tonvero::ParsePhoneList(text);
  for (const Record& record : file.records) {
    for (int column = 1; column <= tonvero::kRecordFields; ++column) {
      CheckStoredForm(tonvero::FieldOf(record, column));
    }
    Require(tonvero::RecordFromLine(tonvero::RecordLine(record)) == record, "a record line reads back");
  }
  for (const std::string& title : file.titles) {
    Require(title.find('"') == std::string::npos, "no double quote in a title");
    Require(tonvero::UpperAscii(title) == title, "titles in capitals");
  }

  const std::vector<std::string> fields = tonvero::ExtractFields(text, 6);
  for (int n = 1; n <= 6; ++n) {
    Require(fields[n - 1] == tonvero::ExtractField(text, n), "one pass splits as field by field");
  }

  const tonvero::PhoneListFile saved =
      tonvero::ParsePhoneList(tonvero::EncodePhoneList(file.titles, file.records));
  Require(saved.titles == file.titles, "a saved list keeps its titles");
  Require(saved.records == file.records, "a saved list keeps its records");

  const tonvero::PhoneListFile backup = tonvero::ParsePhoneList(tonvero::EncodeBackup(file));
  Require(backup.headerLine == file.headerLine, "the backup keeps the header line as read");
  Require(backup.records == file.records, "the backup holds the loaded records");
  return 0;
}
