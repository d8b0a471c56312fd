#include "enemies/fortress.h"

#include <libtcod.h>

#include <climits>
#include <span>

#include "enemies/enemy.h"
#include "enemies/kind.h"
#include "fx/bullet.h"
#include "fx/enemy_shots.h"
#include "fx/missile.h"
#include "fx/particle.h"
#include "fx/shell.h"
#include "game/globals.h"
#include "shell/sound.h"

namespace {

// Every part brakes on the same even ages, its spawn call's included, from the
// same speed, so the whole fortress lands as one piece.
void descend(Enemy& e) {
  if (e.age % 2 == 0) settle(e, 0);
}

// A shot fired on one age of a cycle, from a column of the sprite.
struct CycleShot {
  int when;  // age mod the cycle
  int dx;
  int heading;
};

void fire_on_cycle(const Enemy& e, std::span<const CycleShot> shots, int when, int dy, int speed,
                   BulletBehaviour behaviour) {
  for (const CycleShot& shot : shots) {
    if (shot.when != when) continue;
    enemy_bullet_spawn(e.motion.x + shot.dx, e.motion.y + dy, speed, shot.heading, behaviour,
                       *e.world);
  }
}

// --- The core ---

constexpr int kCoreArrivalHp = 1000;
constexpr int kCoreSeconds = 90;
constexpr int kArmsAtStart = 2;
constexpr double kHealPerArm = 3.5;

// The flame curtain: a column drops flames while age mod 600 lies in its
// window, so the curtain sweeps right and back.
struct FlameWindow {
  int dx;
  int from;
  int to;
};
// clang-format off
constexpr FlameWindow kFlameCurtain[] = {
    // column  from  to
    {4,        0,    99},
    {7,        16,   124},
    {8,        31,   149},
    {9,        46,   174},
    {12,       61,   199},
    {12,       301,  399},
    {9,        316,  424},
    {8,        331,  449},
    {7,        346,  474},
    {4,        361,  499},
};
// clang-format on
constexpr int kFlameCycle = 600;
constexpr int kFlameEvery = 5;
constexpr int kFlameRow = 7;
constexpr int kFlameSpeed = 80;

// Rising shells on age mod 100, bursting above the core; four diagonals more
// once both arms are gone.
// clang-format off
constexpr CycleShot kRisingShells[] = {
    {10, 4, 250}, {20, 4, 270}, {30, 4, 290},
    {60, 12, 290}, {70, 12, 270}, {80, 12, 250},
};
constexpr CycleShot kArmlessShells[] = {
    {0, 4, 230}, {40, 4, 310}, {50, 12, 310}, {90, 12, 230},
};
// clang-format on
constexpr int kShellCycle = 100;
constexpr int kShellRow = 2;
constexpr int kShellSpeed = 40;

void core_set_up(Enemy& e) {
  boss_begin(e, kCore, kCoreSeconds);
  game.arms_left = kArmsAtStart;
}

void core_fire(const Enemy& e) {
  if (e.age % kFlameEvery == 0) {
    const int r = e.age % kFlameCycle;
    for (const FlameWindow& window : kFlameCurtain) {
      if (r < window.from || r > window.to) continue;
      enemy_bullet_spawn(e.motion.x + window.dx, e.motion.y + kFlameRow, kFlameSpeed, kDown,
                         bullet_flame, *e.world);
    }
  }
  const int q = e.age % kShellCycle;
  fire_on_cycle(e, kRisingShells, q, kShellRow, kShellSpeed, shell_quiet);
  if (game.arms_left == 0) fire_on_cycle(e, kArmlessShells, q, kShellRow, kShellSpeed, shell_quiet);
}

// --- The shield plate ---

constexpr CycleShot kPlateStars[] = {{20, 1, kDown}, {40, 6, kDown}, {60, 3, kDown}, {0, 8, kDown}};
constexpr int kPlateCycle = 80;
constexpr int kPlateRow = 4;
constexpr int kPlateSpeed = 40;

// --- The arms ---

constexpr int kSparkSpeed = 80;
constexpr int kSparkLife = 8;
constexpr int kFullTurn = 360;

// Sparks fly from the arm's end that meets the core, as it feeds it.
void arm_think(Enemy& e, const KindRow& row, int end_dx) {
  if (e.age == 0) kind_begin(e, row);
  descend(e);
  int heading = TCOD_random_get_int(nullptr, 0, kFullTurn);
  particle_spawn(gun_x(e) + end_dx, gun_y(e), kSparkSpeed, heading, kSparkLife, TCOD_yellow, '.',
                 *e.world);
  die_with_boss(e);
}

// --- The turrets ---

constexpr int kTurretCycle = 1200;
constexpr int kTurretCeiling = 25;  // the ship at this row or above draws no fire
constexpr int kAimedSpeed = 80;
constexpr int kAimedShellSpeed = 50;
constexpr int kSweepCycle = 300;
constexpr int kSweepSpeed = 80;
constexpr int kMissileSpeed = 40;
constexpr int kVolleyEvery = 5;
constexpr int kShellEvery = 100;
constexpr int kMissileEvery = 100;

int sweep_from_left(int p) {
  return whole(135 - p / 2.5);
}
int sweep_inner_left(int p) {
  return 100 - p / 6;
}
int sweep_inner_right(int p) {
  return p / 6 + 80;
}
int sweep_from_right(int p) {
  return whole(p / 2.5 + 45);
}

// A turret's column picks its sweep and its missiles; columns 25 and 35 have
// neither.
struct TurretBand {
  int first;
  int last;
  int (*sweep)(int p);  // star heading at p = age mod 300
  int missile_heading;
  int missile_offset;  // missiles when age + offset is a multiple of 100
};
// clang-format off
constexpr TurretBand kTurretBands[] = {
    // columns          sweep               missile  offset
    {INT_MIN, 14,       sweep_from_left,    150,     0},
    {15,      24,       sweep_inner_left,   90,      50},
    {26,      34,       sweep_inner_right,  90,      50},
    {36,      INT_MAX,  sweep_from_right,   30,      0},
};
// clang-format on

const TurretBand* turret_band(int column) {
  for (const TurretBand& band : kTurretBands) {
    if (within(column, band.first, band.last)) return &band;
  }
  return nullptr;
}

void turret_fire(const Enemy& e) {
  const int r = e.age % kTurretCycle;
  if (within(r, 1, 300)) {
    if (e.age % kVolleyEvery == 0) {
      enemy_sound(e, SFX_ENEMY_SHOTGUN);
      fire_volley(e, gun_x(e), gun_y(e), kAimedSpeed, {-20, 20}, bullet_aimed);
    }
    if (e.age % kShellEvery == 0) {
      enemy_bullet_spawn(gun_x(e), gun_y(e), kAimedShellSpeed, 0, shell_aimed, *e.world);
    }
  }
  const TurretBand* band = turret_band(e.motion.x);
  if (!within(r, 601, 900) || band == nullptr) return;
  if (e.age % kVolleyEvery == 0) {
    enemy_sound(e, SFX_ENEMY_GUN);
    enemy_bullet_spawn(gun_x(e), gun_y(e), kSweepSpeed, band->sweep(e.age % kSweepCycle),
                       bullet_star, *e.world);
  }
  if ((e.age + band->missile_offset) % kMissileEvery == 0) {
    enemy_missile_spawn(gun_x(e), gun_y(e), kMissileSpeed, band->missile_heading, homing_slow,
                        *e.world);
  }
}

// Walls: they land with the rest and stand for good.
void wall_think(Enemy& e, const KindRow& row) {
  if (e.age == 0) kind_begin(e, row);
  descend(e);
}

}  // namespace

