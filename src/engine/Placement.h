#pragma once

#include "engine/FixedMeeting.h"

namespace belltide {

// One meeting in the engine's terms: a class, the special (or lunch seat) it
// meets and the week slot it starts at. The searches take the ones already
// placed as fixed meetings, so both are the same record.
using Placement = FixedMeeting;

} // namespace belltide
