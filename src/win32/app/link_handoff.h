#pragma once
// One Tonvero for links: a second start with a tel: or callto: link hands
// the number to the Tonvero that runs already (WM_COPYDATA to its main
// window) and ends, touching no file.
#include <windows.h>

#include <optional>
#include <string>

namespace tonvero {

// What a second start did with a link's number.
enum class Handoff {
  kNoneRunning,  // no Tonvero runs: this start goes on as the one
  kTaken,        // the running one shows the number
  kRefused,      // the running one did not answer in time (it is dialing)
};

// Hands `number` to the running Tonvero, waiting a few seconds for it.
Handoff HandNumberToRunningTonvero(const std::string& number);

// The number a WM_COPYDATA from a second start carries; nothing when the
// message is no such handoff or carries more than a number can hold.
std::optional<std::string> HandedNumber(const COPYDATASTRUCT& data);

}  // namespace tonvero
