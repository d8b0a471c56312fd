#include "fx/explosions.h"

#include "fx/effect.h"
#include "fx/glyph.h"
#include "fx/particle.h"
#include "game/globals.h"
#include "shell/settings.h"
#include "shell/sound.h"

namespace {

constexpr int kDot = 7;  // the bullet dot
constexpr int kPlus = '+';
constexpr int kRingOfO = 'o';
constexpr int kFullTurn = 360;

// The timer enemies and the boss chain give their effects; the sounds play on
// its first frame.
constexpr int kEnemyEffectTimer = 30;

constexpr int kSparkLife = 3;
constexpr int kOuterSparkLife = 5;

constexpr int kBurstRingSize = 15;  // 24 degrees apart
constexpr int kBurstRingSpeed = 25;
constexpr int kBurstRingLife = 30;

constexpr int kStarStraightSpeed = 25;
constexpr int kStarDiagonalSpeed = 15;
constexpr int kStarLife = 30;

int effect_x(const Effect& effect) {
  return effect.motion.x;
}
int effect_y(const Effect& effect) {
  return effect.motion.y;
}

// One dot somewhere in the square of the given reach around the cell; the
// row offset is drawn before the column offset.
void spark(const Effect& effect, int reach, int life, TCOD_color_t colour) {
  int r = TCOD_random_get_int(nullptr, 0, 2 * reach);
  int c = TCOD_random_get_int(nullptr, 0, 2 * reach);
  particle_spawn(effect_x(effect) - reach + c, effect_y(effect) - reach + r, 0, 0, life, colour,
                 kDot, *effect.world);
}

// Three dots a frame, inner to outer; the outermost lingers longer.
void sparks(const Effect& effect, TCOD_color_t inner, TCOD_color_t middle, TCOD_color_t outer) {
  spark(effect, 1, kSparkLife, inner);
  spark(effect, 2, kSparkLife, middle);
  spark(effect, 3, kOuterSparkLife, outer);
}

// n particles from one cell, evenly spread clockwise from heading 0.
void ring(World& world, int x, int y, int n, int speed, int life, TCOD_color_t colour, int ch) {
  for (int i = 0; i < n; ++i) {
    particle_spawn(x, y, speed, i * kFullTurn / n, life, colour, ch, world);
  }
}

void plus_ring(const Effect& effect, int x, int y, int n, int speed, int life) {
  ring(*effect.world, x, y, n, speed, life, effect.colour, kPlus);
}

void star_straight(const Effect& effect) {
  int x = effect_x(effect), y = effect_y(effect);
  World& world = *effect.world;
  particle_spawn(x + 1, y, kStarStraightSpeed, 0, kStarLife, effect.colour, kPlus, world);
  particle_spawn(x, y + 1, kStarStraightSpeed, 90, kStarLife, effect.colour, kPlus, world);
  particle_spawn(x - 1, y, kStarStraightSpeed, 180, kStarLife, effect.colour, kPlus, world);
  particle_spawn(x, y - 1, kStarStraightSpeed, 270, kStarLife, effect.colour, kPlus, world);
}

void star_diagonal(const Effect& effect) {
  int x = effect_x(effect), y = effect_y(effect);
  World& world = *effect.world;
  particle_spawn(x + 1, y + 1, kStarDiagonalSpeed, 45, kStarLife, effect.colour, kPlus, world);
  particle_spawn(x - 1, y - 1, kStarDiagonalSpeed, -135, kStarLife, effect.colour, kPlus, world);
  particle_spawn(x - 1, y + 1, kStarDiagonalSpeed, 135, kStarLife, effect.colour, kPlus, world);
  particle_spawn(x + 1, y - 1, kStarDiagonalSpeed, -45, kStarLife, effect.colour, kPlus, world);
}

bool is_burst_ring_frame(int t) {
  return t == 25 || t == 15;
}

// The ship's own burst: the rings follow the ship, the sparks stay put.
void ship_burst(const Effect& effect) {
  sparks(effect, TCOD_red, TCOD_flame, TCOD_orange);
  if (is_burst_ring_frame(effect.timer)) {
    plus_ring(effect, game.player_x, game.player_y, kBurstRingSize, kBurstRingSpeed,
              kBurstRingLife);
  }
}

void child(const Effect& parent, int dx, int dy, int timer, EffectRoutine routine) {
  effect_spawn(effect_x(parent) + dx, effect_y(parent) + dy, timer, routine, *parent.world,
               parent.colour);
}

}  // namespace

void effect_nothing(Effect&) {}

void effect_player_death(Effect& effect) {
  ship_burst(effect);
  if (effect.timer == 1) game.player_dead = true;
}