void kind_fortress_core(Enemy& e) {
  if (e.age == 0) core_set_up(e);
  boss_tick(e);
  // It arrives weak; its full hit points stay on record, so it shows worn down.
  if (e.age == 1) e.hp = kCoreArrivalHp;
  descend(e);
  if (e.hp <= game.boss_hp_full) {
    e.hp = whole(e.hp + kHealPerArm * game.arms_left);
  }
  // Out of time after its healing, so that the healing cannot undo it.
  boss_expire(e);
  if (!game.core_shield_up) core_fire(e);
  boss_publish(e);
}

void kind_core_shield(Enemy& e) {
  if (e.age == 0) {
    kind_begin(e, kCoreShield);
    game.core_shield_up = true;
  }
  descend(e);
  if (settled(e)) {
    fire_on_cycle(e, kPlateStars, e.age % kPlateCycle, kPlateRow, kPlateSpeed, bullet_star);
  }
  die_with_boss(e);
}

void kind_arm_left(Enemy& e) {
  arm_think(e, kArmLeft, 8);
}

void kind_arm_right(Enemy& e) {
  arm_think(e, kArmRight, -9);
}

void kind_turret(Enemy& e) {
  if (e.age == 0) kind_begin(e, kTurret);
  descend(e);
  if (settled(e) && game.player_y > kTurretCeiling) turret_fire(e);
  die_with_boss(e);
}

void kind_bulwark_left(Enemy& e) {
  wall_think(e, kBulwarkLeft);
}

void kind_bulwark_right(Enemy& e) {
  wall_think(e, kBulwarkRight);
}

void kind_pillar(Enemy& e) {
  wall_think(e, kPillar);
}
