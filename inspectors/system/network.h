// The inspector types "network", a snapshot of the machine's interface address
// entries taken when it is asked for, and "network adapter", the entries of one
// interface name. The snapshot does not change afterwards; an adapter refers to the
// network it came from, which the evaluator keeps alive while the adapter lives.
//
//   names of adapters of network
//   mac address of adapter "eth0" of network
//   cidr strings of ip interfaces of network
//   addresses of ipv6 interfaces of adapter "eth0" of network
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

#include "framework/contract/evaluator.h"
#include "framework/registration_object.h"
#include "inspectors/system/network_interfaces.h"

namespace inspectors {

// The entries of one interface name, in snapshot order.
struct NetworkAdapter {
  MacintoshPlatform::InterfaceName name;
  std::vector<InterfaceAddress const*> entries;
};

class NetworkSnapshot {
 public:
  explicit NetworkSnapshot(std::vector<InterfaceAddress> entries);
  NetworkSnapshot(NetworkSnapshot const&) = delete;
  NetworkSnapshot& operator=(NetworkSnapshot const&) = delete;

  std::span<InterfaceAddress const* const> Entries() const noexcept { return entryList_; }
  // In ascending byte order of their names.
  std::span<NetworkAdapter const> Adapters() const noexcept { return adapters_; }
  NetworkAdapter const* AdapterNamed(std::string_view name) const noexcept;

 private:
  std::vector<InterfaceAddress> entries_;
  std::vector<InterfaceAddress const*> entryList_;
  std::vector<NetworkAdapter> adapters_;
};

struct network {
  std::unique_ptr<NetworkSnapshot const> snapshot;

  static char const* TypeName() noexcept { return "network"; }
};

struct network_adapter {
  NetworkAdapter const* adapter = nullptr;

  static char const* TypeName() noexcept { return "network adapter"; }
};

// A fresh snapshot; a failure of the system's listing throws `GetIFAddrFailed`.
network Network_of_world();
// The first IPv4 entry of a fresh snapshot that is not a loopback.
ip_network_interface PrimaryInternetConnectionOfWorld();

// Numbers count from 1; 0 and numbers past the last have no value.
network_interface Interface_of(std::uint64_t n, network const& net);
ip_network_interface IpInterface_of(std::uint64_t n, network const& net);
ip6_network_interface Ip6Interface_of(std::uint64_t n, network const& net);
link_network_interface LinkInterface_of(std::uint64_t n, network const& net);
network_adapter Adapter_of(std::uint64_t n, network const& net);
network_adapter adapter_of_network(unsigned char const* name, unsigned long length,
                                   network const& net);

// Of an adapter: "up" from its first entry, the IPv4 values from its first IPv4
// entry and the MAC address from its first link entry; without such an entry, no
// value.
inspector_string NameOfAdapter(Of, network_adapter const& adapter);
boolean IsUpOfAdapter(Of, network_adapter const& adapter);
boolean IsLoopbackOfAdapter(Of, network_adapter const& adapter);
boolean BroadcastSupportOfAdapter(Of, network_adapter const& adapter);
boolean MulticastSupportOfAdapter(Of, network_adapter const& adapter);
boolean PointToPointOfAdapter(Of, network_adapter const& adapter);
ipv4_address Ipv4AddressOfAdapter(Of, network_adapter const& adapter);
ipv4_address Ipv4BroadcastAddressOfAdapter(Of, network_adapter const& adapter);
ipv4_address Ipv4SubnetOfAdapter(Of, network_adapter const& adapter);
ipv4_address Ipv4SubnetAddressOfAdapter(Of, network_adapter const& adapter);
inspector_string Ipv4CidrOfAdapter(Of, network_adapter const& adapter);
inspector_string MACAddressOfAdapter(Of, network_adapter const& adapter);

}  // namespace inspectors
