// tone_file_seeds <folder>: the tone file the build makes, a small one of the
// same shape (seventeen images of a few samples) that mutates fast, one
// whose first key's image is longer than the shooter buffer, and a small one
// in the earlier 8-bit format, which is widened at load.
#include "core/common/bytes.h"
#include "core/dialer/tones.h"
#include "seed_file.h"

namespace {

// Every image cut or padded to its header and `samples` bytes (`first` for
// the first key's image), its lengths to match.
tonvero::Bytes ToneFileOfLength(size_t samples, size_t first) {
  tonvero::Bytes file;
  for (int i = 0; i < tonvero::kToneCount; ++i) {
    tonvero::Bytes image = tonvero::BuildToneImage(i);
    image.resize(tonvero::kWavHeaderSize + (i == 1 ? first : samples), 0x80);
    tonvero::WriteLe32(&image[4], static_cast<uint32_t>(image.size() - 8));
    tonvero::WriteLe32(&image[40], static_cast<uint32_t>(samples));
    tonvero::AppendLe32(file, static_cast<uint32_t>(image.size()));
    file.insert(file.end(), image.begin(), image.end());
  }
  return file;
}

// As ToneFileOfLength, in 8-bit samples at 22000 Hz.
tonvero::Bytes EightBitToneFile(size_t samples) {
  tonvero::Bytes file = ToneFileOfLength(samples, samples);
  for (size_t at = 0; at + 4 <= file.size(); at += 4 + tonvero::ReadLe32(&file[at])) {
    uint8_t* image = &file[at + 4];
    tonvero::WriteLe32(image + 24, 22000);
    tonvero::WriteLe32(image + 28, 22000);
    tonvero::WriteLe16(image + 32, 1);
    tonvero::WriteLe16(image + 34, 8);
  }
  return file;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  tonvero::fuzz::WriteSeed(argv[1], "one.wav", tonvero::BuildToneFile());
  tonvero::fuzz::WriteSeed(argv[1], "small.wav", ToneFileOfLength(8, 8));
  tonvero::fuzz::WriteSeed(argv[1], "long_first.wav", ToneFileOfLength(8, 70000));
  tonvero::fuzz::WriteSeed(argv[1], "eight_bit.wav", EightBitToneFile(8));
  return 0;
}
