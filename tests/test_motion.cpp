#include "game/motion.h"

#include <gtest/gtest.h>

// Motion needs no console; these run against the record alone.

TEST(Motion, SpeedHundredRightMovesOneCellPerStepAndReadsHeading360) {
  Motion m = motion_create(10, 10, 100, 0);
  for (int step = 1; step <= 3; ++step) {
    motion_step(m);
    EXPECT_EQ(m.x, 10 + step);
    EXPECT_EQ(m.y, 10);
    EXPECT_DOUBLE_EQ(m.acc_x, 0.0);
  }
  EXPECT_EQ(m.heading, 360.0);
}

TEST(Motion, SpeedFiftyDownMovesEverySecondStep) {
  Motion m = motion_create(5, 5, 50, 90);
  int rows[6];
  for (int& row : rows) {
    motion_step(m);
    row = m.y;
  }
  EXPECT_EQ(rows[0], 5);
  EXPECT_EQ(rows[1], 6);
  EXPECT_EQ(rows[2], 6);
  EXPECT_EQ(rows[3], 7);
  EXPECT_EQ(rows[5], 8);
  EXPECT_EQ(m.x, 5);
}

TEST(Motion, FastMoverIsCappedAtOneCellAndItsSurplusGrows) {
  Motion m = motion_create(20, 0, 250, 180);
  motion_step(m);
  EXPECT_EQ(m.x, 19);
  EXPECT_NEAR(m.acc_x, -150, 1e-6);
  motion_step(m);
  EXPECT_EQ(m.x, 18);
  EXPECT_NEAR(m.acc_x, -300, 1e-6);
}

TEST(Motion, HeadingIsCorrectedOnceEachWay) {
  struct Case {
    int heading;
    double after;
  } cases[] = {{450, 90}, {-90, 270}, {720, 360}, {360, 360}, {0, 360}};
  for (auto c : cases) {
    Motion m = motion_create(0, 0, 10, c.heading);
    motion_step(m);
    EXPECT_EQ(m.heading, c.after) << "from " << c.heading;
  }
}

TEST(Motion, SpeedZeroNeverMovesEvenWithAVelocity) {
  Motion m = motion_create(7, 7, 0, 0);
  motion_set_velocity(m, 150, -150);
  for (int i = 0; i < 5; ++i) motion_step(m);
  EXPECT_EQ(m.x, 7);
  EXPECT_EQ(m.y, 7);
  EXPECT_DOUBLE_EQ(m.acc_x, 750);
  EXPECT_DOUBLE_EQ(m.acc_y, -750);
}

TEST(Motion, StraightMoverCarriesATinyCrossComponentFromTheGamesPi) {
  Motion up = motion_create(0, 0, 100, 270);
  EXPECT_LT(up.vx, 0);  // cos of 270 degrees with pi = 3.14159265 is a hair below 0
  EXPECT_GT(up.vx, -1e-6);
}

TEST(MotionSteer, TurningBoostsOneFrameThenFallsBackWithFreshAccumulators) {
  Motion ship = motion_create(25, 55, 0, 0);
  motion_step(ship);  // idle: heading reads 360
  motion_steer(ship, 42, 270);
  EXPECT_EQ(ship.speed, 200);
  motion_step(ship);
  EXPECT_EQ(ship.y, 54);  // the boost moves one cell at once

  motion_steer(ship, 42, 270);
  EXPECT_EQ(ship.speed, 42);
  EXPECT_EQ(ship.acc_y, 0);
  // Then the normal rate: 42 per frame crosses a cell every 2 or 3 frames.
  int moves = 0;
  for (int frame = 0; frame < 10; ++frame) {
    int before = ship.y;
    motion_step(ship);
    moves += before - ship.y;
    motion_steer(ship, 42, 270);
  }
  EXPECT_EQ(moves, 4);
}

TEST(MotionSteer, NoBoostTurningRightAndNoDirectionStops) {
  Motion ship = motion_create(25, 55, 0, 0);
  motion_steer(ship, 42, 270);
  motion_steer(ship, 42, 0);
  EXPECT_EQ(ship.speed, 42);
  motion_steer(ship, 42, 90);
  motion_step(ship);
  motion_steer(ship, 0, 0);
  EXPECT_EQ(ship.speed, 0);
  EXPECT_EQ(ship.acc_x, 0);
  EXPECT_EQ(ship.acc_y, 0);
}

TEST(MotionSteer, DiagonalsStepBothAxesOnTheSameFrames) {
  for (int heading : {45, 135, 225, 315}) {
    Motion ship = motion_create(25, 30, 0, 0);
    for (int frame = 0; frame < 40; ++frame) {
      motion_steer(ship, 42, heading);
      EXPECT_EQ(std::abs(ship.acc_x), std::abs(ship.acc_y)) << "heading " << heading;
      int x = ship.x, y = ship.y;
      motion_step(ship);
      EXPECT_EQ(ship.x != x, ship.y != y) << "heading " << heading << " frame " << frame;
    }
  }
}
