#include "platform/network_interfaces.h"

#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>
#include <netpacket/packet.h>
#include <sys/socket.h>

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <memory>

#include "foundation/exceptions.h"

namespace MacintoshPlatform {
namespace {

struct FreeInterfaceList {
  void operator()(ifaddrs* list) const noexcept { freeifaddrs(list); }
};
using InterfaceList = std::unique_ptr<ifaddrs, FreeInterfaceList>;

AddressFamily FamilyOf(sockaddr const* address) noexcept {
  if (address == nullptr) return AddressFamily::kUnspecified;
  switch (address->sa_family) {
    case AF_INET: return AddressFamily::kInet;
    case AF_INET6: return AddressFamily::kInet6;
    case AF_PACKET: return AddressFamily::kLink;
    default: return AddressFamily::kOther;
  }
}

std::uint32_t FlagsOf(unsigned int flags) noexcept {
  struct {
    unsigned int platform;
    std::uint32_t ours;
  } constexpr kFlags[] = {{IFF_UP, kInterfaceUp},
                          {IFF_BROADCAST, kInterfaceBroadcast},
                          {IFF_LOOPBACK, kInterfaceLoopback},
                          {IFF_POINTOPOINT, kInterfacePointToPoint},
                          {IFF_MULTICAST, kInterfaceMulticast}};
  std::uint32_t ours = 0;
  for (auto const& flag : kFlags) {
    if ((flags & flag.platform) != 0) ours |= flag.ours;
  }
  return ours;
}

AddressBytes BytesOf(void const* bytes, std::size_t length) noexcept {
  AddressBytes result;
  result.length = static_cast<std::uint8_t>(std::min(length, AddressBytes::kCapacity));
  std::memcpy(result.bytes.data(), bytes, result.length);
  return result;
}

// The IP address of a socket address of `family`; none when it is of another family.
AddressBytes IPBytesOf(sockaddr const* address, sa_family_t family) noexcept {
  if (address == nullptr || address->sa_family != family) return {};
  if (family == AF_INET) {
    auto const* in = reinterpret_cast<sockaddr_in const*>(address);
    return BytesOf(&in->sin_addr, sizeof in->sin_addr);
  }
  auto const* in6 = reinterpret_cast<sockaddr_in6 const*>(address);
  return BytesOf(&in6->sin6_addr, sizeof in6->sin6_addr);
}

// The hardware address of a link-layer entry. The C library lists it in a socket
// address with room for 24 bytes (the declared structure shows 8) and never says
// more than it holds.
AddressBytes LinkBytesOf(sockaddr const* address) noexcept {
  auto const* link = reinterpret_cast<sockaddr_ll const*>(address);
  auto const* bytes = reinterpret_cast<unsigned char const*>(address) + offsetof(sockaddr_ll, sll_addr);
  return BytesOf(bytes, link->sll_halen);
}

InterfaceAddress EntryOf(ifaddrs const& entry) {
  InterfaceAddress result;
  result.name = InterfaceName(entry.ifa_name != nullptr ? entry.ifa_name : "");
  result.family = FamilyOf(entry.ifa_addr);
  result.flags = FlagsOf(entry.ifa_flags);
  switch (result.family) {
    case AddressFamily::kInet:
    case AddressFamily::kInet6: {
      sa_family_t const family = entry.ifa_addr->sa_family;
      result.address = IPBytesOf(entry.ifa_addr, family);
      result.mask = IPBytesOf(entry.ifa_netmask, family);
      if (family == AF_INET) {
        // Where the system knows no broadcast or destination address, the C library
        // puts the entry's own address there: that is none.
        result.destination = IPBytesOf(entry.ifa_ifu.ifu_broadaddr, family);
        if (std::memcmp(result.destination.bytes.data(), result.address.bytes.data(), 4) == 0) {
          result.destination = {};
        }
      }
      break;
    }
    case AddressFamily::kLink:
      result.address = LinkBytesOf(entry.ifa_addr);
      break;
    case AddressFamily::kUnspecified:
    case AddressFamily::kOther:
      break;
  }
  return result;
}

}  // namespace

InterfaceName::InterfaceName(std::string_view name) noexcept
    : length_(static_cast<std::uint8_t>(std::min(name.size(), kCapacity))) {
  std::memcpy(bytes_.data(), name.data(), length_);
}

std::vector<InterfaceAddress> ReadInterfaceAddresses() {
  ifaddrs* first = nullptr;
  if (getifaddrs(&first) != 0) throw inspectors::GetIFAddrFailed();
  InterfaceList const list(first);
  std::vector<InterfaceAddress> entries;
  for (ifaddrs const* entry = list.get(); entry != nullptr; entry = entry->ifa_next) {
    entries.push_back(EntryOf(*entry));
  }
  return entries;
}

}  // namespace MacintoshPlatform
