#pragma once
// The dialing-procedure list of a database and its file. Entry 0 is the
// built-in procedure DEFAULT ("@"), held in memory only; the user's
// procedures follow it in file order. Every stored text is normalised (see
// NormaliseProcedureText), so a file written from the list reads back the same.
//
// The file: one line per user procedure, "NAME","COMMAND", ended by CR LF.
// Reading accepts CR LF, LF or CR, skips empty lines, upper-cases each line,
// trims its first two fields and ignores any further field.
#include <string>
#include <string_view>
#include <vector>

#include "core/common/list_change.h"

namespace tonvero {

struct Procedure {
  std::string name;
  std::string command;
  bool operator==(const Procedure&) const = default;
};

constexpr int kNoSelection = -1;
constexpr const char* kDefaultProcedureName = "DEFAULT";
constexpr const char* kDefaultProcedureCommand = "@";
constexpr const char* kNewProcedureCommand = "@ (New)";

// Text as the list stores it: a..z in capitals, without leading and
// trailing spaces, an empty text as one space, every double quote turned
// into an apostrophe, and a line end (which the file could not hold)
// turned into a space. The fields that feed it force capitals already;
// doing it here keeps a name read back from the file the same.
std::string NormaliseProcedureText(const std::string& text);

// One file line read as a procedure: upper case, fields 1 and 2 trimmed.
Procedure NormaliseProcedureLine(std::string_view line);

// The file line of a procedure, without its line end.
std::string ProcedureLine(const Procedure& procedure);

// The content a new database's procedure file starts with: the single
// procedure VELMORA, "@".
std::string NewProcedureFile();

class ProcedureList {
 public:
  // DEFAULT alone.
  ProcedureList();
  // The procedures a file holds, after DEFAULT.
  static ProcedureList FromFile(std::string_view file);
  // The file content: the user procedures, DEFAULT left out.
  std::string ToFile() const;

  // Entries including DEFAULT; user procedures are 1..Size()-1.
  int Size() const { return static_cast<int>(entries_.size()); }
  int UserCount() const { return Size() - 1; }
  const Procedure& At(int index) const { return entries_.at(static_cast<size_t>(index)); }
  const std::vector<Procedure>& Entries() const { return entries_; }

  // The command text of an entry; "" for no selection or an index outside.
  std::string CommandOf(int index) const;

  // Stores the normalised `text` as the entry's command; true when that
  // changed it (byte for byte), false when it was the same or `index` is outside.
  bool SetCommand(int index, const std::string& text);

  // Inserts a procedure named `name` (normalised) with the command "@ (New)"
  // after `selected` (after DEFAULT when nothing is selected). Returns its
  // index, or kNoSelection when `name` is empty and nothing was inserted.
  int InsertAfter(int selected, const std::string& name);

  // Removes the user procedure `selected` and returns the index to select:
  // the same index (now its successor), or the one before when it was the
  // last. DEFAULT, no selection or an index outside remove nothing and
  // return `selected` unchanged.
  int Delete(int selected);

  // Applies the user's change again to the list as read anew from its file
  // (see ApplyAgain); DEFAULT stays first and is never changed.
  bool ApplyAgain(const ListChange<Procedure>& change);

 private:
  std::vector<Procedure> entries_;
};

// True when a user procedure has exactly this name and command text
// (byte for byte; DEFAULT is never compared). `procedure` is expected in
// the normalised form NormaliseProcedureLine gives.
// A procedure as a notice names it: its name and its command text.
std::string ProcedureSummary(const Procedure& procedure);

bool HasDialingProcedure(const ProcedureList& list, const Procedure& procedure);

}  // namespace tonvero
