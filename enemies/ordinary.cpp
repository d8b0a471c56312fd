#include "enemies/ordinary.h"

#include "enemies/kind.h"
#include "fx/bullet.h"
#include "game/globals.h"
#include "game/motion.h"
#include "shell/sound.h"

namespace {
constexpr int kBurstEvery = 5;
constexpr int kBurstCycle = 100;
constexpr int kSecondHalf = 50;
constexpr int kGunRow = 3;

}  // namespace

void turn_by(Enemy& enemy, int degrees) {
  motion_turn(enemy.motion, degrees);
}

int brake(Enemy& enemy, int step) {
  Motion& m = enemy.motion;
  motion_set(m, whole(m.speed) - step, whole(m.heading));
  return whole(m.speed);
}

void fire_side_bursts(const Enemy& enemy, const SideBursts& bursts) {
  if (!game.player_alive || enemy.age % kBurstEvery != 0) return;
  int frame = enemy.age % kBurstCycle;
  int dx;
  if (within(frame, 1, bursts.length)) {
    dx = bursts.first_dx;
  } else if (within(frame, kSecondHalf + 1, kSecondHalf + bursts.length)) {
    dx = bursts.second_dx;
  } else {
    return;
  }
  const Motion& m = enemy.motion;
  enemy_sound(enemy, SFX_ENEMY_GUN);
  enemy_bullet_spawn(m.x + dx, m.y + kGunRow, bursts.speed, bursts.heading, bursts.behaviour,
                     *enemy.world);
}
