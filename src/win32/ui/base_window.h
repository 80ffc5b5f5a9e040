#pragma once
// The one way from a window handle to its object, and the general error
// handler. Every function that Windows calls (window, subclass and dialog
// procedures, callbacks, thread entries) runs its work through Guarded: a
// failure is shown in a message box and never unwinds into Windows code,
// which GCC's unwinder cannot cross on 32-bit Windows.
#include <windows.h>
#include <commctrl.h>

#include <exception>

namespace tonvero {

// Shows a failure in a message box: the general error handler.
void ShowError(HWND owner, const char* message);

// Runs `work` and returns its result; a failure is shown (owned by `owner`)
// and `fallback` returned instead.
template <typename Result, typename Work>
Result Guarded(HWND owner, Result fallback, Work&& work) noexcept {
  try {
    return work();
  } catch (const std::exception& failure) {
    ShowError(owner, failure.what());
  } catch (...) {
    ShowError(owner, "Unexpected failure");
  }
  return fallback;
}

// The base of every window class, subclass and dialog of the program. T
// derives from it publicly, befriends it and handles messages in a member:
//   window:   LRESULT HandleMessage(UINT, WPARAM, LPARAM)
//   dialog:   INT_PTR HandleDialogMessage(UINT, WPARAM, LPARAM)
//   subclass: LRESULT HandleSubclassMessage(HWND control, UINT_PTR id, UINT, WPARAM, LPARAM)
// The object is stored once: at WM_NCCREATE (from CreateWindowEx's last
// argument), at WM_INITDIALOG (from the dialog's parameter), by AttachTo
// for a window another owner created, or as a subclass's reference data.
template <typename T>
class BaseWindow {
 public:
  HWND Handle() const { return hwnd_; }

 protected:
  static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
      auto* created = static_cast<T*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
      if (created) created->Store(window);
    }
    T* self = Find(window);
    if (!self) return DefWindowProcA(window, message, wParam, lParam);
    return Guarded<LRESULT>(GetAncestor(window, GA_ROOT), 0, [&] { return self->HandleMessage(message, wParam, lParam); });
  }

  static INT_PTR CALLBACK DialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) reinterpret_cast<T*>(lParam)->Store(dialog, DWLP_USER);
    auto* self = reinterpret_cast<T*>(GetWindowLongPtrA(dialog, DWLP_USER));
    if (!self) return FALSE;
    return Guarded<INT_PTR>(dialog, TRUE, [&] { return self->HandleDialogMessage(message, wParam, lParam); });
  }

  static LRESULT CALLBACK SubclassProcedure(HWND control, UINT message, WPARAM wParam,
                                            LPARAM lParam, UINT_PTR id, DWORD_PTR data) {
    auto* self = reinterpret_cast<T*>(data);
    return Guarded<LRESULT>(GetAncestor(control, GA_ROOT), 0, [&] {
      return self->HandleSubclassMessage(control, id, message, wParam, lParam);
    });
  }

  // Takes over a window of a class registered with WindowProcedure that was
  // created without this object (by a form, say).
  void AttachTo(HWND window) { Store(window); }
  // Routes `control`'s messages to HandleSubclassMessage with `id`.
  void Subclass(HWND control, UINT_PTR id) {
    SetWindowSubclass(control, SubclassProcedure, id, reinterpret_cast<DWORD_PTR>(static_cast<T*>(this)));
  }
  void Unsubclass(HWND control, UINT_PTR id) { RemoveWindowSubclass(control, SubclassProcedure, id); }

  HWND hwnd_ = nullptr;

 private:
  void Store(HWND window, int slot = GWLP_USERDATA) {
    hwnd_ = window;
    SetWindowLongPtrA(window, slot, reinterpret_cast<LONG_PTR>(static_cast<T*>(this)));
  }
  static T* Find(HWND window) { return reinterpret_cast<T*>(GetWindowLongPtrA(window, GWLP_USERDATA)); }
};

}  // namespace tonvero
