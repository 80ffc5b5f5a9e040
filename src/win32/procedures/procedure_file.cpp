#include "win32/procedures/procedure_file.h"

#include <windows.h>

#include <string_view>

#include "core/app/io_error.h"
#include "win32/app/files.h"

namespace tonvero {
namespace {

Bytes ToBytes(const std::string& text) { return Bytes(text.begin(), text.end()); }

std::string_view AsText(const Bytes& bytes) {
  return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

// Writes through a temporary file; a file that cannot even be created is a
// failure to report here, named by the system's reason when it gives one.
void Replace(const std::string& path, const std::string& content) {
  SetLastError(ERROR_SUCCESS);
  if (ReplaceFileContents(path, ToBytes(content))) return;
  const DWORD error = GetLastError();
  throw IoError(static_cast<int>(error != ERROR_SUCCESS ? error : ERROR_ACCESS_DENIED));
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
  Replace(dbBase + ".dpb", list.ToFile());
}

void WriteProcedureFile(const std::string& dbBase, const ProcedureList& list) {
  Replace(dbBase + ".dp", list.ToFile());
}

}  // namespace tonvero
