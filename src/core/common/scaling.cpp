#include "core/common/scaling.h"

#include <cstdint>

namespace tonvero {

int ScaleLength(int length, int toDpi, int fromDpi) {
  if (fromDpi <= 0 || toDpi <= 0) return length;
  const int64_t scaled = int64_t{length} * toDpi;
  const int64_t half = fromDpi / 2;
  return static_cast<int>(scaled >= 0 ? (scaled + half) / fromDpi : -((-scaled + half) / fromDpi));
}

}  // namespace tonvero
