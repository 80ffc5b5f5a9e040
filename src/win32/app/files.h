#pragma once
// Whole-file reads and safe rewrites of the program's data files. A file is
// opened and closed within one call; a rewrite goes to a temporary file
// beside the target and is moved into place, so a failure never leaves a
// half-written file.
#include <optional>
#include <string>

#include "core/dialer/tones.h"  // Bytes

namespace tonvero {

// The file's bytes, opened read-only; nothing when it cannot be opened.
// Throws IoError when reading fails after the file was opened.
std::optional<Bytes> ReadFileIfPresent(const std::string& path);

// The file's bytes; nothing when the file or its folder does not exist.
// Throws IoError when it exists but cannot be opened (locked, no read
// permission) or reading fails: a caller must then not re-create it.
std::optional<Bytes> ReadFileUnlessMissing(const std::string& path);

// Replaces the file with `bytes`. Returns false, having changed nothing, when
// the file cannot be created (read-only file or folder, bad path). Throws
// IoError when writing, closing or moving into place fails.
bool ReplaceFileContents(const std::string& path, const Bytes& bytes);

}  // namespace tonvero

namespace tonvero {

// Replaces the file with `bytes` as ReplaceFileContents does, and reports a
// file that cannot be created as a failure too: throws IoError, named by the
// system's reason when it gives one, leaving the old file whole.
void WriteFileContents(const std::string& path, const Bytes& bytes);

}  // namespace tonvero
