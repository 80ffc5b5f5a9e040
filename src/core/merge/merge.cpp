#include "core/merge/merge.h"

#include <unordered_set>

#include "core/app/io_error.h"

namespace tonvero {
namespace {

constexpr MergeTexts kSyncTexts{"Synchronization With Tonvero DB",
                                "Synchronize The Dialing Proc. List ?",
                                "Synchronize The Phone List ?"};
constexpr MergeTexts kAddTexts{"Adding Records From Tonvero DB", "Add Dialing Proc. Records ?",
                               "Add Phone List Records ?"};

// The other database's file, created with `defaults` when it does not exist;
// nothing when it can be neither read nor created.
std::optional<std::string> ReadOrCreate(MergeHost& host, const std::string& path,
                                        const std::string& defaults) {
  if (auto text = host.ReadFile(path)) return text;
  if (!host.CreateFile(path, defaults)) return std::nullopt;
  return host.ReadFile(path);
}

// "Add" only reads the other database, which may be on a read-only share: a
// backup that cannot be written there is left out. Any other failure (a
// full disk) is reported, and "Sync." must write there anyway.
void WriteBackup(MergeKind kind, MergeHost& host, const std::string& path, const std::string& text) {
  try {
    host.WriteFile(path, text);
  } catch (const IoError& failure) {
    if (kind == MergeKind::kSync || !failure.IsReadOnlyPlace()) throw;
  }
}

void RequireRead(const std::optional<IoError>& unread) {
  if (unread) throw *unread;
}

// "1 record", "2 records".
std::string Counted(size_t count, const std::string& thing) {
  return std::to_string(count) + ' ' + thing + (count == 1 ? "" : "s");
}

std::string AddAllQuestion(size_t records) {
  return "The file adds " + Counted(records, "record") + ". Add them all ?";
}

std::string NothingAddedNotice(size_t given) {
  if (given == 0) return "The file holds no phone number: no record was added.";
  return "No record was added: the " + Counted(given, "record") + " of the file are in the list already.";
}

std::string NamesNotWholeNotice(size_t names) {
  return Counted(names, "name") +
         " could not be stored whole on this computer: the nearest letters, or \"?\", stand in.";
}

std::string AddedNotice(const ContactsToAdd& toAdd) {
  return Counted(toAdd.records.size(), "record") + " added, " + std::to_string(toAdd.alreadyThere) +
         " already in the list. " +
         (toAdd.namesNotWhole == 0 ? std::string("Every name was stored whole.")
                                   : Counted(toAdd.namesNotWhole, "name") +
                                         " could not be stored whole on this computer.");
}

}  // namespace

const MergeTexts& TextsOf(MergeKind kind) { return kind == MergeKind::kSync ? kSyncTexts : kAddTexts; }

bool MergeDialingProcedures(MergeKind kind, const std::string& currentBase,
                            const std::string& otherBase, MergeHost& host) {
  const auto file = ReadOrCreate(host, otherBase + ".dp", NewProcedureFile());
  if (!file) return false;
  const ProcedureList other = ProcedureList::FromFile(*file);
  WriteBackup(kind, host, otherBase + ".dpb", other.ToFile());

  for (int k = 1; k < other.Size(); ++k) {
    const Procedure& procedure = other.At(k);
    ProcedureList& list = host.Procedures();
    if (HasDialingProcedure(list, procedure)) continue;
    const auto name = host.AskProcedureName(procedure.name);
    if (!name) continue;
    const int index = list.InsertAfter(list.Size() - 1, *name);
    if (index == kNoSelection) continue;  // the name was emptied
    // The real text goes in before the first save, so no file ever holds
    // the new-procedure placeholder for it.
    list.SetCommand(index, procedure.command);
    host.SaveProcedures(currentBase);
  }
  return true;
}

bool MergePhoneList(MergeKind kind, const std::string& otherBase, MergeHost& host) {
  const auto file = ReadOrCreate(host, otherBase + ".rbd", NewPhoneListFileText());
  if (!file) return false;
  const PhoneListFile other = ParsePhoneList(*file);
  WriteBackup(kind, host, otherBase + ".bak", EncodeBackup(other));

  for (const Record& record : other.records) {
    if (!HasRecord(host.Records(), record)) host.InsertRecordDialog(record);
  }
  return true;
}

MergeResult MergeDatabases(MergeKind kind, const std::string& currentBase,
                           const std::string& otherBase, MergeHost& host) {
  const MergeTexts& texts = TextsOf(kind);
  MergeResult result;
  if (host.AskQuestion(texts.procedureQuestion)) {
    RequireRead(host.ProceduresUnread());
    result.procedures = MergeDialingProcedures(kind, currentBase, otherBase, host);
    host.SaveProcedures(currentBase);
    if (kind == MergeKind::kSync) host.SaveProcedures(otherBase);
  }
  if (host.AskQuestion(texts.phoneListQuestion)) {
    RequireRead(host.PhoneListUnread());
    result.phoneList = MergePhoneList(kind, otherBase, host);
    host.SortPhoneList();
    host.SavePhoneList(currentBase);
    if (kind == MergeKind::kSync) host.SavePhoneList(otherBase);
  }
  return result;
}

ContactsToAdd NewContactRecords(const std::vector<Record>& list, const std::vector<ContactRecord>& given) {
  std::unordered_set<std::string> known, namesNotWhole;
  for (const Record& record : list) known.insert(RecordLine(record));
  ContactsToAdd toAdd;
  for (const ContactRecord& contact : given) {
    if (!known.insert(RecordLine(contact.record)).second) {
      ++toAdd.alreadyThere;
      continue;
    }
    toAdd.records.push_back(contact.record);
    if (!contact.nameWhole) namesNotWhole.insert(contact.record.first + '\n' + contact.record.last);
  }
  toAdd.namesNotWhole = namesNotWhole.size();
  return toAdd;
}

bool AddFromContacts(const std::string& currentBase, const std::string& path, ContactFormat format,
                     const CodePages& pages, MergeHost& host) {
  if (!host.AskQuestion(TextsOf(MergeKind::kAdd).phoneListQuestion)) return false;
  RequireRead(host.PhoneListUnread());
  const std::optional<std::string> file = host.ReadFile(path);
  if (!file) throw IoError(kFileNotFound);
  const std::vector<ContactRecord> given = ReadContactRecords(*file, format, pages);
  const ContactsToAdd toAdd = NewContactRecords(host.Records(), given);
  if (toAdd.records.empty()) {
    host.ShowNotice(NothingAddedNotice(given.size()));
    return true;
  }
  const bool all = host.AskQuestion(AddAllQuestion(toAdd.records.size()));
  if (all) {
    host.AddRecords(toAdd.records);
  } else {
    if (toAdd.namesNotWhole > 0) host.ShowNotice(NamesNotWholeNotice(toAdd.namesNotWhole));
    for (const Record& record : toAdd.records) {
      if (!HasRecord(host.Records(), record)) host.InsertRecordDialog(record);
    }
  }
  host.SortPhoneList();
  host.SavePhoneList(currentBase);
  if (all) host.ShowNotice(AddedNotice(toAdd));
  return true;
}

}  // namespace tonvero
