// The call-log reader on any bytes, read whole and as the end of a longer
// file: every entry it gives is in the stored form and reads back from its
// own line; entries and skipped lines together never outnumber the lines;
// the trimmed log keeps the newest entries and reads back as them.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/calls/call_log.h"
#include "core/common/lines.h"

namespace {

void Require(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "broken: %s\n", what);
  std::abort();
}

void CheckLog(const std::string& text, bool startsMidLine) {
  const tonvero::CallLog log = tonvero::ParseCallLog(text, startsMidLine);
  Require(log.entries.size() + log.skipped <= tonvero::SplitLines(text).size(), "no more entries than lines");
  for (const tonvero::CallEntry& entry : log.entries) {
    Require(tonvero::StoredCall(entry) == entry, "an entry read is in the stored form");
    const std::string line = tonvero::CallLine(entry);
    tonvero::CallEntry again;
    Require(tonvero::ParseCallLine(line.substr(0, line.size() - 2), again) && again == entry, "a line reads back");
  }
  const tonvero::CallLog trimmed = tonvero::ParseCallLog(tonvero::TrimmedCallLog(log.entries), false);
  Require(trimmed.skipped == 0, "a trimmed log has no damaged line");
  Require(trimmed.entries.size() == std::min(log.entries.size(), tonvero::kKeptCalls), "the newest are kept");
  Require(trimmed.entries.empty() || trimmed.entries.back() == log.entries.back(), "the newest entry stays last");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  CheckLog(text, false);
  CheckLog(text, true);
  return 0;
}
