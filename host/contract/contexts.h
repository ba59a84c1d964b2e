// The host services that inspectors reach through Get_Generic_Inspector_Context():
// the SHA-1 digest of a file, the machine's cryptographic (FIPS) mode and the X.509
// certificates of a file (host/contract/certificates.cpp).
#pragma once

#include "framework/contract/evaluator.h"

namespace evaluator {

class HostContext : public CryptoInspectorContext,
                    public InspectorFipsContext,
                    public CertificateInspectorContext {
 public:
  // Throws std::system_error (with errno) when the file cannot be opened or read, or
  // is no plain file (EISDIR for a folder, EINVAL for a device, pipe or socket).
  void SHA1DigestOfFile(char const* path, DigestRecord& digest) override;
  void GetFipsStatus(FipsStatus& status) override;
  // Files over kLargestCertificateFile bytes are refused.
  std::vector<CertificateRecord> CertificatesOfFile(char const* path) override;

  static constexpr long kLargestCertificateFile = 16L << 20;
};

// The process's host context.
HostContext& ProcessContext();

// Makes Get_Generic_Inspector_Context() return `context` (which may be null) until
// the scope ends; scopes nest. Meant for tests.
class ContextScope {
 public:
  explicit ContextScope(InspectorContext* context) noexcept;
  ~ContextScope();
  ContextScope(ContextScope const&) = delete;
  ContextScope& operator=(ContextScope const&) = delete;

 private:
  InspectorContext* outer_;
  bool outerSet_;
};

}  // namespace evaluator
