#include "game/score.h"

#include "tests/harness.h"

class Scoring : public GameTest {};

// The multiplier's steps are checked where kills, grazes and hits happen; here its bounds.
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
  const std::pair<void (*)(Score&), double> bounds[] = {
      {score_kill, 15.95}, {score_graze, 15.99}, {score_penalty, 1.2}};
  for (auto [operation, before] : bounds) {
    Score score{.multiplier = before};
    operation(score);
    EXPECT_DOUBLE_EQ(score.multiplier, before > 2 ? 16.0 : 1.0) << before;
  }
}
