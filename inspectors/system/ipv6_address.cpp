#include "inspectors/system/ipv6_address.h"

#include "foundation/exceptions.h"
#include "foundation/inspector_string_copy.h"
#include "foundation/numerals.h"
#include "framework/inspector.h"
#include "inspectors/system/ip6_grammar.h"

namespace inspectors {
namespace {

// Groups 0 to 5: those written before the IPv4 part.
constexpr std::size_t kGroupsBeforeIP4 = 6;

class TextBuilder {
 public:
  void Group(std::uint16_t group, std::size_t digits = 1) {
    text_.GetBuffer().Write(MakeAsciiHexNumeral(group, digits));
  }
  void Colon() { text_.GetBuffer().Put(':'); }
  void IP4(IPAddress address) { text_.GetBuffer().Write(IPAddressToText(address)); }
  IP6AddressText Text() const { return IP6AddressText(text_.Used()); }

 private:
  BufferOfSize<IP6AddressText::Capacity()> text_;
};

// The first of the longest runs of zero groups among groups [0, count): its first
// group and its length, 0 when no group is zero.
struct ZeroRun {
  std::size_t first = 0;
  std::size_t length = 0;
};

ZeroRun LongestZeroRun(IP6Address const& address, std::size_t count) {
  ZeroRun longest;
  for (std::size_t i = 0; i < count;) {
    if (address[i] != 0) {
      ++i;
      continue;
    }
    std::size_t end = i;
    while (end < count && address[end] == 0) ++end;
    if (end - i > longest.length) longest = ZeroRun{i, end - i};
    i = end;
  }
  return longest;
}

// Groups [0, count) joined by colons, each with at least `digits` digits.
void WriteGroups(TextBuilder& text, IP6Address const& address, std::size_t count,
                 std::size_t digits) {
  for (std::size_t i = 0; i < count; ++i) {
    if (i != 0) text.Colon();
    text.Group(address[i], digits);
  }
}

// Groups [0, count) with their longest zero run written as "::"; `ip4` says whether
// the IPv4 part follows (it then supplies the colon that closes the run).
void WriteCompressed(TextBuilder& text, IP6Address const& address, std::size_t count, bool ip4) {
  ZeroRun const run = LongestZeroRun(address, count);
  if (run.first == 0) {
    text.Colon();
  } else {
    for (std::size_t i = 0; i < run.first; ++i) {
      text.Group(address[i]);
      text.Colon();
    }
  }
  std::size_t const after = run.first + run.length;
  if (after == count && !ip4) {
    text.Colon();
    return;
  }
  for (std::size_t i = after; i < count; ++i) {
    text.Colon();
    text.Group(address[i]);
  }
}

}  // namespace

IP6Address::IP6Address(IPAddress a) noexcept
    : groups_{0, 0, 0, 0, 0, 0xffff, static_cast<std::uint16_t>(a.value >> 16),
              static_cast<std::uint16_t>(a.value & 0xffff)} {}

IPAddress IP6Address::IP4Part() const noexcept {
  return IPAddress{static_cast<std::uint32_t>(groups_[6]) << 16 | groups_[7]};
}

IP6AddressText IP6AddressToText(IP6Address const& address) {
  TextBuilder text;
  WriteGroups(text, address, 8, 1);
  return text.Text();
}

IP6AddressText IP6AddressToTextWithLeadingZeros(IP6Address const& address) {
  TextBuilder text;
  WriteGroups(text, address, 8, 4);
  return text.Text();
}

IP6AddressText IP6AddressToTextWithIP4(IP6Address const& address) {
  TextBuilder text;
  WriteGroups(text, address, kGroupsBeforeIP4, 1);
  text.Colon();
  text.IP4(address.IP4Part());
  return text.Text();
}

IP6AddressText IP6AddressToCompressedText(IP6Address const& address) {
  if (LongestZeroRun(address, 8).length == 0) return IP6AddressToText(address);
  TextBuilder text;
  WriteCompressed(text, address, 8, false);
  return text.Text();
}

IP6AddressText IP6AddressToCompressedTextWithIP4(IP6Address const& address) {
  if (LongestZeroRun(address, kGroupsBeforeIP4).length == 0) return IP6AddressToTextWithIP4(address);
  TextBuilder text;
  WriteCompressed(text, address, kGroupsBeforeIP4, true);
  text.Colon();
  text.IP4(address.IP4Part());
  return text.Text();
}

ipv6_address AsIP6Address(inspector_string const& text) {
  return TextToIP6Address(AsConstData(text));
}

inspector_string AsString(ipv6_address const& address) {
  return CopyToInspectorString(IP6AddressToText(address).Bytes());
}
inspector_string AsStringWithLeadingZeroes(ipv6_address const& address) {
  return CopyToInspectorString(IP6AddressToTextWithLeadingZeros(address).Bytes());
}
inspector_string AsStringWithIP4(ipv6_address const& address) {
  return CopyToInspectorString(IP6AddressToTextWithIP4(address).Bytes());
}
inspector_string AsCompressedString(ipv6_address const& address) {
  return CopyToInspectorString(IP6AddressToCompressedText(address).Bytes());
}
inspector_string AsCompressedStringWithIP4(ipv6_address const& address) {
  return CopyToInspectorString(IP6AddressToCompressedTextWithIP4(address).Bytes());
}

ipv4_address IP4Part(Of, ipv6_address const& address) {
  return address.IP4Part();
}

ipv6_address IP4AddressAsIP6Address(ipv4_address const& address) {
  return IP6Address(address);
}

integer IP6Hexadecet(integer const& n, Of, ipv6_address const& address) {
  if (n.get() < 0 || n.get() > 7) throw NoSuchObject();
  return integer(address[static_cast<std::size_t>(n.get())]);
}

boolean operator==(ipv6_address const& a, ipv6_address const& b) {
  return a.AllGroups() == b.AllGroups();
}
boolean operator<(ipv6_address const& a, ipv6_address const& b) {
  return a.AllGroups() < b.AllGroups();
}
boolean operator<=(ipv6_address const& a, ipv6_address const& b) {
  return a.AllGroups() <= b.AllGroups();
}

namespace {

constexpr auto kPure = kDependsOnlyOnParameters;
using Text = inspector_string;

Type<ipv6_address, kNotFingerprinted> const ipv6AddressType;
ComparableInspectorRegistration<ipv6_address> const comparable(kPure);
Cast<ipv6_address, Text> const toString("string", &AsString, kPure);
Cast<ipv6_address, Text> const toStringWithLeadingZeros("string with leading zeros",
                                                        &AsStringWithLeadingZeroes, kPure);
Cast<ipv6_address, Text> const toStringWithIP4("string with ipv4", &AsStringWithIP4, kPure);
Cast<ipv6_address, Text> const toCompressedString("compressed string", &AsCompressedString, kPure);
Cast<ipv6_address, Text> const toCompressedStringWithIP4("compressed string with ipv4",
                                                         &AsCompressedStringWithIP4, kPure);
Cast<Text, ipv6_address> const fromString("ipv6 address", &AsIP6Address, kPure);
Prop const fromText("ipv6 address", "ipv6 addresses", &AsIP6Address, kPure);
Prop const ip4Part("ipv4 part", "ipv4 parts", &IP4Part, kPure);
Cast<ipv4_address, ipv6_address> const fromIP4("ipv6 address", &IP4AddressAsIP6Address, kPure);
Prop const hexadecet("hexadecet", "hexadecets", &IP6Hexadecet, kPure);

}  // namespace

}  // namespace inspectors
