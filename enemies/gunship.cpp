#include "enemies/kind.h"
#include "enemies/kinds.h"
#include "fx/enemy_shots.h"

namespace {
constexpr int kFanEvery = 140;
constexpr int kFanSpeed = 30;
}  // namespace

// Crawls down at its entry speed all its life.
void kind_gunship(Enemy& e) {
  if (e.age == 0) {
    kind_begin(e, kGunship);
    return;
  }
  if (e.age % kFanEvery == 0) {
    fire_volley(e, gun_x(e), gun_y(e), kFanSpeed, {45, 67, 90, 112, 135}, bullet_star);
  }
}
