#include "win32/ui/entry_points.h"

namespace tonvero {

EntryPoints::~EntryPoints() {
  if (keys_) DestroyAcceleratorTable(keys_);
}

void EntryPoints::Add(HWND window, std::vector<EntryPoint> entries) {
  entries_ = std::move(entries);
  HMENU menu = GetSystemMenu(window, FALSE);
  AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
  std::vector<ACCEL> keys;
  for (const EntryPoint& entry : entries_) {
    AppendMenuA(menu, MF_STRING, entry.id, entry.menuText);
    keys.push_back({FVIRTKEY | FCONTROL, entry.controlKey, static_cast<WORD>(entry.id)});
  }
  keys_ = CreateAcceleratorTableA(keys.data(), static_cast<int>(keys.size()));
}

bool EntryPoints::Open(UINT id) const {
  for (const EntryPoint& entry : entries_) {
    if (entry.id != id) continue;
    entry.open();
    return true;
  }
  return false;
}

}  // namespace tonvero
