#include "random/RuntimeRandom.h"

namespace zufora {

void RuntimeRandom::Seed(std::uint32_t x) {
  const std::uint32_t low = x * 22695477u + 1u;
  state_ = low;
}

std::int32_t RuntimeRandom::Draw() {
  constexpr std::uint64_t kMultiplier = (std::uint64_t{346} << 32) + 20021u;
  state_ = state_ * kMultiplier + 1u;
  return static_cast<std::int32_t>((state_ >> 32) & 0x7FFFFFFFu);
}

}  // namespace zufora
