#include "core/dialer/dial_string.h"

#include "core/dialer/tones.h"

namespace tonvero {

namespace {

constexpr size_t kSkipCountWidth = 2;
constexpr size_t kThreeCharCommandLength = 3;
constexpr unsigned kCommaDelayMs = 1000;
constexpr unsigned kDashDelayMs = 200;

bool IsDecimalDigit(char c) { return c >= '0' && c <= '9'; }

// Value of a hexadecimal digit, or -1 when c is none.
int HexDigitValue(char c) {
  if (IsDecimalDigit(c)) return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

int DigitValue(char c, int base) {
  return base == 16 ? HexDigitValue(c) : (IsDecimalDigit(c) ? c - '0' : -1);
}

bool IsPassOverCommand(char c) { return c == 'T' || c == 'M' || c == 'V' || c == 'R'; }

// Symbols that a running skip drops.
bool IsCountable(char c) {
  return c == '#' || c == '*' || c == ',' || c == '-' || c == 'P' || IsDecimalDigit(c);
}

// Carries out one symbol that is neither a skip, a comment nor a
// three-character command.
void DialSymbol(char c, bool queueOn, DialTarget& target) {
  if (c == ',') {
    target.Flush();
    target.Wait(kCommaDelayMs);
  } else if (c == '-') {
    target.Flush();
    target.Wait(kDashDelayMs);
  } else if (c == 'P') {
    target.Flush();
    target.Pause();
  } else if (int index = ToneIndexOf(c); index >= 0) {
    target.ShowSymbol(c);
    if (queueOn) {
      target.Play(index);
    } else {
      target.Compose(index);
    }
  }
}

}  // namespace

std::string BuildDialString(const std::string& procedure, const std::string& number) {
  std::string dial;
  for (char c : procedure) {
    if (c == '@') {
      dial += number;
    } else {
      dial += c;
    }
  }
  return dial;
}

int ReadSkipCount(const std::string& text, size_t from) {
  const std::string field = from < text.size() ? text.substr(from, kSkipCountWidth) : std::string();
  size_t i = 0;
  while (i < field.size() && field[i] == ' ') ++i;
  bool negative = false;
  if (i < field.size() && (field[i] == '+' || field[i] == '-')) {
    negative = field[i] == '-';
    ++i;
  }
  int base = 10;
  if (i < field.size() && (field[i] == '$' || field[i] == 'X')) {
    base = 16;
    ++i;
  }
  int value = 0;
  for (; i < field.size(); ++i) {
    const int digit = DigitValue(field[i], base);
    if (digit < 0) break;
    value = value * base + digit;
  }
  return negative ? -value : value;
}

void ForEachDialSymbol(const std::string& dial, const std::function<void(char)>& symbol) {
  int skipCount = 0;
  size_t pos = 0;
  while (pos < dial.size()) {
    char c = dial[pos];
    if (IsPassOverCommand(c)) {
      pos += kThreeCharCommandLength;
    } else if (c == 'S') {
      skipCount = ReadSkipCount(dial, pos + 1);
      pos += kThreeCharCommandLength;
    } else if (c == '(') {
      const size_t close = dial.find(')', pos + 1);
      if (close == std::string::npos) break;
      pos = close + 1;
    } else {
      if (skipCount > 0 && IsCountable(c)) {
        --skipCount;
        c = ' ';
      }
      symbol(c);
      ++pos;
    }
  }
}

void InterpretDialString(const std::string& dial, bool queueOn, DialTarget& target) {
  ForEachDialSymbol(dial, [&](char c) { DialSymbol(c, queueOn, target); });
  target.Flush();
}

}  // namespace tonvero
