#include "core/contacts/vcard.h"

#include <gtest/gtest.h>

#include "contacts/records_text.h"
#include "core/contacts/contact_records.h"

namespace tonvero {
namespace {

std::string Card(const std::string& version, const std::string& lines) {
  return "BEGIN:VCARD\r\nVERSION:" + version + "\r\n" + lines + "END:VCARD\r\n";
}

struct FileCase {
  std::string text, records;
};

void ExpectRecords(const std::vector<FileCase>& cases) {
  for (const FileCase& c : cases) {
    EXPECT_EQ(c.records, RecordsText(ReadContactRecords(c.text, ContactFormat::kVCard))) << c.text;
  }
}

TEST(VCard, UnfoldsLines) {
  ExpectRecords({
      {Card("3.0", "N:Mar\r\n tin;Zo\r\n\te\r\nTEL:5\r\n 55\r\n"), "ZOE|MARTIN|555|OTHER"},
      {Card("2.1", "N:Martin;Jean\r\n Paul\r\nTEL:555\r\n"), "JEAN PAUL|MARTIN|555|OTHER"},
      {"BEGIN:VCARD\nVERSION:4.0\nFN:Ann\n  Lee\nTEL:1\nEND:VCARD", "ANN|LEE|1|OTHER"},
      {Card("2.1", "N;ENCODING=QUOTED-PRINTABLE:Mar=\r\ntin;J=\r\n=3Dx=\r\n\r\nTEL:555\r\n"),
       "J=X|MARTIN|555|OTHER"},
      {Card("2.1", "N:Lee=\r\nTEL:555\r\n"), " |LEE=|555|OTHER"},
  });
}

TEST(VCard, ReadsEveryCardAndSkipsTheRest) {
  ExpectRecords({
      {Card("3.0", "FN:A B\r\nTEL:1\r\n") + "junk\r\n" + Card("3.0", "FN:C\r\nTEL:2\r\nTEL:3\r\n"),
       "A|B|1|OTHER/C| |2|OTHER/C| |3|OTHER"},
      {Card("2.1", "N:Lee;Ann\r\nEMAIL:a@b.c\r\nPHOTO;BASE64:AAAA\r\n BBBB\r\n\r\nAGENT:\r\n" +
                       Card("2.1", "N:Ray;Bo\r\nTEL:9\r\n") + "TEL:1\r\n"),
       "ANN|LEE|1|OTHER"},
      {Card("4.0", "FN:Nobody\r\nTEL:\r\n") + Card("4.0", "FN:X\r\n"), ""},
  });
}

TEST(VCard, TakesNamesFromNOrElseFn) {
  const struct {
    std::string lines, first, last;
  } cases[] = {
      {"N:Doe;John;Q;Dr;Jr\r\nFN:Dr John Q Doe\r\n", "John", "Doe"},
      {"N:;;;;\r\nFN:Zo\xC3\xAB van Dijk\r\n", "Zo\xC3\xAB van", "Dijk"},
      {"FN:Cher\r\n", "Cher", ""},
      {"N:O\\;Brien\\, Jr;A\\\\b\r\n", "A\\b", "O;Brien, Jr"},
      {"N;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:=C5=81uk;Zo=C3=AB\r\n", "Zo\xC3\xAB", "\xC5\x81uk"},
      {"item2.n;quoted-printable: Lee =3D ;Ann\r\n", "Ann", "Lee ="},
  };
  for (const auto& c : cases) {
    const std::vector<Contact> contacts = ReadVCards(Card("3.0", c.lines));
    ASSERT_EQ(1u, contacts.size()) << c.lines;
    EXPECT_EQ(c.first, contacts[0].first) << c.lines;
    EXPECT_EQ(c.last, contacts[0].last) << c.lines;
  }
}

TEST(VCard, ReadsTelephoneTypesOfEachVersion) {
  const struct {
    std::string line;
    Phone phone;
  } cases[] = {
      {"TEL;HOME;VOICE:1", {"1", PhoneKind::kHome}},
      {"TEL;CELL:1", {"1", PhoneKind::kCell}},
      {"TEL;WORK;CELL:1", {"1", PhoneKind::kCell}},
      {"TEL;TYPE=WORK,FAX:1", {"1", PhoneKind::kFax}},
      {"TEL;TYPE=home;TYPE=voice:1", {"1", PhoneKind::kHome}},
      {"TEL;TYPE=\"cell,voice\";VALUE=uri:tel:+1-555-0100", {"+1-555-0100", PhoneKind::kCell}},
      {"TEL;VALUE=uri;TYPE=work:TEL:+1-555", {"+1-555", PhoneKind::kWork}},
      {"item1.TEL;type=iPhone:1", {"1", PhoneKind::kCell}},
      {"TEL;PREF;PAGER:1", {"1", PhoneKind::kOther}},
      {"TEL;X-CELL=1:1", {"1", PhoneKind::kOther}},
      {"TEL:(01) 23\\,4", {"(01) 23,4", PhoneKind::kOther}},
  };
  for (const auto& c : cases) {
    const std::vector<Contact> contacts = ReadVCards(Card("4.0", c.line + "\r\n"));
    EXPECT_EQ(std::vector<Phone>{c.phone}, contacts.at(0).phones) << c.line;
  }
}

}  // namespace
}  // namespace tonvero
