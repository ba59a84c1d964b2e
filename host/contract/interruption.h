// Stopping long work: the deadline and the cancellation requests of the run on the
// calling thread, which Check_For_Inspector_Interruption (called by inspectors inside
// long loops) and CheckInterruption (called by the evaluator's own loops) enforce by
// throwing Interrupted.
//
// Each run sets its own limits with a DeadlineScope, so that runs of different
// sessions do not share a deadline. Cancellation requests are counts that only go up:
// a scope remembers the counts it started with, and a check throws once one has
// moved on. A request made while no query runs is therefore dropped when the next
// one starts.
#pragma once

#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
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

// A caller asked for the running query to stop (CancelRunningQuery, Session::Cancel).
class Cancelled : public Interrupted {
 public:
  char const* what() const noexcept override { return "Cancelled"; }
};

// A count of cancellation requests. Lock-free, so that a signal handler may raise it.
using CancellationCount = std::atomic<std::uint64_t>;
static_assert(CancellationCount::is_always_lock_free, "raised from a signal handler");

// Asks every query running now, on any thread, to stop at its next interruption
// check. Safe to call from a signal handler.
void RequestCancellation() noexcept;
// Raises `count`: asks the runs that watch it to stop. Safe in a signal handler.
void RequestCancellation(CancellationCount& count) noexcept;

// The limits of one run on the calling thread, for the scope's lifetime: a deadline
// (none when empty), the process-wide cancellation requests, and those of `own`
// (a session's) when given. Scopes nest; the innermost one applies, and the outer
// one again once it ends.
class DeadlineScope {
 public:
  explicit DeadlineScope(std::optional<std::chrono::steady_clock::time_point> deadline,
                         CancellationCount const* own = nullptr) noexcept;
  ~DeadlineScope();
  DeadlineScope(DeadlineScope const&) = delete;
  DeadlineScope& operator=(DeadlineScope const&) = delete;

  // Throws Cancelled when a request came since the scope began, and Interrupted
  // once the steady clock has passed the deadline.
  void Check() const;

 private:
  std::chrono::steady_clock::rep deadline_;
  std::uint64_t processRequests_;
  CancellationCount const* own_;
  std::uint64_t ownRequests_;
  DeadlineScope const* outer_;
};

// Checks the innermost scope of the calling thread; outside every scope nothing
// stops.
void CheckInterruption();

}  // namespace evaluator
