#include "enemies/kind.h"
#include "enemies/kinds.h"
#include "enemies/ordinary.h"
#include "fx/bullet.h"
#include "fx/enemy_shots.h"
#include "game/screen.h"
#include "shell/sound.h"

namespace {
constexpr int kRightSide = 1;  // in `phase`
constexpr int kFanSpeed = 50;
constexpr int kRingBullets = 32;
constexpr double kRingStep = 11.25;
constexpr int kRingSpeed = 45;

// A dash in one of two mirrored headings, opening with a fan of five aimed at the ship.
void swoop(Enemy& e, int speed, int left_heading, int right_heading) {
  motion_set(e.motion, speed, e.phase == kRightSide ? right_heading : left_heading);
  enemy_sound(e, SFX_ENEMY_SHOTGUN);
  fire_volley(e, gun_x(e), gun_y(e), kFanSpeed, {-40, -20, 0, 20, 40}, bullet_aimed);
}

// Its last act: a ring of stars, and no points for the explosion that follows.
void self_destruct(Enemy& e) {
  enemy_sound(e, SFX_ENEMY_BOMB_EXPLODE);
  for (int i = 0; i < kRingBullets; ++i) {
    enemy_bullet_spawn(e.motion.x, e.motion.y, kRingSpeed, static_cast<int>(i * kRingStep),
                       bullet_star, *e.world);
  }
  e.score = 0;
  e.hp = 0;
}
}  // namespace

void kind_hornet(Enemy& e) {
  if (e.age == 0) {
    kind_begin(e, kHornet);
    e.phase = e.motion.x > kScreenWidth / 2 ? kRightSide : 0;
    return;
  }
  if (within(e.age, 1, 50)) brake(e, 1);
  if (e.age == 60) swoop(e, 60, 45, 135);
  if (within(e.age, 61, 120)) brake(e, 1);
  if (e.age == 130) swoop(e, 60, 145, 35);
  if (within(e.age, 131, 190)) brake(e, 1);
  if (e.age == 200) swoop(e, 50, 295, 245);
  if (within(e.age, 201, 250)) brake(e, 1);
  if (e.age == 260) self_destruct(e);
}
