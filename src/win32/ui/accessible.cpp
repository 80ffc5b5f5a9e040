#include "win32/ui/accessible.h"

#include <string>

#include "core/common/text.h"
#include "win32/ui/forms.h"

namespace tonvero {
namespace {

const IID kIidUnknown = {0x00000000, 0x0000, 0x0000, {0xc0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
const IID kIidDispatch = {0x00020400, 0x0000, 0x0000, {0xc0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

// A reply that names nothing: the caller's out value stays empty.
HRESULT Nothing(BSTR* out) {
  *out = nullptr;
  return S_FALSE;
}

std::string ClassOf(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  return UpperAscii(name);
}

// The role Windows' own standard objects give these controls; Wine's give
// every control the role of a plain client area.
long RoleOf(HWND control) {
  const std::string windowClass = ClassOf(control);
  const LONG style = GetWindowLongA(control, GWL_STYLE);
  if (windowClass == "BUTTON") {
    switch (style & BS_TYPEMASK) {
      case BS_GROUPBOX: return ROLE_SYSTEM_GROUPING;
      case BS_RADIOBUTTON:
      case BS_AUTORADIOBUTTON: return ROLE_SYSTEM_RADIOBUTTON;
      case BS_CHECKBOX:
      case BS_AUTOCHECKBOX:
      case BS_3STATE:
      case BS_AUTO3STATE: return ROLE_SYSTEM_CHECKBUTTON;
      default: return ROLE_SYSTEM_PUSHBUTTON;
    }
  }
  if (windowClass == "EDIT") return ROLE_SYSTEM_TEXT;
  if (windowClass == "COMBOBOX") return ROLE_SYSTEM_COMBOBOX;
  if (windowClass == "MSCTLS_UPDOWN32") return ROLE_SYSTEM_SPINBUTTON;
  // The program's one scroll bar control is the speed bar, a slider.
  if (windowClass == "SCROLLBAR") return ROLE_SYSTEM_SLIDER;
  if (windowClass == "STATIC") {
    switch (style & SS_TYPEMASK) {
      case SS_BITMAP:
      case SS_ICON: return ROLE_SYSTEM_GRAPHIC;
      case SS_ETCHEDHORZ:
      case SS_ETCHEDVERT:
      case SS_ETCHEDFRAME: return ROLE_SYSTEM_SEPARATOR;
      default: return ROLE_SYSTEM_STATICTEXT;
    }
  }
  return 0;
}

bool IsCheckable(long role) { return role == ROLE_SYSTEM_RADIOBUTTON || role == ROLE_SYSTEM_CHECKBUTTON; }

}  // namespace

const IID kIidAccessible = {0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

BSTR ToBstr(const std::string& text) {
  const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  BSTR wide = SysAllocStringLen(nullptr, static_cast<UINT>(length));
  if (wide) MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide, length);
  return wide;
}

std::string FromBstr(BSTR text) {
  const int length = static_cast<int>(SysStringLen(text));
  std::string narrow(static_cast<size_t>(length) * 2, '\0');
  narrow.resize(static_cast<size_t>(WideCharToMultiByte(CP_ACP, 0, text, length, narrow.data(),
                                                        static_cast<int>(narrow.size()), nullptr, nullptr)));
  return narrow;
}

bool IsSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

HRESULT ReplyText(const std::string& text, BSTR* out) {
  *out = ToBstr(text);
  return *out ? S_OK : E_OUTOFMEMORY;
}

HRESULT ReplyNumber(long value, VARIANT* out) {
  out->vt = VT_I4;
  out->lVal = value;
  return S_OK;
}

HRESULT ReplyNothing(VARIANT* out) {
  out->vt = VT_EMPTY;
  return S_FALSE;
}

bool AsksForClient(LPARAM objectId) {
  // Sent as a DWORD: on 64-bit Windows the upper half is not sign-extended.
  return static_cast<DWORD>(objectId) == static_cast<DWORD>(OBJID_CLIENT);
}

LRESULT AnswerGetObject(IAccessible* object, WPARAM wParam) {
  // The object is handed over through COM, which the thread then needs;
  // it is started at the first ask, so a program that no screen reader
  // asks never loads it.
  static const HRESULT apartment = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  (void)apartment;
  const LRESULT answer = LresultFromObject(kIidAccessible, wParam, object);
  return answer < 0 ? 0 : answer;  // a failure: the system answers instead
}

// ---- StandardAccessible ------------------------------------------------------------

StandardAccessible::StandardAccessible(HWND window) : window_(window) {
  if (FAILED(CreateStdAccessibleObject(window, OBJID_CLIENT, kIidAccessible,
                                       reinterpret_cast<void**>(&standard_)))) {
    standard_ = nullptr;
  }
}

StandardAccessible::~StandardAccessible() {
  if (standard_) standard_->Release();
}

HRESULT StandardAccessible::QueryInterface(REFIID iid, void** object) {
  if (!object) return E_POINTER;
  if (IsEqualIID(iid, kIidUnknown) || IsEqualIID(iid, kIidDispatch) || IsEqualIID(iid, kIidAccessible)) {
    *object = static_cast<IAccessible*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG StandardAccessible::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&references_)); }

ULONG StandardAccessible::Release() {
  const LONG left = InterlockedDecrement(&references_);
  if (left == 0) delete this;
  return static_cast<ULONG>(left);
}

HRESULT StandardAccessible::GetTypeInfoCount(UINT* count) {
  if (!count) return E_POINTER;
  *count = 0;
  return S_OK;
}
HRESULT StandardAccessible::GetTypeInfo(UINT, LCID, ITypeInfo**) { return E_NOTIMPL; }
HRESULT StandardAccessible::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) { return E_NOTIMPL; }
HRESULT StandardAccessible::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) {
  return E_NOTIMPL;
}

// Each call goes to the standard object, or fails when there is none.
#define TONVERO_FORWARD(call) \
  if (!standard_) return E_FAIL; \
  return standard_->call

HRESULT StandardAccessible::get_accParent(IDispatch** parent) { TONVERO_FORWARD(get_accParent(parent)); }
HRESULT StandardAccessible::get_accChildCount(long* count) { TONVERO_FORWARD(get_accChildCount(count)); }
HRESULT StandardAccessible::get_accChild(VARIANT child, IDispatch** object) {
  TONVERO_FORWARD(get_accChild(child, object));
}
HRESULT StandardAccessible::get_accName(VARIANT child, BSTR* name) { TONVERO_FORWARD(get_accName(child, name)); }
HRESULT StandardAccessible::get_accValue(VARIANT child, BSTR* value) {
  TONVERO_FORWARD(get_accValue(child, value));
}
HRESULT StandardAccessible::get_accDescription(VARIANT child, BSTR* description) {
  TONVERO_FORWARD(get_accDescription(child, description));
}
HRESULT StandardAccessible::get_accRole(VARIANT child, VARIANT* role) { TONVERO_FORWARD(get_accRole(child, role)); }
HRESULT StandardAccessible::get_accState(VARIANT child, VARIANT* state) {
  TONVERO_FORWARD(get_accState(child, state));
}
HRESULT StandardAccessible::get_accHelp(VARIANT child, BSTR* help) { TONVERO_FORWARD(get_accHelp(child, help)); }
HRESULT StandardAccessible::get_accHelpTopic(BSTR* file, VARIANT child, long* topic) {
  TONVERO_FORWARD(get_accHelpTopic(file, child, topic));
}
HRESULT StandardAccessible::get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) {
  TONVERO_FORWARD(get_accKeyboardShortcut(child, shortcut));
}
HRESULT StandardAccessible::get_accFocus(VARIANT* child) { TONVERO_FORWARD(get_accFocus(child)); }
HRESULT StandardAccessible::get_accSelection(VARIANT* children) { TONVERO_FORWARD(get_accSelection(children)); }
HRESULT StandardAccessible::get_accDefaultAction(VARIANT child, BSTR* action) {
  TONVERO_FORWARD(get_accDefaultAction(child, action));
}
HRESULT StandardAccessible::accSelect(long flags, VARIANT child) { TONVERO_FORWARD(accSelect(flags, child)); }
HRESULT StandardAccessible::accLocation(long* left, long* top, long* width, long* height, VARIANT child) {
  TONVERO_FORWARD(accLocation(left, top, width, height, child));
}
HRESULT StandardAccessible::accNavigate(long direction, VARIANT start, VARIANT* end) {
  TONVERO_FORWARD(accNavigate(direction, start, end));
}
HRESULT StandardAccessible::accHitTest(long x, long y, VARIANT* child) { TONVERO_FORWARD(accHitTest(x, y, child)); }
HRESULT StandardAccessible::accDoDefaultAction(VARIANT child) { TONVERO_FORWARD(accDoDefaultAction(child)); }
HRESULT StandardAccessible::put_accName(VARIANT, BSTR) { return E_NOTIMPL; }
HRESULT StandardAccessible::put_accValue(VARIANT, BSTR) { return E_NOTIMPL; }

#undef TONVERO_FORWARD

// ---- ControlAccessible ---------------------------------------------------------------

ControlAccessible::ControlAccessible(HWND control, ControlNaming naming)
    : StandardAccessible(control), naming_(std::move(naming)) {}

HRESULT ControlAccessible::get_accName(VARIANT child, BSTR* name) {
  if (!name) return E_POINTER;
  if (Gone()) return CO_E_OBJNOTCONNECTED;
  if (!IsSelf(child)) return StandardAccessible::get_accName(child, name);
  if (!naming_.name.empty()) return ReplyText(naming_.name, name);
  if (naming_.labelId) {
    return ReplyText(TrimSpaces(WindowText(GetDlgItem(GetParent(window_), naming_.labelId))), name);
  }
  // The standard name is the window text, which may pad with spaces.
  const HRESULT standard = StandardAccessible::get_accName(child, name);
  if (standard == S_OK && *name) {
    BSTR trimmed = ToBstr(TrimSpaces(FromBstr(*name)));
    SysFreeString(*name);
    *name = trimmed;
  }
  return standard;
}

HRESULT ControlAccessible::get_accDescription(VARIANT child, BSTR* description) {
  if (!description) return E_POINTER;
  if (Gone()) return CO_E_OBJNOTCONNECTED;
  if (!IsSelf(child)) return StandardAccessible::get_accDescription(child, description);
  if (naming_.description.empty()) return Nothing(description);
  return ReplyText(naming_.description, description);
}

HRESULT ControlAccessible::get_accRole(VARIANT child, VARIANT* role) {
  if (!role) return E_POINTER;
  if (Gone()) return CO_E_OBJNOTCONNECTED;
  const long known = IsSelf(child) ? RoleOf(window_) : 0;
  if (!known) return StandardAccessible::get_accRole(child, role);
  return ReplyNumber(known, role);
}

HRESULT ControlAccessible::get_accState(VARIANT child, VARIANT* state) {
  if (!state) return E_POINTER;
  if (Gone()) return CO_E_OBJNOTCONNECTED;
  const HRESULT standard = StandardAccessible::get_accState(child, state);
  if (FAILED(standard) || !IsSelf(child) || state->vt != VT_I4) return standard;
  if (IsCheckable(RoleOf(window_)) && SendMessageA(window_, BM_GETCHECK, 0, 0) == BST_CHECKED) {
    state->lVal |= STATE_SYSTEM_CHECKED;
  }
  return standard;
}

HRESULT ControlAccessible::get_accValue(VARIANT child, BSTR* value) {
  if (!value) return E_POINTER;
  if (Gone()) return CO_E_OBJNOTCONNECTED;
  if (IsSelf(child) && RoleOf(window_) == ROLE_SYSTEM_SLIDER) {
    return ReplyText(std::to_string(GetScrollPos(window_, SB_CTL)), value);
  }
  return StandardAccessible::get_accValue(child, value);
}

}  // namespace tonvero
