#include "game/score.h"

#include <algorithm>

#include "game/extended.h"
#include "game/globals.h"

namespace {
constexpr double kMultiplierMin = 1.0;
constexpr double kMultiplierMax = 16.0;
}  // namespace

void score_add(Score& score, int points) {
  // The sum is formed as the desktop's x87 long double formed it, one rounding
  // per step, before it is truncated; every build repeats those roundings so a
  // replay scores alike everywhere.
  const Extended product = extended_multiply(
      extended_multiply(extended_from_int(game.score_factor), extended_from_int(points)),
      extended_from_double(score.multiplier));
  score.score = extended_to_int32(extended_add(extended_from_int(score.score), product));
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
