// Preparing a checked tree for its runs: the phrases that need nothing but the query
// itself are computed once, and every run reads their values. Those are literals,
// lists of such phrases, and the evaluator's own operators and casts of single such
// values: nothing of the library's, whose answers may depend on the machine, the
// time or the library's own state, and whose values could not outlive its unloading.
// A phrase whose computation fails is left as it is, so that each run fails with the
// same message as before.
#pragma once

#include <memory>

#include "host/evaluation/stream.h"

namespace evaluator {

// Computes the values of the phrases of `root` that can be computed now and marks
// their nodes `folded`. The values refer to the tree and its types, which must
// outlive them. An interruption while computing stops the preparation.
std::unique_ptr<FoldedValues> FoldConstants(Node& root);

// A stream over the values of a folded node.
std::unique_ptr<Stream> OpenFolded(Node const& node, FoldedValues const& folded);

}  // namespace evaluator
