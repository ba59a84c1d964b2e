// Reading a file of 256 MiB through queries, against plain loops over the same file
// read in 64 KiB chunks: its SHA-1 digest against OpenSSL's SHA-1 called directly,
// a content search for a text that is not there against memmem, the number of its
// lines against a memchr count of its LF bytes; and the walk of /usr against nftw.
// The file stays in the page cache, so every pair times the same reading and the
// work on the bytes.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <ftw.h>
#include <openssl/evp.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "bench/query_loop.h"

namespace {

constexpr std::size_t kFileBytes = std::size_t{256} << 20;
constexpr std::size_t kChunk = 64 * 1024;
constexpr char kAbsent[] = "a text that is nowhere";

// The file: lines of 20 to 100 random letters and spaces, made once and removed at
// the end.
class TextFile {
 public:
  TextFile() {
    std::string pattern = (std::filesystem::temp_directory_path() / "reading_XXXXXX").string();
    int const fd = ::mkstemp(pattern.data());
    if (fd < 0) return;
    path_ = pattern;
    std::mt19937 random(7);
    std::string block;
    while (block.size() < 1 << 20) {
      std::size_t const length = 20 + random() % 81;
      for (std::size_t i = 0; i < length; ++i) {
        block += random() % 6 == 0 ? ' ' : static_cast<char>('a' + random() % 26);
      }
      block += '\n';
    }
    for (std::size_t written = 0; written < kFileBytes; written += block.size()) {
      std::size_t const n = std::min(block.size(), kFileBytes - written);
      if (::write(fd, block.data(), n) != static_cast<ssize_t>(n)) path_.clear();
    }
    ::close(fd);
  }
  ~TextFile() {
    if (!path_.empty()) ::unlink(path_.c_str());
  }
  TextFile(TextFile const&) = delete;
  TextFile& operator=(TextFile const&) = delete;

  std::string const& Path() const { return path_; }

 private:
  std::string path_;
};

TextFile const& TheFile() {
  static TextFile const file;
  return file;
}

// Calls `each(bytes, n)` for every chunk of the file; false when it cannot be read.
template <class Each>
bool ReadChunks(Each&& each) {
  int const fd = ::open(TheFile().Path().c_str(), O_RDONLY);
  if (fd < 0) return false;
  std::vector<unsigned char> buffer(kChunk);
  for (;;) {
    ssize_t const n = ::read(fd, buffer.data(), buffer.size());
    if (n <= 0) break;
    each(buffer.data(), static_cast<std::size_t>(n));
  }
  ::close(fd);
  return true;
}

std::string OfTheFile(char const* phrase) {
  return std::string(phrase) + " file \"" + TheFile().Path() + "\"";
}

void BM_SHA1Query(benchmark::State& state) {
  bench::TimePreparedQuery(state, OfTheFile("sha1 of"), true);
}
BENCHMARK(BM_SHA1Query)->Unit(benchmark::kMillisecond);

void BM_SHA1OpenSSL(benchmark::State& state) {
  for (auto _ : state) {
    EVP_MD_CTX* const context = EVP_MD_CTX_new();
    EVP_DigestInit_ex(context, EVP_sha1(), nullptr);
    ReadChunks(
        [&](unsigned char const* bytes, std::size_t n) { EVP_DigestUpdate(context, bytes, n); });
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    EVP_DigestFinal_ex(context, digest, &length);
    EVP_MD_CTX_free(context);
    benchmark::DoNotOptimize(digest);
  }
}
BENCHMARK(BM_SHA1OpenSSL)->Unit(benchmark::kMillisecond);

void BM_ContentContainsQuery(benchmark::State& state) {
  bench::TimePreparedQuery(state, "content of " + OfTheFile("") + " contains \"" + kAbsent + "\"",
                           true);
}
BENCHMARK(BM_ContentContainsQuery)->Unit(benchmark::kMillisecond);

// The search of `grep -F`: each chunk read right behind the bytes kept from the one
// before (those that could start a match across the two), and memmem over both.
void BM_ContentMemmem(benchmark::State& state) {
  std::size_t const needle = std::strlen(kAbsent);
  std::vector<unsigned char> region(needle - 1 + kChunk);
  for (auto _ : state) {
    int const fd = ::open(TheFile().Path().c_str(), O_RDONLY);
    std::size_t carried = 0;
    bool found = false;
    for (ssize_t n; !found && (n = ::read(fd, region.data() + carried, kChunk)) > 0;) {
      std::size_t const length = carried + static_cast<std::size_t>(n);
      found = ::memmem(region.data(), length, kAbsent, needle) != nullptr;
      carried = std::min(needle - 1, length);
      std::memmove(region.data(), region.data() + length - carried, carried);
    }
    ::close(fd);
    benchmark::DoNotOptimize(found);
  }
}
BENCHMARK(BM_ContentMemmem)->Unit(benchmark::kMillisecond);

void BM_NumberOfLinesQuery(benchmark::State& state) {
  bench::TimePreparedQuery(state, "number of lines of " + OfTheFile(""), true);
}
BENCHMARK(BM_NumberOfLinesQuery)->Unit(benchmark::kMillisecond);

// `wc -l`: the LF bytes, counted with memchr.
void BM_NumberOfLinesMemchr(benchmark::State& state) {
  for (auto _ : state) {
    std::size_t lines = 0;
    ReadChunks([&](unsigned char const* bytes, std::size_t n) {
      unsigned char const* const end = bytes + n;
      for (unsigned char const* p = bytes;
           (p = static_cast<unsigned char const*>(std::memchr(p, '\n', end - p))) != nullptr; ++p) {
        ++lines;
      }
    });
    benchmark::DoNotOptimize(lines);
  }
}
BENCHMARK(BM_NumberOfLinesMemchr)->Unit(benchmark::kMillisecond);

void BM_DescendantsQuery(benchmark::State& state) {
  bench::TimePreparedQuery(state, "number of descendants of folder \"/usr\"", true);
}
BENCHMARK(BM_DescendantsQuery)->Unit(benchmark::kMillisecond);

// `find /usr -type f` with the status of every item, as a walk that reports each
// item's status must take it: nftw without following links, counting what is not a
// folder.
long nftwItems = 0;
int CountItem(char const*, struct stat const*, int kind, struct FTW*) {
  if (kind != FTW_D && kind != FTW_DNR && kind != FTW_DP) ++nftwItems;
  return 0;
}

void BM_DescendantsNftw(benchmark::State& state) {
  for (auto _ : state) {
    nftwItems = 0;
    ::nftw("/usr", &CountItem, 64, FTW_PHYS);
    benchmark::DoNotOptimize(nftwItems);
  }
}
BENCHMARK(BM_DescendantsNftw)->Unit(benchmark::kMillisecond);

}  // namespace
