#pragma once
// The calls the user made: every dial that ended is added to the call log,
// unless the user chose to keep no log; the "Recent Calls" window shows the
// log and hands a number back to dial again. A log that cannot be written
// never stops or changes a dial: the failure is said once per run and
// shown in the window.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "core/calls/call_log.h"
#include "core/common/key_values.h"
#include "win32/calls/call_log_file.h"

namespace tonvero {

class RecentCalls : public CallRecorder {
 public:
  // The log lives in `folder` (with its trailing backslash), the user's
  // choices about it in `choices`; what fails is said in a box owned by
  // `owner`.
  void Start(HWND owner, const std::string& folder, KeptValues& choices);
  // CallRecorder: adds the dial to the log, after the dial.
  void Record(const CallEntry& call) noexcept override;
  // Shows the "Recent Calls" window; the number of the entry chosen to
  // dial again, if one was.
  std::optional<std::string> ShowWindow(HWND owner);

  // What the window works with.
  struct Shown {
    std::vector<CallEntry> calls;  // newest first, at most kKeptCalls
    size_t skipped = 0;            // torn or damaged lines
    std::string failure;           // why the log could not be read or written
  };
  Shown Load();
  // Keeps only `calls` (newest first); false, with the reason in
  // `failure`, when the log could not be rewritten.
  bool Keep(const std::vector<CallEntry>& calls, std::string& failure);
  bool KeepsLog() const { return KeepsCallLog(choices_->Value(kKeepCallLogKey)); }
  // Stops the log and removes its file; false, with the reason, when the
  // file stays or the choice could not be kept beyond this run.
  bool StopKeeping(std::string& failure);
  bool StartKeeping(std::string& failure);
  std::optional<CallsWindowPlace> WindowPlace() const { return ReadCallsWindowPlace(choices_->Value(kCallsWindowKey)); }
  // A place that cannot be kept is not worth a message: the window then
  // opens centred.
  void KeepWindowPlace(const CallsWindowPlace& place) noexcept;

 private:
  void SayWriteFailure(const std::string& message);
  void TrimWhenDue();

  HWND owner_ = nullptr;
  KeptValues* choices_ = nullptr;
  CallLogFile file_;
  std::optional<size_t> entriesInFile_;  // known once read in this run
  std::string writeFailure_;             // said once per run
};

}  // namespace tonvero
