#include "fx/missile.h"

#include <cmath>

#include "fx/effect.h"
#include "fx/explosions.h"
#include "fx/glyph.h"
#include "fx/particle.h"
#include "game/globals.h"
#include "game/screen.h"
#include "shell/settings.h"
#include "shell/sound.h"

namespace {
constexpr int kFullTurn = 360;

constexpr int kTrailLife = 15;
// Missiles vanish before they reach the heads-up display's rows.
constexpr int kLowestRow = kScreenHeight - 10;
constexpr int kHighestRow = -25;
constexpr int kPopTimer = 1;

// Turns the missile toward the ship the short way by `step` degrees. The new
// heading is truncated, so a fraction of a degree is lost on a positive turn
// and costs a whole degree on a negative one.
void steer(Bullet& missile, double step) {
  Motion& m = missile.motion;
  int a =
      static_cast<int>(std::atan2(game.player_y - m.y, game.player_x - m.x) * kDegreesPerRadian);
  if (a > kFullTurn - 1) a -= kFullTurn;
  if (a <= 0) a += kFullTurn;
  int h = static_cast<int>(std::lround(m.heading));
  int up;
  int down;
  if (a < h) {
    up = a - h + kFullTurn;
    down = h - a;
  } else {
    up = a - h;
    down = h + kFullTurn - a;
  }
  double heading = up <= down ? m.heading + step : m.heading - step;
  motion_set(m, static_cast<int>(m.speed), static_cast<int>(heading));
}

void homing_look(Bullet& missile) {
  if (missile.age == 0) {
    glyph_set_char(missile.glyph, 'o');
    play_sound_at(SFX_MISSILE_LAUNCH, missile.motion.x);
  }
  glyph_set_colour(missile.glyph,
                   settings.bullet_colour_mode ? bullet_rainbow(missile.age) : TCOD_yellow);
}
}  // namespace

void missile_tick(Bullet& missile) {
  Motion& m = missile.motion;
  particle_spawn(m.x, m.y, 0, 0, kTrailLife, missile.glyph.colour, '.', *missile.world);
  missile.behaviour(missile);
  missile.age += 1;
  motion_step(m);
  glyph_draw(missile.glyph, m.x, m.y);
}

bool missile_cull(const Bullet& missile) {
  const Motion& m = missile.motion;
  return m.x > kScreenWidth || m.x < 0 || m.y > kLowestRow || m.y < kHighestRow;
}

bool missile_reap(Bullet& missile) {
  if (missile.life > 0) return false;
  play_sound_at(SFX_MISSILE_EXPLODE, missile.motion.x);
  effect_spawn(missile.motion.x, missile.motion.y, kPopTimer, effect_missile_pop, *missile.world,
               TCOD_white);
  return true;
}

void missile_damage(Bullet& missile, int amount) {
  missile.life -= amount;
}

void homing_slow(Bullet& missile) {
  homing_look(missile);
  int age = missile.age;
  if (age < 60) {
    steer(missile, 2);
  } else if (age > 60 && age < 140) {
    steer(missile, 1);
  }
}

void homing_fast(Bullet& missile) {
  homing_look(missile);
  if (missile.age < 40) steer(missile, 5);
}

void homing_swing(Bullet& missile) {
  homing_look(missile);
  int age = missile.age;
  if (age < 50) {
    steer(missile, 0.1 * age);
  } else if (age > 50 && age < 150) {
    steer(missile, 5 - 0.05 * (age - 50));
  }
}
