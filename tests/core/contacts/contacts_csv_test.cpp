#include "core/contacts/contacts_csv.h"

#include <gtest/gtest.h>

#include "contacts/records_text.h"
#include "core/contacts/contact_records.h"

namespace tonvero {
namespace {

struct CsvCase {
  std::string text, records;
};

void ExpectRecords(const std::vector<CsvCase>& cases) {
  for (const CsvCase& c : cases) {
    EXPECT_EQ(c.records, RecordsText(ReadContactRecords(c.text, ContactFormat::kCsv))) << c.text;
  }
}

TEST(ContactsCsv, FindsNameAndPhoneColumns) {
  ExpectRecords({
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
  });
}

TEST(ContactsCsv, ReadsQuotedFieldsAndLineEnds) {
  ExpectRecords({
      {"\xEF\xBB\xBF" "First Name,Home Phone\r\nAnn,1", "ANN| |1|HOME"},
      {"Name,Home Phone\r\n\"Lee, Ann\",\"1,2\"\r\n", "LEE,|ANN|1,2|HOME"},
      {"First Name,Home Phone\r\n\"A \"\"B\"\"\r\nC\",1\r\n", "A 'B' C| |1|HOME"},
      {"First Name,Home Phone\n\n\rAnn,1\r\rBo,2\r\n\r\n", "ANN| |1|HOME/BO| |2|HOME"},
      {"First Name,Home Phone,Last Name\r\nAnn,1,Lee,extra\r\nBo\r\n", "ANN|LEE|1|HOME"},
  });
}

TEST(ContactsFile, DamagedFilesAreRefusedWithAReason) {
  const struct {
    ContactFormat format;
    std::string text, message;
  } cases[] = {
      {ContactFormat::kVCard, "", "The file holds no vCard."},
      {ContactFormat::kVCard, "First Name,Home Phone\r\nAnn,1\r\n", "The file holds no vCard."},
      {ContactFormat::kVCard, "BEGIN:VCARD\r\nTEL:1\r\n",
       "The file ends inside a vCard: END:VCARD is missing."},
      {ContactFormat::kVCard, "BEGIN:VCARD\r\nBEGIN:VCARD\r\nEND:VCARD\r\n",
       "The file ends inside a vCard: END:VCARD is missing."},
      {ContactFormat::kCsv, "", "The file names no phone column."},
      {ContactFormat::kCsv, "First Name,Last Name,Phone\r\nAnn,Lee,1\r\n", "The file names no phone column."},
      {ContactFormat::kCsv, "BEGIN:VCARD\r\nTEL:1\r\nEND:VCARD\r\n", "The file names no phone column."},
      {ContactFormat::kCsv, "Name,Home Phone\r\n\"Ann,1\r\n",
       "The file ends inside a quoted field: a closing \" is missing."},
  };
  for (const auto& c : cases) {
    try {
      ReadContactRecords(c.text, c.format);
      ADD_FAILURE() << "no error for " << c.text;
    } catch (const ContactFileError& error) {
      EXPECT_EQ(c.message, error.what()) << c.text;
    }
  }
}

}  // namespace
}  // namespace tonvero
