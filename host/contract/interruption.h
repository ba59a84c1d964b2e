// Stopping long work: a process-wide deadline that Check_For_Inspector_Interruption
// (called by inspectors inside long loops) and CheckInterruption (called by the
// evaluator's own loops) enforce by throwing Interrupted.
#pragma once

#include <chrono>
#include <cstddef>
#include <exception>
#include <optional>

namespace evaluator {

class Interrupted : public std::exception {
 public:
  char const* what() const noexcept override { return "Interrupted"; }

  // The 1-based column of the query where the work stopped: the token being read or
  // the phrase being evaluated; 0 until a catcher that knows it sets it (the
  // innermost one wins: set it only while it is still 0).
  std::size_t column = 0;
};

// A caller asked for the running query to stop (CancelRunningQuery).
class Cancelled : public Interrupted {
 public:
  char const* what() const noexcept override { return "Cancelled"; }
};

// Asks the running query to stop at its next interruption check. Safe to call from a
// signal handler.
void RequestCancellation() noexcept;
// Withdraws a request that no query has acted on yet.
void ClearCancellation() noexcept;

// Sets the deadline for its lifetime and restores the previous one (normally none)
// afterwards. An empty deadline sets none.
class DeadlineScope {
 public:
  explicit DeadlineScope(std::optional<std::chrono::steady_clock::time_point> deadline) noexcept;
  ~DeadlineScope();
  DeadlineScope(DeadlineScope const&) = delete;
  DeadlineScope& operator=(DeadlineScope const&) = delete;

 private:
  std::chrono::steady_clock::rep previous_;
};

// Throws Cancelled when cancellation was requested, and Interrupted once the steady
// clock has passed the deadline, if one is set.
void CheckInterruption();

}  // namespace evaluator
