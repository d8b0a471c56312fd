#include "enemies/drone.h"

#include <memory>

#include "fx/bullet.h"
#include "fx/effect.h"
#include "fx/enemy_shots.h"
#include "fx/explosions.h"
#include "game/globals.h"
#include "game/motion.h"
#include "game/screen.h"
#include "shell/sound.h"

namespace {
constexpr int kSpawnHp = 5;
constexpr int kCullMargin = 25;  // drones may wait this far off screen

constexpr int kPopPlain = 1;
constexpr int kPopPlasma = 2;
constexpr int kPopTimer = 15;
constexpr int kPlasmaTimer = 20;
constexpr int kDeathSounds = 5;  // SFX_SMALL_EXP1 and the four after it

// Chevrons of five: rows -2, -1 and 0 give the outer pair, the inner pair and
// the centre; the outer pair bends away fastest.
constexpr int kFanSpeed = 50;
constexpr int kFanHeading = 90;
constexpr int kFanScore = 50;
constexpr int kFanHp = 30;
constexpr int kFanTurnFrom = 66;
constexpr int kFanTurnTo = 124;
constexpr int kRoleOuter = 1;
constexpr int kRoleInner = 2;
constexpr int kRoleCentre = 3;

// Staircases from the edges: a loop that ends flying back up and out.
constexpr int kSwoopSpeed = 60;
constexpr int kSwoopLeftHeading = 60;
constexpr int kSwoopRightHeading = 120;
constexpr int kSwoopScore = 10;
constexpr int kSwoopTurnFrom = 36;
constexpr int kSwoopTurnTo = 67;
constexpr int kSwoopTurn = 5;

constexpr int kAimedShotAge = 60;
constexpr int kAimedShotSpeed = 40;

int fan_role(int spawn_row) {
  switch (spawn_row) {
    case -2:
      return kRoleOuter;
    case -1:
      return kRoleInner;
    case 0:
      return kRoleCentre;
    default:
      return 0;
  }
}

// Degrees per frame a fan drone of this role bends away by.
int fan_turn(int role) {
  switch (role) {
    case kRoleOuter:
      return 2;
    case kRoleInner:
      return 1;
    default:
      return 0;
  }
}

void fan_set_up(Drone& drone) {
  drone.pop = kPopPlain;
  glyph_set_char(drone.glyph, 'V');
  motion_set(drone.motion, kFanSpeed, kFanHeading);
  drone.score = kFanScore;
  drone.hp = kFanHp;
  drone.role = fan_role(drone.motion.y);
}

void fan_fly(Drone& drone, int direction) {
  if (drone.age == 0) {
    fan_set_up(drone);
  } else if (drone.age >= kFanTurnFrom && drone.age <= kFanTurnTo) {
    int degrees = fan_turn(drone.role);
    if (degrees != 0) motion_turn(drone.motion, direction * degrees);
  }
}

void swoop_fly(Drone& drone, int heading, int direction) {
  if (drone.age == 0) {
    drone.pop = kPopPlain;
    glyph_set_char(drone.glyph, 'v');
    motion_set(drone.motion, kSwoopSpeed, heading);
    drone.score = kSwoopScore;
  } else if (drone.age >= kSwoopTurnFrom && drone.age <= kSwoopTurnTo) {
    motion_turn(drone.motion, direction * kSwoopTurn);
  }
}
}  // namespace

void drone_spawn(int x, int y, DroneRoutine move, DroneRoutine fire, World& world) {
  auto owned = std::make_unique<Drone>();
  Drone& drone = *owned;
  drone.motion = motion_create(x, y, 0, 0);
  drone.glyph = glyph_new(TCOD_white, 0);
  drone.age = 0;
  drone.world = &world;
  drone.hp = kSpawnHp;
  drone.pop = 0;
  drone.score = 0;
  drone.role = 0;
  drone.move = move;
  drone.fire = fire;
  world.drones.push_back(std::move(owned));
  // The fire routine runs before move has set the drone's numbers.
  if (game.player_alive) drone.fire(drone);
  drone.move(drone);
  drone.hp_max = drone.hp;
}

void drone_tick(Drone& drone) {
  drone.age += 1;
  drone.move(drone);
  if (game.player_alive) drone.fire(drone);
  motion_step(drone.motion);
  glyph_set_colour(drone.glyph, TCOD_light_azure);
  glyph_draw(drone.glyph, drone.motion.x, drone.motion.y);
}

bool drone_cull(const Drone& drone) {
  const Motion& m = drone.motion;
  return m.x > kScreenWidth + kCullMargin || m.x < -kCullMargin ||
         m.y > kScreenHeight + kCullMargin || m.y < -kCullMargin;
}

bool drone_reap(Drone& drone, Score& score) {
  if (drone.hp >= 0) return false;
  const int x = drone.motion.x;
  const int y = drone.motion.y;
  if (drone.pop == kPopPlain) {
    effect_spawn(x, y, kPopTimer, effect_drone_pop, *drone.world, TCOD_azure);
  } else if (drone.pop == kPopPlasma) {
    effect_spawn(x, y, kPlasmaTimer, effect_plasma, *drone.world, TCOD_white);
  }
  score_add(score, drone.score);
  score_kill(score);
  play_sound_at(SFX_SMALL_EXP1 + TCOD_random_get_int(nullptr, 0, kDeathSounds - 1), x);
  return true;
}

void drone_damage(Drone& drone, int amount) {
  drone.hp -= amount;
}

void drone_fan_left(Drone& drone) {
  fan_fly(drone, 1);
}

void drone_fan_right(Drone& drone) {
  fan_fly(drone, -1);
}

void drone_swoop_left(Drone& drone) {
  swoop_fly(drone, kSwoopLeftHeading, -1);
}

void drone_swoop_right(Drone& drone) {
  swoop_fly(drone, kSwoopRightHeading, 1);
}

void drone_fire_none(Drone&) {}

void drone_fire_aimed(Drone& drone) {
  if (drone.age != kAimedShotAge) return;
  enemy_bullet_spawn(drone.motion.x, drone.motion.y, kAimedShotSpeed, 0, bullet_aimed,
                     *drone.world);
}
