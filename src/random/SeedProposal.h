#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "random/ParkMillerShuffleGenerator.h"

namespace zufora {

// Calendar time in whole seconds since 1970-01-01 00:00 UTC. Read twice per proposal.
using CalendarClock = std::function<std::int64_t()>;

// A new seed from the clock, as decimal digits (1 to 2147483392). Draws once from the
// shared generator with a temporary state word, which nearly always refills its table.
std::string ProposeSeed(ParkMillerShuffleGenerator& generator, const CalendarClock& clock);

}  // namespace zufora
