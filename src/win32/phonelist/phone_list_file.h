#pragma once
// The phone-list file of a database (its base path followed by ".rbd") and
// the backup written at each load (".bak") on disk.
#include <optional>
#include <string>
#include <vector>

#include "core/phonelist/phone_list.h"
#include "win32/files/files.h"

namespace tonvero {

// Reads the phone list of `dbBase` and rewrites its backup file. A missing
// file is first created with the header and the sample record; nothing when
// it can be neither opened nor created (a read-only or missing folder).
// `stamp`, when given, then tells what was read. Throws IoError when the file exists but
// cannot be opened or read, or the backup cannot be written.
std::optional<PhoneListFile> LoadPhoneListFile(const std::string& dbBase, FileStamp* stamp = nullptr);

// Rewrites the phone-list file of `dbBase` through a temporary file beside
// it; on failure the old file stays whole. Returns the stamp of what it
// wrote. Throws IoError.
FileStamp SavePhoneListFile(const std::string& dbBase, const Titles& titles,
                            const std::vector<Record>& records);

// True when another program wrote the phone-list file of `dbBase` since
// `stamp` (see ChangedSince).
bool PhoneListFileChanged(const std::string& dbBase, FileStamp& stamp);

}  // namespace tonvero
