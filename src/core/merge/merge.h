#pragma once
// "Sync." and "Add": bringing the procedures and the records of another
// database into the current one. What the other database has and the current
// one lacks (the whole normalised procedure line, all four record fields) is
// offered one item at a time in the other's file order; the current database
// always wins. "Sync." then writes the merged lists over the other database.
#include <optional>
#include <string>
#include <vector>

#include "core/app/io_error.h"
#include "core/contacts/contact_records.h"
#include "core/phonelist/phone_list.h"
#include "core/procedures/procedure_list.h"

namespace tonvero {

enum class MergeKind { kSync, kAdd };

struct MergeTexts {
  const char* fileDialogTitle;
  const char* procedureQuestion;
  const char* phoneListQuestion;
};
const MergeTexts& TextsOf(MergeKind kind);

// What the merge needs from the program around it: the user's answers, the
// files, and the current database's lists with their saves.
class MergeHost {
 public:
  virtual ~MergeHost() = default;

  // The Yes/No question box: true for "Yes".
  virtual bool AskQuestion(const std::string& question) = 0;
  // The new-procedure dialog opened on `name`: the name the user accepted
  // (possibly changed or emptied), or nothing for Cancel.
  virtual std::optional<std::string> AskProcedureName(const std::string& name) = 0;
  // The record dialog, "Insert Record", opened on `record`: on OK the record
  // as the user edited it joins the current list, which is sorted and saved.
  // True when it was added; Cancel changes nothing.
  virtual bool InsertRecordDialog(const Record& record) = 0;

  // The notice box with "Continue".
  virtual void ShowNotice(const std::string& text) = 0;
  // Appends records to the current list, unsorted and unsaved.
  virtual void AddRecords(const std::vector<Record>& records) = 0;

  // A file's text; nothing when the file or its folder does not exist.
  // Throws IoError on any other failure.
  virtual std::optional<std::string> ReadFile(const std::string& path) = 0;
  // Creates a missing file; false when it cannot be created.
  virtual bool CreateFile(const std::string& path, const std::string& text) = 0;
  // Replaces a file whole, or leaves the old one whole and throws IoError.
  virtual void WriteFile(const std::string& path, const std::string& text) = 0;

  // Why the current database's procedures or phone list were not read
  // (their file was there but could not be read, or could not be made):
  // such a list takes no part in a merge. Nothing when it was read.
  virtual std::optional<IoError> ProceduresUnread() = 0;
  virtual std::optional<IoError> PhoneListUnread() = 0;

  virtual ProcedureList& Procedures() = 0;
  virtual const std::vector<Record>& Records() = 0;
  // The lists saved to the database `dbBase` (the current or the other one).
  virtual void SaveProcedures(const std::string& dbBase) = 0;
  virtual void SavePhoneList(const std::string& dbBase) = 0;
  virtual void SortPhoneList() = 0;
};

// Which merges went through (their file was read), so that the window shows
// those lists anew.
struct MergeResult {
  bool procedures = false;
  bool phoneList = false;
};

// Offers the procedures of `otherBase` + ".dp" that the current list lacks;
// an accepted one is appended under the name given, with the other's text,
// and the current list saved. Creates a missing file with its default
// content (quietly doing nothing when it cannot), rewrites the other's
// ".dpb" with its lines in normal form. Returns false when it did nothing.
bool MergeDialingProcedures(MergeKind kind, const std::string& currentBase,
                            const std::string& otherBase, MergeHost& host);

// The same for the records of `otherBase` + ".rbd" and its ".bak", each
// offered in the record dialog.
bool MergePhoneList(MergeKind kind, const std::string& otherBase, MergeHost& host);

// The whole command once the other database is chosen: the two questions,
// each merge and its saves, and for "Sync." the saves to the other database.
// A current list that was not read ends the command with the reason
// (IoError) before anything of its merge is written to either database.
MergeResult MergeDatabases(MergeKind kind, const std::string& currentBase,
                           const std::string& otherBase, MergeHost& host);

// What a contact file adds to the list `list`: the records it gives that
// the list lacks, each once, in the file's order; how many it gave that
// were there already (or came twice); and how many names among the new
// records were not stored whole.
struct ContactsToAdd {
  std::vector<Record> records;
  size_t alreadyThere = 0;
  size_t namesNotWhole = 0;
};
ContactsToAdd NewContactRecords(const std::vector<Record>& list, const std::vector<ContactRecord>& given);

// "Add" from a contact export (vCard or CSV) at `path`, its names in the
// user's code page as `pages` stores them: the phone-list question, then
// one question naming how many records the file adds. Yes adds them all,
// then one notice says how many were added, how many were there already
// and how many names were not stored whole. No says how many names were
// not stored whole (when any were not), then offers each record the list
// lacks as another database's records are. A file that adds nothing says
// so. The list is then sorted and saved once. The contact file is only
// read. Throws IoError when it cannot be read and ContactFileError when it
// is damaged, before anything is offered. Returns whether the merge went
// through.
bool AddFromContacts(const std::string& currentBase, const std::string& path, ContactFormat format,
                     const CodePages& pages, MergeHost& host);

}  // namespace tonvero
