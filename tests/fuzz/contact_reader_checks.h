#pragma once
// For the contact-file fuzz targets: any bytes read as a contacts file give
// records in the phone list's stored form, or a ContactFileError that says
// why; nothing else escapes.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/contacts/contact_records.h"
#include "core/common/text.h"
#include "../core/common/fake_code_pages.h"

namespace tonvero::fuzz {

inline void Require(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "broken: %s\n", what);
  std::abort();
}

inline void CheckContactFile(const uint8_t* data, size_t size, ContactFormat format, const CodePages& pages) {
  std::vector<ContactRecord> records;
  try {
    records = ReadContactRecords(std::string_view(reinterpret_cast<const char*>(data), size), format, pages);
  } catch (const ContactFileError& error) {
    return Require(*error.what() != '\0', "a refusal says why");
  }
  for (const auto& [record, nameWhole] : records) {
    for (const std::string& field : {record.first, record.last, record.phone, record.remarks}) {
      Require(!field.empty() && TrimField(field) == field && UpperAscii(field) == field, "trimmed capitals");
      for (const char c : field) {
        Require(c != '"' && static_cast<unsigned char>(c) >= 0x20, "no quote, no control character");
      }
    }
    Require(record.phone != " ", "every record has a number");
    Require(std::string(" HOME WORK CELL FAX OTHER ").find(' ' + record.remarks + ' ') != std::string::npos,
            "the remarks name the kind");
    Require(RecordFromLine(RecordLine(record)) == record, "the record's file line reads back");
  }
}

}  // namespace tonvero::fuzz
