// Certificate values that no file gives: made elsewhere with an unused, a partly
// used or an impossible digest length, and without the texts beyond the layout.
#include "inspectors/system/x509_certificate.h"

#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "foundation/exceptions.h"

namespace inspectors {
namespace {

TEST(X509Certificate, DigestTextIsTheUsedBytesOnly) {
  struct {
    std::uint32_t length;
    bool hasValue;
    std::string digest;
  } const cases[] = {{0, true, ""},
                     {3, true, "abc"},
                     {44, true, "abc" + std::string(41, 'x')},
                     {45, false, ""},
                     {0xffffffff, false, ""}};
  for (auto const& c : cases) {
    x509_certificate certificate;
    std::memset(certificate.digestText, 'x', sizeof certificate.digestText);
    std::memcpy(certificate.digestText, "abc", 3);
    certificate.digestLength = c.length;
    if (!c.hasValue) {
      EXPECT_THROW(CertificateSHA1(Of{}, certificate), NoSuchObject) << c.length;
      continue;
    }
    inspector_string const text = CertificateSHA1(Of{}, certificate);
    EXPECT_EQ(std::string(reinterpret_cast<char const*>(text.bytes), text.length), c.digest)
        << c.length;
  }
}

TEST(X509Certificate, MadeWithoutNamesHasNoSubjectIssuerOrSerial) {
  x509_certificate const certificate;
  EXPECT_THROW(SubjectOf(Of{}, certificate), NoSuchObject);
  EXPECT_THROW(IssuerOf(Of{}, certificate), NoSuchObject);
  EXPECT_THROW(SerialNumberOf(Of{}, certificate), NoSuchObject);
}

}  // namespace
}  // namespace inspectors
