#include "inspectors/system/network.h"

#include <algorithm>
#include <map>

#include "foundation/exceptions.h"
#include "foundation/inspector_string_copy.h"
#include "framework/inspector.h"

namespace inspectors {
namespace {

// The kinds of entries a sequence walks, and the value each entry makes.
struct AnyEntry {
  static bool Takes(InterfaceAddress const&) noexcept { return true; }
  static network_interface Make(InterfaceAddress const& e) noexcept { return InterfaceOf(e); }
};
struct IPEntry {
  static bool Takes(InterfaceAddress const& e) noexcept { return e.family == AddressFamily::kInet; }
  static ip_network_interface Make(InterfaceAddress const& e) { return IPInterfaceOf(e); }
};
struct IP6Entry {
  static bool Takes(InterfaceAddress const& e) noexcept { return e.family == AddressFamily::kInet6; }
  static ip6_network_interface Make(InterfaceAddress const& e) { return IP6InterfaceOf(e); }
};
struct LinkEntry {
  static bool Takes(InterfaceAddress const& e) noexcept { return e.family == AddressFamily::kLink; }
  static link_network_interface Make(InterfaceAddress const& e) { return LinkInterfaceOf(e); }
};

std::span<InterfaceAddress const* const> EntriesOf(network const& net) noexcept {
  return net.snapshot->Entries();
}
std::span<InterfaceAddress const* const> EntriesOf(network_adapter const& adapter) noexcept {
  return adapter.adapter->entries;
}

// The entries of one kind of a network or of an adapter, in snapshot order.
template <class Object, class Kind>
class EntryIterator {
 public:
  using Value = decltype(Kind::Make(std::declval<InterfaceAddress const&>()));

  Value First(Of, Object const& object) {
    next_ = 0;
    return Next(Of{}, object);
  }
  Value Next(Of, Object const& object) {
    auto const entries = EntriesOf(object);
    while (next_ < entries.size()) {
      InterfaceAddress const& entry = *entries[next_++];
      if (Kind::Takes(entry)) return Kind::Make(entry);
    }
    throw NoSuchObject();
  }

 private:
  std::size_t next_ = 0;
};

class AdapterIterator {
 public:
  network_adapter First(Of, network const& net) {
    next_ = 0;
    return Next(Of{}, net);
  }
  network_adapter Next(Of, network const& net) {
    auto const adapters = net.snapshot->Adapters();
    if (next_ == adapters.size()) throw NoSuchObject();
    return network_adapter{&adapters[next_++]};
  }

