#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "host/embedding/embedding.h"

namespace {

std::string LoadFailure(std::filesystem::path const& path) {
  try {
    evaluator::Library library(path);
  } catch (std::runtime_error const& e) {
    return e.what();
  }
  return "loaded";
}

// Only a file that is an inspector library is loaded, and only the file named: a bare
// name is a file in the current directory, not one the loader would search for.
TEST(Library, LoadsOnlyTheInspectorLibraryNamed) {
  struct {
    std::filesystem::path path;
    char const* why;
  } const refused[] = {
      {"/nonexistent/libnothing.so", "No such file"},
      {"libc.so.6", "No such file"},
      {"/lib/x86_64-linux-gnu/libc.so.6", "not an inspector library"},
      {EVALUATOR_LIBRARY_FILE, "not an inspector library"},
      {"/etc/hostname", "not an ELF file"},
      {"/dev/zero", "not a regular file"},
      {"/", "not a regular file"},
  };
  for (auto const& c : refused) {
    std::string const failure = LoadFailure(c.path);
    EXPECT_NE(failure.find(c.why), std::string::npos) << c.path << ": " << failure;
  }
  EXPECT_EQ(LoadFailure(INSPECTORS_LIBRARY_FILE), "loaded");
}

// A query prepared while the library was loaded never calls into it once it is gone:
// it is prepared again, and fails to check without the library and runs with it back.
TEST(Library, AQueryPreparedBeforeUnloadingIsPreparedAgain) {
  evaluator::Session session;
  evaluator::PreparedQuery query;
  {
    evaluator::Library library(INSPECTORS_LIBRARY_FILE);
    query = session.Prepare("least significant one bit of bit set \"0000101\"");
    ASSERT_FALSE(query.error());
  }
  evaluator::Result const gone = session.Run(query);
  ASSERT_TRUE(gone.error);
  EXPECT_EQ(gone.error->category, evaluator::Error::Category::Type);
  evaluator::Library again(INSPECTORS_LIBRARY_FILE);
  evaluator::Result const back = session.Run(query);
  ASSERT_FALSE(back.error) << back.error->message;
  EXPECT_EQ(back.values.at(0).text, "0");
}

}  // namespace
