#pragma once

#include "design/design_input.h"
#include "design/design_outcome.h"

namespace design {

// The locating design for a plane and two holes: the round pin in hole 1, the relieved pin in
// hole 2, their clearances and the locating errors that result, as handbooks work it out.
// Fields are checked in their order and the first fault is the answer. Pure.
DesignOutcome DesignTwoPinLocation(const TwoPinInput& input);

} // namespace design
