#pragma once
// For the seed writers: one seed input written to a file of the given folder.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/common/bytes.h"

namespace tonvero::fuzz {

inline void WriteSeed(const std::string& folder, const std::string& name, const Bytes& bytes) {
  const std::string path = folder + "/" + name;
  std::FILE* out = std::fopen(path.c_str(), "wb");
  const bool written = out != nullptr && std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
  if (out == nullptr || std::fclose(out) != 0 || !written) {
    std::fprintf(stderr, "cannot write the seed %s\n", path.c_str());
    std::exit(1);
  }
}

}  // namespace tonvero::fuzz
