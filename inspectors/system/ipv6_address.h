// The inspector type "ipv6 address": eight 16-bit groups, group 0 first, compared
// group by group. Read with the grammar of ip6_grammar.h and written in five forms:
//
//   "string"                       2001:db8:0:0:0:0:0:1
//   "string with leading zeros"    2001:0db8:0000:0000:0000:0000:0000:0001
//   "string with ipv4"             2001:db8:0:0:0:0:0.0.0.1
//   "compressed string"            2001:db8::1
//   "compressed string with ipv4"  2001:db8::0.0.0.1
//
// Compression writes the longest run of zero groups (the first of runs of equal
// length, a single zero group included) as "::"; an address without a zero group is
// written uncompressed.
#pragma once

#include <array>
#include <cstdint>

#include "foundation/const_data.h"
#include "framework/contract/evaluator.h"
#include "framework/registration_object.h"
#include "inspectors/system/ipv4_address.h"

namespace inspectors {

class IP6Address {
 public:
  using Groups = std::array<std::uint16_t, 8>;

  constexpr IP6Address() noexcept = default;
  constexpr explicit IP6Address(Groups const& groups) noexcept : groups_(groups) {}
  // The IPv4-mapped address ::ffff:a.b.c.d.
  explicit IP6Address(IPAddress a) noexcept;

  // Groups 6 and 7 as one IPv4 address.
  IPAddress IP4Part() const noexcept;
  // Unchecked: i is 0 to 7.
  std::uint16_t operator[](std::size_t i) const noexcept { return groups_[i]; }
  Groups const& AllGroups() const noexcept { return groups_; }

  static char const* TypeName() noexcept { return "ipv6 address"; }

 private:
  Groups groups_{};
};
using ipv6_address = IP6Address;

// 8 groups of 4 digits and 7 colons; 6 groups of 4 digits, 6 colons and an IPv4 part.
using IP6AddressText = USAsciiStringOfCapacity<45>;

IP6AddressText IP6AddressToText(IP6Address const& address);
IP6AddressText IP6AddressToTextWithLeadingZeros(IP6Address const& address);
IP6AddressText IP6AddressToTextWithIP4(IP6Address const& address);
IP6AddressText IP6AddressToCompressedText(IP6Address const& address);
IP6AddressText IP6AddressToCompressedTextWithIP4(IP6Address const& address);

// The inspectors. Text that is no address throws `NotAnIP6Address` or
// `ParsingFailure` (see ip6_grammar.h); both reach the evaluator as failures.
ipv6_address AsIP6Address(inspector_string const& text);
inspector_string AsString(ipv6_address const& address);
inspector_string AsStringWithLeadingZeroes(ipv6_address const& address);
inspector_string AsStringWithIP4(ipv6_address const& address);
inspector_string AsCompressedString(ipv6_address const& address);
inspector_string AsCompressedStringWithIP4(ipv6_address const& address);
ipv4_address IP4Part(Of, ipv6_address const& address);
ipv6_address IP4AddressAsIP6Address(ipv4_address const& address);
// Group n, for n from 0 to 7; any other n has no value.
integer IP6Hexadecet(integer const& n, Of, ipv6_address const& address);

boolean operator==(ipv6_address const& a, ipv6_address const& b);
boolean operator<(ipv6_address const& a, ipv6_address const& b);
boolean operator<=(ipv6_address const& a, ipv6_address const& b);

}  // namespace inspectors
