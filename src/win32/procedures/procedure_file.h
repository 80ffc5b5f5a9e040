#pragma once
// The procedure file of a database (its base path followed by ".dp") and
// its backup (".dpb") on disk.
#include <optional>
#include <string>

#include "core/procedures/procedure_list.h"
#include "win32/files/files.h"

namespace tonvero {

// The procedures of `dbBase`. A missing file is created holding the VELMORA
// record; nothing when it cannot be created either (a folder that does not
// exist, a read-only folder). `stamp`, when given, then tells what was read.
// Throws IoError, writing nothing, when the file exists but cannot be opened
// or read.
std::optional<ProcedureList> ReadProcedureFile(const std::string& dbBase, FileStamp* stamp = nullptr);

// Rewrites the backup file with the procedures as loaded. Throws IoError.
void WriteProcedureBackup(const std::string& dbBase, const ProcedureList& list);

// Rewrites the procedure file from the list through a temporary file beside
// it; on failure the old file stays whole. Returns the stamp of what it
// wrote. Throws IoError.
FileStamp WriteProcedureFile(const std::string& dbBase, const ProcedureList& list);

// True when another program wrote the procedure file of `dbBase` since
// `stamp` (see ChangedSince).
bool ProcedureFileChanged(const std::string& dbBase, FileStamp& stamp);

}  // namespace tonvero
