// The machine's interface addresses: one entry for each address of each interface, as
// the system lists them (getifaddrs), copied into records of this system's own terms.
// The families are numbered as the inspectors name them (a link-layer entry is
// `kLink`, whatever the platform calls it) and the flags use the bits below, so that
// nothing of the platform's records reaches the inspectors.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace MacintoshPlatform {

enum class AddressFamily : std::uint8_t {
  kUnspecified = 0,  // an entry without an address
  kInet = 2,
  kLink = 18,
  kInet6 = 30,
  kOther = 255,  // a family the inspectors have no name for
};

// Interface flags.
inline constexpr std::uint32_t kInterfaceUp = 0x1;
inline constexpr std::uint32_t kInterfaceBroadcast = 0x2;
inline constexpr std::uint32_t kInterfaceLoopback = 0x8;
inline constexpr std::uint32_t kInterfacePointToPoint = 0x10;
inline constexpr std::uint32_t kInterfaceMulticast = 0x8000;

// An interface name of at most 15 bytes, which every name the system gives fits.
class InterfaceName {
 public:
  static constexpr std::size_t kCapacity = 15;

  constexpr InterfaceName() noexcept = default;
  // Longer text is cut to the capacity.
  explicit InterfaceName(std::string_view name) noexcept;

  std::string_view View() const noexcept { return {bytes_.data(), length_}; }

 private:
  std::array<char, kCapacity> bytes_{};
  std::uint8_t length_ = 0;
};

// An address as its bytes in network order: 4 for IPv4, 16 for IPv6, the hardware
// address of a link. Empty when the entry has none.
struct AddressBytes {
  static constexpr std::size_t kCapacity = 24;  // the longest link address listed

  std::array<std::uint8_t, kCapacity> bytes{};
  std::uint8_t length = 0;

  bool Present() const noexcept { return length != 0; }
};

struct InterfaceAddress {
  InterfaceName name;
  AddressFamily family = AddressFamily::kUnspecified;
  std::uint32_t flags = 0;
  AddressBytes address;
  // IPv4 and IPv6 entries only.
  AddressBytes mask;
  // IPv4 only: the broadcast address, or on a point-to-point link the other end's;
  // empty when the system knows none.
  AddressBytes destination;
};

// Every entry, in the system's order. A failure of the listing throws
// `GetIFAddrFailed`.
std::vector<InterfaceAddress> ReadInterfaceAddresses();

}  // namespace MacintoshPlatform
