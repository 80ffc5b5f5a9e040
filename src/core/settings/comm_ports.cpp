#include "core/settings/comm_ports.h"

#include "core/settings/settings.h"

namespace tonvero {

std::string CommPortName(int commIndex) {
  if (commIndex < 0 || commIndex >= static_cast<int>(kCommPortNames.size())) {
    commIndex = Settings{}.commIndex;
  }
  return kCommPortNames[commIndex];
}

}  // namespace tonvero
