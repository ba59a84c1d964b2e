#include "host/contract/interruption.h"

#include <atomic>
#include <cstdint>
#include <limits>

#include "framework/contract/evaluator.h"

namespace evaluator {

namespace {

using Clock = std::chrono::steady_clock;
constexpr Clock::rep kNoDeadline = std::numeric_limits<Clock::rep>::max();

// The deadline as a count of steady-clock ticks; kNoDeadline when none is set.
std::atomic<Clock::rep> deadlineTicks{kNoDeadline};
std::atomic<bool> cancellationRequested{false};
static_assert(std::atomic<bool>::is_always_lock_free, "set from a signal handler");

}  // namespace

DeadlineScope::DeadlineScope(std::optional<Clock::time_point> deadline) noexcept
    : previous_(deadlineTicks.load(std::memory_order_relaxed)) {
  deadlineTicks.store(deadline ? deadline->time_since_epoch().count() : kNoDeadline,
                      std::memory_order_relaxed);
}

DeadlineScope::~DeadlineScope() {
  deadlineTicks.store(previous_, std::memory_order_relaxed);
}

void RequestCancellation() noexcept {
  cancellationRequested.store(true, std::memory_order_relaxed);
}

void ClearCancellation() noexcept {
  cancellationRequested.store(false, std::memory_order_relaxed);
}

void CheckInterruption() {
  if (cancellationRequested.load(std::memory_order_relaxed)) {
    ClearCancellation();
    throw Cancelled();
  }
  Clock::rep const deadline = deadlineTicks.load(std::memory_order_relaxed);
  if (deadline == kNoDeadline) return;
  if (Clock::now().time_since_epoch().count() >= deadline) throw Interrupted();
}

}  // namespace evaluator

void Check_For_Inspector_Interruption() {
  evaluator::CheckInterruption();
}
