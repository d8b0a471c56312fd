#include "enemies/enemy.h"

#include <cmath>
#include <cstdint>
#include <memory>

#include "enemies/fortress.h"
#include "fx/effect.h"
#include "fx/explosions.h"
#include "game/globals.h"
#include "game/screen.h"

namespace {
constexpr int kEmptyCell = ' ';

// Enemies fly in from far above and from the sides, so the play area is wider
// than the console, and a young enemy is never culled.
constexpr int kSideMargin = 4;
constexpr int kBottomMargin = 4;
constexpr int kHighestRow = -50;
constexpr int kCullAge = 50;

constexpr int kDeathEffectTimer = 30;

constexpr int kMissileDamage = 10;
constexpr int kMissileLife = 18;

constexpr double kFullHealthHue = 255;

uint8_t health_channel(double t, double offset) {
  return static_cast<uint8_t>(
      static_cast<int>(150 - 100 * std::sin(degrees_to_radians(t + offset))));
}
}  // namespace

void enemy_spawn(int x, int y, EnemyThink think, World& world) {
  auto enemy = std::make_unique<Enemy>();
  enemy->death_effect = effect_nothing;
  enemy->think = think;
  enemy->motion = motion_create(x, y, 0, 0);
  enemy->glyph = glyph_new(TCOD_white, '*');
  enemy->world = &world;
  enemy->think(*enemy);
  enemy->hp_max = enemy->hp;
  world.enemies.push_back(std::move(enemy));
}

void enemy_tick(Enemy& enemy) {
  enemy.age += 1;
  enemy.think(enemy);
  motion_step(enemy.motion);
  enemy.colour = enemy.invulnerable ? TCOD_silver : health_colour(enemy.hp, enemy.hp_max);
  enemy.hit = false;
  for (int i = 0; i < enemy.width; ++i) {
    for (int j = 0; j < enemy.height; ++j) {
      int code = enemy_cell(enemy, i, j);
      if (code == kEmptyCell) continue;
      glyph_set(enemy.glyph, enemy.colour, code);
      glyph_draw(enemy.glyph, enemy.motion.x + i, enemy.motion.y + j);
    }
  }
}

void enemy_damage(Enemy& enemy, int amount) {
  enemy.hp -= amount;
  enemy.hit = true;
}

bool enemy_cull(const Enemy& enemy) {
  const Motion& m = enemy.motion;
  bool out_of_play = m.x > kScreenWidth + kSideMargin || m.x < -kSideMargin ||
                     m.y > kScreenHeight + kBottomMargin || m.y < kHighestRow;
  return out_of_play && enemy.age > kCullAge;
}

bool enemy_reap(Enemy& enemy, Score& score) {
  if (enemy.hp > 0) return false;
  effect_spawn(enemy.motion.x + enemy.gun_dx, enemy.motion.y + enemy.gun_dy, kDeathEffectTimer,
               enemy.death_effect, *enemy.world, enemy.colour);
  score_add(score, enemy.score);
  if (enemy.score != 0) score_kill(score);
  if (enemy.is_boss) {
    game.boss_active = false;
    game.boss_hp = 0;
    game.boss_timer = 0;
  }
  if (enemy.think == kind_core_shield) game.core_shield_up = false;
  if (enemy.think == kind_arm_left || enemy.think == kind_arm_right) game.arms_left -= 1;
  return true;
}

void enemy_missile_spawn(int x, int y, int speed, int heading, BulletBehaviour behaviour,
                         World& world) {
  auto missile = std::make_unique<Bullet>();
  missile->motion = motion_create(x, y, speed, heading);
  missile->glyph = glyph_new(TCOD_white, 0);
  missile->world = &world;
  missile->behaviour = behaviour;
  missile->age = 0;
  missile->damage = kMissileDamage;
  missile->life = kMissileLife;
  world.enemy_missiles.push_back(std::move(missile));
}

TCOD_color_t health_colour(int hp, int hp_max) {
  // An enemy with no full health on record (its kind set none at spawn) would
  // divide by zero: it is shown as unharmed.
  double t = hp_max == 0 ? kFullHealthHue : kFullHealthHue * hp / hp_max;
  return TCOD_color_RGB(health_channel(t, 240), health_channel(t, 120), health_channel(t, 0));
}
