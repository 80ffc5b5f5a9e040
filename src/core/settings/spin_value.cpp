#include "core/settings/spin_value.h"

#include <algorithm>
#include <cctype>

namespace tonvero {

int ClampSpinValue(long long value) {
  return static_cast<int>(std::clamp<long long>(value, kMinShooterMs, kMaxShooterMs));
}

int ReadSpinValue(const std::string& text) {
  size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = i < text.size() && text[i] == '-';
  if (negative || (i < text.size() && text[i] == '+')) ++i;
  if (i == text.size() || !std::isdigit(static_cast<unsigned char>(text[i]))) return kMinShooterMs;
  long long value = 0;
  for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
    value = std::min<long long>(value * 10 + (text[i] - '0'), 1000000);
  }
  return ClampSpinValue(negative ? -value : value);
}

}  // namespace tonvero
