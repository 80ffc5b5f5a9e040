#pragma once
// Splitting text files into lines. Files written by other editors end their
// lines in CR LF, LF alone or CR alone; all three are accepted.
#include <string_view>
#include <vector>

namespace tonvero {

// The lines of `text` without their line ends, as views into `text`. A line
// end at the very end of the text does not start another line; empty lines
// in between are kept.
std::vector<std::string_view> SplitLines(std::string_view text);

}  // namespace tonvero
