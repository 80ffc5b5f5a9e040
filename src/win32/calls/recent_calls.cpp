#include "win32/calls/recent_calls.h"

#include <algorithm>

#include "core/app/io_error.h"
#include "win32/ui/base_window.h"

namespace tonvero {

void RecentCalls::Start(HWND owner, const std::string& folder, KeptValues& choices) {
  owner_ = owner;
  file_.SetFolder(folder);
  choices_ = &choices;
}

// Runs after the dial has ended, whatever it came to; nothing here reaches
// the dial.
void RecentCalls::Record(const CallEntry& call) noexcept {
  try {
    if (!KeepsLog()) return;
    if (const DWORD error = file_.Append(call)) {
      SayWriteFailure(IoErrorMessage(static_cast<int>(error)));
      return;
    }
    if (entriesInFile_) ++*entriesInFile_;
    TrimWhenDue();
  } catch (const std::exception& failure) {
    SayWriteFailure(failure.what());
  } catch (...) {
  }
}

// Counting the entries needs one read in a run; from then on each append
// counts one.
void RecentCalls::TrimWhenDue() {
  bool largerThanReadLimit = false;
  CallLogOnDisk onDisk;
  if (!entriesInFile_) {
    onDisk = file_.Read();
    entriesInFile_ = onDisk.log.entries.size();
    largerThanReadLimit = onDisk.largerThanReadLimit;
  }
  if (!CallLogNeedsTrim(*entriesInFile_, largerThanReadLimit)) return;
  if (onDisk.log.entries.empty()) onDisk = file_.Read();
  file_.Rewrite(onDisk.log.entries);
  entriesInFile_ = std::min(onDisk.log.entries.size(), kKeptCalls);
}

void RecentCalls::SayWriteFailure(const std::string& message) {
  const bool said = !writeFailure_.empty();
  writeFailure_ = "The call log " + std::string(kCallLogFileName) + " cannot be written: " + message + ".";
  if (!said) ShowError(owner_, (writeFailure_ + " Dialing goes on without it.").c_str());
}

RecentCalls::Shown RecentCalls::Load() {
  Shown shown;
  shown.failure = writeFailure_;
  try {
    CallLogOnDisk onDisk = file_.Read();
    shown.skipped = onDisk.log.skipped;
    std::vector<CallEntry>& calls = onDisk.log.entries;
    if (KeepsLog() && CallLogNeedsTrim(calls.size(), onDisk.largerThanReadLimit)) {
      file_.Rewrite(calls);
      entriesInFile_ = std::min(calls.size(), kKeptCalls);
    } else {
      entriesInFile_ = calls.size();
    }
    const size_t first = calls.size() > kKeptCalls ? calls.size() - kKeptCalls : 0;
    shown.calls.assign(calls.rbegin(), calls.rend() - static_cast<std::ptrdiff_t>(first));
  } catch (const std::exception& failure) {
    shown.failure = "The call log " + std::string(kCallLogFileName) + " cannot be read: " + failure.what() + ".";
  }
  return shown;
}

bool RecentCalls::Keep(const std::vector<CallEntry>& calls, std::string& failure) {
  try {
    file_.Rewrite({calls.rbegin(), calls.rend()});
    entriesInFile_ = calls.size();
    return true;
  } catch (const std::exception& error) {
    failure = "The call log " + std::string(kCallLogFileName) + " cannot be written: " + error.what() + ".";
    return false;
  }
}

// The choice holds for this run even when it cannot be kept in its file;
// the log goes whatever became of the choice.
bool RecentCalls::StopKeeping(std::string& failure) {
  bool done = true;
  try {
    choices_->SetValue(kKeepCallLogKey, "no");
  } catch (const std::exception& error) {
    failure = std::string("The choice cannot be kept after Tonvero closes: ") + error.what() + ".";
    done = false;
  }
  try {
    file_.Remove();
    entriesInFile_ = 0;
  } catch (const std::exception& error) {
    failure += std::string(failure.empty() ? "" : " ") + "The call log " + kCallLogFileName +
               " cannot be removed: " + error.what() + ".";
    done = false;
  }
  return done;
}

bool RecentCalls::StartKeeping(std::string& failure) {
  try {
    choices_->SetValue(kKeepCallLogKey, "yes");
    return true;
  } catch (const std::exception& error) {
    failure = std::string("The choice cannot be kept after Tonvero closes: ") + error.what() + ".";
    return false;
  }
}

void RecentCalls::KeepWindowPlace(const CallsWindowPlace& place) noexcept {
  try {
    if (WindowPlace() != place) choices_->SetValue(kCallsWindowKey, CallsWindowPlaceText(place));
  } catch (...) {
  }
}

}  // namespace tonvero
