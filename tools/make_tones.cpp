// make_tones <out path>: writes the tone file "one.wav" (seventeen
// length-prefixed WAV images: DTMF 0-9, *, #, A-D and silence).
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "core/dialer/tones.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_tones <out path>\n");
    return 2;
  }
  const std::string path = argv[1];
  const tonvero::Bytes file = tonvero::BuildToneFile();
  if (!tonvero::ParseToneFile(file)) {
    std::fprintf(stderr, "make_tones: the generated tone file does not parse\n");
    return 1;
  }
  std::FILE* out = std::fopen(path.c_str(), "wb");
  if (out == nullptr) {
    std::fprintf(stderr, "make_tones: cannot create %s: %s\n", path.c_str(), std::strerror(errno));
    return 1;
  }
  const size_t written = std::fwrite(file.data(), 1, file.size(), out);
  const int writeError = written == file.size() ? 0 : errno;
  if (std::fclose(out) != 0 || writeError != 0 || written != file.size()) {
    std::fprintf(stderr, "make_tones: cannot write %s: %s\n", path.c_str(),
                 std::strerror(writeError != 0 ? writeError : errno));
    std::remove(path.c_str());
    return 1;
  }
  return 0;
}
