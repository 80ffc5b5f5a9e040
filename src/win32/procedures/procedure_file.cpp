#include "win32/procedures/procedure_file.h"

#include <string_view>

#include "win32/files/files.h"

namespace tonvero {
namespace {

std::string_view AsText(const Bytes& bytes) {
  return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

}  // namespace

std::optional<ProcedureList> ReadProcedureFile(const std::string& dbBase) {
  const std::string path = dbBase + ".dp";
  if (std::optional<Bytes> file = ReadFileIfPresent(path)) {
    return ProcedureList::FromFile(AsText(*file));
  }
  const std::string created = NewProcedureFile();
  if (!ReplaceFileContents(path, ToBytes(created))) return std::nullopt;
  return ProcedureList::FromFile(created);
}

void WriteProcedureBackup(const std::string& dbBase, const ProcedureList& list) {
  WriteFileContents(dbBase + ".dpb", ToBytes(list.ToFile()));
}

void WriteProcedureFile(const std::string& dbBase, const ProcedureList& list) {
  WriteFileContents(dbBase + ".dp", ToBytes(list.ToFile()));
}

}  // namespace tonvero
