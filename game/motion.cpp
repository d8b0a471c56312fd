#include "game/motion.h"

#include <cmath>

namespace {

constexpr double kPi = 3.14159265;
constexpr double kCell = 100;  // hundredths of a cell
constexpr double kSteerBoost = 200;

void compute_velocity(Motion& motion) {
  double radians = degrees_to_radians(motion.heading);
  motion.vx = motion.speed * std::cos(radians);
  motion.vy = motion.speed * std::sin(radians);
}

}  // namespace

double degrees_to_radians(double degrees) {
  return degrees * kPi / 180;
}

Motion motion_create(int x, int y, int speed, int heading) {
  Motion motion;
  motion.x = x;
  motion.y = y;
  motion.speed = speed;
  motion.heading = heading;
  compute_velocity(motion);
  return motion;
}

void motion_set(Motion& motion, int speed, int heading) {
  motion.speed = speed;
  motion.heading = heading;
  compute_velocity(motion);
}

void motion_turn(Motion& motion, int degrees) {
  // Speed and heading are whole numbers here (only whole ones are ever set,
  // and a step turns by 360), so where the cut falls changes nothing.
  motion_set(motion, static_cast<int>(motion.speed), static_cast<int>(motion.heading) + degrees);
}

void motion_set_velocity(Motion& motion, int vx, int vy) {
  motion.vx = vx;
  motion.vy = vy;
}

void motion_step(Motion& motion) {
  motion.acc_x += motion.vx;
  motion.acc_y += motion.vy;

  // One correction each way only: 720 reads 360, and a heading of 0 reads 360
  // after its first step (the ship's drawing tests for 360).
  if (motion.heading >= 360) motion.heading -= 360;
  if (motion.heading <= 0) motion.heading += 360;

  if (motion.speed == 0) return;

  if (motion.vx > 0 && motion.acc_x >= kCell) {
    motion.x += 1;
    motion.acc_x -= kCell;
  } else if (motion.vx < 0 && motion.acc_x <= -kCell) {
    motion.x -= 1;
    motion.acc_x += kCell;
  }
  if (motion.vy > 0 && motion.acc_y >= kCell) {
    motion.y += 1;
    motion.acc_y -= kCell;
  } else if (motion.vy < 0 && motion.acc_y <= -kCell) {
    motion.y -= 1;
    motion.acc_y += kCell;
  }
}

void motion_steer(Motion& motion, int speed, int heading) {
  // A turn onto heading 0 (right) never gets the boost.
  if (heading != motion.heading && heading != 0 && speed != 0) {
    motion.speed = kSteerBoost;
    motion.acc_x = 0;
  } else {
    motion.speed = speed;
  }
  motion.heading = heading;
  compute_velocity(motion);

  switch (heading) {
    case 45:
      motion.acc_y = motion.acc_x;
      break;
    case 135:
      motion.acc_x = -motion.acc_y;
      break;
    case 225:
      motion.acc_x = motion.acc_y;
      break;
    case 315:
      motion.acc_y = -motion.acc_x;
      break;
    default:
      break;
  }
  if (speed == 0) {
    motion.acc_x = 0;
    motion.acc_y = 0;
  }
  if (motion.vx != motion.last_vx) motion.acc_x = 0;
  if (motion.vy != motion.last_vy) motion.acc_y = 0;
  motion.last_vx = motion.vx;
  motion.last_vy = motion.vy;
}
