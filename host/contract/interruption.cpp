#include "host/contract/interruption.h"

#include <limits>

#include "framework/contract/evaluator.h"

namespace evaluator {

namespace {

using Clock = std::chrono::steady_clock;
constexpr Clock::rep kNoDeadline = std::numeric_limits<Clock::rep>::max();

CancellationCount processRequests{0};

// Initial-exec: a check is made in every loop, and the general model costs a call to
// find the variable each time. libevaluator is loaded with the program that uses it.
[[gnu::tls_model("initial-exec")]] thread_local DeadlineScope const* innermostScope = nullptr;

}  // namespace

void RequestCancellation() noexcept {
  RequestCancellation(processRequests);
}

void RequestCancellation(CancellationCount& count) noexcept {
  count.fetch_add(1, std::memory_order_relaxed);
}

DeadlineScope::DeadlineScope(std::optional<Clock::time_point> deadline,
                             CancellationCount const* own) noexcept
    : deadline_(deadline ? deadline->time_since_epoch().count() : kNoDeadline),
      processRequests_(processRequests.load(std::memory_order_relaxed)),
      own_(own),
      ownRequests_(own != nullptr ? own->load(std::memory_order_relaxed) : 0),
      outer_(innermostScope) {
  innermostScope = this;
}

DeadlineScope::~DeadlineScope() {
  innermostScope = outer_;
}

void DeadlineScope::Check() const {
  if (processRequests.load(std::memory_order_relaxed) != processRequests_ ||
      (own_ != nullptr && own_->load(std::memory_order_relaxed) != ownRequests_)) {
    throw Cancelled();
  }
  if (deadline_ == kNoDeadline) return;
  if (Clock::now().time_since_epoch().count() >= deadline_) throw Interrupted();
}

void CheckInterruption() {
  if (DeadlineScope const* scope = innermostScope) scope->Check();
}

}  // namespace evaluator

void Check_For_Inspector_Interruption() {
  evaluator::CheckInterruption();
}
