#include "win32/app/link_registration.h"

#include <windows.h>

namespace tonvero {
namespace {

// Longest registry value read: Tonvero's own record is far shorter.
constexpr DWORD kMaxValueBytes = 64 * 1024;

// The current user's registry. The first failure's system error is kept
// for the message.
class CurrentUserRegistry : public UserRegistry {
 public:
  bool KeyExists(const std::string& key) const override {
    HKEY opened = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) return false;
    RegCloseKey(opened);
    return true;
  }

  std::optional<std::string> Value(const std::string& key, const std::string& name) const override {
    std::string data;
    if (!Read(key, name, REG_SZ, data)) return std::nullopt;
    while (!data.empty() && data.back() == '\0') data.pop_back();
    return data;
  }

  std::vector<std::string> ListValue(const std::string& key, const std::string& name) const override {
    std::string data;
    std::vector<std::string> items;
    if (!Read(key, name, REG_MULTI_SZ, data)) return items;
    for (size_t start = 0; start < data.size();) {
      const size_t end = data.find('\0', start);
      if (end == start) break;  // the list's closing empty string
      items.push_back(data.substr(start, end - start));
      start = end == std::string::npos ? data.size() : end + 1;
    }
    return items;
  }

  bool SetValue(const std::string& key, const std::string& name, const std::string& data) override {
    return Write(key, name, REG_SZ, std::string(data) + '\0');
  }

  bool SetListValue(const std::string& key, const std::string& name,
                    const std::vector<std::string>& items) override {
    std::string data;
    for (const std::string& item : items) data += item + '\0';
    return Write(key, name, REG_MULTI_SZ, data + '\0');
  }

  bool DeleteValue(const std::string& key, const std::string& name) override {
    HKEY opened = nullptr;
    LONG status = RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_SET_VALUE, &opened);
    if (status == ERROR_FILE_NOT_FOUND) return true;
    if (status == ERROR_SUCCESS) {
      status = RegDeleteValueA(opened, name.c_str());
      RegCloseKey(opened);
    }
    return Succeeded(status == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : status);
  }

  bool DeleteEmptyKey(const std::string& key) override {
    const LONG status = RegDeleteKeyA(HKEY_CURRENT_USER, key.c_str());
    return Succeeded(status == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : status);
  }

  bool KeyIsEmpty(const std::string& key) const override {
    HKEY opened = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) return true;
    DWORD subkeys = 0, values = 0;
    const LONG status =
        RegQueryInfoKeyA(opened, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, &values, nullptr, nullptr,
                         nullptr, nullptr);
    RegCloseKey(opened);
    return status == ERROR_SUCCESS && subkeys == 0 && values == 0;
  }

  LONG FirstFailure() const { return firstFailure_; }

 private:
  bool Read(const std::string& key, const std::string& name, DWORD wantedType, std::string& data) const {
    HKEY opened = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS) return false;
    DWORD type = 0, size = 0;
    LONG status = RegQueryValueExA(opened, name.c_str(), nullptr, &type, nullptr, &size);
    if (status == ERROR_SUCCESS && type == wantedType && size <= kMaxValueBytes) {
      data.assign(size, '\0');
      status = RegQueryValueExA(opened, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size);
      data.resize(size);
    } else if (status == ERROR_SUCCESS) {
      status = ERROR_INVALID_DATA;
    }
    RegCloseKey(opened);
    return status == ERROR_SUCCESS;
  }

  bool Write(const std::string& key, const std::string& name, DWORD type, const std::string& data) {
    HKEY opened = nullptr;
    LONG status = RegCreateKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &opened,
                                  nullptr);
    if (status == ERROR_SUCCESS) {
      status = RegSetValueExA(opened, name.c_str(), 0, type, reinterpret_cast<const BYTE*>(data.data()),
                              static_cast<DWORD>(data.size()));
      RegCloseKey(opened);
    }
    return Succeeded(status);
  }

  bool Succeeded(LONG status) {
    if (status != ERROR_SUCCESS && firstFailure_ == ERROR_SUCCESS) firstFailure_ = status;
    return status == ERROR_SUCCESS;
  }

  LONG firstFailure_ = ERROR_SUCCESS;
};

