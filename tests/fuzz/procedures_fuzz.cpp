// The procedure-file reader on any bytes: no crash, no sanitizer report, and
// what it reads is normalised and survives being written and read again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/common/lines.h"
#include "core/common/text.h"
#include "core/procedures/procedure_list.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

bool IsNormalised(const std::string& text) {
  return !text.empty() && text.find('"') == std::string::npos &&
         text.find_first_of("\r\n") == std::string::npos &&
         (text == " " || (text.front() != ' ' && text.back() != ' '));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tonvero;
  const std::string file(reinterpret_cast<const char*>(data), size);
  ProcedureList list = ProcedureList::FromFile(file);
  Check(list.At(0) == (Procedure{"DEFAULT", "@"}));

  // The one-pass line reader agrees with the field helpers it stands for.
  for (std::string_view line : SplitLines(file)) {
    const std::string upper = UpperAscii(std::string(line));
    const Procedure reference{TrimField(ExtractField(upper, 1)), TrimField(ExtractField(upper, 2))};
    Check(NormaliseProcedureLine(line) == reference);
  }

  for (int k = 1; k < list.Size(); ++k) {
    Check(IsNormalised(list.At(k).name) && IsNormalised(list.At(k).command));
    Check(HasDialingProcedure(list, list.At(k)));
  }
  const std::string written = list.ToFile();
  Check(ProcedureList::FromFile(written).Entries() == list.Entries());

  // The list operations on what was read, steered by the input's first byte.
  const int selected = size > 0 ? data[0] % (list.Size() + 1) - 1 : kNoSelection;
  const int before = list.Size();
  const int inserted = list.InsertAfter(selected, file.substr(0, 8));
  Check(inserted == kNoSelection ? list.Size() == before : list.Size() == before + 1);
  // Every name comes back from the file as it is held ("@ (New)" comes
  // back in capitals, as all texts read from the file do).
  const ProcedureList reread = ProcedureList::FromFile(list.ToFile());
  Check(reread.Size() == list.Size());
  for (int k = 0; k < list.Size(); ++k) Check(reread.At(k).name == list.At(k).name);
  const int next = list.Delete(inserted);
  Check(list.Size() == before || inserted == kNoSelection);
  Check(next >= kNoSelection && next < list.Size() + 1);
  return 0;
}
