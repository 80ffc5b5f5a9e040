#include "core/phonelist/spoken_row.h"

#include <initializer_list>

#include "core/common/text.h"

namespace tonvero {
namespace {

std::string Joined(std::initializer_list<std::string> pieces, const char* separator) {
  std::string joined;
  for (const std::string& piece : pieces) {
    const std::string text = TrimSpaces(piece);
    if (text.empty()) continue;
    if (!joined.empty()) joined += separator;
    joined += text;
  }
  return joined;
}

}  // namespace

std::string SpokenRow(const RowCells& cells) {
  return Joined({Joined({cells[0], cells[1]}, " "), cells[2], cells[3]}, ", ");
}

std::string SpokenHeader(const RowCells& titles) {
  return Joined({titles[0], titles[1], titles[2], titles[3]}, ", ");
}

}  // namespace tonvero
