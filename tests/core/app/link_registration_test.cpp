#include "core/app/link_registration.h"

#include <gtest/gtest.h>

#include <map>

namespace tonvero {
namespace {

// A registry in memory: each key with its values (lists joined by '\n').
class FakeRegistry : public UserRegistry {
 public:
  std::map<std::string, std::map<std::string, std::string>> keys;

  bool KeyExists(const std::string& key) const override { return keys.count(key) != 0; }
  std::optional<std::string> Value(const std::string& key, const std::string& name) const override {
    const auto found = keys.find(key);
    if (found == keys.end() || !found->second.count(name)) return std::nullopt;
    return found->second.at(name);
  }
  std::vector<std::string> ListValue(const std::string& key, const std::string& name) const override {
    std::vector<std::string> items;
    const std::optional<std::string> value = Value(key, name);
    for (size_t start = 0; value && start < value->size();) {
      const size_t end = value->find('\n', start);
      items.push_back(value->substr(start, end - start));
      start = end == std::string::npos ? value->size() : end + 1;
    }
    return items;
  }
  bool SetValue(const std::string& key, const std::string& name, const std::string& data) override {
    for (size_t end = key.find('\\'); end != std::string::npos; end = key.find('\\', end + 1)) {
      keys[key.substr(0, end)];
    }
    keys[key][name] = data;
    return true;
  }
  bool SetListValue(const std::string& key, const std::string& name, const std::vector<std::string>& items) override {
    std::string joined;
    for (const std::string& item : items) joined += (joined.empty() ? "" : "\n") + item;
    return SetValue(key, name, joined);
  }
  bool DeleteValue(const std::string& key, const std::string& name) override {
    if (keys.count(key)) keys[key].erase(name);
    return true;
  }
  bool DeleteEmptyKey(const std::string& key) override {
    if (!KeyIsEmpty(key)) return false;
    keys.erase(key);
    return true;
  }
  bool KeyIsEmpty(const std::string& key) const override {
    const auto found = keys.find(key);
    if (found == keys.end()) return true;
    if (!found->second.empty()) return false;
    for (const auto& [other, values] : keys) {
      if (other.rfind(key + "\\", 0) == 0) return false;
    }
    return true;
  }
};

const std::string kProgram = "C:\\Tools\\Tonvero\\tonvero.exe";
const std::string kFolder = "C:\\Users\\Ann\\Phone";
const std::string kCommand = "\"C:\\Tools\\Tonvero\\tonvero.exe\" /in \"C:\\Users\\Ann\\Phone\" \"%1\"";

// A user's registry as it may stand before Tonvero is registered.
FakeRegistry Machine(const std::string& kind) {
  FakeRegistry registry;
  registry.keys["Software"];
  if (kind == "fresh") return registry;
  registry.keys["Software\\Classes"];
  registry.keys["Software\\RegisteredApplications"]["Mail"] = "Software\\Mail\\Capabilities";
  if (kind == "tel taken by the user") registry.SetValue("Software\\Classes\\tel\\shell\\open\\command", "", "skype %1");
  return registry;
}

struct Case {
  std::string machine;
  std::vector<std::string> handledElsewhere, expectedTaken;
};

// Registering takes each link type no program handles, lists Tonvero
// among the choices for both, and unregistering gives back the registry
// exactly as it was, whatever stood there before.
TEST(LinkRegistration, UnregisteringRestoresTheRegistry) {
  const Case cases[] = {
      {"fresh", {}, {"tel", "callto"}},
      {"used", {}, {"tel", "callto"}},
      {"used", {"callto"}, {"tel"}},
      {"tel taken by the user", {}, {"callto"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.machine + ", handled elsewhere: " + std::to_string(c.handledElsewhere.size()));
    FakeRegistry registry = Machine(c.machine);
    const FakeRegistry before = registry;
    const RegistrationResult registered = RegisterLinks(registry, kProgram, kFolder, c.handledElsewhere);
    EXPECT_TRUE(registered.ok);
    EXPECT_EQ(c.expectedTaken, registered.schemesTaken);
    EXPECT_EQ(kCommand, registry.Value("Software\\Classes\\Tonvero.Link\\shell\\open\\command", ""));
    EXPECT_EQ("Tonvero.Link", registry.Value("Software\\Tonvero\\Capabilities\\URLAssociations", "callto"));
    for (const std::string& scheme : c.expectedTaken) {
      EXPECT_EQ(kCommand, registry.Value("Software\\Classes\\" + scheme + "\\shell\\open\\command", "")) << scheme;
    }
    if (c.machine == "tel taken by the user") {
      EXPECT_EQ("skype %1", registry.Value("Software\\Classes\\tel\\shell\\open\\command", ""));
    }
    // Registering again changes nothing that unregistering then misses.
    EXPECT_TRUE(RegisterLinks(registry, kProgram, kFolder, c.handledElsewhere).ok);
    const UnregistrationResult unregistered = UnregisterLinks(registry);
    EXPECT_TRUE(unregistered.wasRegistered);
    EXPECT_TRUE(unregistered.ok);
    EXPECT_EQ(before.keys, registry.keys);
  }
}

// What others put beside Tonvero's entries after it registered stays:
// a handler that another program took over keeps all its values, and a key
// Tonvero created keeps what another program put in it.
TEST(LinkRegistration, UnregisteringLeavesWhatOthersWroteSince) {
  FakeRegistry registry = Machine("fresh");
  RegisterLinks(registry, kProgram, kFolder, {});
  registry.SetValue("Software\\Classes\\tel\\shell\\open\\command", "", "softphone %1");
  registry.SetValue("Software\\Classes\\Other.File", "", "other");
  registry.SetValue("Software\\RegisteredApplications", "Softphone", "Software\\Softphone\\Capabilities");
  EXPECT_TRUE(UnregisterLinks(registry).ok);

  EXPECT_EQ("softphone %1", registry.Value("Software\\Classes\\tel\\shell\\open\\command", ""));
  EXPECT_EQ("", registry.Value("Software\\Classes\\tel", "URL Protocol"));
  EXPECT_EQ("other", registry.Value("Software\\Classes\\Other.File", ""));
  EXPECT_FALSE(registry.KeyExists("Software\\Classes\\callto"));
  EXPECT_FALSE(registry.KeyExists("Software\\Classes\\Tonvero.Link"));
  EXPECT_FALSE(registry.KeyExists("Software\\Tonvero"));
  EXPECT_FALSE(registry.Value("Software\\RegisteredApplications", "Tonvero"));

  const UnregistrationResult again = UnregisterLinks(registry);
  EXPECT_FALSE(again.wasRegistered);
}

// A registration from another folder or program moves the link types it
// took along with it.
TEST(LinkRegistration, RegisteringAgainFromElsewhereKeepsTheTypesTaken) {
  FakeRegistry registry = Machine("used");
  RegisterLinks(registry, kProgram, kFolder, {});
  const RegistrationResult moved = RegisterLinks(registry, "D:\\tonvero.exe", "D:\\", {});
  EXPECT_EQ((std::vector<std::string>{"tel", "callto"}), moved.schemesTaken);
  EXPECT_EQ("\"D:\\tonvero.exe\" /in \"D:\\\\\" \"%1\"", registry.Value("Software\\Classes\\tel\\shell\\open\\command", ""));
}

// Arguments are quoted so that the C runtime reads them back as written.
TEST(LinkRegistration, QuotedArgumentsReadBackAsWritten) {
  const std::pair<std::string, std::string> cases[] = {
      {"C:\\Program Files\\Tonvero", "\"C:\\Program Files\\Tonvero\""},
      {"C:\\", "\"C:\\\\\""},
      {"\\\\server\\share\\", "\"\\\\server\\share\\\\\""},
      {"say \"hi\"", "\"say \\\"hi\\\"\""},
      {"a\\\"b", "\"a\\\\\\\"b\""},
      {"", "\"\""},
  };
  for (const auto& [argument, quoted] : cases) EXPECT_EQ(quoted, QuoteArgument(argument)) << argument;
}

TEST(StartArguments, ActionFolderAndArgument) {
  struct StartCase {
    std::vector<std::string> arguments;
    StartAction action;
    std::string folder, argument;
  };
  const StartCase cases[] = {
      {{}, StartAction::kRun, "", ""},
      {{"Work.rbd"}, StartAction::kRun, "", "Work.rbd"},
      {{"/Register"}, StartAction::kRegister, "", ""},
      {{"/UNREGISTER"}, StartAction::kUnregister, "", ""},
      {{"/register", "x"}, StartAction::kRun, "", "/register"},
      {{"/in", "C:\\Phone", "tel:555"}, StartAction::kRun, "C:\\Phone", "tel:555"},
      {{"/IN", "C:\\Phone"}, StartAction::kRun, "C:\\Phone", ""},
      {{"/in"}, StartAction::kRun, "", "/in"},
  };
  for (const StartCase& c : cases) {
    const StartRequest request = ReadStartArguments(c.arguments);
    const std::string shown = c.arguments.empty() ? "(none)" : c.arguments[0];
    EXPECT_EQ(c.action, request.action) << shown;
    EXPECT_EQ(c.folder, request.folder) << shown;
    EXPECT_EQ(c.argument, request.argument) << shown;
  }
}

}  // namespace
}  // namespace tonvero
