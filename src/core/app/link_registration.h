#pragma once
// Tonvero as the current user's handler for tel: and callto: links, written
// into and taken out of the user's part of the registry. What a
// registration writes is recorded beside it, so that taking it out removes
// exactly that: keys it created, values it added to keys that were there,
// and a link type's handler only while it still is Tonvero.
#include <optional>
#include <string>
#include <vector>

namespace tonvero {

// The user's registry as the registration sees it. Key paths are relative
// to the user's root ("Software\\Classes\\tel"); a value name "" is the
// key's default value.
class UserRegistry {
 public:
  virtual ~UserRegistry() = default;
  virtual bool KeyExists(const std::string& key) const = 0;
  virtual std::optional<std::string> Value(const std::string& key, const std::string& name) const = 0;
  virtual std::vector<std::string> ListValue(const std::string& key, const std::string& name) const = 0;
  // These create the key and the keys above it as needed.
  virtual bool SetValue(const std::string& key, const std::string& name, const std::string& data) = 0;
  virtual bool SetListValue(const std::string& key, const std::string& name,
                            const std::vector<std::string>& items) = 0;
  // Deleting what is not there succeeds.
  virtual bool DeleteValue(const std::string& key, const std::string& name) = 0;
  virtual bool DeleteEmptyKey(const std::string& key) = 0;
  virtual bool KeyIsEmpty(const std::string& key) const = 0;
};

extern const char* const kLinkSchemes[2];  // "tel", "callto"

// The command Windows runs for a link: the program, the folder whose files
// it keeps (a link may come from a program started anywhere) and the link.
std::string LinkOpenCommand(const std::string& program, const std::string& folder);

// One argument as the C runtime reads it back: quoted, with backslashes
// before a quote doubled.
std::string QuoteArgument(const std::string& argument);

struct RegistrationResult {
  bool ok = false;
  std::vector<std::string> schemesTaken;  // link types Tonvero now opens itself
};

// Registers the program for both link types. A type that another program
// opens already (`handledElsewhere`, or a user key of its own) keeps its
// handler: Tonvero is then only offered among the choices. Registering
// again refreshes the entries and keeps the record of what the first
// registration created.
RegistrationResult RegisterLinks(UserRegistry& registry, const std::string& program, const std::string& folder,
                                 const std::vector<std::string>& handledElsewhere);

// Takes out what RegisterLinks wrote: the values it wrote (a link type's
// only while that type's command still is Tonvero's), then the keys it
// created, where nothing else has been put in them since.
struct UnregistrationResult {
  bool wasRegistered = false;
  bool ok = false;
};
UnregistrationResult UnregisterLinks(UserRegistry& registry);

// What the program was started to do.
enum class StartAction { kRun, kRegister, kUnregister };
struct StartRequest {
  StartAction action = StartAction::kRun;
  std::string folder;    // "/in FOLDER": the folder to work in; empty for the current one
  std::string argument;  // a link or a database path; empty for none
};
StartRequest ReadStartArguments(const std::vector<std::string>& arguments);

}  // namespace tonvero
