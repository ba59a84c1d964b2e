#include "inspectors/numbers/boolean_aggregates.h"

#include "foundation/exceptions.h"
#include "framework/inspector.h"

namespace inspectors {

boolean boolean_aggregate::FirstInitialForConjunction() {
  neutral_ = running_ = boolean(true);
  throw NoSuchObject();
}

boolean boolean_aggregate::FirstInitialForDisjunction() {
  neutral_ = running_ = boolean(false);
  throw NoSuchObject();
}

boolean boolean_aggregate::NextInitial() {
  throw NoSuchObject();
}

boolean boolean_aggregate::First(Of, boolean const& element) {
  if (running_ == neutral_) running_ = element;
  throw NoSuchObject();
}

boolean boolean_aggregate::Next(Of, boolean const&) {
  throw NoSuchObject();
}

boolean boolean_aggregate::FirstFinal() {
  return running_;
}

boolean boolean_aggregate::NextFinal() {
  throw NoSuchObject();
}

namespace {

Prop const conjunction("conjunction", "conjunctions",
                       &boolean_aggregate::FirstInitialForConjunction,
                       &boolean_aggregate::NextInitial, &boolean_aggregate::First,
                       &boolean_aggregate::Next, &boolean_aggregate::FirstFinal,
                       &boolean_aggregate::NextFinal, kDependsOnlyOnParameters);
Prop const disjunction("disjunction", "disjunctions",
                       &boolean_aggregate::FirstInitialForDisjunction,
                       &boolean_aggregate::NextInitial, &boolean_aggregate::First,
                       &boolean_aggregate::Next, &boolean_aggregate::FirstFinal,
                       &boolean_aggregate::NextFinal, kDependsOnlyOnParameters);

}  // namespace

}  // namespace inspectors
