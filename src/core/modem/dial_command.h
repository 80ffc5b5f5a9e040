#pragma once
// The Hayes dial command that modem mode sends: "ATDT " (touch tone) or
// "ATDP " (pulse), the dial string as the modem should see it, then CR LF.
#include <functional>
#include <string>

namespace tonvero {

// Walks a dial string by the modem's rules and hands on each piece it
// gives, in order: "P" gives ",,,"; "-", "A".."D" and blanks (a skipped
// symbol included) give nothing; every other character gives itself.
void ForEachModemPiece(const std::string& dial, const std::function<void(const std::string&)>& piece);

// The pieces of a dial string joined: what follows the prefix.
std::string ModemCommandBody(const std::string& dial);

// Prefix chosen by the dialing method (0 touch tone, 1 pulse), the body, CR LF.
std::string ModemDialCommand(int generatorIndex, const std::string& body);

}  // namespace tonvero
