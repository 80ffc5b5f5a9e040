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
#include "win32/calls/call_log_file.h"

namespace tonvero {

// Where the "Recent Calls" window was and how large, its size at 96 DPI.
struct CallsWindowPlace {
  int left = 0, top = 0, width = 0, height = 0;
};

class RecentCalls : public CallRecorder {
 public:
  // The user's choices about the log, kept beside the dialing location.
  class Choices {
   public:
    virtual ~Choices() = default;
    virtual bool KeepLog() const = 0;
    virtual void SetKeepLog(bool keep) = 0;
    virtual std::optional<CallsWindowPlace> WindowPlace() const = 0;
    virtual void SetWindowPlace(const CallsWindowPlace& place) = 0;
  };

  // The log lives in `folder` (with its trailing backslash); what fails is
  // said in a box owned by `owner`.
  // Without `choices`, they last until the program ends.
  void Start(HWND owner, const std::string& folder, Choices* choices = nullptr);
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
  bool KeepsLog() const { return choices_->KeepLog(); }
  // Stops the log and removes its file; false, with the reason, when the
  // file stays.
  bool StopKeeping(std::string& failure);
  void StartKeeping() { choices_->SetKeepLog(true); }
  Choices& Choice() { return *choices_; }

 private:
  void SayWriteFailure(const std::string& message);
  void TrimWhenDue();

  class ChoicesOfThisRun : public Choices {
   public:
    bool KeepLog() const override { return keep_; }
    void SetKeepLog(bool keep) override { keep_ = keep; }
    std::optional<CallsWindowPlace> WindowPlace() const override { return place_; }
    void SetWindowPlace(const CallsWindowPlace& place) override { place_ = place; }

   private:
    bool keep_ = true;
    std::optional<CallsWindowPlace> place_;
  };

  HWND owner_ = nullptr;
  ChoicesOfThisRun choicesOfThisRun_;
  Choices* choices_ = &choicesOfThisRun_;
  CallLogFile file_;
  std::optional<size_t> entriesInFile_;  // known once read in this run
  std::string writeFailure_;             // said once per run
};

}  // namespace tonvero
