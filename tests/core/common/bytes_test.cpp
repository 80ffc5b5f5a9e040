// The byte order of the binary files, with the top bits set so that a sign
// extension or a swapped byte shows.
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
  EXPECT_EQ(out, (Bytes{0xAA, 0x81, 0x82, 0x83, 0x84}));
  WriteLe16(&out[1], 0x9291);
  EXPECT_EQ(out, (Bytes{0xAA, 0x91, 0x92, 0x83, 0x84}));
}

}  // namespace
}  // namespace tonvero
