#include "platform/directory_lookup.h"

#include <dlfcn.h>
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

namespace MacintoshPlatform {
namespace {

struct Unbinder {
  void operator()(LDAP* ld) const noexcept { ldap_unbind_ext_s(ld, nullptr, nullptr); }
};
struct MessageFreer {
  void operator()(LDAPMessage* message) const noexcept { ldap_msgfree(message); }
};
struct MemoryFreer {
  void operator()(char* text) const noexcept { ldap_memfree(text); }
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
  if (ldap_get_option(nullptr, option, &raw) != LDAP_OPT_SUCCESS) return {};
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
    int const kind = ldap_result(ld, id, LDAP_MSG_ALL, &wait, &raw);
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

// The client library keeps its configuration in process-wide memory that it never
// frees, and the TLS library it loads keeps thread-local state. Both stay loaded for
// the life of the process from the moment this library is loaded, whether or not a
// lookup is made, so that this memory stays reachable and no thread's dynamic TLS
// points into an unloaded object after the inspector library itself is unloaded.
bool KeepClientLibraryLoaded() noexcept {
  Dl_info info{};
  if (dladdr(reinterpret_cast<void*>(&ldap_initialize), &info) == 0 || info.dli_fname == nullptr) {
    return false;
  }
  return dlopen(info.dli_fname, RTLD_NOW | RTLD_NOLOAD | RTLD_NODELETE) != nullptr;
}

[[maybe_unused]] bool const kClientLibraryKept = KeepClientLibraryLoaded();

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

  // The client library always has a URI (ldap://localhost by default); a directory
  // is configured when there is a search base as well.
  std::string const uri = ConfiguredText(LDAP_OPT_URI);
  std::string const base = ConfiguredText(LDAP_OPT_DEFBASE);
  if (uri.empty() || base.empty()) return Failure(DirectoryStep::kOpenService);
  SigpipeBlock const noSigpipe;
  LDAP* raw = nullptr;
  if (ldap_initialize(&raw, uri.c_str()) != LDAP_SUCCESS || raw == nullptr) {
    return Failure(DirectoryStep::kOpenService);
  }
  Connection const ld(raw);
  int const version = LDAP_VERSION3;
  timeval const connectTimeout = AsTimeval(kConnectTimeoutMicroseconds);
  if (ldap_set_option(ld.get(), LDAP_OPT_PROTOCOL_VERSION, &version) != LDAP_OPT_SUCCESS ||
      ldap_set_option(ld.get(), LDAP_OPT_NETWORK_TIMEOUT, &connectTimeout) != LDAP_OPT_SUCCESS ||
      ldap_set_option(ld.get(), LDAP_OPT_REFERRALS, LDAP_OPT_OFF) != LDAP_OPT_SUCCESS ||
      ldap_set_option(ld.get(), LDAP_OPT_CONNECT_ASYNC, LDAP_OPT_ON) != LDAP_OPT_SUCCESS) {
    return Failure(DirectoryStep::kOpenService);
  }

  std::string const filter = "(&(|(objectClass=computer)(objectClass=device))(cn=" +
                             EscapeFilterValue(machine) + "))";
  char noAttributes[] = LDAP_NO_ATTRS;
  char* attributes[] = {noAttributes, nullptr};
  timeval searchTimeout = AsTimeval(kSearchTimeoutMicroseconds);
  int id = 0;
  if (ldap_search_ext(ld.get(), base.c_str(), LDAP_SCOPE_SUBTREE, filter.c_str(), attributes, 0,
                      nullptr, nullptr, &searchTimeout, 1, &id) != LDAP_SUCCESS) {
    return Failure(DirectoryStep::kRecordList);
  }
  Message const answer = AwaitAnswer(ld.get(), id);
  if (!answer) return Failure(DirectoryStep::kRecordList);
  int code = LDAP_OTHER;
  if (ldap_parse_result(ld.get(), answer.get(), &code, nullptr, nullptr, nullptr, nullptr, 0) !=
          LDAP_SUCCESS ||
      (code != LDAP_SUCCESS && code != LDAP_SIZELIMIT_EXCEEDED && code != LDAP_NO_SUCH_OBJECT)) {
    return Failure(DirectoryStep::kRecordList);
  }
  LDAPMessage* const entry = ldap_first_entry(ld.get(), answer.get());
  if (entry == nullptr) return Failure(DirectoryStep::kRecordEntry);
  Text const name(ldap_get_dn(ld.get(), entry));
  if (!name) return Failure(DirectoryStep::kAttributeValue);
  if (*name == '\0') return Failure(DirectoryStep::kAttributeValueData);
  return DirectoryAnswer{DirectoryStep::kNone, std::string(name.get())};
}

}  // namespace MacintoshPlatform
