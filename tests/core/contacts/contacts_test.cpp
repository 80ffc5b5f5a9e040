#include <gtest/gtest.h>

#include "core/contacts/contact_records.h"
#include "core/contacts/vcard.h"
#include "../common/fake_code_pages.h"

namespace tonvero {
namespace {

struct Case {
  std::string text, expected;
};

std::string Card(const std::string& version, const std::string& lines) {
  return "BEGIN:VCARD\r\nVERSION:" + version + "\r\n" + lines + "END:VCARD\r\n";
}

const FakeCodePages kWestern(1252), kRussian(1251);

// Records as "first|last|phone|remarks", joined by "/"; "~" follows a
// record whose name was not stored whole.
std::string Shown(const std::vector<ContactRecord>& records) {
  std::string text;
  for (const auto& [r, whole] : records) {
    text += (text.empty() ? "" : "/") + r.first + '|' + r.last + '|' + r.phone + '|' + r.remarks;
    if (!whole) text += '~';
  }
  return text;
}

void ExpectRead(ContactFormat format, const std::vector<Case>& cases, const CodePages& pages = kWestern) {
  for (const Case& c : cases) {
    try {
      EXPECT_EQ(c.expected, Shown(ReadContactRecords(c.text, format, pages))) << c.text;
    } catch (const ContactFileError& error) {
      EXPECT_EQ(c.expected, std::string("refused: ") + error.what()) << c.text;
    }
  }
}

TEST(VCard, UnfoldsLines) {
  ExpectRead(ContactFormat::kVCard, {
      {Card("3.0", "N:Mar\r\n tin;Zo\r\n\te\r\nTEL:5\r\n 55\r\n"), "ZOE|MARTIN|555|OTHER"},
      {Card("2.1", "N:Martin;Jean\r\n Paul\r\nTEL:555\r\n"), "JEAN PAUL|MARTIN|555|OTHER"},
      {"BEGIN:VCARD\nVERSION:4.0\nFN:Ann\n  Lee\nTEL:1\nEND:VCARD", "ANN|LEE|1|OTHER"},
      {Card("2.1", "N;ENCODING=QUOTED-PRINTABLE:Mar=\r\ntin;J=\r\n=3Dx=\r\n\r\nTEL:555\r\n"),
       "J=X|MARTIN|555|OTHER"},
      {Card("2.1", "N:Lee=\r\nTEL:555\r\n"), " |LEE=|555|OTHER"},
  });
}

TEST(VCard, ReadsEveryCardOrRefusesTheFile) {
  const std::string unclosed = "refused: The file ends inside a vCard: END:VCARD is missing.";
  ExpectRead(ContactFormat::kVCard, {
      {Card("3.0", "FN:A B\r\nTEL:1\r\n") + "junk\r\n" + Card("3.0", "FN:C\r\nTEL:2\r\nTEL:3\r\n"),
       "A|B|1|OTHER/C| |2|OTHER/C| |3|OTHER"},
      {Card("2.1", "N:Lee;Ann\r\nEMAIL:a@b.c\r\nPHOTO;BASE64:AAAA\r\n BBBB\r\n\r\nAGENT:\r\n" +
                       Card("2.1", "N:Ray;Bo\r\nTEL:9\r\n") + "TEL:1\r\n"),
       "ANN|LEE|1|OTHER"},
      {Card("4.0", "FN:Nobody\r\nTEL:\r\n") + Card("4.0", "FN:X\r\n"), ""},
      {"First Name,Home Phone\r\nAnn,1\r\n", "refused: The file holds no vCard."},
      {"BEGIN:VCARD\r\nTEL:1\r\n", unclosed},
      {"BEGIN:VCARD\r\nBEGIN:VCARD\r\nEND:VCARD\r\n", unclosed},
  });
}

TEST(VCard, TakesNamesFromNOrElseFn) {
  ExpectRead(ContactFormat::kVCard, {
      {Card("3.0", "N:Doe;John;Q;Dr;Jr\r\nFN:Dr John Q Doe\r\nTEL:1\r\n"), "JOHN|DOE|1|OTHER"},
      {Card("4.0", "N:;;;;\r\nFN:Zo\xC3\xAB van Dijk\r\nTEL:1\r\n"), "ZO\xCB VAN|DIJK|1|OTHER"},
      {Card("4.0", "FN:Cher\r\nTEL:1\r\n"), "CHER| |1|OTHER"},
      {Card("3.0", "N:O\\;Brien\\, Jr;A\\\\b\r\nTEL:1\r\n"), "A\\B|O;BRIEN, JR|1|OTHER"},
      {Card("2.1", "N;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:=C5=81uk;Zo=C3=AB\r\nTEL:1\r\n"),
       "ZO\xCB|LUK|1|OTHER~"},
      {Card("2.1", "item2.n;quoted-printable: Lee =3D ;Ann\r\nTEL:1\r\n"), "ANN|LEE =|1|OTHER"},
  });
}

TEST(VCard, ReadsTelephoneTypesOfEachVersion) {
  const std::pair<std::string, Phone> cases[] = {
      {"TEL;HOME;VOICE:1", {"1", PhoneKind::kHome}},
      {"TEL;WORK;CELL:1", {"1", PhoneKind::kCell}},
      {"TEL;TYPE=WORK,FAX:1", {"1", PhoneKind::kFax}},
      {"TEL;TYPE=home;TYPE=voice:1", {"1", PhoneKind::kHome}},
      {"TEL;TYPE=\"cell,voice\";VALUE=uri:tel:+1-555-0100", {"tel:+1-555-0100", PhoneKind::kCell}},
      {"TEL;VALUE=uri;TYPE=work:TEL:+1-555;ext=2", {"TEL:+1-555;ext=2", PhoneKind::kWork}},
      {"item1.TEL;type=iPhone:1", {"1", PhoneKind::kCell}},
      {"TEL;PREF;PAGER:1", {"1", PhoneKind::kOther}},
      {"TEL;X-CELL=1:1", {"1", PhoneKind::kOther}},
      {"TEL:(01) 23\\,4", {"(01) 23,4", PhoneKind::kOther}},
  };
  for (const auto& [line, phone] : cases) {
    EXPECT_EQ(std::vector<Phone>{phone}, ReadVCards(Card("4.0", line + "\r\n"), kWestern).at(0).phones) << line;
  }
}

TEST(ContactsCsv, FindsNameAndPhoneColumns) {
  const std::string noPhone = "refused: The file names no phone column.";
  ExpectRead(ContactFormat::kCsv, {
      {"Name,Given Name,Family Name,Phone 1 - Type,Phone 1 - Value,Phone 2 - Type,Phone 2 - Value\r\n"
       "X Y,Zoe,Martin,* Mobile,+1 555 ::: 556 ,Work Fax,557\r\n",
       "ZOE|MARTIN|+1 555|CELL/ZOE|MARTIN|556|CELL/ZOE|MARTIN|557|FAX"},
      {"First Name,Last Name,Phone 1 - Label,Phone 1 - Value,Phone 2 - Value\nAnn,Lee,Home,1,2\n",
       "ANN|LEE|1|HOME/ANN|LEE|2|OTHER"},
      {"First Name,Last Name,Business Phone,Business Phone 2,Home Phone,Home Phone 2,Mobile Phone,"
       "Business Fax,Home Fax,Other Phone,Car Phone,Company Main Phone,Primary Phone,Pager\n"
       "A,B,1,2,3,4,5,6,7,8,9,10,11,12\n",
       "A|B|1|WORK/A|B|2|WORK/A|B|3|HOME/A|B|4|HOME/A|B|5|CELL/A|B|6|FAX/A|B|7|FAX/A|B|8|OTHER/"
       "A|B|9|OTHER/A|B|10|WORK/A|B|11|OTHER"},
      {" name ,MOBILE phone,first name,Last Name\nAnn van Lee,1,,\nBo,,,\nCy,2,Di,\nEd Gray,3,,Fox\n",
       "ANN VAN|LEE|1|CELL/DI| |2|CELL/ |FOX|3|CELL"},
      {"", noPhone},
      {"First Name,Last Name,Phone\r\nAnn,Lee,1\r\n", noPhone},
  });
}

// Names in the charset each version allows, stored in the user's code page:
// Иван in Windows-1251 is C8 E2 E0 ED, in capitals C8 C2 C0 CD.
TEST(VCard, ReadsNamesInTheirCharset) {
  const std::string ivan = "\xC8\xC2\xC0\xCD";
  ExpectRead(ContactFormat::kVCard, {
      {Card("2.1", "N;CHARSET=windows-1251;ENCODING=QUOTED-PRINTABLE:;=C8=E2=E0=ED\r\nTEL:1\r\n"),
       ivan + "| |1|OTHER"},
      {Card("3.0", "FN:\xC8\xE2\xE0\xED\r\nTEL:1\r\n"), ivan + "| |1|OTHER"},  // none: the user's page
      {Card("3.0", "FN:\xD0\x98\xD0\xB2\xD0\xB0\xD0\xBD\r\nTEL:1\r\n"), ivan + "| |1|OTHER"},
      {Card("4.0", "N;CHARSET=windows-1251:;\xC8\xE2\r\nTEL:1\r\n"), "??| |1|OTHER~"},  // 4.0 is UTF-8
      {Card("3.0", "FN:Jos\xC3\xA9\r\nTEL:1\r\n"), "JOS?| |1|OTHER~"},  // 1251 has no é
  }, kRussian);
}

// Outlook writes the system's code page, Google UTF-8 with a byte-order mark.
TEST(ContactsCsv, ReadsUtf8OrElseTheUsersCodePage) {
  const std::string header = "First Name,Last Name,Home Phone\r\n";
  const std::string bom = "\xEF\xBB\xBF";
  ExpectRead(ContactFormat::kCsv, {
      {header + "Jos\xE9,M\xFCller,1\r\n", "JOS\xC9|M\xDCLLER|1|HOME"},
      {header + "Jos\xC3\xA9,M\xC3\xBCller,1\r\n", "JOS\xC9|M\xDCLLER|1|HOME"},
      {bom + header + "Jos\xE9,X,1\r\n", "JOS?|X|1|HOME~"},  // marked UTF-8, a stray byte
  });
  ExpectRead(ContactFormat::kCsv, {{header + "\xC8\xE2\xE0\xED,\xC4\xEC,1\r\n", "\xC8\xC2\xC0\xCD|\xC4\xCC|1|HOME"}},
             kRussian);
}

TEST(ContactsCsv, ReadsQuotedFieldsAndLineEnds) {
  ExpectRead(ContactFormat::kCsv, {
      {"\xEF\xBB\xBF" "First Name,Home Phone\r\nAnn,1", "ANN| |1|HOME"},
      {"Name,Home Phone\r\n\"Lee, Ann\",\"1,2\"\r\n", "LEE,|ANN|1,2|HOME"},
      {"First Name,Home Phone\r\n\"A \"\"B\"\"\r\nC\",1\r\n", "A 'B' C| |1|HOME"},
      {"First Name,Home Phone\n\n\rAnn,1\r\rBo,2\r\n\r\n", "ANN| |1|HOME/BO| |2|HOME"},
      {"First Name,Home Phone,Last Name\r\nAnn,1,Lee,extra\r\nBo\r\n", "ANN|LEE|1|HOME"},
      {"Name,Home Phone\r\n\"Ann,1\r\n",
       "refused: The file ends inside a quoted field: a closing \" is missing."},
  });
}

TEST(ContactRecords, OneNormalisedRecordPerNumber) {
  const std::pair<Contact, std::string> cases[] = {
      {{" zo\xC3\xAB ", "o\"brien", {{" +1 (555) 0100 ", PhoneKind::kCell}}},
       "ZO\xCB|O'BRIEN|+1 555 0100|CELL"},
      {{"\xC5\x81uk", "\xEF\xBF\xBD", {{"1", PhoneKind::kHome}, {"2", PhoneKind::kWork}}},
       "LUK|?|1|HOME~/LUK|?|2|WORK~"},
      {{"Ann\r\nMarie", "", {{"1\t2", PhoneKind::kFax}}}, "ANN MARIE| |1 2|FAX"},
      {{"Ann", "Lee", {{"  ", PhoneKind::kCell}, {"\n", PhoneKind::kCell}}}, ""},
  };
  for (const auto& [contact, records] : cases) {
    EXPECT_EQ(records, Shown(RecordsFromContacts({contact}, kWestern))) << records;
  }
}

TEST(ContactRecords, StoresNumbersThatDialEveryDigitTheyShow) {
  ExpectRead(ContactFormat::kVCard, {
      {Card("4.0", "FN:Ann Lee\r\nTEL;VALUE=uri:tel:+1-201-555-0123;phone-context=example.com;ext=45\r\n"
                   "TEL;TYPE=work:(905) 555-1234 ext. 6\r\nTEL;TYPE=cell:Mobile\r\nTEL:1-800-flowers\r\n"),
       "ANN|LEE|+1-201-555-0123,45|OTHER/ANN|LEE|905 555-1234,6|WORK/ANN|LEE|1-800-3569377|OTHER"},
      {Card("2.1", "N:Lee;Ann\r\nTEL;CELL:+1 (212) 204-3445p12w3\r\n"), "ANN|LEE|+1 212 204-3445,12P3|CELL"},
  });
  ExpectRead(ContactFormat::kCsv, {
      {"First Name,Business Phone,Home Phone,Mobile Phone\r\nBo,(905) 555-1234,n/a,\"callto:555%20\"\r\n",
       "BO| |905 555-1234|WORK/BO| |555|CELL"},
      {"First Name,Phone 1 - Type,Phone 1 - Value\r\nBo,Home,(416) 555-0199 ::: none ::: " +
           std::string(300, '9') + "\r\n",
       "BO| |416 555-0199|HOME"},
  });
}

TEST(ContactRecords, RefusesMoreTextThanAListCanTake) {
  const std::string name(1 << 20, 'a');
  EXPECT_EQ(3u, RecordsFromContacts({{name, "", std::vector<Phone>(3, {"1"})}}, kWestern).size());
  EXPECT_THROW(RecordsFromContacts({{name, "", std::vector<Phone>(40, {"1"})}}, kWestern), ContactFileError);
  EXPECT_NO_THROW(RequireContactFileSize(kMaxContactFileBytes));
  EXPECT_THROW(RequireContactFileSize(kMaxContactFileBytes + 1), ContactFileError);
}

TEST(ContactFormatOf, NamesTheFormatByExtension) {
  const std::pair<std::string, std::optional<ContactFormat>> cases[] = {
      {"a.vcf", ContactFormat::kVCard}, {"C:\\My.Dir\\A.VCF", ContactFormat::kVCard},
      {"list.Csv", ContactFormat::kCsv}, {"a.txt", std::nullopt}, {"vcf", std::nullopt},
      {"dir.csv\\file", std::nullopt},  {"a.csv.bak", std::nullopt},
  };
  for (const auto& [path, format] : cases) EXPECT_EQ(format, ContactFormatOf(path)) << path;
}

}  // namespace
}  // namespace tonvero
