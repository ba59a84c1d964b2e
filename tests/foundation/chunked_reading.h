// Reads a text whole, split in two at every offset, and byte by byte, and expects
// the same outcome every time.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "foundation/const_data.h"
#include "foundation/exceptions.h"

namespace inspectors {

// `read` takes the chunks and returns its outcome as text; an exception of the
// library becomes "!" and the exception's class name. Returns the whole text's
// outcome.
template <class Read>
std::string ReadInEveryChunking(std::string const& text, Read read) {
  auto const outcome = [&](std::vector<ConstData> const& chunks) -> std::string {
    try {
      return read(chunks);
    } catch (DebuggableException const& e) {
      return std::string("!") + e.what();
    }
  };
  ConstData const all(text);
  std::string const whole = outcome({all});
  for (std::size_t cut = 0; cut <= text.size(); ++cut) {
    EXPECT_EQ(outcome({all.Head(cut), all.Tail(cut)}), whole) << "cut at " << cut << " of \"" << text << '"';
  }
  std::vector<ConstData> bytes;
  for (std::size_t i = 0; i < text.size(); ++i) bytes.push_back(all.Middle(i, i + 1));
  EXPECT_EQ(outcome(bytes), whole) << "byte by byte: \"" << text << '"';
  return whole;
}

}  // namespace inspectors
