#pragma once
// The phone list: its records, the text file that holds them (".rbd") and
// the backup written at each load (".bak").
//
// File: 8-bit text, one line per row. Line 1 is the header, whose fields 1..4
// are the column titles; every further line is a record of four quoted,
// comma-separated fields: first name, last name, phone, remarks. Lines are
// written with CR LF; CR LF, CR and LF alone are read as line ends, a byte
// 0x1A ends the text, empty lines are skipped.
#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace tonvero {

constexpr int kRecordFields = 4;

// One phone-list entry, its texts normalised: capitals for a..z, no leading
// or trailing spaces, never empty (an empty field is " "), no double quote.
struct Record {
  std::string first, last, phone, remarks;
  bool operator==(const Record&) const = default;
};

// Field `column` of a record: 1 first name, 2 last name, 3 phone, 4 remarks.
const std::string& FieldOf(const Record& record, int column);
std::string& FieldOf(Record& record, int column);

// A record read from a file line: fields 1..4 trimmed and upper-cased.
Record RecordFromLine(std::string_view line);
// A record as typed into the record dialog: trimmed, upper-cased, quotes
// turned into apostrophes.
Record RecordFromInput(const std::array<std::string, kRecordFields>& typed);
// The record as one file line, without its line end.
std::string RecordLine(const Record& record);

using Titles = std::array<std::string, kRecordFields>;

// The contents of a phone-list file as loaded.
struct PhoneListFile {
  std::string headerLine;  // line 1 exactly as read
  Titles titles;           // fields 1..4 of the upper-cased header, not trimmed
  std::vector<Record> records;
};

PhoneListFile ParsePhoneList(std::string_view text);
// The file holding `titles` as its header and then the records.
std::string EncodePhoneList(const Titles& titles, const std::vector<Record>& records);
// What the backup file holds after loading `file`: the header line as read,
// then every record line in its normalised form.
std::string EncodeBackup(const PhoneListFile& file);

// The file a new database starts with: the header and a sample record,
// written as they stand (the first save normalises the sample).
std::string NewPhoneListFileText();

// True when a record equal in all four fields is in `records`.
bool HasRecord(const std::vector<Record>& records, const Record& record);

// A record as a notice names it: its fields that are not blank, by spaces.
std::string RecordSummary(const Record& record);

// The main window's caption naming the database `dbBase`.
std::string DatabaseCaption(const std::string& dbBase);

}  // namespace tonvero
