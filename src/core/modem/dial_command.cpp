#include "core/modem/dial_command.h"

#include "core/dialer/dial_string.h"

namespace tonvero {
namespace {

constexpr int kPulseGenerator = 1;

std::string ModemPiece(char c) {
  switch (c) {
    case 'P': return ",,,";  // the modem's own pause: three of its delays
    case '-':
    case 'A': case 'B': case 'C': case 'D':
    case ' ':
      return "";
    default: return std::string(1, c);
  }
}

}  // namespace

void ForEachModemPiece(const std::string& dial,
                       const std::function<void(const std::string&)>& piece) {
  ForEachDialSymbol(dial, [&](char c) { piece(ModemPiece(c)); });
}

std::string ModemCommandBody(const std::string& dial) {
  std::string body;
  ForEachModemPiece(dial, [&](const std::string& piece) { body += piece; });
  return body;
}

std::string ModemDialCommand(int generatorIndex, const std::string& body) {
  return (generatorIndex == kPulseGenerator ? "ATDP " : "ATDT ") + body + "\r\n";
}

}  // namespace tonvero
