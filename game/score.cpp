#include "game/score.h"

#include <algorithm>
#include <limits>

#include "game/globals.h"

namespace {
constexpr double kMultiplierMin = 1.0;
constexpr double kMultiplierMax = 16.0;
}  // namespace

void score_add(Score& score, int points) {
  // The sum is formed in extended precision before it is truncated, so a
  // multiplier such as 1.3 (stored a hair above or below) does not lose a point.
  long double sum =
      static_cast<long double>(score.score) + static_cast<long double>(game.score_factor) * points *
                                                  static_cast<long double>(score.multiplier);
  constexpr long double kHighest = std::numeric_limits<int32_t>::max();
  constexpr long double kLowest = std::numeric_limits<int32_t>::min();
  score.score = static_cast<int32_t>(std::clamp(sum, kLowest, kHighest));
}

void score_kill(Score& score) {
  score.multiplier = std::min(score.multiplier + 0.1, kMultiplierMax);
  score.hits += 1;
}

void score_graze(Score& score) {
  score.multiplier = std::min(score.multiplier + 0.05, kMultiplierMax);
}

void score_penalty(Score& score) {
  score.multiplier = std::max(score.multiplier * 0.75, kMultiplierMin);
}
