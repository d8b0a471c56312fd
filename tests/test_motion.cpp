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

TEST(MotionSteer, ANewDirectionBoostsOneFrameThenFallsBack) {
  Motion ship = motion_create(25, 55, 0, 0);
  motion_step(ship);  // idle: heading reads 360
  motion_steer(ship, 42, 270);
  EXPECT_EQ(ship.speed, 200);
  motion_step(ship);
  EXPECT_EQ(ship.y, 54);  // the boost moves one cell at once
  motion_steer(ship, 42, 270);
  EXPECT_EQ(std::pair(ship.speed, ship.acc_y), std::pair(42.0, 0.0));
  const int before = ship.y;  // then 42 a frame crosses a cell every 2 or 3 frames
  for (int frame = 0; frame < 10; ++frame) {
    motion_step(ship);
    motion_steer(ship, 42, 270);
  }
  EXPECT_EQ(before - ship.y, 4);
  motion_steer(ship, 42, 0);
  EXPECT_EQ(ship.speed, 42);  // no boost turning right
  motion_steer(ship, 42, 90);
  motion_step(ship);
  motion_steer(ship, 0, 0);
  EXPECT_EQ(std::tuple(ship.speed, ship.acc_x, ship.acc_y), std::tuple(0.0, 0.0, 0.0));
}
