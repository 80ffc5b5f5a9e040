#include "win32/merge/merge_command.h"

#include <commdlg.h>

#include "core/phonelist/fields.h"
#include "win32/app/files.h"
#include "win32/procedures/insert_dialog.h"
#include "win32/procedures/procedure_bar.h"

namespace tonvero {
namespace {

Bytes ToBytes(const std::string& text) { return Bytes(text.begin(), text.end()); }

// The file dialog on the other database's phone-list file. The chosen file
// need not exist: the merge creates a new database.
std::optional<std::string> ChooseOtherDatabase(HWND owner, const char* title,
                                               const std::string& otherDbBase) {
  std::string file = otherDbBase + ".rbd";
  file.resize(32768, '\0');
  OPENFILENAMEA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = "Tonvero DB (*.rbd)\0*.rbd\0All Files (*.*)\0*.*\0";
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = file.data();
  dialog.nMaxFile = static_cast<DWORD>(file.size());
  dialog.lpstrTitle = title;
  dialog.lpstrDefExt = "rbd";
  // The working folder holds the settings and the tone file: keep it.
  dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
  if (!GetOpenFileNameA(&dialog)) return std::nullopt;
  file.resize(file.find('\0'));
  return file;
}

class WinMergeHost : public MergeHost {
 public:
  WinMergeHost(HWND owner, const std::string& dbBase, const MergeRooms& rooms)
      : owner_(owner), dbBase_(dbBase), rooms_(rooms) {}

  bool AskQuestion(const std::string& question) override { return rooms_.askQuestion(question); }

  std::optional<std::string> AskProcedureName(const std::string& name) override {
    std::string chosen = name;
    if (!tonvero::AskProcedureName(owner_, chosen)) return std::nullopt;
    return chosen;
  }

  std::optional<std::array<std::string, kRecordFields>> EditRecord(const Record& record) override {
    return rooms_.phoneList.InsertRecordDialog(record);
  }

  std::optional<std::string> ReadFile(const std::string& path) override {
    std::optional<Bytes> bytes = ReadFileUnlessMissing(path);
    if (!bytes) return std::nullopt;
    return std::string(bytes->begin(), bytes->end());
  }

  bool CreateFile(const std::string& path, const std::string& text) override {
    return ReplaceFileContents(path, ToBytes(text));
  }

  void WriteFile(const std::string& path, const std::string& text) override {
    WriteFileContents(path, ToBytes(text));
  }

  ProcedureList& Procedures() override { return rooms_.procedures.ListForMerge(); }
  std::vector<Record>& Records() override { return rooms_.phoneList.Records(); }

  // The current database's saves go through the rooms' own, which know
  // their file; the other database is named outright, so the current
  // database's path never changes, whatever fails.
  void SaveProcedures(const std::string& dbBase) override {
    if (dbBase != dbBase_) {
      rooms_.procedures.SaveTo(dbBase);
      return;
    }
    rooms_.procedures.ShowMergedList();
    rooms_.procedures.Save();
  }

  void SavePhoneList(const std::string& dbBase) override { rooms_.phoneList.SaveTo(dbBase); }
  void SortPhoneList() override { rooms_.phoneList.Sort(); }

 private:
  HWND owner_;
  const std::string& dbBase_;
  const MergeRooms& rooms_;
};

}  // namespace

void MergeCommandClick(HWND owner, MergeKind kind, const std::string& dbBase,
                       std::string& otherDbBase, const MergeRooms& rooms) {
  const std::optional<std::string> chosen =
      ChooseOtherDatabase(owner, TextsOf(kind).fileDialogTitle, otherDbBase);
  if (!chosen) {
    SetFocus(rooms.grid);
    return;
  }
  otherDbBase = StripExtension(*chosen);
  WinMergeHost host(owner, dbBase, rooms);
  MergeResult merged;
  try {
    merged = MergeDatabases(kind, dbBase, otherDbBase, host);
  } catch (...) {
    // What was accepted before the failure stays and is shown.
    rooms.procedures.ShowMergedList();
    rooms.phoneList.ShowMerged();
    SetFocus(rooms.grid);
    throw;
  }
  if (merged.procedures) rooms.procedures.ShowMergedList();
  if (merged.phoneList) rooms.phoneList.ShowMerged();
  SetFocus(rooms.grid);
}

}  // namespace tonvero
