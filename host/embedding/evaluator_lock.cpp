#include "host/embedding/evaluator_lock.h"

#include <mutex>
#include <stdexcept>

namespace evaluator {

namespace {

std::mutex& Mutex() {
  static std::mutex mutex;
  return mutex;
}

thread_local bool held = false;

}  // namespace

EvaluatorLock::EvaluatorLock() {
  if (held) {
    throw std::logic_error(
        "the evaluator was called from inside an inspector while it runs a query");
  }
  Mutex().lock();
  held = true;
}

EvaluatorLock::~EvaluatorLock() {
  held = false;
  Mutex().unlock();
}

}  // namespace evaluator
