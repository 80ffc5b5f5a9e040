#pragma once
// The windows a main window opens from its window menu and by a key of its
// own (Ctrl and a letter): one row each, so that a new window adds one line.
#include <windows.h>

#include <functional>
#include <vector>

namespace tonvero {

struct EntryPoint {
  UINT id;               // the menu command; the key sends it too
  const char* menuText;  // with its key after a tab, as menus show it
  WORD controlKey;       // the letter that opens it with Ctrl
  std::function<void()> open;
};

class EntryPoints {
 public:
  EntryPoints() = default;
  ~EntryPoints();
  EntryPoints(const EntryPoints&) = delete;
  EntryPoints& operator=(const EntryPoints&) = delete;

  // Adds `entries` under a separator to `window`'s window menu and makes
  // their keys.
  void Add(HWND window, std::vector<EntryPoint> entries);
  // Opens the entry point of a menu command or key; false for any other id.
  bool Open(UINT id) const;
  // The keys, for the message loop's TranslateAccelerator.
  HACCEL Keys() const { return keys_; }

 private:
  std::vector<EntryPoint> entries_;
  HACCEL keys_ = nullptr;
};

}  // namespace tonvero
