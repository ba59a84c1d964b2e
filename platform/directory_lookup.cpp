#include "platform/directory_lookup.h"

#include <ldap.h>
#include <pthread.h>
#include <signal.h>
#include <sys/time.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <memory>

#include "framework/contract/evaluator.h"
#include "platform/clock.h"
#include "platform/system_library.h"

namespace MacintoshPlatform {
namespace {

// The client library's functions, resolved on the first lookup from the library
// itself, which is opened then and stays loaded for the life of the process: it keeps
// its configuration in process-wide memory that it never frees, and the TLS library
// it loads keeps thread-local state, so neither may be unloaded while the process
// runs, even after the inspector library is.
struct ClientLibrary {
  decltype(&::ldap_get_option) getOption = nullptr;
  decltype(&::ldap_set_option) setOption = nullptr;
  decltype(&::ldap_initialize) initialize = nullptr;
  decltype(&::ldap_unbind_ext_s) unbind = nullptr;
  decltype(&::ldap_search_ext) search = nullptr;
  decltype(&::ldap_result) result = nullptr;
  decltype(&::ldap_parse_result) parseResult = nullptr;
  decltype(&::ldap_first_entry) firstEntry = nullptr;
  decltype(&::ldap_get_dn) distinguishedName = nullptr;
  decltype(&::ldap_msgfree) freeMessage = nullptr;
  decltype(&::ldap_memfree) freeMemory = nullptr;
  bool complete = false;
};

ClientLibrary const& Client() {
  static ClientLibrary const client = [] {
    ClientLibrary functions;
    SystemLibrary library(INSPECTORS_LDAP_LIBRARY);
    functions.complete = library.Resolve(functions.getOption, "ldap_get_option") &&
                         library.Resolve(functions.setOption, "ldap_set_option") &&
                         library.Resolve(functions.initialize, "ldap_initialize") &&
                         library.Resolve(functions.unbind, "ldap_unbind_ext_s") &&
                         library.Resolve(functions.search, "ldap_search_ext") &&
                         library.Resolve(functions.result, "ldap_result") &&
                         library.Resolve(functions.parseResult, "ldap_parse_result") &&
                         library.Resolve(functions.firstEntry, "ldap_first_entry") &&
                         library.Resolve(functions.distinguishedName, "ldap_get_dn") &&
                         library.Resolve(functions.freeMessage, "ldap_msgfree") &&
                         library.Resolve(functions.freeMemory, "ldap_memfree");
    return functions;
  }();
  return client;
}

struct Unbinder {
  void operator()(LDAP* ld) const noexcept { Client().unbind(ld, nullptr, nullptr); }
};
struct MessageFreer {
  void operator()(LDAPMessage* message) const noexcept { Client().freeMessage(message); }
};
struct MemoryFreer {
  void operator()(char* text) const noexcept { Client().freeMemory(text); }
};
using Connection = std::unique_ptr<LDAP, Unbinder>;
using Message = std::unique_ptr<LDAPMessage, MessageFreer>;
using Text = std::unique_ptr<char, MemoryFreer>;

timeval AsTimeval(std::uint64_t microseconds) noexcept {
  return timeval{static_cast<time_t>(microseconds / 1'000'000),
                 static_cast<suseconds_t>(microseconds % 1'000'000)};
}

// A text option of the client configuration, empty when unset.
std::string ConfiguredText(int option) {
  char* raw = nullptr;
  if (Client().getOption(nullptr, option, &raw) != LDAP_OPT_SUCCESS) return {};
  Text const text(raw);
  return text ? std::string(text.get()) : std::string();
}

// Waits for the whole answer to `id`, calling the interruption check between
// short waits; null when the search failed or ran out of time.
Message AwaitAnswer(LDAP* ld, int id) {
  std::uint64_t const start = Microseconds();
  for (;;) {
    timeval wait = AsTimeval(kPollIntervalMicroseconds);
    LDAPMessage* raw = nullptr;
    int const kind = Client().result(ld, id, LDAP_MSG_ALL, &wait, &raw);
    Message answer(raw);
    if (kind > 0) return answer;
    if (kind < 0) return nullptr;
    Check_For_Inspector_Interruption();
    if (Microseconds() - start >= kSearchTimeoutMicroseconds) return nullptr;
  }
}

// While it lives, a write to a connection the server has closed fails with EPIPE on
// this thread instead of raising SIGPIPE, which would end the evaluator's process.
// A SIGPIPE raised meanwhile is taken off the thread before the old mask returns.
class SigpipeBlock {
 public:
  SigpipeBlock() noexcept {
    sigemptyset(&pipe_);
    sigaddset(&pipe_, SIGPIPE);
    sigset_t pending;
    sigemptyset(&pending);
    sigpending(&pending);
    wasPending_ = sigismember(&pending, SIGPIPE) == 1;
    blocked_ = pthread_sigmask(SIG_BLOCK, &pipe_, &old_) == 0;
  }
  ~SigpipeBlock() {
    if (!blocked_) return;
    sigset_t pending;
    sigemptyset(&pending);
    sigpending(&pending);
    if (!wasPending_ && sigismember(&pending, SIGPIPE) == 1) {
      timespec const none{0, 0};
      while (sigtimedwait(&pipe_, nullptr, &none) == -1 && errno == EINTR) {
      }
    }
    pthread_sigmask(SIG_SETMASK, &old_, nullptr);
  }
  SigpipeBlock(SigpipeBlock const&) = delete;
  SigpipeBlock& operator=(SigpipeBlock const&) = delete;

