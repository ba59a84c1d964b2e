// The inspector types of one interface address entry: "network interface" (its
// family, interface name and flags) and three kinds of it for the entries of one
// family: "network ip interface" (IPv4 address, mask, broadcast address, subnet),
// "network ipv6 interface" (IPv6 address and mask) and "network link interface"
// (the hardware address). Each is a copy of what the entry says, so it needs nothing
// else to live.
#pragma once

#include <cstdint>

#include "framework/contract/evaluator.h"
#include "framework/registration_object.h"
#include "inspectors/system/ipv4_address.h"
#include "inspectors/system/ipv6_address.h"
#include "platform/network_interfaces.h"

namespace inspectors {

using MacintoshPlatform::AddressFamily;
using MacintoshPlatform::InterfaceAddress;

struct network_interface {
  std::uint8_t family = 0;
  MacintoshPlatform::InterfaceName name;
  std::uint32_t flags = 0;

  static char const* TypeName() noexcept { return "network interface"; }
};

// Each kind begins with its `network_interface`, which is what the evaluator sees
// where a network interface is asked for.
struct ip_network_interface {
  network_interface interface;
  IPAddress address;
  IPAddress broadcastAddress;  // or the other end of a point-to-point link
  IPAddress subnetMask;
  IPAddress subnetAddress;
  bool hasBroadcastAddress = false;

  static char const* TypeName() noexcept { return "network ip interface"; }
};

struct ip6_network_interface {
  network_interface interface;
  IP6Address address;
  IP6Address subnetMask;

  static char const* TypeName() noexcept { return "network ipv6 interface"; }
};

struct link_network_interface {
  network_interface interface;
  MacintoshPlatform::AddressBytes linkAddress;

  static char const* TypeName() noexcept { return "network link interface"; }
};

// The values of one entry. An entry of another family throws `NotAF_INET` (and so
// on); one without an address throws `NoIFAddress`, an IP entry without a mask
// `NoIFNetMask`. An IPv4 entry without a broadcast address has none to show.
network_interface InterfaceOf(InterfaceAddress const& entry) noexcept;
ip_network_interface IPInterfaceOf(InterfaceAddress const& entry);
ip6_network_interface IP6InterfaceOf(InterfaceAddress const& entry);
link_network_interface LinkInterfaceOf(InterfaceAddress const& entry);

// "00-1a-2b-3c-4d-5e": two lower-case hex digits a byte, joined by '-'.
inspector_string FormatMACAddressString(MacintoshPlatform::AddressBytes const& address);
// The name of a family number (2 is "AF_INET", 18 "AF_LINK", 30 "AF_INET6"); a number
// above 37 has none.
inspector_string FamilyNameOf(Of, network_interface const& interface);

integer FamilyOf(Of, network_interface const& interface);
inspector_string NameOf(Of, network_interface const& interface);
boolean IsUpOf(Of, network_interface const& interface);

boolean IsLoopbackOf(Of, ip_network_interface const& interface);
boolean BroadcastSupportOf(Of, ip_network_interface const& interface);
boolean MulticastSupportOf(Of, ip_network_interface const& interface);
boolean PointToPointOf(Of, ip_network_interface const& interface);
ipv4_address Ipv4AddressOf(Of, ip_network_interface const& interface);
ipv4_address Ipv4BroadcastAddressOf(Of, ip_network_interface const& interface);
ipv4_address Ipv4SubnetOf(Of, ip_network_interface const& interface);
ipv4_address Ipv4SubnetAddressOf(Of, ip_network_interface const& interface);
// "192.0.2.0/24".
inspector_string Ipv4CidrOf(Of, ip_network_interface const& interface);

ipv6_address Ipv6AddressOf(Of, ip6_network_interface const& interface);
ipv6_address Ipv6SubnetOf(Of, ip6_network_interface const& interface);
ipv6_address Ipv6SubnetAddressOf(Of, ip6_network_interface const& interface);
// 128 less the trailing zero bits of the mask.
integer Ipv6PrefixLengthOf(Of, ip6_network_interface const& interface);
// "2001:db8:1::/64": the subnet address compressed, '/', the prefix length.
inspector_string Ipv6CidrOf(Of, ip6_network_interface const& interface);

inspector_string MACAddressOf(Of, link_network_interface const& interface);

}  // namespace inspectors
