// IPv6 address text: reading 1,024 addresses written in their compressed form (a
// quarter of them with an IPv4 part) against inet_pton on the same texts in the same
// run. The library's reader is linked from its own objects and called through a
// pointer; the benchmark first checks that both readers agree on every text.
#include <arpa/inet.h>
#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "inspectors/system/ipv6_address.h"
#include "inspectors/system/ip6_grammar.h"

namespace {

using inspectors::ConstData;
using inspectors::IP6Address;

using Reader = IP6Address (*)(ConstData);
using Writer = inspectors::IP6AddressText (*)(IP6Address const&);

struct Functions {
  Reader read = &inspectors::TextToIP6Address;
  Writer compressed = &inspectors::IP6AddressToCompressedText;
  Writer compressedWithIP4 = &inspectors::IP6AddressToCompressedTextWithIP4;
};

// Addresses with runs of zero groups of every length, as networks number them.
std::vector<std::string> Texts(Functions const& f) {
  std::vector<std::string> texts;
  std::uint64_t state = 0x9e3779b97f4a7c15u;
  for (int i = 0; i < 1024; ++i) {
    IP6Address::Groups groups{};
    for (std::uint16_t& group : groups) {
      state = state * 6364136223846793005u + 1442695040888963407u;
      group = (state >> 60) < 6 ? 0 : static_cast<std::uint16_t>(state >> 32);
    }
    IP6Address const address(groups);
    texts.emplace_back((i % 4 == 0 ? f.compressedWithIP4 : f.compressed)(address).AsStringView());
  }
  return texts;
}

bool Agree(Functions const& f, std::vector<std::string> const& texts) {
  for (std::string const& text : texts) {
    unsigned char bytes[16];
    if (inet_pton(AF_INET6, text.c_str(), bytes) != 1) return false;
    IP6Address const ours = f.read(ConstData(text));
    for (std::size_t g = 0; g < 8; ++g) {
      if (ours[g] != (bytes[2 * g] << 8 | bytes[2 * g + 1])) return false;
    }
  }
  return true;
}

void BM_ReadIP6Text(benchmark::State& state) {
  Functions const f;
  std::vector<std::string> const texts = Texts(f);
  if (!Agree(f, texts)) return state.SkipWithError("the readers disagree");
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(f.read(ConstData(texts[i])));
    i = (i + 1) % texts.size();
  }
}
BENCHMARK(BM_ReadIP6Text);

void BM_InetPton6(benchmark::State& state) {
  Functions const f;
  std::vector<std::string> const texts = Texts(f);
  std::size_t i = 0;
  unsigned char bytes[16];
  for (auto _ : state) {
    benchmark::DoNotOptimize(inet_pton(AF_INET6, texts[i].c_str(), bytes));
    benchmark::DoNotOptimize(bytes);
    i = (i + 1) % texts.size();
  }
}
BENCHMARK(BM_InetPton6);

}  // namespace
