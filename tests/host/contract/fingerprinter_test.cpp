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

TEST(Fingerprinter, EqualInputsGiveEqualDigests) {
  auto const a = DigestOf([](Fingerprinter& f) { f << integer(42) << S("abc"); });
  auto const b = DigestOf([](Fingerprinter& f) { f << integer(42) << S("abc"); });
  EXPECT_EQ(a, b);
  EXPECT_EQ(std::hash<FingerprintDigest>{}(a), std::hash<FingerprintDigest>{}(b));

  std::string const text = "abc";  // same bytes at another address
  auto const c = DigestOf([&](Fingerprinter& f) { f << integer(42) << S(text); });
  EXPECT_EQ(a, c);

  // Reset starts over.
  Fingerprinter f;
  f << integer(7);
  f.Reset();
  f << integer(42) << S("abc");
  EXPECT_EQ(f.Digest(), a);
}

TEST(Fingerprinter, DifferentInputsGiveDifferentDigests) {
  std::int64_t const one = 1;
  unsigned char bytesOfOne[sizeof one];
  std::memcpy(bytesOfOne, &one, sizeof one);
  std::string_view const oneAsText(reinterpret_cast<char const*>(bytesOfOne), sizeof one);

  std::vector<FingerprintDigest> digests = {
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
  std::unordered_set<FingerprintDigest> distinct(digests.begin(), digests.end());
  EXPECT_EQ(distinct.size(), digests.size());
}

TEST(Fingerprinter, DigestDoesNotEndTheStream) {
  Fingerprinter f;
  f << integer(1);
  auto const first = f.Digest();
  EXPECT_EQ(f.Digest(), first);
  f << integer(2);
  EXPECT_NE(f.Digest(), first);
  EXPECT_EQ(f.Digest(), DigestOf([](Fingerprinter& g) { g << integer(1) << integer(2); }));
}

}  // namespace
