#pragma once
// Matching digit strings against the patterns of the numbering plans: the
// subset of regular expressions their metadata uses (digits, "\d", classes
// such as "[2-9]" or "[^0]", groups "(...)" and "(?:...)", "|", and the
// quantifiers "?", "*", "+", "{n}", "{n,}", "{n,m}"). The text is digits
// only, so a pattern's other literal characters never match.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tonvero {

// Where each capturing group matched: (start, length), or (npos, 0) when it
// took no part. Index 0 is group 1.
using PatternGroups = std::vector<std::pair<size_t, size_t>>;

// True when the whole of `digits` matches `pattern`; the groups are filled.
bool MatchWhole(std::string_view pattern, std::string_view digits, PatternGroups* groups = nullptr);

// True when a beginning of `digits` matches `pattern`.
bool MatchStart(std::string_view pattern, std::string_view digits);

}  // namespace tonvero
