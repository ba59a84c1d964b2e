#include "host/inspect/spinner.h"

#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <string>
#include <string_view>
#include <utility>

namespace inspect {

namespace {

// Writes all of `text`, giving up on an error: a terminal that cannot be written
// loses its spinner, nothing else.
void WriteAll(int fd, std::string_view text) {
  while (!text.empty()) {
    ssize_t const n = write(fd, text.data(), text.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return;
    text.remove_prefix(static_cast<std::size_t>(n));
  }
}

// Starts a thread with every signal blocked: the mask is inherited from the thread that
// creates it, and restored there at once.
template <typename Function>
std::jthread ThreadWithoutSignals(Function&& function) {
  sigset_t all;
  sigfillset(&all);
  sigset_t previous;
  pthread_sigmask(SIG_SETMASK, &all, &previous);
  std::jthread thread(std::forward<Function>(function));
  pthread_sigmask(SIG_SETMASK, &previous, nullptr);
  return thread;
}

constexpr std::string_view kFrames = "|/-\\";

}  // namespace

Spinner::Spinner(int fd, std::chrono::milliseconds delay, std::chrono::milliseconds period)
    : fd_(fd),
      delay_(delay),
      period_(period),
      thread_(ThreadWithoutSignals([this](std::stop_token stop) { Loop(stop); })) {}

Spinner::~Spinner() {
  thread_.request_stop();
  if (thread_.joinable()) thread_.join();
  Erase();
}

void Spinner::Start() {
  std::lock_guard lock(mutex_);
  running_ = true;
  started_ = std::chrono::steady_clock::now();
  frame_ = 0;
  wake_.notify_all();
}

void Spinner::Stop() {
  std::lock_guard lock(mutex_);
  running_ = false;
  Erase();  // under the lock: once Stop returns, nothing more is drawn
  wake_.notify_all();
}

void Spinner::Draw(std::chrono::steady_clock::duration elapsed) {
  auto const tenths = std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count() / 100;
  char text[64];
  int const width =
      std::snprintf(text + 1, sizeof text - 1, "%c %lld.%lld s", kFrames[frame_],
                    static_cast<long long>(tenths / 10), static_cast<long long>(tenths % 10));
  if (width <= 0) return;
  text[0] = '\r';
  // Each text is at least as wide as the one before (the seconds only grow), so it
  // covers it.
  WriteAll(fd_, std::string_view(text, static_cast<std::size_t>(width) + 1));
  drawnWidth_ = static_cast<std::size_t>(width);
  frame_ = (frame_ + 1) % kFrames.size();
}

void Spinner::Erase() {
  if (drawnWidth_ == 0) return;
  std::string line = "\r";
  line.append(drawnWidth_, ' ');
  line += '\r';
  WriteAll(fd_, line);
  drawnWidth_ = 0;
}

void Spinner::Loop(std::stop_token stop) {
  std::unique_lock lock(mutex_);
  while (!stop.stop_requested()) {
    if (!running_) {
      wake_.wait(lock, stop, [this] { return running_; });
      continue;
    }
    auto const now = std::chrono::steady_clock::now();
    auto const first = started_ + delay_;
    if (now >= first) Draw(now - started_);
    // The next frame: the first one at the end of the delay, then one every period.
    auto const next = now < first ? first : now + period_;
    auto const query = started_;
    wake_.wait_until(lock, stop, next, [this, query] { return !running_ || started_ != query; });
  }
}

}  // namespace inspect
