#include "game/score.h"

#include "tests/harness.h"

class Scoring : public GameTest {};

TEST_F(Scoring, PointsScaleByFactorAndMultiplierTruncatedAndTheMultiplierStaysWithin1To16) {
  // Score, multiplier, factor and points; the score after, clamped to the largest int.
  const std::tuple<int, double, int, int, int> adds[] = {
      {0, 1.5, 2, 2, 6}, {6, 1.5, 1, 3, 10}, {2147000000, 16.0, 2, 1250000, 2147483647}};
  for (auto [before, multiplier, factor, points, after] : adds) {
    Score score{.score = before, .multiplier = multiplier};
    game.score_factor = factor;
    score_add(score, points);
    EXPECT_EQ(score.score, after) << before;
  }
  // Kills and grazes raise the multiplier up to 16; penalties cut it down to 1.
  const std::tuple<void (*)(Score&), double, double, int> cases[] = {
      {score_kill, 1.0, 1.1, 1},   {score_kill, 15.95, 16.0, 1},  {score_kill, 16.0, 16.0, 1},
      {score_graze, 1.0, 1.05, 0}, {score_graze, 15.99, 16.0, 0}, {score_penalty, 4.0, 3.0, 0},
      {score_penalty, 1.2, 1.0, 0}};
  for (auto [operation, before, after, hits] : cases) {
    Score score{.multiplier = before};
    operation(score);
    EXPECT_DOUBLE_EQ(score.multiplier, after) << before;
    EXPECT_EQ(score.hits, hits) << before;
  }
}
