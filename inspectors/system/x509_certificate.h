// The type "x509 certificate" and its properties, and the certificates of files:
//
//   sha1 of x509 certificate "server.pem"
//   invalid before of x509 certificate "server.der"
//   subjects of x509 certificates of file "/etc/ssl/certs/ca-certificates.crt"
//
// The host reads the files (CertificateInspectorContext): a PEM file gives each of
// its certificates in order, a DER file its one. "x509 certificate" of a path is the
// file's first certificate. A file that cannot be read, or holds no certificate or a
// damaged one, fails with the host's message, which names the file.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "framework/contract/evaluator.h"
#include "framework/registration_object.h"
#include "inspectors/files/filesystem_object.h"
#include "inspectors/time/clock.h"
#include "inspectors/time/moment.h"

namespace inspectors {

// The texts of a certificate beyond its digest and times, shared between copies.
struct CertificateNames {
  std::string subject;
  std::string issuer;
  std::string serialNumber;
};

// The digest length, the digest text and the start of validity come first, in that
// order, as every maker of certificate values lays them out; the rest follows.
struct x509_certificate {
  std::uint32_t digestLength = 0;
  char digestText[44] = {};
  Instant notBefore;
  Instant notAfter;
  std::shared_ptr<CertificateNames const> names;

  static char const* TypeName() noexcept { return "x509 certificate"; }
};

x509_certificate CertificateOfRecord(CertificateRecord const& record);

x509_certificate X509CertificateOfWorld(unsigned char const* path, unsigned long length);

// "x509 certificates of file ...".
class CertificatesOfFileIterator {
 public:
  x509_certificate First(Of, file const& f);
  x509_certificate Next(Of, file const& f);

 private:
  std::vector<CertificateRecord> records_;
  std::size_t next_ = 0;
};

// The digest text; a digest length past the text's 44 bytes has no value.
inspector_string CertificateSHA1(Of, x509_certificate const& certificate);
moment NotBefore(Of, x509_certificate const& certificate);
moment NotAfter(Of, x509_certificate const& certificate);
// No value for a certificate made without these texts.
inspector_string SubjectOf(Of, x509_certificate const& certificate);
inspector_string IssuerOf(Of, x509_certificate const& certificate);
inspector_string SerialNumberOf(Of, x509_certificate const& certificate);

}  // namespace inspectors
