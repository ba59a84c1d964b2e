// The IPv6 address reader and its five writers, called directly.
//
// The input is read as text: it is an address or is refused (ParsingFailure,
// NotAnIP6Address), never a crash or another exception, and it reads the same whole,
// split in two where its first byte says and byte by byte. Its answer is the C
// library's inet_pton's, except that a bare dotted IPv4 text reads as its
// IPv4-mapped address. An address read must write five texts that read back to it.
#include <arpa/inet.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "foundation/exceptions.h"
#include "inspectors/system/ip6_grammar.h"
#include "inspectors/system/ipv6_address.h"

namespace {

using inspectors::ConstData;
using inspectors::IP6Address;

[[noreturn]] void Fail(char const* what, std::string const& text) {
  std::fprintf(stderr, "ipv6_text_fuzz: %s\n  text \"%s\"\n", what, text.c_str());
  std::abort();
}

// The address the chunks give, or nothing for a refused text.
std::optional<IP6Address> Read(std::vector<ConstData> const& chunks) {
  inspectors::IP6Automaton automaton;
  inspectors::IP6Parser parser(automaton);
  inspectors::IP6Lexer lexer(parser);
  try {
    lexer.Start();
    for (ConstData const& chunk : chunks) lexer.Receive(chunk);
    lexer.ReceiveEnd();
    return automaton.Result();
  } catch (inspectors::ParsingFailure const&) {
  } catch (inspectors::NotAnIP6Address const&) {
  }
  return std::nullopt;
}

std::optional<IP6Address> Read(std::string const& text) {
  try {
    return inspectors::TextToIP6Address(ConstData(text));
  } catch (inspectors::ParsingFailure const&) {
  } catch (inspectors::NotAnIP6Address const&) {
  }
  return std::nullopt;
}

// inet_pton's answer for a text without zero bytes.
std::optional<IP6Address> Reference(std::string const& text) {
  unsigned char bytes[16];
  if (text.find(':') == std::string::npos) {
    in_addr ip4{};
    if (inet_pton(AF_INET, text.c_str(), &ip4) != 1) return std::nullopt;
    return IP6Address(inspectors::IPAddress{ntohl(ip4.s_addr)});
  }
  if (inet_pton(AF_INET6, text.c_str(), bytes) != 1) return std::nullopt;
  IP6Address::Groups groups{};
  for (std::size_t i = 0; i < groups.size(); ++i) {
    groups[i] = static_cast<std::uint16_t>(bytes[2 * i] << 8 | bytes[2 * i + 1]);
  }
  return IP6Address(groups);
}

void CheckWritten(IP6Address const& address, std::string const& source) {
  using Writer = inspectors::IP6AddressText (*)(IP6Address const&);
  Writer const writers[] = {
      &inspectors::IP6AddressToText, &inspectors::IP6AddressToTextWithLeadingZeros,
      &inspectors::IP6AddressToTextWithIP4, &inspectors::IP6AddressToCompressedText,
      &inspectors::IP6AddressToCompressedTextWithIP4};
  for (Writer write : writers) {
    std::string const text(write(address).AsStringView());
    std::optional<IP6Address> const back = Read(text);
    if (!back || !(*back == address)) Fail("a written text does not read back", source + " -> " + text);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(std::uint8_t const* data, std::size_t size) {
  std::string const input(reinterpret_cast<char const*>(data), size);
  ConstData const all(input);
  std::optional<IP6Address> const whole = Read(std::vector<ConstData>{all});
  std::size_t const cut = size == 0 ? 0 : data[0] % (size + 1);
  std::vector<ConstData> bytes;
  for (std::size_t i = 0; i < size; ++i) bytes.push_back(all.Middle(i, i + 1));
  for (auto const& chunks : {std::vector<ConstData>{all.Head(cut), all.Tail(cut)}, bytes}) {
    std::optional<IP6Address> const split = Read(chunks);
    if (split.has_value() != whole.has_value() || (whole && !(*split == *whole))) {
      Fail("reading in chunks changes the answer", input);
    }
  }
  if (input.find('\0') == std::string::npos) {
    std::optional<IP6Address> const reference = Reference(input);
    if (reference.has_value() != whole.has_value() || (whole && !(*reference == *whole))) {
      Fail(whole ? "read where inet_pton differs" : "refused where inet_pton reads", input);
    }
  }
  if (whole) CheckWritten(*whole, input);
  if (size >= 16) {
    IP6Address::Groups groups{};
    std::memcpy(groups.data(), data, sizeof groups);
    CheckWritten(IP6Address(groups), "(bytes)");
  }
  return 0;
}
