// The wall clock, for the programs to hand to the core as an argument.
#pragma once

#include "core/time/instant.h"

namespace solvane::platform {

Instant systemNow();

}  // namespace solvane::platform
