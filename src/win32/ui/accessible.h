#pragma once
// Active Accessibility for the program's windows: the objects a screen
// reader gets for a window's client area when it sends WM_GETOBJECT. An
// object answers from the live window; what it does not know itself it
// passes on to the system's standard object for that window.
#include <windows.h>
#include <oleacc.h>

#include <string>

namespace tonvero {

// With MinGW's import libraries IID_IAccessible names an import thunk of
// oleacc.dll, not the GUID; the program spells the interface ids itself.
extern const IID kIidAccessible;

// A text of the system code page as a new BSTR.
BSTR ToBstr(const std::string& text);
std::string FromBstr(BSTR text);
bool IsSelf(const VARIANT& child);

// Replies of IAccessible's methods: a text, a number (a role, a state, a
// child id), or nothing (VT_EMPTY, S_FALSE).
HRESULT ReplyText(const std::string& text, BSTR* out);
HRESULT ReplyNumber(long value, VARIANT* out);
HRESULT ReplyNothing(VARIANT* out);

// An IAccessible for one window's client area that forwards every call to
// the system's standard object for it; objects for the program's windows
// derive from it and answer what they know better. Made with one reference.
class StandardAccessible : public IAccessible {
 public:
  explicit StandardAccessible(HWND window);
  StandardAccessible(const StandardAccessible&) = delete;
  StandardAccessible& operator=(const StandardAccessible&) = delete;

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  // IDispatch: no type information; clients call IAccessible directly.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                   UINT*) override;
  // IAccessible
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override;
  HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override;
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override;
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override;
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override;
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override;
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override;
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override;
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override;
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override;
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override;
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override;
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override;
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override;
  HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override;
  HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                        VARIANT child) override;
  HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override;
  HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* child) override;
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override;
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override;
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override;

 protected:
  virtual ~StandardAccessible();
  // The window is gone: a client that kept the object is told so.
  bool Gone() const { return !IsWindow(window_); }
  HWND window_;

 private:
  LONG references_ = 1;
  IAccessible* standard_ = nullptr;  // none when the system could not make one
};

// What a form knows of a control beyond its window: a name, or the label
// whose text names it, and its hint, which says what it does.
struct ControlNaming {
  std::string name;
  int labelId = 0;
  std::string description;
};

// A control of a form: named as its naming says (else as its window text
// names it), with the role its class and style give it, its hint as its
// description, and its check state.
class ControlAccessible : public StandardAccessible {
 public:
  ControlAccessible(HWND control, ControlNaming naming);

  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override;
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override;
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override;
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override;
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override;

 private:
  const ControlNaming naming_;
};

// True when WM_GETOBJECT asks for the client area's object; the system
// answers for the other parts of a window (its frame, its scroll bars).
bool AsksForClient(LPARAM objectId);
// The answer to WM_GETOBJECT with `object`, which the caller still releases.
LRESULT AnswerGetObject(IAccessible* object, WPARAM wParam);

}  // namespace tonvero
