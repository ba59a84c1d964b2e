#include "host/embedding/shared_object.h"

#include <elf.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <limits>

namespace evaluator {

namespace {

// Every read is bounded by these, whatever the file claims.
constexpr std::size_t kLongestDynamicSection = 1 << 20;
constexpr std::size_t kLongestName = 4096;
constexpr std::size_t kMostProgramHeaders = 256;

class File {
 public:
  explicit File(std::filesystem::path const& path)
      : path_(path), fd_(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK)) {
    if (fd_ < 0) Fail(std::strerror(errno));
    struct stat status {};
    if (::fstat(fd_, &status) != 0 || !S_ISREG(status.st_mode)) Fail("not a regular file");
    size_ = static_cast<std::uint64_t>(status.st_size);
  }
  ~File() {
    if (fd_ >= 0) ::close(fd_);
  }
  File(File const&) = delete;
  File& operator=(File const&) = delete;

  // Exactly `size` bytes at `offset`.
  void Read(void* to, std::size_t size, std::uint64_t offset) const {
    if (offset > size_ || size > size_ - offset) Fail("truncated");
    auto* bytes = static_cast<char*>(to);
    while (size > 0) {
      ssize_t const n = ::pread(fd_, bytes, size, static_cast<off_t>(offset));
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) Fail("cannot be read");
      bytes += n;
      offset += static_cast<std::uint64_t>(n);
      size -= static_cast<std::size_t>(n);
    }
  }

  std::uint64_t Size() const noexcept { return size_; }

  [[noreturn]] void Fail(std::string const& why) const {
    throw NotASharedObject(path_.string() + ": " + why);
  }

 private:
  std::filesystem::path path_;
  int fd_;
  std::uint64_t size_ = 0;
};

// The file offset of virtual address `address`, from the loadable segments.
std::uint64_t OffsetOf(std::vector<Elf64_Phdr> const& segments, std::uint64_t address,
                       File const& file) {
  for (Elf64_Phdr const& s : segments) {
    if (s.p_type == PT_LOAD && address >= s.p_vaddr && address - s.p_vaddr < s.p_filesz) {
      return s.p_offset + (address - s.p_vaddr);
    }
  }
  file.Fail("its string table lies outside its segments");
}

}  // namespace

std::vector<std::string> NeededLibraries(std::filesystem::path const& path) {
  File const file(path);
  Elf64_Ehdr header{};
  if (file.Size() < sizeof header) file.Fail("not an ELF file");
  file.Read(&header, sizeof header, 0);
  if (std::memcmp(header.e_ident, ELFMAG, SELFMAG) != 0) file.Fail("not an ELF file");
  if (header.e_ident[EI_CLASS] != ELFCLASS64 || header.e_ident[EI_DATA] != ELFDATA2LSB ||
      header.e_machine != EM_X86_64) {
    file.Fail("not built for this machine");
  }
  if (header.e_type != ET_DYN) file.Fail("not a shared library");
  if (header.e_phentsize != sizeof(Elf64_Phdr) || header.e_phnum > kMostProgramHeaders) {
    file.Fail("malformed program headers");
  }

  std::vector<Elf64_Phdr> segments(header.e_phnum);
  file.Read(segments.data(), segments.size() * sizeof(Elf64_Phdr), header.e_phoff);
  Elf64_Phdr const* dynamic = nullptr;
  for (Elf64_Phdr const& s : segments) {
    if (s.p_type == PT_DYNAMIC) dynamic = &s;
  }
  if (dynamic == nullptr) file.Fail("not a dynamic shared library");
  if (dynamic->p_filesz > kLongestDynamicSection) file.Fail("malformed dynamic section");

  std::vector<Elf64_Dyn> entries(dynamic->p_filesz / sizeof(Elf64_Dyn));
  file.Read(entries.data(), entries.size() * sizeof(Elf64_Dyn), dynamic->p_offset);
  std::uint64_t strings = 0;
  bool haveStrings = false;
  std::vector<std::uint64_t> needed;
  for (Elf64_Dyn const& entry : entries) {
    if (entry.d_tag == DT_NULL) break;
    if (entry.d_tag == DT_STRTAB) {
      strings = entry.d_un.d_ptr;
      haveStrings = true;
    }
    if (entry.d_tag == DT_NEEDED) needed.push_back(entry.d_un.d_val);
  }
  if (needed.empty()) return {};
  if (!haveStrings) file.Fail("no string table");
  std::uint64_t const table = OffsetOf(segments, strings, file);

  std::vector<std::string> names;
  for (std::uint64_t at : needed) {
    if (at > std::numeric_limits<std::uint64_t>::max() - table) file.Fail("malformed name");
    std::string name;
    for (std::uint64_t i = 0;; ++i) {
      if (i == kLongestName) file.Fail("malformed name");
      char c = '\0';
      file.Read(&c, 1, table + at + i);
      if (c == '\0') break;
      name.push_back(c);
    }
    names.push_back(std::move(name));
  }
  return names;
}

}  // namespace evaluator
