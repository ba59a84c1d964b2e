#include "host/contract/contexts.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <string>
#include <system_error>

namespace {

std::string DigestOf(std::string const& contents) {
  char path[] = "/tmp/host_contexts_test_XXXXXX";
  int const fd = ::mkstemp(path);
  if (fd < 0) throw std::system_error(errno, std::generic_category(), "mkstemp");
  ::close(fd);
  std::ofstream(path, std::ios::binary) << contents;
  DigestRecord digest;
  evaluator::ProcessContext().SHA1DigestOfFile(path, digest);
  ::unlink(path);
  return std::string(digest.text, digest.length);
}

int ErrorOfDigesting(char const* path) {
  DigestRecord digest;
  try {
    evaluator::ProcessContext().SHA1DigestOfFile(path, digest);
  } catch (std::system_error const& e) {
    return e.code().value();
  }
  return 0;
}

TEST(HostContext, SHA1DigestOfFiles) {
  EXPECT_EQ(DigestOf("abc"), "a9993e364706816aba3e25717850c26c9cd0d89d");
  EXPECT_EQ(DigestOf(""), "da39a3ee5e6b4b0d3255bfef95601890afd80709");
  // Larger than one read: a million 'a's.
  EXPECT_EQ(DigestOf(std::string(1000000, 'a')), "34aa973cd4c4daa4f61eeb2bdbad27316534016f");
  EXPECT_EQ(ErrorOfDigesting("/nonexistent/host_contexts_test"), ENOENT);
  EXPECT_EQ(ErrorOfDigesting("/"), EISDIR);
  // A pipe without a writer, which a plain open for reading would wait on.
  char fifo[] = "/tmp/host_contexts_test_XXXXXX";
  ASSERT_NE(::mkdtemp(fifo), nullptr);
  std::string const pipe = std::string(fifo) + "/pipe";
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  EXPECT_EQ(ErrorOfDigesting(pipe.c_str()), EINVAL);
  EXPECT_EQ(ErrorOfDigesting("/dev/null"), EINVAL);
  ::unlink(pipe.c_str());
  ::rmdir(fifo);
}

TEST(HostContext, GenericContextOffersServicesAndCanBeOverridden) {
  InspectorContext* context = Get_Generic_Inspector_Context();
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
