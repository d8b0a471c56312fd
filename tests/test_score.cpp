#include "game/score.h"

#include "game/globals.h"
#include "tests/harness.h"

class Scoring : public GameTest {};

TEST_F(Scoring, PointsScaleByFactorAndMultiplierTruncatedAndTheMultiplierStaysWithin1To16) {
  Score score{.multiplier = 1.5};
  game.score_factor = 2;
  score_add(score, 2);
  EXPECT_EQ(score.score, 6);
  game.score_factor = 1;
  score_add(score, 3);  // 4.5 more
  EXPECT_EQ(score.score, 10);
  score = Score{.score = 2147000000, .multiplier = 16.0};
  game.score_factor = 2;
  score_add(score, 12500 * 100);
  EXPECT_EQ(score.score, 2147483647);
  // Kills and grazes raise the multiplier up to 16; penalties cut it down to 1.
  const struct {
    void (*operation)(Score&);
    double before, after;
    int hits;
  } cases[] = {{score_kill, 1.0, 1.1, 1},     {score_kill, 15.95, 16.0, 1},
               {score_kill, 16.0, 16.0, 1},   {score_graze, 1.0, 1.05, 0},
               {score_graze, 15.99, 16.0, 0}, {score_penalty, 4.0, 3.0, 0},
               {score_penalty, 1.2, 1.0, 0}};
  for (const auto& c : cases) {
    Score score{.multiplier = c.before};
    c.operation(score);
    EXPECT_DOUBLE_EQ(score.multiplier, c.after) << "case " << &c - cases;
    EXPECT_EQ(score.hits, c.hits) << "case " << &c - cases;
  }
}
