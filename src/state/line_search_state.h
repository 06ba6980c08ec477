#pragma once
// Where the line search stands between clicks.

#include "state/numbers.h"

namespace vrex {

struct LineSearchState {
    // Position in the candidate list the last successful search selected;
    // never reset, so the cycle carries over to clicks elsewhere.
    Integer CandidateCycle = 0;
};

} // namespace vrex
