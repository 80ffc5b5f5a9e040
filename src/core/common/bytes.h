#pragma once
// Raw file contents, and the little-endian integers the binary files hold
// (the tone file's WAV images, the settings file). The readers and writers
// take a pointer: the caller makes sure the bytes are there.
#include <cstdint>
#include <vector>

namespace tonvero {

using Bytes = std::vector<uint8_t>;

inline uint16_t ReadLe16(const uint8_t* p) {
  return static_cast<uint16_t>(p[0] | p[1] << 8);
}

inline uint32_t ReadLe32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
         static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}

inline void WriteLe16(uint8_t* p, uint16_t value) {
  p[0] = static_cast<uint8_t>(value);
  p[1] = static_cast<uint8_t>(value >> 8);
}

inline void WriteLe32(uint8_t* p, uint32_t value) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(value >> (8 * i));
}

inline void AppendLe32(Bytes& out, uint32_t value) {
  out.resize(out.size() + 4);
  WriteLe32(out.data() + out.size() - 4, value);
}

}  // namespace tonvero
