// The IPv4 address reader and writer, called directly.
//
// Whatever the input, the reader answers an address or nothing, never a crash or an
// exception. An address it reads is the one the C library's inet_aton reads from the
// same text (which also takes texts the reader refuses: with bytes left over, or of
// fewer than 7 bytes), and its written text reads back to it. The first 4 bytes are
// also taken as an address, which must read back from its dotted decimal text and
// from the classic forms of one to four parts in decimal, octal and hexadecimal.
#include <arpa/inet.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

#include "inspectors/system/ipv4_address.h"

namespace {

using inspectors::ConstData;
using inspectors::IPAddress;

[[noreturn]] void Fail(char const* what, std::string const& text, std::uint32_t value) {
  std::fprintf(stderr, "ipv4_text_fuzz: %s\n  text \"%s\"\n  value %08x\n", what, text.c_str(),
               static_cast<unsigned>(value));
  std::abort();
}

void CheckReads(std::string const& text, std::uint32_t value) {
  std::optional<IPAddress> const read = inspectors::ReadIPAddress(ConstData(text));
  if (!read || read->value != value) Fail("a text of the address does not read back", text, value);
}

// The address in `parts` parts (the last one filling the bytes left), each part
// written with `format`.
std::string Classic(std::uint32_t value, int parts, char const* format) {
  std::string text;
  int const bytesInLast = 5 - parts;
  for (int i = 0; i < parts - 1; ++i) {
    char part[16];
    std::snprintf(part, sizeof part, format, (value >> (24 - 8 * i)) & 0xff);
    text += part;
    text += '.';
  }
  std::uint32_t const last = bytesInLast == 4 ? value : value & ((1u << (8 * bytesInLast)) - 1);
  char part[16];
  std::snprintf(part, sizeof part, format, static_cast<unsigned>(last));
  return text + part;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(std::uint8_t const* data, std::size_t size) {
  std::string const input(reinterpret_cast<char const*>(data), size);
  std::optional<IPAddress> const read = inspectors::ReadIPAddress(ConstData(input));
  if (read) {
    in_addr reference{};
    if (input.find('\0') != std::string::npos || inet_aton(input.c_str(), &reference) == 0 ||
        ntohl(reference.s_addr) != read->value) {
      Fail("read where inet_aton differs", input, read->value);
    }
    CheckReads(std::string(inspectors::IPAddressToText(*read).AsStringView()), read->value);
  }
  if (size >= 4) {
    std::uint32_t value = 0;
    std::memcpy(&value, data, sizeof value);
    CheckReads(std::string(inspectors::IPAddressToText(IPAddress{value}).AsStringView()), value);
    for (int parts = 1; parts <= 4; ++parts) {
      for (char const* format : {"%u", "0%o", "0x%x", "0X%X"}) {
        std::string const text = Classic(value, parts, format);
        if (text.size() >= 7) CheckReads(text, value);
      }
    }
  }
  return 0;
}
