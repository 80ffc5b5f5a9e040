#pragma once
// One Tonvero for links and one per list: a second start with a tel: or
// callto: link hands the number to the Tonvero that runs already, and a
// second start for a list that a Tonvero has open brings that one to the
// front (WM_COPYDATA to its main window); either start then ends, touching
// no file.
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

// Asks each running Tonvero whether it has the database `dbBase` open; the
// one that has comes to the front. kTaken then; kNoneRunning when none has
// it or none answered in time (one that is dialing answers nothing).
Handoff HandStartToRunningTonvero(const std::string& dbBase);

// True when a WM_COPYDATA from a second start asks for the database
// `dbBase`: the same full path, whatever the letters' case.
bool IsStartFor(const COPYDATASTRUCT& data, const std::string& dbBase);

}  // namespace tonvero
