#include "enemies/kind.h"
#include "enemies/kinds.h"
#include "enemies/ordinary.h"
#include "fx/enemy_shots.h"
#include "shell/sound.h"

namespace {
constexpr int kSettleSpeed = 8;
constexpr int kLaunchSpeed = 40;
constexpr int kShotSpeed = 45;
constexpr int kLastHeading = 1;  // the slow left turn stops here

// The screen row a pod starts on, not its place in the carrier's hull, gives
// it its role (rows 1 and 2 their own, any other row the third), and the role
// its launch heading.
int role_for_row(int row) {
  return row == 1 || row == 2 ? row : 3;
}
constexpr int kLaunchHeading[] = {0, 180, 150, 120};
}  // namespace

void kind_pod(Enemy& e) {
  if (e.age == 0) {
    kind_begin(e, kPod);
    e.count_a = role_for_row(e.motion.y);
    return;
  }
  settle(e, kSettleSpeed);
  if (e.age == 90) motion_set(e.motion, kLaunchSpeed, kLaunchHeading[e.count_a]);
  if (e.age >= 91 && e.motion.heading != kLastHeading) turn_by(e, -1);
  if (e.age == 120 || e.age == 170) {
    fire_volley(e, gun_x(e), gun_y(e), kShotSpeed, {10, 0, -10}, bullet_aimed);
    enemy_sound(e, SFX_ENEMY_SHOTGUN);
  }
}