void effect_player_hit(Effect& effect) {
  ship_burst(effect);
}

void effect_fireball(Effect& effect) {
  int t = effect.timer;
  if (t == kEnemyEffectTimer) play_sound_at(SFX_BIG_EXP2, effect_x(effect));
  sparks(effect, TCOD_red, TCOD_flame, TCOD_orange);
  if (is_burst_ring_frame(t)) {
    plus_ring(effect, effect_x(effect), effect_y(effect), kBurstRingSize, kBurstRingSpeed,
              kBurstRingLife);
  }
}

void effect_plasma(Effect& effect) {
  int t = effect.timer;
  // Drones spawn it with a shorter timer, so only enemies' plasma is heard.
  if (t == kEnemyEffectTimer) play_sound(SFX_MED_EXP3);
  sparks(effect, TCOD_red, TCOD_blue, TCOD_purple);
  if (t == 10) star_diagonal(effect);
  if (t == 5) star_straight(effect);
}

void effect_drone_pop(Effect& effect) {
  constexpr int kPopLife = 10;
  int x = effect_x(effect), y = effect_y(effect);
  World& world = *effect.world;
  switch (effect.timer) {
    case 15:
      particle_spawn(x, y, 0, 0, kPopLife, TCOD_orange, kDot, world);
      break;
    case 10:
      star_straight(effect);
      star_diagonal(effect);
      break;
    case 5:
      particle_spawn(x + 2, y, 0, 0, kPopLife, TCOD_red, '.', world);
      particle_spawn(x, y + 2, 0, 0, kPopLife, TCOD_red, '.', world);
      particle_spawn(x - 2, y, 0, 0, kPopLife, TCOD_red, '.', world);
      particle_spawn(x, y - 2, 0, 0, kPopLife, TCOD_red, '.', world);
      break;
    default:
      break;
  }
}

void effect_charged_burst(Effect& effect) {
  auto o_ring = [&effect](int n, int speed, int life) {
    for (int i = 0; i < n; ++i) {
      TCOD_color_t colour =
          settings.bullet_colour_mode != 0 ? random_bright_colour() : effect.colour;
      particle_spawn(effect_x(effect), effect_y(effect), speed, i * kFullTurn / n, life, colour,
                     kRingOfO, *effect.world);
    }
  };
  o_ring(36, 20, 32);
  o_ring(18, 30, 24);
  o_ring(36, 40, 16);
}

void effect_missile_pop(Effect& effect) {
  constexpr int kLife = 16;
  int x = effect_x(effect), y = effect_y(effect);
  ring(*effect.world, x, y, 10, 35, kLife, TCOD_azure, kDot);
  ring(*effect.world, x, y, 6, 50, kLife, TCOD_flame, kDot);
}

void effect_azure_flash(Effect& effect) {
  if (effect.timer != 1) return;
  play_sound(SFX_HUGE_SMALL_EXP);
  ring(*effect.world, effect_x(effect), effect_y(effect), 15, 30, 10, TCOD_azure, kDot);
}

void effect_big_burst(Effect& effect) {
  constexpr int kFlashTimer = 2;
  constexpr int kFlashSpread = 5;
  constexpr int kRingSize = 30;  // 12 degrees apart
  constexpr int kRingLife = 35;
  int t = effect.timer;
  if (t == 15) play_sound(SFX_HUGE_EXP);
  if (t % 3 == 0) {
    int dx = TCOD_random_get_int(nullptr, -kFlashSpread, kFlashSpread);
    int dy = TCOD_random_get_int(nullptr, -kFlashSpread, kFlashSpread);
    child(effect, dx, dy, kFlashTimer, effect_azure_flash);
  }
  // The later the ring, the faster it flies.
  if (t == 1 || t == 15 || t == kEnemyEffectTimer) {
    plus_ring(effect, effect_x(effect), effect_y(effect), kRingSize, 40 - t, kRingLife);
  }
}

void effect_boss_chain(Effect& effect) {
  constexpr int kSpread = 7;
  // Each child lands at its own random offset.
  auto scattered_child = [&effect](int timer, EffectRoutine routine) {
    int dx = TCOD_random_get_int(nullptr, -kSpread, kSpread);
    int dy = TCOD_random_get_int(nullptr, -kSpread, kSpread);
    child(effect, dx, dy, timer, routine);
  };
  int t = effect.timer;
  if (t % 10 == 0) scattered_child(kEnemyEffectTimer, effect_big_burst);
  if (t % 5 == 0) scattered_child(kEnemyEffectTimer, effect_fireball);
  if (t % 2 != 0) {
    scattered_child(15, effect_drone_pop);
  } else {
    scattered_child(kEnemyEffectTimer, effect_plasma);
  }
}
