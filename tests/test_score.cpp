#include "game/score.h"

#include "game/globals.h"
#include "tests/harness.h"

class Scoring : public GameTest {};

TEST_F(Scoring, PointsAreScaledByTheFactorAndMultiplierAndTruncated) {
  Score score;
  score.multiplier = 1.5;
  game.score_factor = 2;
  score_add(score, 2);
  EXPECT_EQ(score.score, 6);
  game.score_factor = 1;
  score_add(score, 3);  // 4.5 more
  EXPECT_EQ(score.score, 10);
}

TEST_F(Scoring, KillsRaiseTheMultiplierAndHitsUpTo16) {
  Score score;
  score_kill(score);
  EXPECT_DOUBLE_EQ(score.multiplier, 1.1);
  EXPECT_EQ(score.hits, 1);
  score.multiplier = 15.95;
  score_kill(score);
  EXPECT_EQ(score.multiplier, 16.0);
  score_kill(score);
  EXPECT_EQ(score.multiplier, 16.0);
  EXPECT_EQ(score.hits, 3);
}

TEST_F(Scoring, GrazesRaiseTheMultiplierWithoutAHit) {
  Score score;
  score_graze(score);
  EXPECT_DOUBLE_EQ(score.multiplier, 1.05);
  EXPECT_EQ(score.hits, 0);
  score.multiplier = 15.99;
  score_graze(score);
  EXPECT_EQ(score.multiplier, 16.0);
}

TEST_F(Scoring, PenaltiesCutAQuarterButNeverBelowOne) {
  Score score;
  score.multiplier = 4.0;
  score_penalty(score);
  EXPECT_DOUBLE_EQ(score.multiplier, 3.0);
  score.multiplier = 1.2;
  score_penalty(score);
  EXPECT_EQ(score.multiplier, 1.0);
}

TEST_F(Scoring, AnOverflowingSumStopsAtTheLargestScore) {
  Score score;
  score.score = 2147000000;
  score.multiplier = 16.0;
  game.score_factor = 2;
  score_add(score, 12500 * 100);
  EXPECT_EQ(score.score, 2147483647);
}
