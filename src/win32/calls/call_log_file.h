#pragma once
// The call log's file, tv.log in the working folder: an entry is added in
// one write at its end, the end of the file is read within a limit, and a
// rewrite goes through a temporary file moved into place.
#include <windows.h>

#include <string>
#include <vector>

#include "core/calls/call_log.h"

namespace tonvero {

struct CallLogOnDisk {
  CallLog log;
  bool largerThanReadLimit = false;
};

class CallLogFile {
 public:
  void SetFolder(const std::string& folder) { path_ = folder + kCallLogFileName; }
  const std::string& Path() const { return path_; }

  // Adds the entry's line in one write, after a line end when the file
  // lacks one (a torn last line). 0, or the system's error number.
  DWORD Append(const CallEntry& call) const;
  // What the file holds, read from its end up to kCallLogReadLimit bytes;
  // nothing when there is no file. Throws IoError when it cannot be read.
  CallLogOnDisk Read() const;
  // Replaces the file with the newest kKeptCalls of `calls` (oldest
  // first). Throws IoError, leaving the old file whole.
  void Rewrite(const std::vector<CallEntry>& calls) const;
  // Removes the file. Throws IoError when it is there and stays.
  void Remove() const;

 private:
  std::string path_;
};

}  // namespace tonvero
