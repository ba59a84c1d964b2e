// The inspector type "ipv4 address": one 32-bit number whose most significant byte
// is the first dotted octet, so that numeric order is octet-by-octet order. Read with
// the classic dotted rules, written as four decimal octets, and compared with text.
#pragma once

#include <cstdint>
#include <optional>

#include "foundation/const_data.h"
#include "framework/contract/evaluator.h"

namespace inspectors {

struct IPAddress {
  std::uint32_t value = 0;  // host order

  static char const* TypeName() noexcept { return "ipv4 address"; }
};
using ipv4_address = IPAddress;

// An address and a prefix length: the network of a CIDR text. A prefix above 32
// throws `SubnetPrefixLengthTooLarge`, an address bit set past the prefix
// `NonCanonicalSubnetAddress`.
class IP4Subnet {
 public:
  IP4Subnet(IPAddress address, std::uint8_t prefixLength);

  IPAddress Address() const noexcept { return address_; }
  std::uint8_t PrefixLength() const noexcept { return prefixLength_; }

 private:
  IPAddress address_;
  std::uint8_t prefixLength_;
};

// The prefix length a mask stands for: 32 less its trailing zero bits, so that a mask
// with holes counts up to its last one bit.
std::uint8_t PrefixLengthOfMask(IPAddress mask) noexcept;

// The classic dotted forms: one to four parts separated by '.', each decimal, octal
// after a leading 0 or hexadecimal after 0x or 0X; every part but the last is one
// byte, and the last fills the bytes left ("10.20.30" is 10.20.0.30, "10.0x102" is
// 10.0.1.2). The whole text must be the address, 7 to 31 bytes long: anything else,
// a part out of range or bytes left over, is no address.
std::optional<IPAddress> ReadIPAddress(ConstData text);

using IPAddressText = USAsciiStringOfCapacity<15>;
// "10.0.0.1": the four octets in decimal, without leading zeros.
IPAddressText IPAddressToText(IPAddress address);
// "10.1.2.0/24".
USAsciiStringOfCapacity<18> IP4SubnetToText(IP4Subnet const& subnet);
// The network of an address under a mask, as CIDR text.
inspector_string IP4SubnetInspectorString(IPAddress address, IPAddress mask);

// The inspectors. Text that is no address has no value, so a relation with it has no
// result.
ipv4_address AsIPAddress(inspector_string const& text);
inspector_string AsString(ipv4_address const& address);

boolean operator==(ipv4_address const& a, ipv4_address const& b);
boolean operator<(ipv4_address const& a, ipv4_address const& b);
boolean operator<=(ipv4_address const& a, ipv4_address const& b);
boolean operator==(ipv4_address const& a, inspector_string const& b);
boolean operator==(inspector_string const& a, ipv4_address const& b);
boolean operator<(ipv4_address const& a, inspector_string const& b);
boolean operator<(inspector_string const& a, ipv4_address const& b);
boolean operator<=(ipv4_address const& a, inspector_string const& b);
boolean operator<=(inspector_string const& a, ipv4_address const& b);

}  // namespace inspectors
