#include "inspectors/system/ipv4_address.h"

#include <array>
#include <bit>

#include "foundation/ascii.h"
#include "foundation/exceptions.h"
#include "foundation/inspector_string_copy.h"
#include "foundation/numerals.h"
#include "framework/inspector.h"

namespace inspectors {
namespace {

constexpr std::size_t kShortestText = 7;  // "0.0.0.0"
constexpr std::size_t kLongestText = 31;

// One part of a dotted text from `at`: its value, or nothing for a part that has no
// digit, a digit beyond its base, or a value beyond 32 bits.
std::optional<std::uint32_t> ReadPart(ConstData text, std::size_t& at) {
  if (at == text.Length() || !Ascii::Numeric().Contains(text[at])) return std::nullopt;
  unsigned base = 10;
  bool digits = false;
  if (text[at] == '0') {
    ++at;
    if (at < text.Length() && (text[at] == 'x' || text[at] == 'X')) {
      base = 16;
      ++at;
    } else {
      base = 8;
      digits = true;  // the 0 itself
    }
  }
  std::uint64_t value = 0;
  for (; at < text.Length(); ++at) {
    byte const c = text[at];
    bool const digit = base == 16 ? Ascii::HexDigits().Contains(c) : Ascii::Numeric().Contains(c);
    if (!digit) break;
    unsigned const d = Ascii::HexDigitValue(c);
    if (d >= base) return std::nullopt;  // "08"
    value = value * base + d;
    if (value > 0xffffffffu) return std::nullopt;
    digits = true;
  }
  if (!digits) return std::nullopt;  // "0x"
  return static_cast<std::uint32_t>(value);
}

}  // namespace

IP4Subnet::IP4Subnet(IPAddress address, std::uint8_t prefixLength)
    : address_(address), prefixLength_(prefixLength) {
  if (prefixLength > 32) throw SubnetPrefixLengthTooLarge();
  std::uint32_t const host = prefixLength == 0 ? 0xffffffffu : (1u << (32 - prefixLength)) - 1;
  if ((address.value & host) != 0) throw NonCanonicalSubnetAddress();
}

std::uint8_t PrefixLengthOfMask(IPAddress mask) noexcept {
  return static_cast<std::uint8_t>(32 - std::countr_zero(mask.value));
}

std::optional<IPAddress> ReadIPAddress(ConstData text) {
  if (text.Length() < kShortestText || text.Length() > kLongestText) return std::nullopt;
  std::array<std::uint32_t, 4> parts{};
  std::size_t count = 0;
  std::size_t at = 0;
  for (;;) {
    std::optional<std::uint32_t> const part = ReadPart(text, at);
    if (!part) return std::nullopt;
    parts[count++] = *part;
    if (at == text.Length()) break;
    if (text[at] != '.' || count == parts.size()) return std::nullopt;
    ++at;
  }
  // Every part but the last is one byte; the last fills the bytes that are left.
  std::uint32_t value = 0;
  for (std::size_t i = 0; i + 1 < count; ++i) {
    if (parts[i] > 0xff) return std::nullopt;
    value |= parts[i] << (24 - 8 * i);
  }
  std::size_t const lastBits = 32 - 8 * (count - 1);
  std::uint32_t const last = parts[count - 1];
  if (lastBits < 32 && last >> lastBits != 0) return std::nullopt;
  return IPAddress{value | last};
}

IPAddressText IPAddressToText(IPAddress address) {
  BufferOfSize<IPAddressText::Capacity()> text;
  for (int i = 0; i < 4; ++i) {
    if (i != 0) text.GetBuffer().Put('.');
    text.GetBuffer().Write(MakeAsciiDecimalNumeral((address.value >> (24 - 8 * i)) & 0xff));
  }
  return IPAddressText(text.Used());
}

USAsciiStringOfCapacity<18> IP4SubnetToText(IP4Subnet const& subnet) {
  BufferOfSize<18> text;
  text.GetBuffer().Write(IPAddressToText(subnet.Address()));
  text.GetBuffer().Put('/');
  text.GetBuffer().Write(MakeAsciiDecimalNumeral(subnet.PrefixLength()));
  return USAsciiStringOfCapacity<18>(text.Used());
}

inspector_string IP4SubnetInspectorString(IPAddress address, IPAddress mask) {
  IP4Subnet const subnet(IPAddress{address.value & mask.value}, PrefixLengthOfMask(mask));
  return CopyToInspectorString(IP4SubnetToText(subnet).Bytes());
}

ipv4_address AsIPAddress(inspector_string const& text) {
  std::optional<IPAddress> const address = ReadIPAddress(AsConstData(text));
  if (!address) throw NoSuchObject();
  return *address;
}

inspector_string AsString(ipv4_address const& address) {
  return CopyToInspectorString(IPAddressToText(address).Bytes());
}

boolean operator==(ipv4_address const& a, ipv4_address const& b) {
  return a.value == b.value;
}
boolean operator<(ipv4_address const& a, ipv4_address const& b) {
  return a.value < b.value;
}
boolean operator<=(ipv4_address const& a, ipv4_address const& b) {
  return a.value <= b.value;
}
boolean operator==(ipv4_address const& a, inspector_string const& b) {
  return a == AsIPAddress(b);
}
boolean operator==(inspector_string const& a, ipv4_address const& b) {
  return AsIPAddress(a) == b;
}
boolean operator<(ipv4_address const& a, inspector_string const& b) {
  return a < AsIPAddress(b);
}
boolean operator<(inspector_string const& a, ipv4_address const& b) {
  return AsIPAddress(a) < b;
}
boolean operator<=(ipv4_address const& a, inspector_string const& b) {
  return a <= AsIPAddress(b);
}
boolean operator<=(inspector_string const& a, ipv4_address const& b) {
  return AsIPAddress(a) <= b;
}

namespace {

constexpr auto kPure = kDependsOnlyOnParameters;
using Text = inspector_string;

Type<ipv4_address, kNotFingerprinted> const ipv4AddressType;
ComparableInspectorRegistration<ipv4_address> const comparable(kPure);
Cast<ipv4_address, Text> const toString("string", &AsString, kPure);
Prop const fromText("ipv4 address", "ipv4 addresses", &AsIPAddress, kPure);
RelationEqual<ipv4_address, Text> const equalText(kPure);
RelationEqual<Text, ipv4_address> const textEqual(kPure);
RelationLess<ipv4_address, Text> const lessThanText(kPure);
RelationLess<Text, ipv4_address> const textLessThan(kPure);
RelationLessOrEqual<ipv4_address, Text> const atMostText(kPure);
RelationLessOrEqual<Text, ipv4_address> const textAtMost(kPure);

}  // namespace

}  // namespace inspectors
