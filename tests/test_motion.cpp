#include "game/motion.h"

#include <gtest/gtest.h>

#include <tuple>

TEST(Motion, StepsMoveAtMostOneCellPerAxisAndCorrectTheHeadingOnceEachWay) {
  // Speed, heading, steps; then the cell's move, the accumulators and the heading read.
  const double cases[][8] = {{100, 0, 3, 3, 0, 0, 0, 360},       {50, 90, 1, 0, 0, 0, 50, 90},
                             {50, 90, 2, 0, 1, 0, 0, 90},        {50, 90, 5, 0, 2, 0, 50, 90},
                             {250, 180, 2, -2, 0, -300, 0, 180}, {10, 450, 1, 0, 0, 0, 10, 90},
                             {10, -90, 1, 0, 0, 0, -10, 270},    {10, 720, 1, 0, 0, 10, 0, 360},
                             {10, 360, 1, 0, 0, 10, 0, 360}};
  for (const auto& [speed, heading, steps, dx, dy, acc_x, acc_y, read] : cases) {
    Motion m = motion_create(20, 20, static_cast<int>(speed), static_cast<int>(heading));
    for (int i = 0; i < steps; ++i) motion_step(m);
    EXPECT_EQ(std::tuple(m.x - 20, m.y - 20, m.heading), std::tuple(dx, dy, read)) << heading;
    EXPECT_NEAR(m.acc_x, acc_x, 1e-5) << heading;
    EXPECT_NEAR(m.acc_y, acc_y, 1e-5) << heading;
  }
  Motion still = motion_create(7, 7, 0, 0);
  motion_set_velocity(still, 150, -150);
  for (int i = 0; i < 5; ++i) motion_step(still);
  EXPECT_EQ(std::pair(still.x, still.y), std::pair(7, 7));  // speed 0 never moves
  EXPECT_EQ(std::pair(still.acc_x, still.acc_y), std::pair(750.0, -750.0));
}
