#pragma once
// For the contact-file fuzz targets: any bytes read as a contacts file give
// records in the phone list's stored form, or a ContactFileError; nothing
// else escapes.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/contacts/contact_records.h"
#include "core/phonelist/fields.h"

namespace tonvero::fuzz {

inline void Require(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "broken: %s\n", what);
  std::abort();
}

inline void CheckContactFile(const uint8_t* data, size_t size, ContactFormat format) {
  std::vector<Record> records;
  try {
    records = ReadContactRecords(std::string_view(reinterpret_cast<const char*>(data), size), format);
  } catch (const ContactFileError& error) {
    Require(*error.what() != '\0', "a refusal says why");
    return;
  }
  for (const Record& record : records) {
    for (int column = 1; column <= kRecordFields; ++column) {
      const std::string& field = FieldOf(record, column);
      Require(!field.empty() && TrimField(field) == field, "a field is trimmed and never empty");
      Require(field.find('"') == std::string::npos, "no double quote");
      Require(UpperAscii(field) == field, "no small letter a..z");
      for (const char c : field) Require(static_cast<unsigned char>(c) >= 0x20, "no control character");
    }
    Require(record.phone != " ", "every record has a number");
    const std::string kinds = " HOME WORK CELL FAX OTHER ";
    Require(kinds.find(' ' + record.remarks + ' ') != std::string::npos, "the remarks name the kind");
    Require(RecordFromLine(RecordLine(record)) == record, "the record's file line reads back");
  }
}

}  // namespace tonvero::fuzz
