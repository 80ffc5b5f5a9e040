// The contacts CSV reader on any bytes (see contact_reader_checks.h), on a
// Western and on a Russian system; and well-formed UTF-8 reads the same
// with a byte-order mark before it as without one.
#include "contact_reader_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tonvero;
  const FakeCodePages western(1252), russian(1251);
  fuzz::CheckContactFile(data, size, ContactFormat::kCsv, western);
  fuzz::CheckContactFile(data, size, ContactFormat::kCsv, russian);
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  if (!IsUtf8(text) || text.starts_with("\xEF\xBB\xBF")) return 0;
  const auto read = [&](std::string_view csv) {
    try {
      return ReadContactRecords(csv, ContactFormat::kCsv, russian);
    } catch (const ContactFileError&) {
      return std::vector<ContactRecord>{{Record{"refused"}}};
    }
  };
  fuzz::Require(read(text) == read("\xEF\xBB\xBF" + std::string(text)), "a byte-order mark changes nothing");
  return 0;
}
