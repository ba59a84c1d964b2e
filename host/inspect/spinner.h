// A sign on a terminal that a query is still running: after a short delay, a turning
// bar and the seconds spent, redrawn in place on one line until the query ends.
//
//   Spinner spinner(STDERR_FILENO);
//   {
//     Spinner::Shown const shown(&spinner);  // nothing is drawn for a quick query
//     Evaluate(...);
//   }                                        // the line is blank again here
//   WriteAnswer(...);
//
// The spinner draws from a thread of its own, which takes no signals, so a Ctrl-C
// still reaches the thread that runs the query. It writes only plain characters,
// carriage returns and blanks, which every terminal understands, and erases what it
// drew before a query's answer is written.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <stop_token>
#include <thread>

namespace inspect {

class Spinner {
 public:
  // Draws on `fd` once a query has run for `delay`, then every `period`.
  explicit Spinner(int fd, std::chrono::milliseconds delay = std::chrono::milliseconds(500),
                   std::chrono::milliseconds period = std::chrono::milliseconds(100));
  ~Spinner();
  Spinner(Spinner const&) = delete;
  Spinner& operator=(Spinner const&) = delete;

  // Marks a query as running while it lives; on its end, whatever was drawn is erased.
  class Shown {
   public:
    explicit Shown(Spinner* spinner) : spinner_(spinner) {
      if (spinner_) spinner_->Start();
    }
    ~Shown() {
      if (spinner_) spinner_->Stop();
    }
    Shown(Shown const&) = delete;
    Shown& operator=(Shown const&) = delete;

   private:
    Spinner* spinner_;
  };

 private:
  void Start();
  void Stop();
  void Draw(std::chrono::steady_clock::duration elapsed);
  void Erase();
  void Loop(std::stop_token stop);

  int const fd_;
  std::chrono::milliseconds const delay_;
  std::chrono::milliseconds const period_;
  std::mutex mutex_;
  std::condition_variable_any wake_;
  bool running_ = false;
  std::chrono::steady_clock::time_point started_;
  std::size_t frame_ = 0;
  std::size_t drawnWidth_ = 0;  // the characters on the line now, 0 when it is blank
  std::jthread thread_;         // last: it starts once the members above exist
};

}  // namespace inspect
