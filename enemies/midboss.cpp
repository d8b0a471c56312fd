#include "enemies/midboss.h"

#include "enemies/enemy.h"
#include "enemies/kind.h"
#include "fx/bullet.h"
#include "fx/enemy_shots.h"
#include "fx/missile.h"
#include "fx/shell.h"
#include "game/globals.h"
#include "shell/sound.h"

namespace {

// --- The boss ---

constexpr int kTimerSeconds = 40;
constexpr int kWingSpawnShift = 10;

// It fires in a cycle of 600 frames: crossing lines, a fan of three, shells.
constexpr int kBossCycle = 600;
constexpr int kMissileEvery = 250;

// A slow figure of eight once it has stopped.
constexpr Figure kFigureOfEight{50, 12.5, 0.75};

void midboss_arrive(Enemy& e) {
  boss_begin(e, kMidboss, kTimerSeconds);
  // The wings place themselves by the boss's published cell, at once and
  // while it descends: publish before they are spawned, or they would stand
  // where the last boss (or none) left the globals.
  boss_publish(e);
  // Spawned while the boss itself is still being spawned, so both wings stand
  // before it in the list and see its cell of the previous frame.
  const int x = e.motion.x + kWingSpawnShift;
  enemy_spawn(x, e.motion.y, kind_midboss_wing_left, *e.world);
  enemy_spawn(x, e.motion.y, kind_midboss_wing_right, *e.world);
}

void midboss_fire(Enemy& e) {
  const int r = e.age % kBossCycle;
  const int x = gun_x(e);
  const int y = gun_y(e);
  if (within(r, 1, 149) && e.age % 8 == 0) {
    // Two lines of fire that sweep across each other.
    enemy_sound(e, SFX_ENEMY_GUN);
    const int sweep = e.age % 50;
    enemy_bullet_spawn(x + 1, y + 4, 45, sweep + 30, bullet_star, *e.world);
    enemy_bullet_spawn(x - 1, y + 4, 45, 150 - sweep, bullet_star, *e.world);
  } else if (within(r, 201, 350) && e.age % 15 == 0) {
    enemy_sound(e, SFX_ENEMY_SHOTGUN);
    fire_volley(e, x, y + 3, 40, {67, 90, 112}, bullet_star);
  } else if (within(r, 401, 550) && e.age % 50 == 0) {
    enemy_bullet_spawn(x, y + 2, 65, 0, shell_aimed, *e.world);
  }
  if (e.age % kMissileEvery == 0) {
    enemy_missile_spawn(x + 1, y - 4, 50, 270, homing_swing, *e.world);
  }
}

// --- The wings ---

struct Wing {
  const KindRow* row;
  int beside_boss;  // column of its cell from the boss's
  int exhaust;      // column of its exhaust's two o cells
};
constexpr Wing kLeft{&kWingLeft, -10, 7};
constexpr Wing kRight{&kWingRight, 6, 4};

constexpr int kWingCycle = 400;
constexpr int kScarredBelow = 3000;
constexpr int kWreckedBelow = 1500;
constexpr int kExhaustTop = 5;
constexpr int kExhaustFoot = 6;

// Three cells centred on the exhaust column of one row.
void wing_paint(Enemy& e, const Wing& wing, int row, const char (&cells)[4]) {
  for (int i = 0; i < 3; ++i) enemy_set_cell(e, wing.exhaust - 1 + i, row, cells[i]);
}

// Damage shows in the exhaust: scorched at the foot, then burnt out.
void wing_damage(Enemy& e, const Wing& wing) {
  if (e.phase == 0 && e.hp < kScarredBelow) {
    e.phase = 1;
    wing_paint(e, wing, kExhaustFoot, "`%'");
  }
  if (e.phase == 1 && e.hp < kWreckedBelow) {
    e.phase = 2;
    wing_paint(e, wing, kExhaustTop, "\\ /");
    wing_paint(e, wing, kExhaustFoot, "` '");
  }
}

void wing_fire(Enemy& e) {
  const int r = e.age % kWingCycle;
  const int x = gun_x(e);
  const int y = gun_y(e) + 4;
  const int sway_right = whole(kDown + sway(e.age));
  const int sway_left = whole(kDown - sway(e.age));
  const bool missile_window = within(r, 101, 200);
  const bool sway_window = within(r, 301, 375) && e.age % 5 == 0;
  switch (e.phase) {
    case 0:
      if (missile_window && e.age % 25 == 0) {
        enemy_missile_spawn(x, y, 60, kDown, homing_fast, *e.world);
      }
      if (sway_window) {
        enemy_sound(e, SFX_ENEMY_GUN);
        fire_volley(e, x, y, 50, {sway_right, sway_left}, bullet_star);
      }
      break;
    case 1:
      if (missile_window && e.age % 50 == 0) {
        enemy_missile_spawn(x, y, 60, kDown, homing_fast, *e.world);
      }
      if (sway_window) {
        enemy_sound(e, SFX_ENEMY_GUN);
        fire_volley(e, x, y, 50, {sway_right}, bullet_star);
      }
      break;
    default:
      if (e.age % 30 == 0) {
        enemy_sound(e, SFX_ENEMY_SHOTGUN);
        fire_volley(e, x, y, 45, {45, 67, 90, 112, 135}, bullet_star);
      }
      break;
  }
}

void wing_think(Enemy& e, const Wing& wing) {
  if (e.age == 0) kind_begin(e, *wing.row);
  wing_damage(e, wing);
  wing_fire(e);
  die_with_boss(e);
  // The boss thinks after its wings: this is its cell of the previous frame.
  e.motion.x = game.boss_x + wing.beside_boss;
  e.motion.y = game.boss_y - 1;
}

}  // namespace

void kind_midboss(Enemy& e) {
  if (e.age == 0) midboss_arrive(e);
  boss_tick(e);
  boss_expire(e);
  settle(e, 0);
  // Holds its fire while it descends, but keeps showing where it is.
  if (settled(e)) {
    midboss_fire(e);
    wander(e, kFigureOfEight);
  }
  boss_publish(e);
}

void kind_midboss_wing_left(Enemy& e) {
  wing_think(e, kLeft);
}

void kind_midboss_wing_right(Enemy& e) {
  wing_think(e, kRight);
}
