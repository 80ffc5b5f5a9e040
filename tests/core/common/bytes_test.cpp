// Top bits set, so that a swapped byte or a sign extension shows.
#include "core/common/bytes.h"

#include <gtest/gtest.h>

namespace tonvero {
namespace {

TEST(LittleEndian, LowByteFirst) {
  const Bytes stored = {0x81, 0x82, 0x83, 0x84};
  EXPECT_EQ(ReadLe16(stored.data()), 0x8281);
  EXPECT_EQ(ReadLe32(stored.data()), 0x84838281u);
  Bytes out = {0xAA};
  AppendLe32(out, 0x84838281u);
  WriteLe16(&out[1], 0x9291);
  EXPECT_EQ(out, (Bytes{0xAA, 0x91, 0x92, 0x83, 0x84}));
}

}  // namespace
}  // namespace tonvero
