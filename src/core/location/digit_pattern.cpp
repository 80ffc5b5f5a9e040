#include "core/location/digit_pattern.h"

#include <climits>
#include <type_traits>

namespace tonvero {
namespace {

constexpr size_t kNone = std::string_view::npos;

// What comes after a piece of the pattern has matched, called with where the
// text goes on. A reference to a callable, so that backtracking allocates
// nothing.
class Next {
 public:
  template <class F, class = std::enable_if_t<!std::is_same_v<std::decay_t<F>, Next>>>
  Next(const F& f)  // NOLINT: made from lambdas where it is passed
      : object_(&f), call_([](const void* o, size_t at) { return (*static_cast<const F*>(o))(at); }) {}
  bool operator()(size_t at) const { return call_(object_, at); }

 private:
  const void* object_;
  bool (*call_)(const void*, size_t);
};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

class Matcher {
 public:
  Matcher(std::string_view pattern, std::string_view text, PatternGroups* groups)
      : pattern_(pattern), text_(text), groups_(groups) {}

  bool Alternatives(size_t from, size_t to, size_t at, Next next) {
    size_t start = from;
    for (size_t i = from; i <= to; i = AtomEnd(i, to)) {
      if (i == to || pattern_[i] == '|') {
        if (Sequence(start, i, at, next)) return true;
        start = i + 1;
        if (i == to) break;
      }
    }
    return false;
  }

 private:
  // The end of the atom that begins at `i`: past its closing bracket for a
  // group or a class, past the escaped character, or the next character.
  size_t AtomEnd(size_t i, size_t to) const {
    if (i >= to) return to + 1;
    if (pattern_[i] == '\\') return std::min(i + 2, to);
    if (pattern_[i] == '[') {
      size_t j = i + 1;
      if (j < to && pattern_[j] == '^') ++j;
      if (j < to && pattern_[j] == ']') ++j;
      while (j < to && pattern_[j] != ']') ++j;
      return std::min(j + 1, to);
    }
    if (pattern_[i] == '(') {
      int depth = 0;
      for (size_t j = i; j < to; j = (pattern_[j] == '\\' || pattern_[j] == '[') ? AtomEnd(j, to) : j + 1) {
        if (pattern_[j] == '(') ++depth;
        if (pattern_[j] == ')' && --depth == 0) return j + 1;
      }
      return to;
    }
    return i + 1;
  }

  struct Quantifier {
    int min = 1, max = 1;
    size_t end;
  };

  Quantifier ReadQuantifier(size_t i, size_t to) const {
    Quantifier q{1, 1, i};
    if (i >= to) return q;
    switch (pattern_[i]) {
      case '?': return {0, 1, i + 1};
      case '*': return {0, INT_MAX, i + 1};
      case '+': return {1, INT_MAX, i + 1};
      case '{': break;
      default: return q;
    }
    size_t j = i + 1;
    auto number = [&] {
      int value = 0;
      while (j < to && IsDigit(pattern_[j])) value = std::min(value * 10 + (pattern_[j++] - '0'), 1000);
      return value;
    };
    q.min = q.max = number();
    if (j < to && pattern_[j] == ',') {
      ++j;
      q.max = (j < to && IsDigit(pattern_[j])) ? number() : INT_MAX;
    }
    q.end = (j < to && pattern_[j] == '}') ? j + 1 : j;
    return q;
  }

  bool Sequence(size_t from, size_t to, size_t at, Next next) {
    if (from >= to) return next(at);
    const size_t atomEnd = AtomEnd(from, to);
    const Quantifier q = ReadQuantifier(atomEnd, to);
    const auto rest = [&](size_t after) { return Sequence(q.end, to, after, next); };
    return Repeat(from, atomEnd, q, 0, at, rest);
  }

  // Greedy: as many more matches of the atom as the rest allows.
  bool Repeat(size_t atom, size_t atomEnd, const Quantifier& q, int count, size_t at, Next rest) {
    if (count < q.max) {
      const auto again = [&](size_t after) {
        if (after == at && count >= q.min) return false;  // an empty match repeated gains nothing
        return Repeat(atom, atomEnd, q, count + 1, after, rest);
      };
      if (Atom(atom, atomEnd, at, again)) return true;
    }
    return count >= q.min && rest(at);
  }

  bool Atom(size_t from, size_t to, size_t at, Next next) {
    const char c = pattern_[from];
    if (c == '(') {
      const bool capturing = !(from + 1 < to && pattern_[from + 1] == '?');
      const size_t inner = capturing ? from + 1 : std::min(from + 3, to);
      const size_t innerEnd = (to > inner && pattern_[to - 1] == ')') ? to - 1 : to;
      if (!capturing || !groups_) return Alternatives(inner, innerEnd, at, next);
      const size_t index = GroupIndex(from);
      const auto close = [&](size_t after) {
        if (index >= groups_->size()) groups_->resize(index + 1, {kNone, 0});
        const auto old = (*groups_)[index];
        (*groups_)[index] = {at, after - at};
        if (next(after)) return true;
        (*groups_)[index] = old;
        return false;
      };
      return Alternatives(inner, innerEnd, at, close);
    }
    if (at >= text_.size() || !IsDigit(text_[at])) return false;
    return Accepts(from, to, text_[at]) && next(at + 1);
  }

  // Whether the one-character atom [from, to) accepts the digit d.
  bool Accepts(size_t from, size_t to, char d) const {
    const char c = pattern_[from];
    if (c == '\\') return from + 1 < to && pattern_[from + 1] == 'd';
    if (c == '.') return true;
    if (c != '[') return c == d;
    size_t i = from + 1;
    const bool negated = i < to && pattern_[i] == '^';
    if (negated) ++i;
    bool found = false;
    const size_t end = (to > i && pattern_[to - 1] == ']') ? to - 1 : to;
    for (; i < end; ++i) {
      if (pattern_[i] == '\\' && i + 1 < end) {
        found = found || pattern_[++i] == 'd';
      } else if (i + 2 < end && pattern_[i + 1] == '-') {
        found = found || (d >= pattern_[i] && d <= pattern_[i + 2]);
        i += 2;
      } else {
        found = found || pattern_[i] == d;
      }
    }
    return found != negated;
  }

  // Capturing groups are numbered by their opening brackets, left to right.
  size_t GroupIndex(size_t open) const {
    size_t index = 0;
    for (size_t i = 0; i < open; ++i) {
      if (pattern_[i] == '\\') {
        ++i;
      } else if (pattern_[i] == '[') {
        i = AtomEnd(i, pattern_.size()) - 1;
      } else if (pattern_[i] == '(' && !(i + 1 < pattern_.size() && pattern_[i + 1] == '?')) {
        ++index;
      }
    }
    return index;
  }

  std::string_view pattern_;
  std::string_view text_;
  PatternGroups* groups_;
};

}  // namespace

bool MatchWhole(std::string_view pattern, std::string_view digits, PatternGroups* groups) {
  if (groups) groups->clear();
  Matcher matcher(pattern, digits, groups);
  return matcher.Alternatives(0, pattern.size(), 0, [&](size_t at) { return at == digits.size(); });
}

bool MatchStart(std::string_view pattern, std::string_view digits) {
  Matcher matcher(pattern, digits, nullptr);
  return matcher.Alternatives(0, pattern.size(), 0, [](size_t) { return true; });
}

}  // namespace tonvero
