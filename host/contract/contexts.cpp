#include "host/contract/contexts.h"

#include <fcntl.h>
#include <openssl/evp.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <memory>
#include <string>
#include <system_error>

InspectorContext::~InspectorContext() = default;
CryptoInspectorContext::~CryptoInspectorContext() = default;
InspectorFipsContext::~InspectorFipsContext() = default;
CertificateInspectorContext::~CertificateInspectorContext() = default;

namespace evaluator {

namespace {

struct FileCloser {
  int fd;
  ~FileCloser() { ::close(fd); }
};

struct DigestContextDeleter {
  void operator()(EVP_MD_CTX* context) const noexcept { EVP_MD_CTX_free(context); }
};

[[noreturn]] void ThrowErrno(char const* what, char const* path) {
  throw std::system_error(errno, std::generic_category(), std::string(what) + " " + path);
}

// The context that Get_Generic_Inspector_Context() reports instead of the process
// one while a ContextScope is active.
InspectorContext* overrideContext = nullptr;
bool overrideSet = false;

}  // namespace

void HostContext::SHA1DigestOfFile(char const* path, DigestRecord& digest) {
  if (path == nullptr) path = "";
  // Neither opening nor reading may wait: a pipe without a writer, or a device, would
  // hold the query forever. Only plain files are read.
  int const fd = ::open(path, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) ThrowErrno("cannot open", path);
  FileCloser closer{fd};
  struct stat status {};
  if (::fstat(fd, &status) != 0) ThrowErrno("cannot read", path);
  if (!S_ISREG(status.st_mode)) {
    errno = S_ISDIR(status.st_mode) ? EISDIR : EINVAL;
    ThrowErrno("not a plain file:", path);
  }

  std::unique_ptr<EVP_MD_CTX, DigestContextDeleter> context(EVP_MD_CTX_new());
  if (!context || EVP_DigestInit_ex(context.get(), EVP_sha1(), nullptr) != 1) {
    throw std::runtime_error("SHA-1 digest unavailable");
  }
  unsigned char buffer[64 * 1024];
  for (;;) {
    ssize_t const n = ::read(fd, buffer, sizeof buffer);
    if (n < 0) {
      if (errno == EINTR) continue;
      ThrowErrno("cannot read", path);
    }
    if (n == 0) break;
    EVP_DigestUpdate(context.get(), buffer, static_cast<std::size_t>(n));
  }
  unsigned char hash[EVP_MAX_MD_SIZE];
  unsigned int hashLength = 0;
  if (EVP_DigestFinal_ex(context.get(), hash, &hashLength) != 1 || hashLength != 20) {
    throw std::runtime_error("SHA-1 digest failed");
  }
  static constexpr char kHex[] = "0123456789abcdef";
  digest = DigestRecord{};
  for (unsigned int i = 0; i < hashLength; ++i) {
    digest.text[2 * i] = kHex[hash[i] >> 4];
    digest.text[2 * i + 1] = kHex[hash[i] & 0xf];
  }
  digest.length = 2 * hashLength;
}

void HostContext::GetFipsStatus(FipsStatus& status) {
  bool const enabled = EVP_default_properties_is_fips_enabled(nullptr) != 0;
  status.currentMode = enabled;
  status.desiredMode = enabled;
  status.failureMessage.clear();
}

HostContext& ProcessContext() {
  static HostContext context;
  return context;
}

ContextScope::ContextScope(InspectorContext* context) noexcept
    : outer_(overrideContext), outerSet_(overrideSet) {
  overrideContext = context;
  overrideSet = true;
}

ContextScope::~ContextScope() {
  overrideContext = outer_;
  overrideSet = outerSet_;
}

}  // namespace evaluator

InspectorContext* Get_Generic_Inspector_Context() {
  if (evaluator::overrideSet) return evaluator::overrideContext;
  return &evaluator::ProcessContext();
}
