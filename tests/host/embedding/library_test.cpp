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

}  // namespace
