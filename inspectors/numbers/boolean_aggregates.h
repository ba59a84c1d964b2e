// "conjunction" and "disjunction" of a sequence of booleans.
#pragma once

#include "framework/contract/evaluator.h"
#include "framework/registration_object.h"

namespace inspectors {

// The state of both aggregates: the neutral value (true for a conjunction, false for
// a disjunction) and the running value, which takes the first element that differs
// from the neutral value and keeps it. Every element is consumed; nothing stops
// early.
class boolean_aggregate {
 public:
  boolean FirstInitialForConjunction();
  boolean FirstInitialForDisjunction();
  boolean NextInitial();
  boolean First(Of, boolean const& element);
  boolean Next(Of, boolean const& element);
  boolean FirstFinal();
  boolean NextFinal();

 private:
  boolean neutral_;
  boolean running_;
};

}  // namespace inspectors
