// The file modules where a query file cannot reach: the caches keep their last
// answers in rotation and are emptied before each query, so that a change between
// two queries is seen (in a file's status and in its bytes); a listing stops at the
// evaluator's interruption check.
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "host/contract/interruption.h"
#include "host/embedding/embedding.h"
#include "inspectors/files/filesystem_object.h"
#include "inspectors/files/lookup_cache.h"

namespace {

using namespace inspectors;
namespace fs = std::filesystem;

class FilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "files_XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    root_ = pattern;
  }
  void TearDown() override {
    std::error_code ignored;
    fs::remove_all(root_, ignored);
  }

  std::string Path(std::string const& name) const { return (root_ / name).string(); }
  void Make(std::string const& name) const {
    int const fd = ::open(Path(name).c_str(), O_WRONLY | O_CREAT, 0644);
    ASSERT_GE(fd, 0);
    ::close(fd);
  }
  // The query's only value, as text, or its error message.
  std::string Ask(std::string const& query) {
    evaluator::Result const result = session_.Evaluate(query);
    if (result.error) return "error: " + result.error->message;
    std::string text;
    for (auto const& value : result.values) text += (text.empty() ? "" : "|") + value.text;
    return text;
  }

  fs::path root_;
  evaluator::Session session_;
};

TEST_F(FilesTest, AChangeBetweenTwoQueriesIsSeen) {
  Make("x");
  ASSERT_EQ(::mkdir(Path("y").c_str(), 0755), 0);
  std::string const in = " of folder \"" + root_.string() + "\"";
  std::string const old = " = time \"Sat, 03 Feb 2001 04:05:06 +0000\"";
  // One lookup through each cache, so that each unit's cache is emptied before the
  // next query.
  std::string const lookups[] = {
      "file \"" + Path("x") + "\"",
      "relative file \"x\"" + in,
      "file \"x\"" + in,
      "item \"x\"" + in,
      "folder \"" + Path("y") + "\"",
      "relative folder \"y\"" + in,
      "folder \"y\"" + in,
  };
  for (std::string const& lookup : lookups) {
    EXPECT_EQ(Ask("modification time of " + lookup + old), "false") << lookup;
  }
  timespec const times[2] = {{981173106, 0}, {981173106, 0}};  // 2001-02-03 04:05:06 GMT
  for (char const* name : {"x", "y"}) {
    ASSERT_EQ(::utimensat(AT_FDCWD, Path(name).c_str(), times, 0), 0);
  }
  for (std::string const& lookup : lookups) {
    EXPECT_EQ(Ask("modification time of " + lookup + old), "true") << lookup;
  }
  ASSERT_EQ(::unlink(Path("x").c_str()), 0);
  EXPECT_EQ(Ask("exists " + lookups[0]), "false");
}

TEST_F(FilesTest, ContentChangedBetweenTwoQueriesIsReadAgain) {
  std::string const f = "file \"" + Path("settings") + "\"";
  struct {
    std::string query, before, after;
  } const cases[] = {
      {"key \"a\" of " + f, "1", "2"},
      {"key \"a\" of section \"s\" of " + f, "1", "2"},
      {"lines of " + f, "[s]|a=1", "[s]|a=2"},
      {"content of " + f + " contains \"2\"", "false", "true"},
      {"byte 6 of " + f, "49", "50"},
      {"sha1 of " + f, "a6057389604ada500c6df62706680815c00eb035",
       "505843fdcade716bb89a537d4d4af09e723b9db7"},
  };
  auto const write = [&](char const* text) {
    int const fd = ::open(Path("settings").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::write(fd, text, 8), 8);
    ::close(fd);
  };
  write("[s]\na=1\n");
  for (auto const& c : cases) EXPECT_EQ(Ask(c.query), c.before) << c.query;
  // The same length, so that only the bytes tell the two apart.
  write("[s]\na=2\n");
  for (auto const& c : cases) EXPECT_EQ(Ask(c.query), c.after) << c.query;
}

// Root reads every folder: the walk runs as an unprivileged user in a child process,
// whose exit status says what it counted.
TEST_F(FilesTest, AWalkGoesOnPastAFolderItMayNotRead) {
  for (char const* folder : {"closed", "open"}) ASSERT_EQ(::mkdir(Path(folder).c_str(), 0755), 0);
  Make("closed/hidden");
  Make("open/seen");
  ASSERT_EQ(::chmod(Path("closed").c_str(), 0), 0);
  ASSERT_EQ(::chmod(root_.c_str(), 0755), 0);
  pid_t const child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    if (::geteuid() == 0 && ::setuid(65534) != 0) ::_exit(100);
    std::string const top = "of folder \"" + root_.string() + "\"";
    bool const right = Ask("number of descendants " + top) == "1" &&
                       Ask("number of descendant folders " + top) == "2";
    ::_exit(right ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_EQ(::chmod(Path("closed").c_str(), 0755), 0);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
}

FileItem ItemNamed(std::string const& name) {
  return FileItem(MakeFileLocation(("/" + name).c_str(), PathStyle::kPOSIX), {});
}

TEST(LookupCaches, KeepTheLastAnswersInRotationUntilCleared) {
  LookupCache<3> cache;
  char const* const names[] = {"a", "b", "c", "d"};
  for (char const* name : names) cache.Store(LookupKey{FileItem(), name}, ItemNamed(name));
  EXPECT_EQ(cache.Count(), 3u);
  EXPECT_EQ(cache.Find(LookupKey{FileItem(), "a"}), nullptr);  // the oldest went first
  for (char const* name : {"b", "c", "d"}) {
    FileItem const* kept = cache.Find(LookupKey{FileItem(), name});
    ASSERT_NE(kept, nullptr) << name;
    EXPECT_EQ(kept->Location(), ItemNamed(name).Location());
  }
  // The same text in another folder is another key.
  EXPECT_EQ(cache.Find(LookupKey{ItemNamed("elsewhere"), "b"}), nullptr);
  int calls = 0;
  auto const lookup = [&] {
    ++calls;
    return ItemNamed("e");
  };
  cache.Answer(LookupKey{FileItem(), "e"}, lookup);
  cache.Answer(LookupKey{FileItem(), "e"}, lookup);
  EXPECT_EQ(calls, 1);
  cache.Clear();
  EXPECT_EQ(cache.Find(LookupKey{FileItem(), "e"}), nullptr);
  cache.Answer(LookupKey{FileItem(), "e"}, lookup);
  EXPECT_EQ(calls, 2);
}

TEST_F(FilesTest, AListingStopsAtTheInterruptionCheck) {
  for (char const* name : {"a", "b", "c"}) Make(name);
  folder const parent{{FileItem(MakeFileLocation(root_.c_str(), PathStyle::kPOSIX))}};
  inspector_string const none{reinterpret_cast<unsigned char const*>("no such ending"), 14};
  filesystem_object_iterator iterator;
  // Nothing ends so: the whole listing runs inside one call, which only the
  // check can stop.
  EXPECT_THROW(iterator.FirstFileEndingIn(none, Of{}, parent), NoSuchObject);
  evaluator::DeadlineScope passed(std::chrono::steady_clock::now() - std::chrono::seconds(1));
  EXPECT_THROW(iterator.FirstFileEndingIn(none, Of{}, parent), evaluator::Interrupted);
}

}  // namespace
