#include "core/contacts/outside_number.h"

#include "core/contacts/contact.h"

namespace tonvero {
namespace {

constexpr auto npos = std::string_view::npos;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsDialed(char c) { return IsDigit(c) || c == '*' || c == '#' || c == '+'; }
bool IsBlank(char c) { return c == ' ' || c == '\t'; }
char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  }
  return true;
}

bool StartsIgnoringCase(std::string_view text, std::string_view prefix) {
  return EqualsIgnoringCase(text.substr(0, prefix.size()), prefix);
}

// The E.161 keypad digit of a letter.
char KeypadDigit(char letter) {
  static constexpr char kDigits[] = "22233344455566677778889999";
  return kDigits[LowerAscii(letter) - 'a'];
}

CleanedNumber Refusal(std::string reason) { return {"", std::move(reason)}; }

// One pass over the text, appending to the dial string as it goes.
class Cleaner {
 public:
  explicit Cleaner(std::string_view text) : text_(text) {}

  std::string Clean() {
    for (size_t i = 0; i < text_.size();) i = Step(i);
    return dial_;
  }

 private:
  // Reads what starts at text_[i]; returns where the next part starts.
  size_t Step(size_t i) {
    const char c = text_[i];
    if (IsDialed(c)) Dialed(c);
    else if (IsBlank(c) || c == '-') Separator(c);
    else if (c == ',') Mark(',');
    else if (c == ';') return Semicolon(i);
    else if (c == '(') return Bracket(i);
    else if (IsLetter(c)) return Letters(i);
    return i + 1;
  }

  size_t Semicolon(size_t i) {
    const size_t digits = i + 5;  // after ";ext="
    if (StartsIgnoringCase(text_.substr(i + 1), "ext=") && digits < text_.size() && IsDigit(text_[digits])) {
      Mark(',');
      return digits;
    }
    Mark('P');
    return i + 1;
  }

  // A bracketed part with no digit is a remark; otherwise the bracket alone
  // is left out and its contents read.
  size_t Bracket(size_t i) {
    const size_t close = text_.find(')', i);
    if (close == npos) return i + 1;
    const std::string_view inside = text_.substr(i + 1, close - i - 1);
    for (const char c : inside) {
      if (IsDigit(c)) return i + 1;
    }
    return close + 1;
  }

  size_t Letters(size_t i) {
    size_t end = i;
    while (end < text_.size() && IsLetter(text_[end])) ++end;
    const std::string_view word = text_.substr(i, end - i);
    if (!sawDigit_) return end;  // a label
    if (IsTrailingRemark(word, i, end)) return end;
    if (IsExtensionWord(word)) return Extension(end);
    if (IsPhoneMarks(word) && FollowsDialedOrMark(i)) {
      for (const char c : word) Mark(LowerAscii(c) == 'p' ? ',' : 'P');
    } else if (word.size() >= 2) {
      for (const char c : word) Dialed(KeypadDigit(c));
    }
    return end;
  }

  // A kind of number written after it, apart: "555-1234 Home". Written
  // with "-", after another word or followed by more of the number, a word
  // is a vanity word ("1 800 GO HOME").
  bool IsTrailingRemark(std::string_view word, size_t i, size_t end) const {
    static constexpr std::string_view kKinds[] = {"home", "work", "cell", "mobile", "fax", "office",
                                                  "main", "other", "pager", "voice", "business"};
    size_t before = i;  // a digit came first, so i > 0
    while (before > 0 && IsBlank(text_[before - 1])) --before;
    if (before == i || before == 0 || !IsDialed(text_[before - 1])) return false;
    for (size_t after = end; after < text_.size(); ++after) {
      if (IsLetter(text_[after]) || IsDialed(text_[after])) return false;
    }
    for (const std::string_view kind : kKinds) {
      if (EqualsIgnoringCase(word, kind)) return true;
    }
    return false;
  }

  static bool IsExtensionWord(std::string_view word) {
    return EqualsIgnoringCase(word, "x") || EqualsIgnoringCase(word, "ext") ||
           EqualsIgnoringCase(word, "extension");
  }

