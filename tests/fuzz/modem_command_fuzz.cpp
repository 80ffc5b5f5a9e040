// Any procedure and number give a well-formed dial command: the prefix of
// the method, a body with none of the characters the modem rules drop or
// treat as commands, and CR LF at the end.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/dialer/dial_string.h"
#include "core/modem/dial_command.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  const int generatorIndex = data[0] & 1;
  const std::string input(reinterpret_cast<const char*>(data + 1), size - 1);
  const size_t split = input.find('\n');  // procedure, then the number
  const std::string procedure = input.substr(0, split);
  const std::string number = split == std::string::npos ? "" : input.substr(split + 1);

  const std::string body = tonvero::ModemCommandBody(tonvero::BuildDialString(procedure, number));
  const std::string command = tonvero::ModemDialCommand(generatorIndex, body);
  if (command.compare(0, 5, generatorIndex ? "ATDP " : "ATDT ") != 0) std::abort();
  if (command.size() != body.size() + 7 || command.compare(command.size() - 2, 2, "\r\n") != 0) {
    std::abort();
  }
  if (body.find_first_of(" -ABCDPSTMVR(") != std::string::npos) std::abort();
  return 0;
}
