// One thread at a time in the evaluator. The registry, the library's inspectors and
// their caches assume a single caller: every entry of the embedding API that reads
// or changes the registry or runs inspectors holds this lock, so that calls from
// several threads take turns instead of racing.
#pragma once

namespace evaluator {

class EvaluatorLock {
 public:
  // Waits while another thread holds the lock. A thread that holds it already is
  // calling the embedding API from inside an inspector, which would find the
  // evaluator in the middle of a query: that throws std::logic_error.
  EvaluatorLock();
  ~EvaluatorLock();
  EvaluatorLock(EvaluatorLock const&) = delete;
  EvaluatorLock& operator=(EvaluatorLock const&) = delete;
};

}  // namespace evaluator
