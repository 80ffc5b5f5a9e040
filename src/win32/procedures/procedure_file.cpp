#include "win32/procedures/procedure_file.h"

#include <string_view>

namespace tonvero {
namespace {

std::string_view AsText(const Bytes& bytes) {
  return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

}  // namespace

std::optional<ProcedureList> ReadProcedureFile(const std::string& dbBase, FileStamp* stamp) {
  const std::string path = dbBase + ".dp";
  std::optional<Bytes> file = ReadFileIfPresent(path);
  if (!file) {
    file = ToBytes(NewProcedureFile());
    if (!ReplaceFileContents(path, *file)) return std::nullopt;
  }
  if (stamp) *stamp = StampOf(path, *file);
  return ProcedureList::FromFile(AsText(*file));
}

void WriteProcedureBackup(const std::string& dbBase, const ProcedureList& list) {
  WriteFileContents(dbBase + ".dpb", ToBytes(list.ToFile()));
}

FileStamp WriteProcedureFile(const std::string& dbBase, const ProcedureList& list) {
  const Bytes bytes = ToBytes(list.ToFile());
  WriteFileContents(dbBase + ".dp", bytes);
  return StampOf(dbBase + ".dp", bytes);
}

bool ProcedureFileChanged(const std::string& dbBase, FileStamp& stamp) {
  return ChangedSince(dbBase + ".dp", stamp);
}

}  // namespace tonvero
