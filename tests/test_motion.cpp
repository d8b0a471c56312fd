#include "game/motion.h"

#include <gtest/gtest.h>

#include <tuple>

// Steps, headings and their corrections are left to the golden runs; none of their motions
// stands still with a velocity set.
TEST(Motion, ASpeedOfZeroNeverMovesWhateverTheVelocity) {
  Motion still = motion_create(7, 7, 0, 0);
  motion_set_velocity(still, 150, -150);
  for (int i = 0; i < 5; ++i) motion_step(still);
  EXPECT_EQ(std::pair(still.x, still.y), std::pair(7, 7));
}
