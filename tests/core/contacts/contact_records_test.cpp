#include "core/contacts/contact_records.h"

#include <gtest/gtest.h>

#include "contacts/records_text.h"

namespace tonvero {
namespace {

TEST(ContactRecords, OneNormalisedRecordPerNumber) {
  const struct {
    Contact contact;
    std::string records;
  } cases[] = {
      {{" zo\xC3\xAB ", "o\"brien", {{" +1 (555) 0100 ", PhoneKind::kCell}}},
       "ZO\xEB|O'BRIEN|+1 (555) 0100|CELL"},
      {{"\xC5\x81ukasz", "\xFF", {{"1", PhoneKind::kHome}, {"2", PhoneKind::kWork}}},
       "?UKASZ|?|1|HOME/?UKASZ|?|2|WORK"},
      {{"Ann\r\nMarie", "", {{"1\t2", PhoneKind::kFax}, {"3", PhoneKind::kOther}}},
       "ANN MARIE| |1 2|FAX/ANN MARIE| |3|OTHER"},
      {{"Ann", "Lee", {}}, ""},
      {{"Ann", "Lee", {{"  ", PhoneKind::kCell}, {"\n", PhoneKind::kCell}}}, ""},
  };
  for (const auto& c : cases) EXPECT_EQ(c.records, RecordsText(RecordsFromContacts({c.contact}))) << c.records;
}

TEST(ContactFormatOf, NamesTheFormatByExtension) {
  const struct {
    const char* path;
    std::optional<ContactFormat> format;
  } cases[] = {
      {"a.vcf", ContactFormat::kVCard}, {"C:\\My.Dir\\A.VCF", ContactFormat::kVCard},
      {"list.Csv", ContactFormat::kCsv}, {"a.txt", std::nullopt},
      {"vcf", std::nullopt},            {"dir.csv\\file", std::nullopt},
      {"a.csv.bak", std::nullopt},      {"", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(c.format, ContactFormatOf(c.path)) << c.path;
}

}  // namespace
}  // namespace tonvero
