#include <gtest/gtest.h>

#include <stdexcept>

#include "host/embedding/embedding.h"

namespace {

TEST(Library, MissingFileThrowsWithTheLoadersMessage) {
  try {
    evaluator::Library library("/nonexistent/libnothing.so");
    FAIL() << "loaded";
  } catch (std::runtime_error const& e) {
    EXPECT_NE(std::string(e.what()).find("libnothing.so"), std::string::npos) << e.what();
  }
}

}  // namespace
