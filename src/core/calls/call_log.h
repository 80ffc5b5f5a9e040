#pragma once
// The call log: one line per dial in quoted comma-separated fields, kept in
// the working folder. A line is written whole in one write, so a crash can
// tear at most the last one; a reader skips torn or damaged lines and
// counts them. Only the end of a long file is read, and the file is cut
// back to its newest entries once it has grown well past them.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tonvero {

struct CallEntry {
  std::string time;       // local, "YYYY-MM-DD HH:MM:SS"
  std::string number;     // as the dialer screen held it
  std::string dialed;     // after the procedure and the location
  std::string name;       // of the list's record it came from; " " when none
  std::string procedure;  // the dialing procedure's name
  std::string mode;       // kModeQueue, kModeShooter or kModeModem
  std::string outcome;    // kDialedOutcome, or the failure that stopped the dial
  bool operator==(const CallEntry&) const = default;
};

// Whoever keeps the calls: told of every dial once it has ended. Keeping
// a call never fails the dial, so Record throws nothing.
class CallRecorder {
 public:
  virtual ~CallRecorder() = default;
  virtual void Record(const CallEntry& call) noexcept = 0;
};

constexpr const char* kCallLogFileName = "tv.log";
constexpr const char* kDialedOutcome = "Dialed";
constexpr const char* kModeQueue = "Queue";
constexpr const char* kModeShooter = "Shooter";
constexpr const char* kModeModem = "Modem";

constexpr size_t kCallFields = 7;
constexpr size_t kKeptCalls = 1000;
constexpr size_t kTrimCallsPast = 1100;
// A field longer than this is cut when written and damages a line read.
constexpr size_t kMaxCallField = 256;
// Bytes read from the end of the file: room for more than kTrimCallsPast
// lines of the longest fields.
constexpr size_t kCallLogReadLimit = 2u << 20;

// A field as the log stores it: no double quote (an apostrophe instead), no
// line end or other control byte (a space), cut to kMaxCallField, without
// surrounding spaces, and never empty (one space).
std::string StoredCallField(std::string_view text);
// Every field stored so.
CallEntry StoredCall(const CallEntry& entry);

// The entry's line with its CR LF.
std::string CallLine(const CallEntry& entry);
// The entry a line holds; false for a torn or damaged line (not seven
// quoted fields in the stored form, or a time that is no time).
bool ParseCallLine(std::string_view line, CallEntry& entry);

struct CallLog {
  std::vector<CallEntry> entries;  // oldest first, as in the file
  size_t skipped = 0;              // torn or damaged lines
};
// Reads the log's text. `startsMidLine` when the text is the end of a
// longer file: its first line is a piece cut by the reader, not damage,
// and is dropped uncounted. Empty lines are no entries and no damage.
CallLog ParseCallLog(std::string_view text, bool startsMidLine);

// The file is rewritten with its newest kKeptCalls once it holds more than
// kTrimCallsPast entries, or is larger than what is read of it.
bool CallLogNeedsTrim(size_t entries, bool largerThanReadLimit);
// The text of the newest kKeptCalls entries.
std::string TrimmedCallLog(const std::vector<CallEntry>& entries);

// Whether an entry matches what was typed to find it: its name or number
// holds the text (letters in any case); a text of digits and the signs of
// phone numbers also finds a number that holds the same digits in other
// punctuation. An empty text matches every entry.
bool MatchesCallFilter(const CallEntry& entry, std::string_view filter);

// The entry as a screen reader says it: time, name, number, outcome, with a
// blank name left out ("2026-12-09 10:15, JOHN DOE, 5551234, Dialed").
std::string SpokenCall(const CallEntry& entry);
// The time as the window shows it: without seconds.
std::string ShownCallTime(const std::string& time);

// The user's choices about the log, kept as keys of the settings text
// beside the dialing location: whether to keep a log ("no" keeps none;
// anything else, or no key, keeps one), and where the "Recent Calls"
// window was left, as "left,top,width,height", its size at 96 DPI.
constexpr const char* kKeepCallLogKey = "keep_call_log";
constexpr const char* kCallsWindowKey = "recent_calls_window";
struct CallsWindowPlace {
  int left = 0, top = 0, width = 0, height = 0;
  bool operator==(const CallsWindowPlace&) const = default;
};
bool KeepsCallLog(const std::optional<std::string>& value);
// Nothing for a value that is not four integers with a size of 1 to 10,000.
std::optional<CallsWindowPlace> ReadCallsWindowPlace(const std::optional<std::string>& value);
std::string CallsWindowPlaceText(const CallsWindowPlace& place);

// "YYYY-MM-DD HH:MM:SS".
std::string CallTime(int year, int month, int day, int hour, int minute, int second);

}  // namespace tonvero
