#include "core/calls/call_log.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "core/common/lines.h"
#include "core/common/text.h"

namespace tonvero {
namespace {

// The fields in the order of the line.
std::array<std::string*, kCallFields> FieldsOf(CallEntry& entry) {
  return {&entry.time, &entry.number, &entry.dialed, &entry.name, &entry.procedure, &entry.mode, &entry.outcome};
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// "YYYY-MM-DD HH:MM:SS", digits where the pattern has them.
bool IsCallTime(std::string_view time) {
  constexpr std::string_view kPattern = "dddd-dd-dd dd:dd:dd";
  if (time.size() != kPattern.size()) return false;
  for (size_t i = 0; i < time.size(); ++i) {
    if (kPattern[i] == 'd' ? !IsDigit(time[i]) : time[i] != kPattern[i]) return false;
  }
  return true;
}

bool IsStoredField(std::string_view field) {
  return !field.empty() && field.size() <= kMaxCallField && StoredCallField(field) == field;
}

std::string DigitsOf(std::string_view text) {
  std::string digits;
  for (char c : text) {
    if (IsDigit(c)) digits += c;
  }
  return digits;
}

bool IsPhoneText(std::string_view text) {
  return std::all_of(text.begin(), text.end(),
                     [](char c) { return IsDigit(c) || std::string_view(" +-()./,*#").find(c) != std::string_view::npos; });
}

}  // namespace

std::string StoredCallField(std::string_view text) {
  std::string stored(text.substr(0, kMaxCallField));
  for (char& c : stored) {
    if (c == '"') c = '\'';
    else if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
  }
  return TrimField(stored);
}

CallEntry StoredCall(const CallEntry& entry) {
  CallEntry stored = entry;
  for (std::string* field : FieldsOf(stored)) *field = StoredCallField(*field);
  return stored;
}

std::string CallLine(const CallEntry& entry) {
  CallEntry stored = StoredCall(entry);
  std::string line;
  for (std::string* field : FieldsOf(stored)) line += (line.empty() ? "\"" : ",\"") + *field + '"';
  return line + "\r\n";
}

bool ParseCallLine(std::string_view line, CallEntry& entry) {
  if (line.size() < 2 || line.front() != '"' || line.back() != '"') return false;
  CallEntry read;
  auto fields = FieldsOf(read);
  std::string_view rest = line.substr(1, line.size() - 2);
  for (size_t n = 0; n < kCallFields; ++n) {
    const size_t end = n + 1 < kCallFields ? rest.find("\",\"") : rest.size();
    if (end == std::string_view::npos) return false;
    const std::string_view field = rest.substr(0, end);
    if (!IsStoredField(field)) return false;
    fields[n]->assign(field);
    rest.remove_prefix(n + 1 < kCallFields ? end + 3 : end);
  }
  if (!IsCallTime(read.time)) return false;
  entry = std::move(read);
  return true;
}

CallLog ParseCallLog(std::string_view text, bool startsMidLine) {
  CallLog log;
  std::vector<std::string_view> lines = SplitLines(text);
  if (startsMidLine && !lines.empty()) lines.erase(lines.begin());
  for (std::string_view line : lines) {
    if (line.empty()) continue;
    CallEntry entry;
    if (ParseCallLine(line, entry)) log.entries.push_back(std::move(entry));
    else ++log.skipped;
  }
  return log;
}

bool CallLogNeedsTrim(size_t entries, bool largerThanReadLimit) {
  return entries > kTrimCallsPast || largerThanReadLimit;
}

std::string TrimmedCallLog(const std::vector<CallEntry>& entries) {
  const size_t first = entries.size() > kKeptCalls ? entries.size() - kKeptCalls : 0;
  std::string text;
  for (size_t i = first; i < entries.size(); ++i) text += CallLine(entries[i]);
  return text;
}

bool MatchesCallFilter(const CallEntry& entry, std::string_view filter) {
  const std::string wanted = TrimSpaces(UpperAscii(std::string(filter)));
  if (wanted.empty()) return true;
  if (UpperAscii(entry.name).find(wanted) != std::string::npos) return true;
  if (UpperAscii(entry.number).find(wanted) != std::string::npos) return true;
  const std::string digits = DigitsOf(wanted);
  return !digits.empty() && IsPhoneText(wanted) && DigitsOf(entry.number).find(digits) != std::string::npos;
}

std::string SpokenCall(const CallEntry& entry) {
  std::string spoken = ShownCallTime(entry.time);
  for (const std::string& field : {entry.name, entry.number, entry.outcome}) {
    const std::string trimmed = TrimSpaces(field);
    if (!trimmed.empty()) spoken += ", " + trimmed;
  }
  return spoken;
}

std::string ShownCallTime(const std::string& time) { return time.substr(0, 16); }

bool KeepsCallLog(const std::optional<std::string>& value) { return value != "no"; }

std::optional<CallsWindowPlace> ReadCallsWindowPlace(const std::optional<std::string>& value) {
  if (!value) return std::nullopt;
  CallsWindowPlace place;
  char end = 0;
  if (std::sscanf(value->c_str(), "%d,%d,%d,%d%c", &place.left, &place.top, &place.width, &place.height, &end) != 4)
    return std::nullopt;
  const auto sized = [](int length) { return length >= 1 && length <= 10000; };
  if (!sized(place.width) || !sized(place.height)) return std::nullopt;
  return place;
}

std::string CallsWindowPlaceText(const CallsWindowPlace& place) {
  return std::to_string(place.left) + ',' + std::to_string(place.top) + ',' + std::to_string(place.width) + ',' +
         std::to_string(place.height);
}

std::string CallTime(int year, int month, int day, int hour, int minute, int second) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", year % 10000, month % 100, day % 100,
                hour % 100, minute % 100, second % 100);
  return text;
}

}  // namespace tonvero
