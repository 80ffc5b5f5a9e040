#pragma once
// The shooter-mode length fields: whole milliseconds from 1 to 300.
#include <string>

namespace tonvero {

constexpr int kMinShooterMs = 1;
constexpr int kMaxShooterMs = 300;

int ClampSpinValue(long long value);
// Reads what the user typed: leading digits count; text that is not a
// number reads as the minimum; the result is kept within 1..300.
int ReadSpinValue(const std::string& text);

}  // namespace tonvero
