// The spinner, drawing on a pseudo-terminal.
#include "host/inspect/spinner.h"

#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <unistd.h>

#include <chrono>
#include <string>

namespace {

using namespace std::chrono_literals;

// A pseudo-terminal: the spinner draws on its terminal side, the test reads the other.
class PseudoTerminal {
 public:
  PseudoTerminal() { ok_ = openpty(&reader_, &terminal_, nullptr, nullptr, nullptr) == 0; }
  ~PseudoTerminal() {
    if (ok_) {
      close(reader_);
      close(terminal_);
    }
  }
  bool ok() const { return ok_; }
  int terminal() const { return terminal_; }

  // Reads what has been drawn until `done` holds of it, or until nothing more comes
  // for `quiet`.
  template <typename Done>
  std::string& ReadUntil(Done done, std::chrono::milliseconds quiet = 10s) {
    while (!done(seen_)) {
      pollfd fd{reader_, POLLIN, 0};
      if (poll(&fd, 1, static_cast<int>(quiet.count())) <= 0) break;
      char buffer[256];
      ssize_t const n = read(reader_, buffer, sizeof buffer);
      if (n <= 0) break;
      seen_.append(buffer, static_cast<std::size_t>(n));
    }
    return seen_;
  }
  std::string& ReadAll(std::chrono::milliseconds quiet) {
    return ReadUntil([](std::string const&) { return false; }, quiet);
  }

 private:
  bool ok_ = false;
  int reader_ = -1;
  int terminal_ = -1;
  std::string seen_;
};

TEST(SpinnerTest, TurnsWhileAQueryRunsAndIsErasedWhenItEnds) {
  PseudoTerminal pty;
  ASSERT_TRUE(pty.ok());
  inspect::Spinner spinner(pty.terminal(), 0ms, 5ms);
  for (int query = 0; query < 2; ++query) {  // a second query starts from the first frame
    {
      inspect::Spinner::Shown const shown(&spinner);
      std::string const& drawn = pty.ReadUntil(
          [](std::string const& seen) { return seen.find("\r/ ") != std::string::npos; });
      ASSERT_NE(drawn.find("\r| 0."), std::string::npos) << drawn;
      ASSERT_NE(drawn.find("\r/ "), std::string::npos) << drawn;
    }
    // The line is blanked over the width drawn and the cursor is back at its start, and
    // nothing is drawn after the query has ended.
    std::string& drawn = pty.ReadAll(100ms);
    EXPECT_TRUE(drawn.ends_with("\r       \r")) << drawn;
    drawn.clear();
  }
}

}  // namespace
