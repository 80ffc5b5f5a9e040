// The vCard reader on any bytes (see contact_reader_checks.h).
#include "contact_reader_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  tonvero::fuzz::CheckContactFile(data, size, tonvero::ContactFormat::kVCard, tonvero::FakeCodePages(1251));
  return 0;
}