 private:
  sigset_t pipe_{};
  sigset_t old_{};
  bool wasPending_ = false;
  bool blocked_ = false;
};

DirectoryAnswer Failure(DirectoryStep step) { return DirectoryAnswer{step, {}}; }

}  // namespace

std::string LocalMachineName() {
  char name[HOST_NAME_MAX + 1] = {};
  if (::gethostname(name, sizeof name - 1) != 0) return {};
  std::string text(name);
  return text.substr(0, text.find('.'));
}

std::string EscapeFilterValue(std::string const& value) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string escaped;
  escaped.reserve(value.size());
  for (char const c : value) {
    if (c == '*' || c == '(' || c == ')' || c == '\\' || c == '\0') {
      auto const byte = static_cast<unsigned char>(c);
      escaped += '\\';
      escaped += kHex[byte >> 4];
      escaped += kHex[byte & 0xf];
    } else {
      escaped += c;
    }
  }
  return escaped;
}

DirectoryAnswer GetLocalComputerDistinguishedName() {
  std::string const machine = LocalMachineName();
  if (machine.empty()) return Failure(DirectoryStep::kMachineName);
  // Without its client library, no directory service can be opened.
  ClientLibrary const& client = Client();
  if (!client.complete) return Failure(DirectoryStep::kOpenService);

  // The client library always has a URI (ldap://localhost by default); a directory
  // is configured when there is a search base as well.
  std::string const uri = ConfiguredText(LDAP_OPT_URI);
  std::string const base = ConfiguredText(LDAP_OPT_DEFBASE);
  if (uri.empty() || base.empty()) return Failure(DirectoryStep::kOpenService);
  SigpipeBlock const noSigpipe;
  LDAP* raw = nullptr;
  if (client.initialize(&raw, uri.c_str()) != LDAP_SUCCESS || raw == nullptr) {
    return Failure(DirectoryStep::kOpenService);
  }
  Connection const ld(raw);
  int const version = LDAP_VERSION3;
  timeval const connectTimeout = AsTimeval(kConnectTimeoutMicroseconds);
  // A switch option is on for any value but LDAP_OPT_OFF (null); LDAP_OPT_ON is the
  // address of a variable of the encoding library, which is not linked here.
  static int const kSwitchOn = 1;
  if (client.setOption(ld.get(), LDAP_OPT_PROTOCOL_VERSION, &version) != LDAP_OPT_SUCCESS ||
      client.setOption(ld.get(), LDAP_OPT_NETWORK_TIMEOUT, &connectTimeout) != LDAP_OPT_SUCCESS ||
      client.setOption(ld.get(), LDAP_OPT_REFERRALS, LDAP_OPT_OFF) != LDAP_OPT_SUCCESS ||
      client.setOption(ld.get(), LDAP_OPT_CONNECT_ASYNC, &kSwitchOn) != LDAP_OPT_SUCCESS) {
    return Failure(DirectoryStep::kOpenService);
  }

  std::string const filter = "(&(|(objectClass=computer)(objectClass=device))(cn=" +
                             EscapeFilterValue(machine) + "))";
  char noAttributes[] = LDAP_NO_ATTRS;
  char* attributes[] = {noAttributes, nullptr};
  timeval searchTimeout = AsTimeval(kSearchTimeoutMicroseconds);
  int id = 0;
  if (client.search(ld.get(), base.c_str(), LDAP_SCOPE_SUBTREE, filter.c_str(), attributes, 0,
                    nullptr, nullptr, &searchTimeout, 1, &id) != LDAP_SUCCESS) {
    return Failure(DirectoryStep::kRecordList);
  }
  Message const answer = AwaitAnswer(ld.get(), id);
  if (!answer) return Failure(DirectoryStep::kRecordList);
  int code = LDAP_OTHER;
  if (client.parseResult(ld.get(), answer.get(), &code, nullptr, nullptr, nullptr, nullptr, 0) !=
          LDAP_SUCCESS ||
      (code != LDAP_SUCCESS && code != LDAP_SIZELIMIT_EXCEEDED && code != LDAP_NO_SUCH_OBJECT)) {
    return Failure(DirectoryStep::kRecordList);
  }
  LDAPMessage* const entry = client.firstEntry(ld.get(), answer.get());
  if (entry == nullptr) return Failure(DirectoryStep::kRecordEntry);
  Text const name(client.distinguishedName(ld.get(), entry));
  if (!name) return Failure(DirectoryStep::kAttributeValue);
  if (*name == '\0') return Failure(DirectoryStep::kAttributeValueData);
  return DirectoryAnswer{DirectoryStep::kNone, std::string(name.get())};
}

}  // namespace MacintoshPlatform
