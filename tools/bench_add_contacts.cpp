// bench_add_contacts.exe <folder> <contacts> <rounds>: times "Add" from a
// vCard of that many contacts with Yes to adding them all (read, convert
// the names through Windows' code pages, find what the list lacks, append,
// sort, save Base.rbd in the folder), and one save of the resulting list on
// its own. Prints the fastest and the median round of each, in milliseconds.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/merge/merge.h"
#include "core/phonelist/sort.h"
#include "win32/merge/system_code_pages.h"
#include "win32/phonelist/phone_list_file.h"

#include "bench_timing.h"

using namespace tonvero;

namespace {

const Titles kTitles = {"FIRST NAME      ", "LAST NAME        ", "PHONE                          ", "REMARKS"};

// The program around the merge as a user who answers Yes at once: the list
// in memory, saved as the phone list saves it.
class YesHost : public MergeHost {
 public:
  YesHost(std::string file, std::string dbBase) : file_(std::move(file)), dbBase_(std::move(dbBase)) {}
  std::vector<Record> records;

  bool AskQuestion(const std::string&) override { return true; }
  std::optional<std::string> AskProcedureName(const std::string&) override { return std::nullopt; }
  bool InsertRecordDialog(const Record&) override { return false; }
  void ShowNotice(const std::string&) override {}
  void AddRecords(const std::vector<Record>& added) override {
    records.insert(records.end(), added.begin(), added.end());
  }
  std::optional<std::string> ReadFile(const std::string&) override { return file_; }
  bool CreateFile(const std::string&, const std::string&) override { return false; }
  void WriteFile(const std::string&, const std::string&) override {}
  std::optional<IoError> ProceduresUnread() override { return std::nullopt; }
  std::optional<IoError> PhoneListUnread() override { return std::nullopt; }
  ProcedureList& Procedures() override { return procedures_; }
  const std::vector<Record>& Records() override { return records; }
  void SaveProcedures(const std::string&) override {}
  void SavePhoneList(const std::string&) override { SavePhoneListFile(dbBase_, kTitles, records); }
  void SortPhoneList() override { SortRecords(records, 1, -1); }

 private:
  std::string file_, dbBase_;
  ProcedureList procedures_;
};

std::string ManyCards(int count) {
  std::string file;
  for (int i = 0; i < count; ++i) {
    const std::string n = std::to_string(i);
    file += "BEGIN:VCARD\r\nVERSION:3.0\r\nN:M\xC3\xBCller" + n + ";Jos\xC3\xA9" + n + "\r\nTEL;TYPE=CELL:+49 30 " +
            std::to_string(1000000 + i) + "\r\nEND:VCARD\r\n";
  }
  return file;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: bench_add_contacts.exe folder contacts rounds\n");
    return 2;
  }
  const std::string dbBase = std::string(argv[1]) + "\\Base";
  const int count = std::atoi(argv[2]), rounds = std::atoi(argv[3]);
  const std::string file = ManyCards(count);
  const SystemCodePages pages;
  std::vector<Record> added;
  try {
    Report("add", rounds, [&] {
      YesHost host(file, dbBase);
      AddFromContacts(dbBase, "many.vcf", ContactFormat::kVCard, pages, host);
      added = host.records;
    });
    if (static_cast<int>(added.size()) != count) {
      std::fprintf(stderr, "added %zu records, not %d\n", added.size(), count);
      return 1;
    }
    Report("save", rounds, [&] { SavePhoneListFile(dbBase, kTitles, added); });
  } catch (const std::exception& failure) {
    std::fprintf(stderr, "failed: %s\n", failure.what());
    return 1;
  }
  return 0;
}
