// Listing a folder of 10,000 files through a query, against the plain loop that
// reads the same folder with readdir and the status of each entry with fstatat.
#include <benchmark/benchmark.h>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "bench/query_loop.h"

namespace {

constexpr int kFiles = 10000;

// The folder, made once and removed when the benchmarks end.
class Folder {
 public:
  Folder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "files_bench_XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) return;
    path_ = pattern;
    for (int i = 0; i < kFiles; ++i) {
      int const fd = ::open((path_ + "/f" + std::to_string(i)).c_str(), O_WRONLY | O_CREAT, 0644);
      if (fd >= 0) ::close(fd);
    }
  }
  ~Folder() {
    std::error_code ignored;
    if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
  }
  Folder(Folder const&) = delete;
  Folder& operator=(Folder const&) = delete;

  std::string const& Path() const { return path_; }

 private:
  std::string path_;
};

Folder const& TheFolder() {
  static Folder const folder;
  return folder;
}

void BM_ListFolderQuery(benchmark::State& state) {
  bench::TimePreparedQuery(state, "number of files of folder \"" + TheFolder().Path() + "\"", true);
}
BENCHMARK(BM_ListFolderQuery)->Unit(benchmark::kMillisecond);

void BM_ReaddirFstatat(benchmark::State& state) {
  for (auto _ : state) {
    DIR* const directory = ::opendir(TheFolder().Path().c_str());
    if (directory == nullptr) {
      state.SkipWithError("cannot open the folder");
      return;
    }
    int files = 0;
    while (dirent const* entry = ::readdir(directory)) {
      struct stat status {};
      if (entry->d_name[0] == '.') continue;
      if (::fstatat(::dirfd(directory), entry->d_name, &status, AT_SYMLINK_NOFOLLOW) == 0 &&
          !S_ISDIR(status.st_mode)) {
        ++files;
      }
    }
    ::closedir(directory);
    benchmark::DoNotOptimize(files);
  }
}
BENCHMARK(BM_ReaddirFstatat)->Unit(benchmark::kMillisecond);

}  // namespace
