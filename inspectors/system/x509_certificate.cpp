#include "inspectors/system/x509_certificate.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "foundation/exceptions.h"
#include "foundation/inspector_string_copy.h"
#include "framework/inspector.h"

namespace inspectors {
namespace {

CertificateInspectorContext& Context() {
  auto* context = dynamic_cast<CertificateInspectorContext*>(Get_Generic_Inspector_Context());
  if (context == nullptr) throw NoInspectorContext();
  return *context;
}

std::vector<CertificateRecord> CertificatesAt(std::string const& path) {
  return Context().CertificatesOfFile(path.c_str());
}

CertificateNames const& NamesOf(x509_certificate const& certificate) {
  if (!certificate.names) throw NoSuchObject();
  return *certificate.names;
}

}  // namespace

x509_certificate CertificateOfRecord(CertificateRecord const& record) {
  x509_certificate certificate;
  static_assert(sizeof certificate.digestText == sizeof record.sha1.text);
  certificate.digestLength = std::min<std::uint32_t>(record.sha1.length, sizeof record.sha1.text);
  std::memcpy(certificate.digestText, record.sha1.text, sizeof certificate.digestText);
  certificate.notBefore = Instant(record.notBefore);
  certificate.notAfter = Instant(record.notAfter);
  certificate.names = std::make_shared<CertificateNames const>(
      CertificateNames{record.subject, record.issuer, record.serialNumber});
  return certificate;
}

x509_certificate X509CertificateOfWorld(unsigned char const* path, unsigned long length) {
  std::string const name(reinterpret_cast<char const*>(path), length);
  if (name.find('\0') != std::string::npos) throw NoSuchObject();
  return CertificateOfRecord(CertificatesAt(name).front());
}

x509_certificate CertificatesOfFileIterator::First(Of, file const& f) {
  records_ = CertificatesAt(f.item.Location().POSIXPath());
  next_ = 0;
  return Next(Of{}, f);
}

x509_certificate CertificatesOfFileIterator::Next(Of, file const&) {
  if (next_ == records_.size()) throw NoSuchObject();
  return CertificateOfRecord(records_[next_++]);
}

inspector_string CertificateSHA1(Of, x509_certificate const& certificate) {
  if (certificate.digestLength > sizeof certificate.digestText) throw NoSuchObject();
  return CopyToInspectorString(std::string_view(certificate.digestText, certificate.digestLength));
}

moment NotBefore(Of, x509_certificate const& certificate) {
  return AsMoment(certificate.notBefore);
}
moment NotAfter(Of, x509_certificate const& certificate) {
  return AsMoment(certificate.notAfter);
}

inspector_string SubjectOf(Of, x509_certificate const& certificate) {
  return CopyToInspectorString(std::string_view(NamesOf(certificate).subject));
}
inspector_string IssuerOf(Of, x509_certificate const& certificate) {
  return CopyToInspectorString(std::string_view(NamesOf(certificate).issuer));
}
inspector_string SerialNumberOf(Of, x509_certificate const& certificate) {
  return CopyToInspectorString(std::string_view(NamesOf(certificate).serialNumber));
}

namespace {

constexpr auto kMachine = kDependsOnMachineState;

Type<x509_certificate, kNotFingerprinted> const certificateType;

Prop const sha1("sha1", "sha1s", &CertificateSHA1, kMachine);
Prop const invalidBefore("invalid before", "invalid befores", &NotBefore, kMachine);
Prop const invalidAfter("invalid after", "invalid afters", &NotAfter, kMachine);
Prop const subject("subject", "subjects", &SubjectOf, kMachine);
Prop const issuer("issuer", "issuers", &IssuerOf, kMachine);
Prop const serialNumber("serial number", "serial numbers", &SerialNumberOf, kMachine);

NamedGlobalProperty<x509_certificate> const certificateOfPath("x509 certificate",
                                                              "x509 certificates",
                                                              &X509CertificateOfWorld, kMachine);
Prop const certificatesOfFile("x509 certificate", "x509 certificates",
                              &CertificatesOfFileIterator::First,
                              &CertificatesOfFileIterator::Next, kMachine);

}  // namespace

}  // namespace inspectors
