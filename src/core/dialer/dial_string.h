#pragma once
// The dialing-procedure language: "@" stands for the number; digits, "*",
// "#" and A-D are dialed; "P" pauses, "," waits a second, "-" 200 ms; "Sxx"
// skips the next xx countable symbols; "(...)" is a comment; "T", "M", "V"
// and "R" pass over themselves and two more characters.
#include <functional>
#include <string>

namespace tonvero {

// The procedure with every "@" replaced by the whole number.
std::string BuildDialString(const std::string& procedure, const std::string& number);

// The count after "S": up to two characters read leniently (leading blanks,
// a sign, digits; "$" or "X" first makes it hexadecimal); no digits give 0.
int ReadSkipCount(const std::string& text, size_t from);

// Walks a dial string and calls `symbol` for every character that the skip,
// comment and three-character rules leave; a countable symbol that a running
// skip drops arrives as a blank. Each dialing mode gives the characters its
// own meaning.
void ForEachDialSymbol(const std::string& dial, const std::function<void(char)>& symbol);

// What dialing one symbol does, implemented by the main window (and by
// recording fakes in tests).
class DialTarget {
 public:
  virtual ~DialTarget() = default;
  virtual void ShowSymbol(char symbol) = 0;  // append to the screen, select it
  virtual void Play(int toneIndex) = 0;      // queue mode
  virtual void Compose(int toneIndex) = 0;   // shooter mode
  virtual void Flush() = 0;                  // play what shooter mode composed
  virtual void Wait(unsigned ms) = 0;
  virtual void Pause() = 0;                  // the modal pause box
};

// Interprets a dial string symbol by symbol; tone symbols are played when
// queueOn is set, composed otherwise. Ends with a flush.
void InterpretDialString(const std::string& dial, bool queueOn, DialTarget& target);

}  // namespace tonvero
