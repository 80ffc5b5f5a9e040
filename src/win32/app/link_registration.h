#pragma once
// "tonvero.exe /register" and "/unregister": Tonvero as the current user's
// handler for tel: and callto: links, in the user's part of the registry
// (no administrator rights), each saying what it did in a message box.
#include "core/app/link_registration.h"

namespace tonvero {

// Registers or unregisters and says what happened; the program's exit
// code: 0 when done, 1 when the registry refused.
int RunLinkRegistration(StartAction action);

}  // namespace tonvero
