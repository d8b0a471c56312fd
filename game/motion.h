#pragma once
// Whole-cell position plus a real velocity turned into cell moves through
// per-axis accumulators; at most one cell per axis per frame.

#include <cstdint>

struct Motion {
  int32_t x = 0;       // column
  int32_t y = 0;       // row, growing downwards
  double speed = 0;    // hundredths of a cell per frame
  double heading = 0;  // degrees: 0 right, 90 down, 180 left, 270 up
  double vx = 0;       // speed * cos(heading)
  double vy = 0;       // speed * sin(heading)
  double acc_x = 0;
  double acc_y = 0;
  double last_vx = 0;  // vx at the end of the previous motion_steer
  double last_vy = 0;
};

Motion motion_create(int x, int y, int speed, int heading);
void motion_set(Motion& motion, int speed, int heading);
void motion_set_velocity(Motion& motion, int vx, int vy);
// Keeps the speed and turns the heading by whole degrees.
void motion_turn(Motion& motion, int degrees);
void motion_step(Motion& motion);
// The ship's steering: a boost on the first frame of a new direction and
// diagonals locked so that both axes step on the same frames.
void motion_steer(Motion& motion, int speed, int heading);

// Degrees to radians with the game's own value of pi: the tiny cross
// components it leaves on straight movers decide accumulator signs.
double degrees_to_radians(double degrees);
// Aiming turns atan2's radians back into headings with this factor.
constexpr double kDegreesPerRadian = 57.29577957855229;
