// The file layer where no query reaches: 64-bit lengths and offsets of the readers,
// a file that shrinks while read, snapshots of links, folder listings that lose
// items as they run, permission failures, file names made to fit, and file times
// before 1970. (Reading special files and files under /proc, and walks that must
// not follow links, are in the query files of tests/inspectors/files.)
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <limits>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "foundation/exceptions.h"
#include "foundation/os_error.h"
#include "platform/file_layer.h"

namespace {

using namespace inspectors;
namespace fs = std::filesystem;

constexpr std::uint64_t kGiB = std::uint64_t{1} << 30;

// A folder of the test's own under the temporary folder, removed with everything in
// it at the end.
class FileLayerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "file_layer_XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    root_ = pattern;
  }
  void TearDown() override {
    std::error_code ignored;
    fs::permissions(root_, fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(root_, ignored);
  }

  std::string Path(std::string const& relative) const { return (root_ / relative).string(); }
  FileLocation Location(std::string const& relative) const {
    return MakeFileLocation(Path(relative).c_str(), PathStyle::kPOSIX);
  }
  void Write(std::string const& relative, std::string const& bytes) const {
    int const fd = ::open(Path(relative).c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::write(fd, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    ::close(fd);
  }

  fs::path root_;
};

TEST_F(FileLayerTest, LengthsAndOffsetsOfAFileOfFiveGiBAreExact) {
  std::uint64_t const length = 5 * kGiB + 3;
  int const fd = ::open(Path("sparse").c_str(), O_WRONLY | O_CREAT, 0644);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(::ftruncate(fd, static_cast<off_t>(length)), 0);
  // One byte past 4 GiB and one at the very end, so that a cut to 32 bits misses.
  ASSERT_EQ(::pwrite(fd, "A", 1, static_cast<off_t>(4 * kGiB + 1)), 1);
  ASSERT_EQ(::pwrite(fd, "Z", 1, static_cast<off_t>(length - 1)), 1);
  ::close(fd);

  EXPECT_EQ(FileItem(Location("sparse")).Length(), length);
  FileReadingPath path(Location("sparse"));
  EXPECT_EQ(path.Length(), length);

  struct {
    std::uint64_t position;
    char expected;
  } const cases[] = {{4 * kGiB + 1, 'A'}, {length - 1, 'Z'}, {4 * kGiB, '\0'}};
  for (auto const& c : cases) {
    FileReader reader(path, c.position);
    EXPECT_TRUE(reader.Unfinished());
    byte bytes[8] = {};
    Buffer buffer(bytes, sizeof bytes);
    reader >> buffer;
    EXPECT_EQ(bytes[0], static_cast<byte>(c.expected)) << c.position;
    EXPECT_EQ(reader.Position(), std::min(c.position + sizeof bytes, length));
  }
  FileReader atEnd(path, length - 1);
  byte two[2];
  EXPECT_THROW(atEnd >> Data(two, 2), EndOfFileError);
}

TEST_F(FileLayerTest, AFileThatShrinksWhileReadEndsTheReader) {
  Write("shrinking", std::string(100, 'x'));
  FileReadingPath path(Location("shrinking"));
  FileReader reader(path, 0);
  ASSERT_EQ(::truncate(Path("shrinking").c_str(), 10), 0);
  byte bytes[64];
  std::size_t total = 0;
  for (int i = 0; i < 100 && reader.Unfinished(); ++i) total += reader.ReadSome(Data(bytes, 64));
  EXPECT_FALSE(reader.Unfinished());
  EXPECT_EQ(total, 10u);
}

TEST_F(FileLayerTest, SnapshotsOfLinksAreOfTheirTargetsUnlessTheyLeadNowhere) {
  Write("target", "12345");
  ASSERT_EQ(::mkdir(Path("folder").c_str(), 0755), 0);
  ASSERT_EQ(::symlink("target", Path("to_file").c_str()), 0);
  ASSERT_EQ(::symlink("folder", Path("to_folder").c_str()), 0);
  ASSERT_EQ(::symlink("loop_b", Path("loop_a").c_str()), 0);
  ASSERT_EQ(::symlink("loop_a", Path("loop_b").c_str()), 0);

  struct {
    char const* name;
    bool directory, link;
    std::uint64_t length;  // of a file
  } const cases[] = {
      {"target", false, false, 5},
      {"to_file", false, true, 5},
      {"to_folder", true, true, 0},
      {"loop_a", false, true, 6},  // the link itself: its text is "loop_b"
  };
  for (auto const& c : cases) {
    FileItem const item(Location(c.name));
    EXPECT_EQ(item.IsDirectory(), c.directory) << c.name;
    EXPECT_EQ(item.IsSymbolicLink(), c.link) << c.name;
    EXPECT_EQ(Location(c.name).IsSymLink(), c.link) << c.name;
    if (!c.directory) {
      EXPECT_EQ(item.Length(), c.length) << c.name;
    }
    EXPECT_TRUE(Location(c.name).Exists()) << c.name;
  }
  EXPECT_THROW(Location("nothing").IsSymLink(), FileNotFoundError);
  FileItem missing;
  EXPECT_FALSE(missing.TryToGet(Location("nothing")));
  EXPECT_THROW(missing.Length(), FailedToGetFileItem);
}

std::multiset<std::string> Names(FileLoop& loop) {
  std::multiset<std::string> names;
  for (; !loop.Finished(); ++loop) names.insert(MakeUTF8String(loop->Name()));
  return names;
}

TEST_F(FileLayerTest, AListingSkipsWhatGoesAndListsNothingWhereNoFolderIs) {
  for (char const* name : {"a", "b", "c", "d"}) Write(name, "");
  FileLoop loop(Location(""));
  ASSERT_FALSE(loop.Finished());
  std::string const first = MakeUTF8String(loop->Name());
  for (char const* name : {"a", "b", "c", "d"}) {
    if (name != first) {
      ASSERT_EQ(::unlink(Path(name).c_str()), 0);
    }
  }
  EXPECT_EQ(Names(loop), std::multiset<std::string>{first});
  EXPECT_THROW(*loop, FailedToGetFileItem);

  Write("file", "");
  for (char const* notAFolder : {"nothing", "file"}) {
    FileLoop empty(Location(notAFolder));
    EXPECT_TRUE(empty.Finished()) << notAFolder;
  }
}

// Runs `check` as an unprivileged user in a child process (root reads everything);
// the child's exit status is the number of failed expectations.
void AsUnprivileged(std::function<int()> const& check) {
  pid_t const child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    if (::geteuid() == 0 && ::setuid(65534) != 0) ::_exit(100);
    ::_exit(check());
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
}

template <class Failure, class Call>
int FailsWith(Call&& call) {
  try {
    call();
  } catch (Failure const&) {
    return 0;
  } catch (...) {
  }
  return 1;
}

TEST_F(FileLayerTest, PermissionFailuresSayPermission) {
  ASSERT_EQ(::mkdir(Path("closed").c_str(), 0755), 0);
  Write("closed/inside", "secret");
  Write("unreadable", "secret");
  ASSERT_EQ(::chmod(Path("unreadable").c_str(), 0), 0);
  ASSERT_EQ(::chmod(Path("closed").c_str(), 0), 0);
  fs::permissions(root_, fs::perms::all, fs::perm_options::add);
  AsUnprivileged([&] {
    return FailsWith<FilePermissionError>([&] { FileItem item(Location("closed/inside")); }) +
           FailsWith<FilePermissionError>([&] { FileLoop loop(Location("closed")); }) +
           FailsWith<FilePermissionError>([&] { FileReadingPath p(Location("unreadable")); });
  });
  ASSERT_EQ(::chmod(Path("closed").c_str(), 0755), 0);
}

TEST(FileLocations, PathsLongerThanTheLimitMakeNoLocation) {
  std::string const name(255, 'n');
  std::string path;
  while (path.size() + 1 + name.size() <= MacintoshPlatform::kLongestPath) path += "/" + name;
  FileLocation const longest = MakeFileLocation(path.c_str(), PathStyle::kPOSIX);
  EXPECT_EQ(longest.POSIXPath().size(), path.size());
  EXPECT_THROW(FileLocation(longest, ExactFileName(name)),
               CFURLCreateCopyAppendingPathComponentFailed);
  std::string const longer = path + "/" + name;
  EXPECT_THROW(MakeFileLocation(longer.c_str(), PathStyle::kPOSIX),
               CFURLCreateWithFileSystemPathFailed);
  EXPECT_THROW(FileLocation(FileLocation(), ExactFileName("a")),
               MacintoshPlatform::InvalidParentURL);
}

TEST(FileNames, TheNearestNameFitsEveryText) {
  std::string const e = "\xc3\xa9";  // é, two bytes
  struct {
    std::string text, expected;
  } const cases[] = {
      {"", ".noFileName"},
      {std::string("a/b\0c", 5), "a:b:c"},
      {std::string(300, 'x'), std::string(255, 'x')},
      // 254 bytes and an é would cut the é in half: the cut moves before it.
      {std::string(254, 'x') + e, std::string(254, 'x')},
      {std::string(253, 'x') + e + "y", std::string(253, 'x') + e},
      // Bytes that are not UTF-8 are cut where the limit falls.
      {std::string(254, 'x') + "\x80\x80", std::string(254, 'x') + "\x80"},
  };
  for (auto const& c : cases) EXPECT_EQ(NearestFileName(c.text).View(), c.expected) << c.text;
  EXPECT_THROW(NearestFileName(".."), IllegalFileName);
}

TEST(FileTimes, MicrosecondsAreTruncatedTowardNineteenSeventyAndSaturate) {
  constexpr auto kMost = std::numeric_limits<std::int64_t>::max();
  constexpr auto kLeast = std::numeric_limits<std::int64_t>::min();
  struct {
    FileTime time;
    std::int64_t expected;
  } const cases[] = {
      {{0, 0}, 0},
      {{1, 999}, 1000000},
      {{1, 1500}, 1000001},
      {{-1, 0}, -1000000},
      {{-1, 500}, -999999},  // -0.9999995 s
      {{-1, 999999500}, 0},  // -0.0000005 s
      {{-2, 1000}, -1999999},
      {{kMost / 1000000 + 1, 0}, kMost},
      {{kLeast / 1000000 - 1, 0}, kLeast},
  };
  for (auto const& c : cases) {
    EXPECT_EQ(MicrosecondsSince1970(c.time), c.expected)
        << c.time.seconds << " " << c.time.nanoseconds;
  }
}

}  // namespace
