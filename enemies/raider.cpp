#include "enemies/kind.h"
#include "enemies/kinds.h"
#include "enemies/ordinary.h"
#include "fx/bullet.h"
#include "fx/enemy_shots.h"
#include "fx/particle.h"
#include "fx/shell.h"
#include "shell/sound.h"

namespace {
constexpr int kCountBelowSpeed = 10;  // the frame count starts once this slow
constexpr int kExitFromCount = 115;
constexpr int kExitSpeed = 50;

// The four pictures of a fighter, A (arriving) to D (armed).
struct Pictures {
  const char* const* a;
  const char* const* b;
  const char* const* c;
  const char* const* d;
};
constexpr Pictures kRaiderPictures{kRaiderA, kRaiderB, kRaiderC, kRaiderD};
constexpr Pictures kStrikerPictures{kStrikerA, kStrikerB, kStrikerC, kStrikerD};

// It unfolds as it stops and arms, and folds back up as it leaves.
void unfold(Enemy& e, const Pictures& p) {
  // clang-format off
  const struct { int count; const char* const* picture; } steps[] = {
      {1, p.b}, {15, p.c}, {30, p.d}, {130, p.c}, {145, p.b}, {160, p.a}};
  // clang-format on
  for (const auto& step : steps) {
    if (e.count_a == step.count) kind_picture(e, step.picture);
  }
}

// Both fighters: brake on even ages to a stop, count frames from the moment
// they are nearly still, unfold, act by that count, and leave gently.
void fighter(Enemy& e, const KindRow& row, const Pictures& pictures, void (*act)(Enemy&)) {
  if (e.age == 0) {
    kind_begin(e, row);
    return;
  }
  if (e.age % 2 == 0) settle(e, 0);
  // Once started the count runs on, through recoils and the exit alike.
  if (e.count_a > 0 || e.motion.speed < kCountBelowSpeed) e.count_a += 1;
  unfold(e, pictures);
  act(e);
  if (e.count_a >= kExitFromCount) leave(e, kExitSpeed, kGentleExit);
}

// A puff of exhaust up and to the left of the ship.
void puff(const Enemy& e, int ch) {
  int heading = 195 + TCOD_random_get_int(nullptr, 0, 60);
  particle_spawn(e.motion.x + 1, e.motion.y + 1, 50, heading, 15, TCOD_brass, ch, *e.world);
}

// A shell of sixteen, and the gun's kick throws the ship back up.
void shell_and_recoil(Enemy& e, int dx) {
  enemy_bullet_spawn(gun_x(e) + dx, gun_y(e), 70, 90, shell_sixteen, *e.world);
  motion_set(e.motion, 40, 270);
}

void raider_act(Enemy& e) {
  const int count = e.count_a;
  if (count == 50) {
    shell_and_recoil(e, 0);
    puff(e, 186);
  }
  if (within(count, 51, 70)) brake(e, 2);
  if (count == 75) shell_and_recoil(e, 2);
  if (within(count, 76, 95)) brake(e, 2);
  if (count == 95) motion_set(e.motion, 0, 90);
}

void striker_act(Enemy& e) {
  const int count = e.count_a;
  if (!within(count, 55, 104)) return;
  if (e.age % 5 == 0) {
    enemy_sound(e, SFX_ENEMY_GUN);
    enemy_bullet_spawn(gun_x(e) - 1, gun_y(e) + 1, 60, whole(kDown + sway(e.age)), bullet_star,
                       *e.world);
  }
  if ((count - 55) % 5 == 0) puff(e, '"');
}
}  // namespace

void kind_raider(Enemy& e) {
  fighter(e, kRaider, kRaiderPictures, raider_act);
}

void kind_striker(Enemy& e) {
  fighter(e, kStriker, kStrikerPictures, striker_act);
}
