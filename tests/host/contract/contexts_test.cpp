#include "host/contract/contexts.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <system_error>

namespace {

// A file in the temporary directory, removed at the end of the test.
class TempFile {
 public:
  explicit TempFile(std::string const& contents) {
    char pattern[] = "/tmp/host_contexts_test_XXXXXX";
    int const fd = ::mkstemp(pattern);
    if (fd < 0) throw std::system_error(errno, std::generic_category(), "mkstemp");
    ::close(fd);
    path_ = pattern;
    std::ofstream(path_, std::ios::binary) << contents;
  }
  ~TempFile() { ::unlink(path_.c_str()); }
  char const* path() const { return path_.c_str(); }

 private:
  std::string path_;
};

std::string DigestText(char const* path) {
  DigestRecord digest;
  evaluator::ProcessContext().SHA1DigestOfFile(path, digest);
  return std::string(digest.text, digest.length);
}

TEST(HostContext, SHA1DigestOfFiles) {
  EXPECT_EQ(DigestText(TempFile("abc").path()), "a9993e364706816aba3e25717850c26c9cd0d89d");
  EXPECT_EQ(DigestText(TempFile("").path()), "da39a3ee5e6b4b0d3255bfef95601890afd80709");
  // Larger than one read: a million 'a's.
  EXPECT_EQ(DigestText(TempFile(std::string(1000000, 'a')).path()),
            "34aa973cd4c4daa4f61eeb2bdbad27316534016f");
}

TEST(HostContext, SHA1OfUnreadableFileThrowsWithErrno) {
  try {
    DigestText("/nonexistent/host_contexts_test");
    FAIL() << "no exception";
  } catch (std::system_error const& e) {
    EXPECT_EQ(e.code().value(), ENOENT);
  }
  try {
    DigestText("/");  // a directory opens but cannot be read
    FAIL() << "no exception";
  } catch (std::system_error const& e) {
    EXPECT_EQ(e.code().value(), EISDIR);
  }
}

TEST(HostContext, FipsStatusReportsOneMode) {
  FipsStatus status;
  status.failureMessage = "stale";
  evaluator::ProcessContext().GetFipsStatus(status);
  EXPECT_EQ(static_cast<bool>(status.currentMode), static_cast<bool>(status.desiredMode));
  EXPECT_TRUE(status.failureMessage.empty());
}

TEST(HostContext, GenericContextOffersServicesAndCanBeOverridden) {
  InspectorContext* context = Get_Generic_Inspector_Context();
  ASSERT_NE(context, nullptr);
  EXPECT_NE(dynamic_cast<CryptoInspectorContext*>(context), nullptr);
  EXPECT_NE(dynamic_cast<InspectorFipsContext*>(context), nullptr);

  evaluator::HostContext other;
  {
    evaluator::ContextScope scope(&other);
    EXPECT_EQ(Get_Generic_Inspector_Context(), &other);
    {
      evaluator::ContextScope none(nullptr);
      EXPECT_EQ(Get_Generic_Inspector_Context(), nullptr);
    }
    EXPECT_EQ(Get_Generic_Inspector_Context(), &other);
  }
  EXPECT_EQ(Get_Generic_Inspector_Context(), context);
}

}  // namespace