 private:
  std::size_t next_ = 0;
};

// The n-th entry of a kind, counting from 1.
template <class Kind>
auto NthOf(std::uint64_t n, network const& net) {
  for (InterfaceAddress const* entry : EntriesOf(net)) {
    if (Kind::Takes(*entry) && --n == 0) return Kind::Make(*entry);
  }
  throw NoSuchObject();
}

// The first entry of a kind of an adapter.
template <class Kind>
auto FirstOf(network_adapter const& adapter) {
  for (InterfaceAddress const* entry : EntriesOf(adapter)) {
    if (Kind::Takes(*entry)) return Kind::Make(*entry);
  }
  throw NoSuchObject();
}

}  // namespace

NetworkSnapshot::NetworkSnapshot(std::vector<InterfaceAddress> entries)
    : entries_(std::move(entries)) {
  entryList_.reserve(entries_.size());
  std::map<std::string_view, std::size_t> adapterOfName;
  for (InterfaceAddress const& entry : entries_) {
    entryList_.push_back(&entry);
    auto const [at, added] = adapterOfName.try_emplace(entry.name.View(), adapters_.size());
    if (added) adapters_.push_back(NetworkAdapter{entry.name, {}});
    adapters_[at->second].entries.push_back(&entry);
  }
  std::sort(adapters_.begin(), adapters_.end(), [](NetworkAdapter const& a, NetworkAdapter const& b) {
    return a.name.View() < b.name.View();
  });
}

NetworkAdapter const* NetworkSnapshot::AdapterNamed(std::string_view name) const noexcept {
  auto const found = std::lower_bound(
      adapters_.begin(), adapters_.end(), name,
      [](NetworkAdapter const& adapter, std::string_view n) { return adapter.name.View() < n; });
  return found != adapters_.end() && found->name.View() == name ? &*found : nullptr;
}

network Network_of_world() {
  return network{std::make_unique<NetworkSnapshot const>(MacintoshPlatform::ReadInterfaceAddresses())};
}

ip_network_interface PrimaryInternetConnectionOfWorld() {
  for (InterfaceAddress const& entry : MacintoshPlatform::ReadInterfaceAddresses()) {
    if (IPEntry::Takes(entry) && (entry.flags & MacintoshPlatform::kInterfaceLoopback) == 0) {
      return IPInterfaceOf(entry);
    }
  }
  throw NoSuchObject();
}

network_interface Interface_of(std::uint64_t n, network const& net) {
  return NthOf<AnyEntry>(n, net);
}
ip_network_interface IpInterface_of(std::uint64_t n, network const& net) {
  return NthOf<IPEntry>(n, net);
}
ip6_network_interface Ip6Interface_of(std::uint64_t n, network const& net) {
  return NthOf<IP6Entry>(n, net);
}
link_network_interface LinkInterface_of(std::uint64_t n, network const& net) {
  return NthOf<LinkEntry>(n, net);
}

network_adapter Adapter_of(std::uint64_t n, network const& net) {
  auto const adapters = net.snapshot->Adapters();
  if (n == 0 || n > adapters.size()) throw NoSuchObject();
  return network_adapter{&adapters[n - 1]};
}

network_adapter adapter_of_network(unsigned char const* name, unsigned long length,
                                   network const& net) {
  std::string_view const wanted(reinterpret_cast<char const*>(name), length);
  NetworkAdapter const* adapter = net.snapshot->AdapterNamed(wanted);
  if (adapter == nullptr) throw NoSuchObject();
  return network_adapter{adapter};
}

inspector_string NameOfAdapter(Of, network_adapter const& adapter) {
  return CopyToInspectorString(adapter.adapter->name.View());
}
boolean IsUpOfAdapter(Of, network_adapter const& adapter) {
  return IsUpOf(Of{}, FirstOf<AnyEntry>(adapter));
}
boolean IsLoopbackOfAdapter(Of, network_adapter const& adapter) {
  return IsLoopbackOf(Of{}, FirstOf<IPEntry>(adapter));
}
boolean BroadcastSupportOfAdapter(Of, network_adapter const& adapter) {
  return BroadcastSupportOf(Of{}, FirstOf<IPEntry>(adapter));
}
boolean MulticastSupportOfAdapter(Of, network_adapter const& adapter) {
  return MulticastSupportOf(Of{}, FirstOf<IPEntry>(adapter));
}
boolean PointToPointOfAdapter(Of, network_adapter const& adapter) {
  return PointToPointOf(Of{}, FirstOf<IPEntry>(adapter));
}
ipv4_address Ipv4AddressOfAdapter(Of, network_adapter const& adapter) {
  return Ipv4AddressOf(Of{}, FirstOf<IPEntry>(adapter));
}
ipv4_address Ipv4BroadcastAddressOfAdapter(Of, network_adapter const& adapter) {
  return Ipv4BroadcastAddressOf(Of{}, FirstOf<IPEntry>(adapter));
}
ipv4_address Ipv4SubnetOfAdapter(Of, network_adapter const& adapter) {
  return Ipv4SubnetOf(Of{}, FirstOf<IPEntry>(adapter));
}
ipv4_address Ipv4SubnetAddressOfAdapter(Of, network_adapter const& adapter) {
  return Ipv4SubnetAddressOf(Of{}, FirstOf<IPEntry>(adapter));
}
inspector_string Ipv4CidrOfAdapter(Of, network_adapter const& adapter) {
  return Ipv4CidrOf(Of{}, FirstOf<IPEntry>(adapter));
}
inspector_string MACAddressOfAdapter(Of, network_adapter const& adapter) {
  return MACAddressOf(Of{}, FirstOf<LinkEntry>(adapter));
}

namespace {

constexpr auto kPure = kDependsOnlyOnParameters;
constexpr auto kMachine = kDependsOnMachineState;

template <class Object, class Kind>
using Entries = EntryIterator<Object, Kind>;
using NetworkEntries = Entries<network, AnyEntry>;
using NetworkIPEntries = Entries<network, IPEntry>;
using NetworkIP6Entries = Entries<network, IP6Entry>;
using NetworkLinkEntries = Entries<network, LinkEntry>;
using AdapterEntries = Entries<network_adapter, AnyEntry>;
using AdapterIPEntries = Entries<network_adapter, IPEntry>;
using AdapterIP6Entries = Entries<network_adapter, IP6Entry>;
using AdapterLinkEntries = Entries<network_adapter, LinkEntry>;

Type<network, kNotFingerprinted> const networkType;
Type<network_adapter, kNotFingerprinted> const adapterType;

Prop const world("network", "networks", &Network_of_world, kMachine);
Prop const primary("primary internet connection", "primary internet connections",
                   &PrimaryInternetConnectionOfWorld, kMachine);

Prop const interfaces("interface", "interfaces", &NetworkEntries::First, &NetworkEntries::Next,
                      kMachine);
NumberedProperty<network, network_interface> const interface("interface", "interfaces",
                                                             &Interface_of, kPure);
Prop const ipInterfaces("ip interface", "ip interfaces", &NetworkIPEntries::First,
                        &NetworkIPEntries::Next, kMachine);
NumberedProperty<network, ip_network_interface> const ipInterface("ip interface", "ip interfaces",
                                                                  &IpInterface_of, kPure);
Prop const ip6Interfaces("ipv6 interface", "ipv6 interfaces", &NetworkIP6Entries::First,
                         &NetworkIP6Entries::Next, kMachine);
NumberedProperty<network, ip6_network_interface> const ip6Interface(
    "ipv6 interface", "ipv6 interfaces", &Ip6Interface_of, kPure);
Prop const linkInterfaces("link interface", "link interfaces", &NetworkLinkEntries::First,
                          &NetworkLinkEntries::Next, kMachine);
NumberedProperty<network, link_network_interface> const linkInterface(
    "link interface", "link interfaces", &LinkInterface_of, kPure);

Prop const adapters("adapter", "adapters", &AdapterIterator::First, &AdapterIterator::Next,
                    kMachine);
NamedProperty<network, network_adapter> const namedAdapter("adapter", "adapters",
                                                           &adapter_of_network, kMachine);
NumberedProperty<network, network_adapter> const numberedAdapter("adapter", "adapters",
                                                                 &Adapter_of, kPure);

Prop const adapterName("name", "names", &NameOfAdapter, kMachine);
Prop const adapterUp("up", "ups", &IsUpOfAdapter, kMachine);
Prop const adapterLoopback("loopback", "loopbacks", &IsLoopbackOfAdapter, kMachine);
Prop const adapterBroadcast("broadcast support", "broadcast supports", &BroadcastSupportOfAdapter,
                            kMachine);
Prop const adapterMulticast("multicast support", "multicast supports", &MulticastSupportOfAdapter,
                            kMachine);
Prop const adapterPointToPoint("point to point", "point to points", &PointToPointOfAdapter,
                               kMachine);
Prop const adapterAddress("address", "addresses", &Ipv4AddressOfAdapter, kMachine);
Prop const adapterBroadcastAddress("broadcast address", "broadcast addresses",
                                   &Ipv4BroadcastAddressOfAdapter, kMachine);
Prop const adapterSubnetMask("subnet mask", "subnet masks", &Ipv4SubnetOfAdapter, kMachine);
Prop const adapterSubnetAddress("subnet address", "subnet addresses", &Ipv4SubnetAddressOfAdapter,
                                kMachine);
Prop const adapterCidr("cidr string", "cidr strings", &Ipv4CidrOfAdapter, kMachine);
Prop const adapterMAC("mac address", "mac addresses", &MACAddressOfAdapter, kMachine);

Prop const adapterInterfaces("interface", "interfaces", &AdapterEntries::First,
                             &AdapterEntries::Next, kMachine);
Prop const adapterIPInterfaces("ip interface", "ip interfaces", &AdapterIPEntries::First,
                               &AdapterIPEntries::Next, kMachine);
Prop const adapterIP6Interfaces("ipv6 interface", "ipv6 interfaces", &AdapterIP6Entries::First,
                                &AdapterIP6Entries::Next, kMachine);
Prop const adapterLinkInterfaces("link interface", "link interfaces", &AdapterLinkEntries::First,
                                 &AdapterLinkEntries::Next, kMachine);

}  // namespace

}  // namespace inspectors
