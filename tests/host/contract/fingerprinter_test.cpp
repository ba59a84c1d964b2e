#include "host/contract/fingerprinter.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string_view>
#include <unordered_set>

namespace {

using evaluator::FingerprintDigest;

inspector_string S(std::string_view text) {
  return {reinterpret_cast<unsigned char const*>(text.data()),
          static_cast<std::uint32_t>(text.size())};
}

template <class Fill>
FingerprintDigest DigestOf(Fill fill) {
  Fingerprinter f;
  fill(f);
  return f.Digest();
}

TEST(Fingerprinter, TheSameAppendsGiveTheSameDigest) {
  auto const a = DigestOf([](Fingerprinter& f) { f << integer(42) << S("abc"); });
  std::string const text = "abc";  // the same bytes at another address
  EXPECT_EQ(DigestOf([&](Fingerprinter& f) { f << integer(42) << S(text); }), a);
  Fingerprinter f;
  f << integer(7);
  f.Reset();  // starts over
  f << integer(42);
  auto const part = f.Digest();  // and appending may go on
  f << S("abc");
  EXPECT_EQ(f.Digest(), a);
  EXPECT_NE(part, a);
}

TEST(Fingerprinter, AppendsAreFramedSoThatOtherSequencesDiffer) {
  std::int64_t const one = 1;
  unsigned char bytesOfOne[sizeof one];
  std::memcpy(bytesOfOne, &one, sizeof one);
  std::string_view const oneAsText(reinterpret_cast<char const*>(bytesOfOne), sizeof one);
  std::vector<FingerprintDigest> const digests = {
      DigestOf([](Fingerprinter&) {}),
      DigestOf([](Fingerprinter& f) { f << integer(1); }),
      DigestOf([](Fingerprinter& f) { f << integer(2); }),
      DigestOf([&](Fingerprinter& f) { f << S(oneAsText); }),
      DigestOf([&](Fingerprinter& f) {
        Fingerprint_Byte_Range(f, bytesOfOne, bytesOfOne + sizeof bytesOfOne);
      }),
      DigestOf([](Fingerprinter& f) { f << S(""); }),
      DigestOf([](Fingerprinter& f) { f << S("ab") << S("c"); }),
      DigestOf([](Fingerprinter& f) { f << S("a") << S("bc"); }),
      DigestOf([](Fingerprinter& f) { f << integer(1) << integer(2); }),
      DigestOf([](Fingerprinter& f) { f << integer(2) << integer(1); }),
  };
  std::unordered_set<FingerprintDigest> const distinct(digests.begin(), digests.end());
  EXPECT_EQ(distinct.size(), digests.size());
}

}  // namespace
