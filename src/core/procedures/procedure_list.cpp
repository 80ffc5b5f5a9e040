#include "core/procedures/procedure_list.h"

#include "core/common/lines.h"
#include "core/common/text.h"

namespace tonvero {

std::string NormaliseProcedureText(const std::string& text) {
  // A line end inside a text would split its line in the file.
  std::string oneLine = text;
  for (char& c : oneLine) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  return QuotesToApostrophes(TrimField(UpperAscii(oneLine)));
}

namespace {

// TrimField without a copy.
void TrimInPlace(std::string& text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) {
    text.assign(1, ' ');
    return;
  }
  text.erase(text.find_last_not_of(' ') + 1);
  text.erase(0, first);
}

}  // namespace

// One pass over the line, as fast as long files need: the first two fields
// as ExtractField splits them, in capitals as UpperAscii makes them, trimmed
// as TrimField does.
Procedure NormaliseProcedureLine(std::string_view line) {
  std::string fields[2];
  int current = 0;
  bool insideQuotes = false;
  for (char c : line) {
    if (c == '"') {
      insideQuotes = !insideQuotes;
    } else if (c == ',' && !insideQuotes) {
      if (++current == 2) break;
    } else {
      fields[current] += c >= 'a' && c <= 'z' ? static_cast<char>(c - ('a' - 'A')) : c;
    }
  }
  TrimInPlace(fields[0]);
  TrimInPlace(fields[1]);
  return {std::move(fields[0]), std::move(fields[1])};
}

std::string ProcedureLine(const Procedure& procedure) {
  return '"' + procedure.name + "\",\"" + procedure.command + '"';
}

std::string NewProcedureFile() { return ProcedureLine({"VELMORA", "@"}) + "\r\n"; }

ProcedureList::ProcedureList() : entries_{{kDefaultProcedureName, kDefaultProcedureCommand}} {}

ProcedureList ProcedureList::FromFile(std::string_view file) {
  ProcedureList list;
  const std::vector<std::string_view> lines = SplitLines(file);
  list.entries_.reserve(lines.size() + 1);
  for (std::string_view line : lines) {
    if (!line.empty()) list.entries_.push_back(NormaliseProcedureLine(line));
  }
  return list;
}

std::string ProcedureList::ToFile() const {
  std::string file;
  for (size_t k = 1; k < entries_.size(); ++k) {
    file += ProcedureLine(entries_[k]);
    file += "\r\n";
  }
  return file;
}

std::string ProcedureList::CommandOf(int index) const {
  if (index < 0 || index >= Size()) return "";
  return entries_[static_cast<size_t>(index)].command;
}

bool ProcedureList::SetCommand(int index, const std::string& text) {
  if (index < 0 || index >= Size()) return false;
  std::string& command = entries_[static_cast<size_t>(index)].command;
  const std::string normalised = NormaliseProcedureText(text);
  if (normalised == command) return false;
  command = normalised;
  return true;
}

int ProcedureList::InsertAfter(int selected, const std::string& name) {
  if (name.empty()) return kNoSelection;
  const int position = (selected < 0 || selected >= Size() ? 0 : selected) + 1;
  entries_.insert(entries_.begin() + position,
                  Procedure{NormaliseProcedureText(name), kNewProcedureCommand});
  return position;
}

int ProcedureList::Delete(int selected) {
  if (selected <= 0 || selected >= Size()) return selected;
  entries_.erase(entries_.begin() + selected);
  return selected < Size() ? selected : selected - 1;
}

bool ProcedureList::ApplyAgain(const ListChange<Procedure>& change) {
  return tonvero::ApplyAgain(entries_, change, 1);
}

std::string ProcedureSummary(const Procedure& procedure) { return procedure.name + " " + procedure.command; }

bool HasDialingProcedure(const ProcedureList& list, const Procedure& procedure) {
  for (int k = 1; k < list.Size(); ++k) {
    if (list.At(k) == procedure) return true;
  }
  return false;
}

}  // namespace tonvero
