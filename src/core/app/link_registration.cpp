#include "core/app/link_registration.h"

#include <algorithm>
#include <set>

#include "core/common/text.h"

namespace tonvero {

const char* const kLinkSchemes[2] = {"tel", "callto"};

namespace {

const std::string kProgId = "Tonvero.Link";
const std::string kProgIdKey = "Software\\Classes\\" + kProgId;
const std::string kOwnKey = "Software\\Tonvero";
const std::string kCapabilitiesKey = kOwnKey + "\\Capabilities";
const std::string kRegisteredApplicationsKey = "Software\\RegisteredApplications";
const std::string kRecordName = "Link registration";
const std::string kOpenCommand = "\\shell\\open\\command";

struct Entry {
  std::string key, name, data;
};

std::string SchemeKey(const std::string& scheme) { return "Software\\Classes\\" + scheme; }

// What a registration writes: the link type's ProgID, the capabilities that
// list Tonvero among the programs for a link type, and the handler of each
// type taken.
std::vector<Entry> RegistrationEntries(const std::string& program, const std::string& folder,
                                       const std::vector<std::string>& schemesTaken) {
  const std::string command = LinkOpenCommand(program, folder);
  const std::string icon = program + ",0";
  std::vector<Entry> entries = {
      {kProgIdKey, "", "Tonvero telephone link"},
      {kProgIdKey + "\\DefaultIcon", "", icon},
      {kProgIdKey + kOpenCommand, "", command},
      {kCapabilitiesKey, "ApplicationName", "Tonvero"},
      {kCapabilitiesKey, "ApplicationDescription", "Dials telephone numbers with touch-tones or a modem."},
      {kRegisteredApplicationsKey, "Tonvero", kCapabilitiesKey},
  };
  for (const char* scheme : kLinkSchemes) entries.push_back({kCapabilitiesKey + "\\URLAssociations", scheme, kProgId});
  for (const std::string& scheme : schemesTaken) {
    entries.push_back({SchemeKey(scheme), "", "URL:" + scheme + " link"});
    entries.push_back({SchemeKey(scheme), "URL Protocol", ""});
    entries.push_back({SchemeKey(scheme) + "\\DefaultIcon", "", icon});
    entries.push_back({SchemeKey(scheme) + kOpenCommand, "", command});
  }
  return entries;
}

bool StartsWith(const std::string& text, const std::string& prefix) { return text.rfind(prefix, 0) == 0; }

// The record names each value written ("value:KEY|NAME") and each key
// created ("key:KEY").
const std::string kValueMark = "value:";
const std::string kKeyMark = "key:";

std::string ValueRecord(const Entry& entry) { return kValueMark + entry.key + "|" + entry.name; }

// The keys of `key` and above it that are not there yet.
void AddMissingKeys(const UserRegistry& registry, const std::string& key, std::vector<std::string>& record) {
  for (size_t end = key.find('\\'); ; end = key.find('\\', end + 1)) {
    const std::string prefix = key.substr(0, end);
    const std::string mark = kKeyMark + prefix;
    if (!registry.KeyExists(prefix) && std::find(record.begin(), record.end(), mark) == record.end()) {
      record.push_back(mark);
    }
    if (end == std::string::npos) break;
  }
}

void AddOnce(std::vector<std::string>& record, const std::string& item) {
  if (std::find(record.begin(), record.end(), item) == record.end()) record.push_back(item);
}

// The link type whose handler key holds `key`, if any.
std::string SchemeOfKey(const std::string& key) {
  for (const char* scheme : kLinkSchemes) {
    const std::string schemeKey = SchemeKey(scheme);
    if (key == schemeKey || StartsWith(key, schemeKey + "\\")) return scheme;
  }
  return "";
}

bool IsOption(const std::string& argument, const char* option) { return UpperAscii(argument) == option; }

size_t Depth(const std::string& key) { return std::count(key.begin(), key.end(), '\\'); }

}  // namespace

std::string QuoteArgument(const std::string& argument) {
  std::string quoted = "\"";
  size_t backslashes = 0;
  for (char c : argument) {
    if (c == '\\') {
      ++backslashes;
      continue;
    }
    quoted.append(c == '"' ? 2 * backslashes + 1 : backslashes, '\\');
    quoted += c;
    backslashes = 0;
  }
  quoted.append(2 * backslashes, '\\');
  return quoted + "\"";
}

std::string LinkOpenCommand(const std::string& program, const std::string& folder) {
  return QuoteArgument(program) + " /in " + QuoteArgument(folder) + " \"%1\"";
}

RegistrationResult RegisterLinks(UserRegistry& registry, const std::string& program, const std::string& folder,
                                 const std::vector<std::string>& handledElsewhere) {
  RegistrationResult result;
  std::vector<std::string> record = registry.ListValue(kOwnKey, kRecordName);
  for (const char* scheme : kLinkSchemes) {
    const bool taken = std::find(handledElsewhere.begin(), handledElsewhere.end(), scheme) == handledElsewhere.end() &&
                       !registry.KeyExists(SchemeKey(scheme));
    // A type this program took before stays taken while its command is ours.
    const bool ours = registry.Value(SchemeKey(scheme) + kOpenCommand, "") ==
                      registry.Value(kProgIdKey + kOpenCommand, "") &&
                      std::find(record.begin(), record.end(), kKeyMark + SchemeKey(scheme)) != record.end();
    if (taken || ours) result.schemesTaken.push_back(scheme);
  }
  const std::vector<Entry> entries = RegistrationEntries(program, folder, result.schemesTaken);
  for (const Entry& entry : entries) {
    AddMissingKeys(registry, entry.key, record);
    AddOnce(record, ValueRecord(entry));
  }
  // The record goes first, so that a registration cut short can still be
  // taken out.
  result.ok = registry.SetListValue(kOwnKey, kRecordName, record);
  for (const Entry& entry : entries) result.ok = result.ok && registry.SetValue(entry.key, entry.name, entry.data);
  return result;
}

UnregistrationResult UnregisterLinks(UserRegistry& registry) {
  UnregistrationResult result;
  const std::vector<std::string> record = registry.ListValue(kOwnKey, kRecordName);
  result.wasRegistered = !record.empty();
  if (!result.wasRegistered) return result;
  const std::optional<std::string> ourCommand = registry.Value(kProgIdKey + kOpenCommand, "");
  std::set<std::string> schemesNotOurs;
  for (const char* scheme : kLinkSchemes) {
    if (registry.Value(SchemeKey(scheme) + kOpenCommand, "") != ourCommand) schemesNotOurs.insert(scheme);
  }
  result.ok = true;
  std::vector<std::string> createdKeys;
  for (const std::string& item : record) {
    if (StartsWith(item, kKeyMark)) {
      createdKeys.push_back(item.substr(kKeyMark.size()));
    } else if (StartsWith(item, kValueMark)) {
      const std::string written = item.substr(kValueMark.size());
      const size_t bar = written.rfind('|');
      if (bar == std::string::npos) continue;
      const std::string key = written.substr(0, bar);
      if (schemesNotOurs.count(SchemeOfKey(key))) continue;
      result.ok = registry.DeleteValue(key, written.substr(bar + 1)) && result.ok;
    }
  }
  result.ok = registry.DeleteValue(kOwnKey, kRecordName) && result.ok;
  std::stable_sort(createdKeys.begin(), createdKeys.end(),
                   [](const std::string& a, const std::string& b) { return Depth(a) > Depth(b); });
  for (const std::string& key : createdKeys) {
    if (registry.KeyExists(key) && registry.KeyIsEmpty(key)) result.ok = registry.DeleteEmptyKey(key) && result.ok;
  }
  return result;
}

StartRequest ReadStartArguments(const std::vector<std::string>& arguments) {
  StartRequest request;
  size_t next = 0;
  if (arguments.size() == 1 && IsOption(arguments[0], "/REGISTER")) {
    request.action = StartAction::kRegister;
    return request;
  }
  if (arguments.size() == 1 && IsOption(arguments[0], "/UNREGISTER")) {
    request.action = StartAction::kUnregister;
    return request;
  }
  if (arguments.size() >= 2 && IsOption(arguments[0], "/IN")) {
    request.folder = arguments[1];
    next = 2;
  }
  if (next < arguments.size()) request.argument = arguments[next];
  return request;
}

}  // namespace tonvero
