#include "win32/merge/merge_command.h"

#include "core/common/text.h"
#include "win32/files/files.h"
#include "win32/merge/system_code_pages.h"
#include "win32/phonelist/open_dialog.h"
#include "win32/procedures/insert_dialog.h"
#include "win32/procedures/procedure_file.h"
#include "win32/ui/message_boxes.h"

namespace tonvero {
namespace {

constexpr const char* kContactsCaption = "Adding Contacts";

class WinMergeHost : public MergeHost {
 public:
  // The merge works on a copy of the procedure list; the bar takes it back
  // when it is saved, and after a failure (ShowMergedList).
  WinMergeHost(HWND owner, const std::string& dbBase, const MergeRooms& rooms)
      : owner_(owner), dbBase_(dbBase), rooms_(rooms), procedures_(rooms.procedures.List()) {}

  void ShowMergedList() { rooms_.procedures.ReplaceList(procedures_); }

  bool AskQuestion(const std::string& question) override { return AskYesNo(owner_, question); }

  std::optional<std::string> AskProcedureName(const std::string& name) override {
    std::string chosen = name;
    if (!tonvero::AskProcedureName(owner_, chosen)) return std::nullopt;
    return chosen;
  }

  bool InsertRecordDialog(const Record& record) override {
    return rooms_.phoneList.InsertRecordDialog(record);
  }

  void ShowNotice(const std::string& text) override { tonvero::ShowNotice(owner_, text, kContactsCaption); }

  void AddRecords(const std::vector<Record>& records) override { rooms_.phoneList.AddRecords(records); }

  std::optional<std::string> ReadFile(const std::string& path) override {
    std::optional<Bytes> bytes = ReadFileIfPresent(path);
    if (!bytes) return std::nullopt;
    return std::string(bytes->begin(), bytes->end());
  }

  bool CreateFile(const std::string& path, const std::string& text) override {
    return ReplaceFileContents(path, ToBytes(text));
  }

  void WriteFile(const std::string& path, const std::string& text) override {
    WriteFileContents(path, ToBytes(text));
  }

  std::optional<IoError> ProceduresUnread() override { return rooms_.procedures.ReadFailure(); }
  std::optional<IoError> PhoneListUnread() override { return rooms_.phoneList.ReadFailure(); }

  ProcedureList& Procedures() override { return procedures_; }
  const std::vector<Record>& Records() override { return rooms_.phoneList.Records(); }

  // The current database's saves go through the rooms' own, which know
  // their file; the other database is named outright, so the current
  // database's path never changes, whatever fails.
  void SaveProcedures(const std::string& dbBase) override {
    if (dbBase != dbBase_) {
      WriteProcedureFile(dbBase, procedures_);
      return;
    }
    ShowMergedList();
    rooms_.procedures.Save();
    // Another program may have written the file: the merge goes on with
    // the list the bar saved.
    procedures_ = rooms_.procedures.List();
  }

  void SavePhoneList(const std::string& dbBase) override {
    if (dbBase != dbBase_) rooms_.phoneList.SaveTo(dbBase);
    else rooms_.phoneList.Save();
  }

  void SortPhoneList() override { rooms_.phoneList.SortAndSelectFirst(); }

 private:
  HWND owner_;
  const std::string& dbBase_;
  const MergeRooms& rooms_;
  ProcedureList procedures_;
};

}  // namespace

std::string RunMerge(HWND owner, MergeKind kind, const std::string& dbBase, const std::string& offeredDbBase,
                     const MergeRooms& rooms) {
  const std::optional<std::string> chosen = ChooseDatabaseFile(
      owner, TextsOf(kind).fileDialogTitle, offeredDbBase + ".rbd", kind == MergeKind::kAdd);
  if (!chosen) {
    rooms.phoneList.Focus();
    return offeredDbBase;
  }
  WinMergeHost host(owner, dbBase, rooms);
  // "Add" also takes contact exports; they have no procedures, and the
  // database offered next time stays the last one chosen.
  const std::optional<ContactFormat> contacts =
      kind == MergeKind::kAdd ? ContactFormatOf(*chosen) : std::nullopt;
  const std::string otherDbBase = contacts ? offeredDbBase : StripExtension(*chosen);
  try {
    if (contacts) {
      // Refused before it is read whole.
      WIN32_FILE_ATTRIBUTE_DATA file;
      if (GetFileAttributesExA(chosen->c_str(), GetFileExInfoStandard, &file)) {
        RequireContactFileSize(static_cast<uint64_t>(file.nFileSizeHigh) << 32 | file.nFileSizeLow);
      }
      AddFromContacts(dbBase, *chosen, *contacts, SystemCodePages(), host);
    } else if (MergeDatabases(kind, dbBase, otherDbBase, host).procedures) {
      host.ShowMergedList();
    }
  } catch (...) {
    // What was accepted before the failure stays, and is shown.
    host.ShowMergedList();
    rooms.phoneList.Focus();
    throw;
  }
  rooms.phoneList.Focus();
  return otherDbBase;
}

}  // namespace tonvero