// Link types that a program opens already, for all users or by the user's
// choice in Default apps.
std::vector<std::string> SchemesHandledElsewhere() {
  std::vector<std::string> handled;
  for (const char* scheme : kLinkSchemes) {
    const std::string command = std::string(scheme) + "\\shell\\open\\command";
    const std::string choice =
        std::string("Software\\Microsoft\\Windows\\Shell\\Associations\\UrlAssociations\\") + scheme + "\\UserChoice";
    HKEY opened = nullptr;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, command.c_str(), 0, KEY_READ, &opened) == ERROR_SUCCESS ||
        RegOpenKeyExA(HKEY_CURRENT_USER, choice.c_str(), 0, KEY_READ, &opened) == ERROR_SUCCESS) {
      RegCloseKey(opened);
      handled.push_back(scheme);
    }
  }
  return handled;
}

std::string Reason(LONG status) {
  char text[512] = {};
  FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, static_cast<DWORD>(status), 0,
                 text, sizeof text, nullptr);
  std::string reason = text;
  while (!reason.empty() && (reason.back() == '\n' || reason.back() == '\r' || reason.back() == '.')) {
    reason.pop_back();
  }
  return reason.empty() ? "Windows error " + std::to_string(status) : reason;
}

std::string Listed(const std::vector<std::string>& schemes) {
  std::string listed;
  for (size_t i = 0; i < schemes.size(); ++i) listed += (i ? " and " : "") + schemes[i] + ":";
  return listed;
}

// What /register says: which link types Tonvero opens now, and which it is
// only offered for.
std::string RegisteredMessage(const RegistrationResult& result) {
  std::vector<std::string> elsewhere;
  for (const char* scheme : kLinkSchemes) {
    bool taken = false;
    for (const std::string& own : result.schemesTaken) taken = taken || own == scheme;
    if (!taken) elsewhere.push_back(scheme);
  }
  std::string message = "Tonvero is registered for tel: and callto: links.";
  if (!result.schemesTaken.empty()) message += "\nIt now opens " + Listed(result.schemesTaken) + " links.";
  if (!elsewhere.empty()) {
    message += "\nAnother program opens " + Listed(elsewhere) +
               " links; choose Tonvero for them in Windows' Default apps.";
  }
  return message;
}

bool ProgramAndFolder(std::string& program, std::string& folder) {
  char path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return false;
  program = path;
  const DWORD folderLength = GetCurrentDirectoryA(MAX_PATH, path);
  if (folderLength == 0 || folderLength >= MAX_PATH) return false;
  folder = path;
  return true;
}

}  // namespace

int RunLinkRegistration(StartAction action) {
  CurrentUserRegistry registry;
  std::string message;
  bool ok = false;
  if (action == StartAction::kRegister) {
    std::string program, folder;
    if (!ProgramAndFolder(program, folder)) {
      message = "Tonvero could not register for links: its folder's name is too long.";
    } else {
      const RegistrationResult result = RegisterLinks(registry, program, folder, SchemesHandledElsewhere());
      ok = result.ok;
      message = ok ? RegisteredMessage(result)
                   : "Tonvero could not register for links: " + Reason(registry.FirstFailure()) + ".";
    }
  } else {
    const UnregistrationResult result = UnregisterLinks(registry);
    ok = result.ok || !result.wasRegistered;
    if (!result.wasRegistered) {
      message = "Tonvero was not registered for links; nothing was changed.";
    } else if (ok) {
      message = "Tonvero no longer opens tel: and callto: links; its registration is removed.";
    } else {
      message = "Tonvero could not remove all of its link registration: " + Reason(registry.FirstFailure()) + ".";
    }
  }
  MessageBoxA(nullptr, message.c_str(), "Tonvero", MB_OK | (ok ? MB_ICONINFORMATION : MB_ICONERROR));
  return ok ? 0 : 1;
}

}  // namespace tonvero
