#include <cmath>

#include "enemies/kind.h"
#include "enemies/kinds.h"
#include "enemies/ordinary.h"
#include "fx/enemy_shots.h"
#include "game/motion.h"

namespace {
constexpr int kExitSpeed = 50;
constexpr SideBursts kLines{30, 3, 1, 60, 90, bullet_star};

// A Lissajous figure over the screen: a token speed keeps the motion stepping
// while the velocity is set by hand.
void drift(Enemy& e) {
  Motion& m = e.motion;
  motion_set(m, 1, 90);
  double vx = 25 * std::sin(degrees_to_radians(e.age - 150));
  double vy = 12.5 * std::sin(degrees_to_radians(3 * e.age + 45));
  motion_set_velocity(m, whole(vx), whole(vy));
}
}  // namespace

void kind_lancer(Enemy& e) {
  if (e.age == 0) {
    kind_begin(e, kLancer);
    return;
  }
  settle(e, 0);
  fire_side_bursts(e, kLines);
  if (settled(e) && e.age <= 1000) drift(e);
  if (e.age >= 1001) leave(e, kExitSpeed);
}
