// The host's reading of X.509 certificate files, with OpenSSL: the whole file is read
// first (plain files only, at most kLargestCertificateFile bytes, never waiting on a
// pipe or device), then taken as PEM when it holds a PEM boundary line and as one
// DER certificate otherwise.
#include <fcntl.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>

#include "host/contract/contexts.h"
#include "host/contract/crypto_library.h"

namespace evaluator {
namespace {

struct Closer {
  int fd;
  ~Closer() { ::close(fd); }
};
struct BioFree {
  void operator()(BIO* bio) const noexcept { Crypto().BIO_free(bio); }
};
struct X509Free {
  void operator()(X509* certificate) const noexcept { Crypto().X509_free(certificate); }
};
struct BignumFree {
  void operator()(BIGNUM* number) const noexcept { Crypto().BN_free(number); }
};
struct OpenSSLFree {
  void operator()(char* text) const noexcept { Crypto().CRYPTO_free(text, __FILE__, __LINE__); }
};
using Bio = std::unique_ptr<BIO, BioFree>;
using Certificate = std::unique_ptr<X509, X509Free>;

[[noreturn]] void Fail(std::string const& what, char const* path) {
  throw std::runtime_error(what + ": " + path);
}
[[noreturn]] void FailErrno(char const* what, char const* path) {
  throw std::system_error(errno, std::generic_category(), std::string(what) + " " + path);
}

// OpenSSL's reason for the last failure, for messages.
std::string LastOpenSSLError() {
  unsigned long const code = Crypto().ERR_peek_last_error();
  char const* reason = code != 0 ? Crypto().ERR_reason_error_string(code) : nullptr;
  return reason != nullptr ? reason : "unknown reason";
}

std::string ReadWholeFile(char const* path) {
  int const fd = ::open(path, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) FailErrno("cannot open", path);
  Closer closer{fd};
  struct stat status {};
  if (::fstat(fd, &status) != 0) FailErrno("cannot read", path);
  if (!S_ISREG(status.st_mode)) {
    errno = S_ISDIR(status.st_mode) ? EISDIR : EINVAL;
    FailErrno("not a plain file:", path);
  }
  if (status.st_size > HostContext::kLargestCertificateFile) {
    Fail("too large for a certificate file (over 16 MiB)", path);
  }
  std::string bytes;
  char buffer[64 * 1024];
  for (;;) {
    ssize_t const n = ::read(fd, buffer, sizeof buffer);
    if (n < 0) {
      if (errno == EINTR) continue;
      FailErrno("cannot read", path);
    }
    if (n == 0) break;
    bytes.append(buffer, static_cast<std::size_t>(n));
    if (bytes.size() > static_cast<std::size_t>(HostContext::kLargestCertificateFile)) {
      Fail("too large for a certificate file (over 16 MiB)", path);
    }
  }
  return bytes;
}

std::int64_t Microseconds(ASN1_TIME const* time, char const* path) {
  struct tm fields {};
  if (time == nullptr || Crypto().ASN1_TIME_to_tm(time, &fields) != 1) {
    Fail("a certificate with an unreadable validity time", path);
  }
  return static_cast<std::int64_t>(::timegm(&fields)) * 1'000'000;
}

std::string NameText(X509_NAME const* name) {
  Bio const bio(Crypto().BIO_new(Crypto().BIO_s_mem()));
  if (!bio || Crypto().X509_NAME_print_ex(bio.get(), name, 0, XN_FLAG_RFC2253) < 0) return {};
  char* data = nullptr;
  long const length = Crypto().BIO_ctrl(bio.get(), BIO_CTRL_INFO, 0, &data);  // BIO_get_mem_data
  return length > 0 ? std::string(data, static_cast<std::size_t>(length)) : std::string();
}

std::string SerialText(X509 const* certificate) {
  std::unique_ptr<BIGNUM, BignumFree> const number(
      Crypto().ASN1_INTEGER_to_BN(Crypto().X509_get0_serialNumber(certificate), nullptr));
  if (!number) return {};
  std::unique_ptr<char, OpenSSLFree> const hex(Crypto().BN_bn2hex(number.get()));
  return hex ? std::string(hex.get()) : std::string();
}

CertificateRecord RecordOf(X509 const* certificate, char const* path) {
  CertificateRecord record;
  unsigned char digest[EVP_MAX_MD_SIZE];
  unsigned int length = 0;
  if (Crypto().X509_digest(certificate, Crypto().EVP_sha1(), digest, &length) != 1 ||
      length != 20) {
    Fail("cannot compute the SHA-1 digest of a certificate", path);
  }
  static constexpr char kHex[] = "0123456789abcdef";
  for (unsigned int i = 0; i < length; ++i) {
    record.sha1.text[2 * i] = kHex[digest[i] >> 4];
    record.sha1.text[2 * i + 1] = kHex[digest[i] & 0xf];
  }
  record.sha1.length = 2 * length;
  record.notBefore = Microseconds(Crypto().X509_get0_notBefore(certificate), path);
  record.notAfter = Microseconds(Crypto().X509_get0_notAfter(certificate), path);
  record.subject = NameText(Crypto().X509_get_subject_name(certificate));
  record.issuer = NameText(Crypto().X509_get_issuer_name(certificate));
  record.serialNumber = SerialText(certificate);
  return record;
}

std::vector<CertificateRecord> ReadPEM(std::string const& bytes, char const* path) {
  Bio const bio(Crypto().BIO_new_mem_buf(bytes.data(), static_cast<int>(bytes.size())));
  if (!bio) throw std::bad_alloc();
  std::vector<CertificateRecord> records;
  for (;;) {
    Crypto().ERR_clear_error();
    Certificate const certificate(Crypto().PEM_read_bio_X509(bio.get(), nullptr, nullptr, nullptr));
    if (!certificate) break;
    records.push_back(RecordOf(certificate.get(), path));
  }
  // The reading ends at the end of the text; any other stop is a damaged block.
  unsigned long const code = Crypto().ERR_peek_last_error();
  bool const atEnd = ERR_GET_LIB(code) == ERR_LIB_PEM && ERR_GET_REASON(code) == PEM_R_NO_START_LINE;
  if (!atEnd) {
    std::string const reason = LastOpenSSLError();
    Crypto().ERR_clear_error();
    Fail("damaged certificate " + std::to_string(records.size() + 1) + " (" + reason + ") in",
         path);
  }
  Crypto().ERR_clear_error();
  if (records.empty()) Fail("no certificate in", path);
  return records;
}

std::vector<CertificateRecord> ReadDER(std::string const& bytes, char const* path) {
  if (bytes.empty()) Fail("no certificate in the empty file", path);
  Crypto().ERR_clear_error();
  auto const* next = reinterpret_cast<unsigned char const*>(bytes.data());
  auto const* const end = next + bytes.size();
  Certificate const certificate(Crypto().d2i_X509(nullptr, &next, static_cast<long>(bytes.size())));
  if (!certificate) {
    std::string const reason = LastOpenSSLError();
    Crypto().ERR_clear_error();
    Fail("not a certificate file (" + reason + ")", path);
  }
  if (next != end) Fail("bytes after the certificate in", path);
  return {RecordOf(certificate.get(), path)};
}

}  // namespace

std::vector<CertificateRecord> HostContext::CertificatesOfFile(char const* path) {
  if (path == nullptr) path = "";
  std::string const bytes = ReadWholeFile(path);
  if (CryptoLibrary const& crypto = Crypto(); !crypto.Loaded()) {
    Fail("the cryptographic library cannot be loaded (" + crypto.error +
             "), so no certificate is read from",
         path);
  }
  if (std::string_view(bytes).find("-----BEGIN ") != std::string_view::npos) {
    return ReadPEM(bytes, path);
  }
  return ReadDER(bytes, path);
}

}  // namespace evaluator
