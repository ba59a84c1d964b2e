#include "inspectors/system/network_interfaces.h"

#include <bit>

#include "foundation/ascii.h"
#include "foundation/exceptions.h"
#include "foundation/inspector_string_copy.h"
#include "foundation/numerals.h"
#include "framework/inspector.h"

namespace inspectors {
namespace {

using MacintoshPlatform::AddressBytes;

// The socket address families by number.
constexpr char const* kFamilyNames[] = {
    "AF_UNSPEC",    "AF_UNIX",        "AF_INET",       "AF_IMPLINK",     "AF_PUP",
    "AF_CHAOS",     "AF_NS",          "AF_ISO",        "AF_ECMA",        "AF_DATAKIT",
    "AF_CCITT",     "AF_SNA",         "AF_DECnet",     "AF_DLI",         "AF_LAT",
    "AF_HYLINK",    "AF_APPLETALK",   "AF_ROUTE",      "AF_LINK",        "pseudo_AF_XTP",
    "AF_COIP",      "AF_CNT",         "pseudo_AF_RTIP", "AF_IPX",        "AF_SIP",
    "pseudo_AF_PIP", "pseudo_AF_BLUE", "AF_NDRV",      "AF_ISDN",        "pseudo_AF_KEY",
    "AF_INET6",     "AF_NATM",        "AF_SYSTEM",     "AF_NETBIOS",     "AF_PPP",
    "pseudo_AF_HDRCMPLT", "AF_RESERVED_36", "AF_MAX"};

IPAddress IPv4Of(AddressBytes const& bytes) noexcept {
  return IPAddress{static_cast<std::uint32_t>(bytes.bytes[0]) << 24 |
                   static_cast<std::uint32_t>(bytes.bytes[1]) << 16 |
                   static_cast<std::uint32_t>(bytes.bytes[2]) << 8 | bytes.bytes[3]};
}

IP6Address IPv6Of(AddressBytes const& bytes) noexcept {
  IP6Address::Groups groups{};
  for (std::size_t i = 0; i < groups.size(); ++i) {
    groups[i] = static_cast<std::uint16_t>(bytes.bytes[2 * i] << 8 | bytes.bytes[2 * i + 1]);
  }
  return IP6Address(groups);
}

IP6Address Masked(IP6Address const& address, IP6Address const& mask) noexcept {
  IP6Address::Groups groups{};
  for (std::size_t i = 0; i < groups.size(); ++i) {
    groups[i] = static_cast<std::uint16_t>(address[i] & mask[i]);
  }
  return IP6Address(groups);
}

unsigned PrefixLengthOf(IP6Address const& mask) noexcept {
  for (std::size_t i = 8; i-- > 0;) {
    if (mask[i] != 0) return static_cast<unsigned>(16 * i + 16 - std::countr_zero(mask[i]));
  }
  return 0;
}

void CheckFamily(InterfaceAddress const& entry, AddressFamily family) {
  if (entry.family == family) return;
  if (family == AddressFamily::kLink) throw NotAF_LINK();
  if (family == AddressFamily::kInet) throw NotAF_INET();
  throw NoIPAddrInterface();
}

// The address and mask of an IP entry of `family`, checked.
void CheckIPEntry(InterfaceAddress const& entry, AddressFamily family, std::size_t length) {
  CheckFamily(entry, family);
  if (entry.address.length != length) throw NoIFAddress();
  if (entry.mask.length != length) throw NoIFNetMask();
}

}  // namespace

network_interface InterfaceOf(InterfaceAddress const& entry) noexcept {
  return network_interface{static_cast<std::uint8_t>(entry.family), entry.name, entry.flags};
}

ip_network_interface IPInterfaceOf(InterfaceAddress const& entry) {
  CheckIPEntry(entry, AddressFamily::kInet, 4);
  ip_network_interface result;
  result.interface = InterfaceOf(entry);
  result.address = IPv4Of(entry.address);
  result.subnetMask = IPv4Of(entry.mask);
  result.subnetAddress = IPAddress{result.address.value & result.subnetMask.value};
  result.hasBroadcastAddress = entry.destination.length == 4;
  if (result.hasBroadcastAddress) result.broadcastAddress = IPv4Of(entry.destination);
  return result;
}

ip6_network_interface IP6InterfaceOf(InterfaceAddress const& entry) {
  CheckIPEntry(entry, AddressFamily::kInet6, 16);
  return ip6_network_interface{InterfaceOf(entry), IPv6Of(entry.address), IPv6Of(entry.mask)};
}

link_network_interface LinkInterfaceOf(InterfaceAddress const& entry) {
  CheckFamily(entry, AddressFamily::kLink);
  if (!entry.address.Present()) throw NoIFAddress();
  return link_network_interface{InterfaceOf(entry), entry.address};
}

inspector_string FormatMACAddressString(AddressBytes const& address) {
  BufferOfSize<3 * AddressBytes::kCapacity> text;
  for (std::size_t i = 0; i < address.length; ++i) {
    if (i != 0) text.GetBuffer().Put('-');
    text.GetBuffer().Put(static_cast<byte>(Ascii::HexDigit(address.bytes[i] >> 4)));
    text.GetBuffer().Put(static_cast<byte>(Ascii::HexDigit(address.bytes[i] & 0xf)));
  }
  return CopyToInspectorString(text.Used());
}

inspector_string FamilyNameOf(Of, network_interface const& interface) {
  if (interface.family >= std::size(kFamilyNames)) throw NoSuchObject();
  return AsInspectorString(ConstData(kFamilyNames[interface.family]));
}

integer FamilyOf(Of, network_interface const& interface) {
  return integer(interface.family);
}
inspector_string NameOf(Of, network_interface const& interface) {
  return CopyToInspectorString(interface.name.View());
}
boolean IsUpOf(Of, network_interface const& interface) {
  return (interface.flags & MacintoshPlatform::kInterfaceUp) != 0;
}

boolean IsLoopbackOf(Of, ip_network_interface const& interface) {
  return (interface.interface.flags & MacintoshPlatform::kInterfaceLoopback) != 0;
}
boolean BroadcastSupportOf(Of, ip_network_interface const& interface) {
  return (interface.interface.flags & MacintoshPlatform::kInterfaceBroadcast) != 0;
}
boolean MulticastSupportOf(Of, ip_network_interface const& interface) {
  return (interface.interface.flags & MacintoshPlatform::kInterfaceMulticast) != 0;
}
boolean PointToPointOf(Of, ip_network_interface const& interface) {
  return (interface.interface.flags & MacintoshPlatform::kInterfacePointToPoint) != 0;
}
ipv4_address Ipv4AddressOf(Of, ip_network_interface const& interface) {
  return interface.address;
}
ipv4_address Ipv4BroadcastAddressOf(Of, ip_network_interface const& interface) {
  if (!interface.hasBroadcastAddress) throw NoSuchObject();
  return interface.broadcastAddress;
}
ipv4_address Ipv4SubnetOf(Of, ip_network_interface const& interface) {
  return interface.subnetMask;
}
ipv4_address Ipv4SubnetAddressOf(Of, ip_network_interface const& interface) {
  return interface.subnetAddress;
}
inspector_string Ipv4CidrOf(Of, ip_network_interface const& interface) {
  return IP4SubnetInspectorString(interface.address, interface.subnetMask);
}

ipv6_address Ipv6AddressOf(Of, ip6_network_interface const& interface) {
  return interface.address;
}
ipv6_address Ipv6SubnetOf(Of, ip6_network_interface const& interface) {
  return interface.subnetMask;
}
ipv6_address Ipv6SubnetAddressOf(Of, ip6_network_interface const& interface) {
  return Masked(interface.address, interface.subnetMask);
}
integer Ipv6PrefixLengthOf(Of, ip6_network_interface const& interface) {
  return integer(PrefixLengthOf(interface.subnetMask));
}
inspector_string Ipv6CidrOf(Of, ip6_network_interface const& interface) {
  BufferOfSize<IP6AddressText::Capacity() + 4> text;
  text.GetBuffer().Write(IP6AddressToCompressedText(Masked(interface.address, interface.subnetMask)));
  text.GetBuffer().Put('/');
  text.GetBuffer().Write(MakeAsciiDecimalNumeral(PrefixLengthOf(interface.subnetMask)));
  return CopyToInspectorString(text.Used());
}

inspector_string MACAddressOf(Of, link_network_interface const& interface) {
  return FormatMACAddressString(interface.linkAddress);
}

namespace {

constexpr auto kMachine = kDependsOnMachineState;

Type<network_interface, kNotFingerprinted> const interfaceType;
DerivedType<ip_network_interface, network_interface, kNotFingerprinted> const ipInterfaceType;
DerivedType<link_network_interface, network_interface, kNotFingerprinted> const linkInterfaceType;
DerivedType<ip6_network_interface, network_interface, kNotFingerprinted> const ip6InterfaceType;

Prop const family("family", "families", &FamilyOf, kMachine);
Prop const familyName("family name", "family names", &FamilyNameOf, kMachine);
Prop const name("name", "names", &NameOf, kMachine);
Prop const up("up", "ups", &IsUpOf, kMachine);

Prop const loopback("loopback", "loopbacks", &IsLoopbackOf, kMachine);
Prop const broadcastSupport("broadcast support", "broadcast supports", &BroadcastSupportOf, kMachine);
Prop const multicastSupport("multicast support", "multicast supports", &MulticastSupportOf, kMachine);
Prop const pointToPoint("point to point", "point to points", &PointToPointOf, kMachine);
Prop const address("address", "addresses", &Ipv4AddressOf, kMachine);
Prop const broadcastAddress("broadcast address", "broadcast addresses", &Ipv4BroadcastAddressOf,
                            kMachine);
Prop const subnetMask("subnet mask", "subnet masks", &Ipv4SubnetOf, kMachine);
Prop const subnetAddress("subnet address", "subnet addresses", &Ipv4SubnetAddressOf, kMachine);
Prop const cidr("cidr string", "cidr strings", &Ipv4CidrOf, kMachine);

Prop const ip6Address("address", "addresses", &Ipv6AddressOf, kMachine);
Prop const ip6SubnetMask("subnet mask", "subnet masks", &Ipv6SubnetOf, kMachine);
Prop const ip6SubnetAddress("subnet address", "subnet addresses", &Ipv6SubnetAddressOf, kMachine);
Prop const ip6PrefixLength("prefix length", "prefix lengths", &Ipv6PrefixLengthOf, kMachine);
Prop const ip6Cidr("cidr string", "cidr strings", &Ipv6CidrOf, kMachine);

Prop const macAddress("mac address", "mac addresses", &MACAddressOf, kMachine);

}  // namespace

}  // namespace inspectors