  // After an extension's word ending at `end`: a wait before its digits, or
  // nothing when no digit follows.
  size_t Extension(size_t end) {
    if (end < text_.size() && text_[end] == '.') ++end;
    while (end < text_.size() && (IsBlank(text_[end]) || text_[end] == ':')) ++end;
    if (end < text_.size() && IsDigit(text_[end])) Mark(',');
    return end;
  }

  static bool IsPhoneMarks(std::string_view word) {
    for (const char c : word) {
      if (LowerAscii(c) != 'p' && LowerAscii(c) != 'w') return false;
    }
    return true;
  }

  bool FollowsDialedOrMark(size_t i) const {
    const char before = text_[i - 1];  // a digit came first, so i > 0
    return IsDialed(before) || before == ',' || before == ';';
  }

  void Dialed(char c) {
    if (separator_ != 0) dial_ += separator_;
    separator_ = 0;
    dial_ += c;
    sawDigit_ = sawDigit_ || IsDigit(c);
  }

  void Separator(char c) {
    if (dial_.empty() || !IsDialed(dial_.back())) return;
    separator_ = c == '-' || separator_ == '-' ? '-' : ' ';
  }

  void Mark(char c) {
    separator_ = 0;
    dial_ += c;
  }

  std::string_view text_;
  std::string dial_;
  char separator_ = 0;  // the blank or "-" waiting for the next dialed character
  bool sawDigit_ = false;
};

int HexValue(char c) {
  if (IsDigit(c)) return c - '0';
  const char lower = LowerAscii(c);
  return lower >= 'a' && lower <= 'f' ? lower - 'a' + 10 : -1;
}

std::optional<std::string> DecodePercentEscapes(std::string_view text) {
  std::string decoded;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '%') {
      decoded += text[i];
      continue;
    }
    const int high = i + 2 < text.size() ? HexValue(text[i + 1]) : -1;
    const int low = high >= 0 ? HexValue(text[i + 2]) : -1;
    if (low < 0) return std::nullopt;
    decoded += static_cast<char>(high * 16 + low);
    i += 2;
  }
  return decoded;
}

// The number part of a decoded link with its "ext=" parameter, if any, as a
// wait and digits; other parameters are left out.
std::string NumberWithExtension(std::string_view link) {
  size_t end = link.find(';');
  std::string number(link.substr(0, end));
  while (end != npos) {
    const size_t start = end + 1;
    end = link.find(';', start);
    const std::string_view parameter = link.substr(start, end == npos ? npos : end - start);
    if (StartsIgnoringCase(parameter, "ext=")) {
      number += ',';
      number += parameter.substr(4);
    }
  }
  return number;
}

// The argument after its scheme, or nothing when it is not a telephone link.
std::optional<std::string_view> LinkBody(std::string_view argument) {
  if (StartsIgnoringCase(argument, "tel:")) return argument.substr(4);
  if (!StartsIgnoringCase(argument, "callto:")) return std::nullopt;
  std::string_view body = argument.substr(7);
  if (body.starts_with("//")) body.remove_prefix(2);
  return body;
}

}  // namespace

CleanedNumber CleanOutsideNumber(std::string_view text) {
  if (text.size() > kMaxOutsideNumberLength) {
    return Refusal("The number is longer than " + std::to_string(kMaxOutsideNumberLength) + " characters.");
  }
  std::string dial = Cleaner(text).Clean();
  if (dial.find_first_of("0123456789") == std::string::npos) {
    return Refusal("There is no phone number in this text.");
  }
  return {std::move(dial), ""};
}

std::optional<CleanedNumber> ReadTelephoneLink(std::string_view argument) {
  const std::optional<std::string_view> body = LinkBody(TrimBlanks(argument));
  if (!body) return std::nullopt;
  if (body->size() > kMaxTelephoneLinkLength) {
    return Refusal("The link is longer than " + std::to_string(kMaxTelephoneLinkLength) + " characters.");
  }
  const std::optional<std::string> decoded = DecodePercentEscapes(*body);
  if (!decoded) return Refusal("The link holds a broken escape: \"%\" must be followed by two hexadecimal digits.");
  return CleanOutsideNumber(NumberWithExtension(*decoded));
}

}  // namespace tonvero
