#include "host/contract/contexts.h"

#include "host/contract/crypto_library.h"
#include "host/contract/interruption.h"

#include <fcntl.h>
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
  void operator()(EVP_MD_CTX* context) const noexcept { Crypto().EVP_MD_CTX_free(context); }
};

[[noreturn]] void ThrowErrno(char const* what, char const* path) {
  throw std::system_error(errno, std::generic_category(), std::string(what) + " " + path);
}

// The context that Get_Generic_Inspector_Context() reports instead of the process
// one while a ContextScope is active.
InspectorContext* overrideContext = nullptr;
bool overrideSet = false;

// /proc/sys/crypto/fips_enabled reads "1" on a kernel booted in FIPS mode; a kernel
// without the file is not.
bool KernelFipsFlag() noexcept {
  int const fd = ::open("/proc/sys/crypto/fips_enabled", O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  char flag = '0';
  ssize_t const n = ::read(fd, &flag, 1);
  ::close(fd);
  return n == 1 && flag == '1';
}

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

  CryptoLibrary const& crypto = Crypto();
  if (!crypto.Loaded()) {
    throw std::runtime_error(
        "SHA-1 digest unavailable: the cryptographic library cannot be loaded (" + crypto.error +
        ")");
  }
  std::unique_ptr<EVP_MD_CTX, DigestContextDeleter> context(crypto.EVP_MD_CTX_new());
  if (!context || crypto.EVP_DigestInit_ex(context.get(), crypto.EVP_sha1(), nullptr) != 1) {
    throw std::runtime_error("SHA-1 digest unavailable");
  }
  // The file is read in chunks, whatever its length, and the query running may be
  // stopped between them.
  unsigned char buffer[64 * 1024];
  for (;;) {
    CheckInterruption();
    ssize_t const n = ::read(fd, buffer, sizeof buffer);
    if (n < 0) {
      if (errno == EINTR) continue;
      ThrowErrno("cannot read", path);
    }
    if (n == 0) break;
    crypto.EVP_DigestUpdate(context.get(), buffer, static_cast<std::size_t>(n));
  }
  unsigned char hash[EVP_MAX_MD_SIZE];
  unsigned int hashLength = 0;
  if (crypto.EVP_DigestFinal_ex(context.get(), hash, &hashLength) != 1 || hashLength != 20) {
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

// The machine asks for FIPS mode through the kernel's flag, and a process through its
// default cryptographic properties (fips=yes, from the OpenSSL configuration); the
// mode is in force only when those properties ask for it and a FIPS provider is
// there to serve them, since otherwise every algorithm fetch fails. Without the
// cryptographic library the mode is not in force, and the message says why.
void HostContext::GetFipsStatus(FipsStatus& status) {
  bool const kernelAsks = KernelFipsFlag();
  CryptoLibrary const& crypto = Crypto();
  if (!crypto.Loaded()) {
    status.currentMode = false;
    status.desiredMode = kernelAsks;
    status.failureMessage = "the cryptographic library cannot be loaded: " + crypto.error;
    return;
  }
  bool const propertiesAsk = crypto.EVP_default_properties_is_fips_enabled(nullptr) != 0;
  bool const providerThere = crypto.OSSL_PROVIDER_available(nullptr, "fips") != 0;
  status.currentMode = propertiesAsk && providerThere;
  status.desiredMode = kernelAsks || propertiesAsk;
  status.failureMessage.clear();
  if (propertiesAsk && !providerThere) {
    status.failureMessage = "FIPS mode is asked for, but no FIPS provider is available";
  } else if (kernelAsks && !propertiesAsk) {
    status.failureMessage =
        "the kernel is in FIPS mode, but the cryptographic library's default properties do not "
        "ask for FIPS providers";
  }
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
