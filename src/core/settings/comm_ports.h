#pragma once
// The serial ports a modem can be on, in the order of the dialing-mode
// dialog's port list; `CommIndex` counts from 0 in this list.
#include <array>
#include <string>

namespace tonvero {

inline constexpr std::array<const char*, 9> kCommPortNames = {
    "COM1", "COM2", "COM3", "COM4", "COM5", "COM6", "COM7", "COM8", "COM9"};

// The name at `commIndex`; an index outside the list gives the default port.
std::string CommPortName(int commIndex);

}  // namespace tonvero
