#include "enemies/enemy.h"
#include "enemies/kind.h"
#include "enemies/kinds.h"
#include "enemies/ordinary.h"
#include "fx/enemy_shots.h"
#include "fx/missile.h"
#include "game/globals.h"

namespace {
constexpr int kSettleSpeed = 2;
constexpr int kExitSpeed = 50;
constexpr SideBursts kAimedBursts{15, 4, 0, 55, 0, bullet_aimed};
constexpr int kMissileSpeed = 50;
constexpr int kMissileRow = -2;  // above the gun cell

// The centre of the middle row turns: |, /, -, \ and round again, a step every 8 frames.
constexpr int kSpinCodes[] = {179, '/', 196, '\\'};
constexpr int kSpinSteps = 4;
constexpr int kSpinEvery = 8;

void spin(Enemy& e) {
  if (e.age % kSpinEvery != 0) return;
  enemy_set_cell(e, 2, 1, kSpinCodes[e.sway - 1]);
  e.sway = e.sway % kSpinSteps + 1;
}

void fire_aimed_bursts(Enemy& e) {
  fire_side_bursts(e, kAimedBursts);
}

void fire_missile_fan(Enemy& e) {
  if (!game.player_alive || e.age % 100 != 0) return;
  for (int heading : {225, 247, 269, 291, 313}) {
    enemy_missile_spawn(gun_x(e), gun_y(e) + kMissileRow, kMissileSpeed, heading, homing_swing,
                        *e.world);
  }
}

// Both spinners: settle, fire their own way until age 500, then leave, turning all the while.
void spinner(Enemy& e, const KindRow& row, void (*fire)(Enemy&)) {
  if (e.age == 0) {
    kind_begin(e, row);
    e.sway = 1;
    return;
  }
  settle(e, kSettleSpeed);
  if (e.age <= 500) fire(e);
  if (e.age >= 501) leave(e, kExitSpeed);
  spin(e);
}
}  // namespace

void kind_spinner(Enemy& e) {
  spinner(e, kSpinner, fire_aimed_bursts);
}

void kind_spinner_u(Enemy& e) {
  spinner(e, kSpinnerU, fire_missile_fan);
}
