#include "random/SeedProposal.h"

#include "random/RuntimeRandom.h"

namespace zufora {

std::string ProposeSeed(ParkMillerShuffleGenerator& generator, const CalendarClock& clock) {
  RuntimeRandom runtime;
  const auto first_reading = static_cast<std::uint32_t>(clock());
  runtime.Seed(first_reading);
  const std::int32_t a = runtime.Draw() % 1000;
  const auto second_reading = static_cast<std::uint32_t>(clock());
  runtime.Seed(second_reading + static_cast<std::uint32_t>(a));
  const std::int32_t b = runtime.Draw() % 1000;
  std::int32_t state = b - 1000 * a;
  const float u = generator.Next(state);
  return std::to_string(ScaleToSeedRange(u));
}

}  // namespace zufora
