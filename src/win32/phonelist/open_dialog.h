#pragma once
// The system's file-open dialog for choosing a database by one of its files.
#include <windows.h>

#include <optional>
#include <string>

namespace tonvero {

// Runs the dialog with `title` and `initialFile` offered, filtering
// "Tonvero DB (*.rbd)" first and "All Files (*.*)". The chosen name, which
// need not exist yet; nothing when the user cancels.
// `withContacts` also lists contact exports (vCard and CSV files).
std::optional<std::string> ChooseDatabaseFile(HWND owner, const char* title,
                                              const std::string& initialFile, bool withContacts = false);

}  // namespace tonvero
