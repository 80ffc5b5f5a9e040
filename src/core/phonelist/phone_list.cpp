#include "core/phonelist/phone_list.h"

#include "core/common/lines.h"
#include "core/common/text.h"

namespace tonvero {
namespace {

constexpr char kLineEnd[] = "\r\n";
constexpr char kEndOfText = '\x1A';

// The header of a new file: the titles carry their trailing spaces.
constexpr char kNewHeader[] =
    R"("FIRST NAME      ","LAST NAME        ","PHONE                          ","REMARKS")";
constexpr char kSampleRecord[] = R"("Marel","Vossik","","Velmora")";

std::string QuotedLine(const std::string& f1, const std::string& f2, const std::string& f3,
                       const std::string& f4) {
  return '"' + f1 + "\",\"" + f2 + "\",\"" + f3 + "\",\"" + f4 + '"';
}

}  // namespace

const std::string& FieldOf(const Record& record, int column) {
  switch (column) {
    case 1: return record.first;
    case 2: return record.last;
    case 3: return record.phone;
    default: return record.remarks;
  }
}

std::string& FieldOf(Record& record, int column) {
  return const_cast<std::string&>(FieldOf(static_cast<const Record&>(record), column));
}

Record RecordFromLine(std::string_view line) {
  const std::vector<std::string> fields = ExtractFields(line, kRecordFields);
  Record record;
  for (int column = 1; column <= kRecordFields; ++column) {
    FieldOf(record, column) = UpperAscii(TrimField(fields[column - 1]));
  }
  return record;
}

Record RecordFromInput(const std::array<std::string, kRecordFields>& typed) {
  Record record;
  for (int column = 1; column <= kRecordFields; ++column) {
    FieldOf(record, column) = UpperAscii(QuotesToApostrophes(TrimField(typed[column - 1])));
  }
  return record;
}

std::string RecordLine(const Record& record) {
  return QuotedLine(record.first, record.last, record.phone, record.remarks);
}

PhoneListFile ParsePhoneList(std::string_view text) {
  text = text.substr(0, text.find(kEndOfText));
  const std::vector<std::string_view> lines = SplitLines(text);
  PhoneListFile file;
  if (!lines.empty()) file.headerLine = std::string(lines.front());
  const std::string header = UpperAscii(file.headerLine);
  for (int column = 1; column <= kRecordFields; ++column) {
    file.titles[column - 1] = ExtractField(header, column);
  }
  // Every record is read: an empty line between records is only skipped, so
  // no later record is lost at the next save.
  for (size_t i = 1; i < lines.size(); ++i) {
    if (!lines[i].empty()) file.records.push_back(RecordFromLine(lines[i]));
  }
  return file;
}

std::string EncodePhoneList(const Titles& titles, const std::vector<Record>& records) {
  std::string text = QuotedLine(titles[0], titles[1], titles[2], titles[3]) + kLineEnd;
  for (const Record& record : records) text += RecordLine(record) + kLineEnd;
  return text;
}

std::string EncodeBackup(const PhoneListFile& file) {
  std::string text = file.headerLine + kLineEnd;
  for (const Record& record : file.records) text += RecordLine(record) + kLineEnd;
  return text;
}

std::string NewPhoneListFileText() {
  return std::string(kNewHeader) + kLineEnd + kSampleRecord + kLineEnd;
}

std::string RecordSummary(const Record& record) {
  std::string summary;
  for (int column = 1; column <= kRecordFields; ++column) {
    const std::string& field = FieldOf(record, column);
    if (field == " ") continue;
    if (!summary.empty()) summary += ' ';
    summary += field;
  }
  return summary;
}

bool HasRecord(const std::vector<Record>& records, const Record& record) {
  for (const Record& present : records) {
    if (present == record) return true;
  }
  return false;
}

std::string DatabaseCaption(const std::string& dbBase) { return "Tonvero + " + UpperAscii(dbBase); }

}  // namespace tonvero
