#include "game/collisions.h"

#include <cstdlib>

#include "enemies/drone.h"
#include "enemies/enemy.h"
#include "fx/bullet.h"
#include "fx/effect.h"
#include "fx/explosions.h"
#include "fx/missile.h"
#include "game/globals.h"
#include "game/world.h"
#include "shell/sound.h"

namespace {
constexpr int kBodyDamage = 100;  // ramming an enemy empties the shield at once
constexpr int kHitCost = 20;      // any other hit, whatever its damage
constexpr int kHitCooldown = 30;
constexpr int kInvulnerableFrames = 30;
constexpr int kDeathTimer = 50;
constexpr int kHitTimer = 30;
constexpr int kLowShield = 40;
constexpr int kLowerShield = 20;

bool at(const Motion& m, int x, int y) {
  return m.x == x && m.y == y;
}

bool same_cell(const Motion& a, const Motion& b) {
  return at(a, b.x, b.y);
}

// The 3 x 3 block around a bomb shot: a shot moving a cell a frame cannot
// slip past what it should sweep away.
bool near(const Motion& thing, const Motion& shot) {
  return std::abs(thing.x - shot.x) <= 1 && std::abs(thing.y - shot.y) <= 1;
}

// Whether a thing at (x, y) touches the enemy's sprite.
bool touches(const Enemy& enemy, int x, int y) {
  return enemy_contact(enemy, x - enemy.motion.x, y - enemy.motion.y);
}

// The ship's previous cell counts too: a bullet and the ship may swap cells
// between two frames.
void enemy_bullets_on_ship(World& world, Player& player, Score& score) {
  for (auto& bullet : world.enemy_bullets) {
    const Motion& m = bullet->motion;
    if (!same_cell(m, player.motion) && !at(m, game.player_prev_x, game.player_prev_y)) continue;
    bullet_damage(*bullet, bullet->life, 0);
    player_hit(player, bullet->damage, score);
  }
}

void enemy_missiles_on_ship(World& world, Player& player, Score& score) {
  for (auto& missile : world.enemy_missiles) {
    if (!same_cell(missile->motion, player.motion)) continue;
    missile_damage(*missile, missile->life);
    player_hit(player, missile->damage, score);
  }
}

void player_bullets_on_drones(World& world) {
  for (auto& bullet : world.player_bullets) {
    for (auto& drone : world.drones) {
      if (!same_cell(bullet->motion, drone->motion) || bullet->life <= 0) continue;
      drone_damage(*drone, bullet->damage);
      bullet_damage(*bullet, 1, 0);
    }
  }
}

// A bullet is spent by the first enemy it touches, invulnerable or not.
void player_bullets_on_enemies(World& world) {
  for (auto& bullet : world.player_bullets) {
    for (auto& enemy : world.enemies) {
      if (enemy->width <= 0 || bullet->life <= 0) continue;
      if (!touches(*enemy, bullet->motion.x, bullet->motion.y)) continue;
      bullet_damage(*bullet, bullet->life, 0);
      if (!enemy->invulnerable) enemy_damage(*enemy, bullet->damage);
    }
  }
}

// Spent bullets still wear missiles down.
void player_bullets_on_missiles(World& world) {
  for (auto& bullet : world.player_bullets) {
    for (auto& missile : world.enemy_missiles) {
      if (!same_cell(bullet->motion, missile->motion)) continue;
      missile_damage(*missile, bullet->damage);
      bullet_damage(*bullet, 1, 0);
    }
  }
}

// A cancelled bullet is marked grazed: its removal earns the graze bonus.
void bomb_shots_on_enemy_bullets(World& world) {
  for (auto& bullet : world.enemy_bullets) {
    for (auto& shot : world.bomb_shots) {
      if (near(bullet->motion, shot->motion) && bullet->life > 0) bullet_damage(*bullet, 1, 1);
    }
  }
}

void bomb_shots_on_missiles(World& world) {
  for (auto& shot : world.bomb_shots) {
    for (auto& missile : world.enemy_missiles) {
      if (near(missile->motion, shot->motion) && missile->life > 0) {
        missile_damage(*missile, shot->damage);
      }
    }
  }
}

void enemy_bodies_on_ship(World& world, Player& player, Score& score) {
  for (auto& enemy : world.enemies) {
    if (enemy->width <= 0) continue;
    if (touches(*enemy, player.motion.x, player.motion.y)) player_hit(player, kBodyDamage, score);
  }
}
}  // namespace

void run_collisions(World& world, Player& player, Score& score) {
  if (!game.player_alive) return;
  enemy_bullets_on_ship(world, player, score);
  enemy_missiles_on_ship(world, player, score);
  player_bullets_on_drones(world);
  player_bullets_on_enemies(world);
  player_bullets_on_missiles(world);
  bomb_shots_on_enemy_bullets(world);
  bomb_shots_on_missiles(world);
  enemy_bodies_on_ship(world, player, score);
}

void player_hit(Player& player, int damage, Score& score) {
  if (!player.hit_this_frame && game.invulnerable_timer == 0) {
    const int x = player.motion.x;
    const int y = player.motion.y;
    const TCOD_color_t colour = player.glyph.colour;
    play_sound_at(SFX_PLAYER_HIT, x);
    // The screen flashes: whatever is drawn with a background for the rest
    // of the frame, and the next frame's clear, take the ship's colour.
    TCOD_console_set_default_background(nullptr, colour);
    if (damage == kBodyDamage) {
      player.shield = 0;
    } else {
      player.shield -= kHitCost;
    }
    score_penalty(score);
    player.cooldown = kHitCooldown;
    if (player.shield < 1) {
      game.player_alive = false;
      game.double_score_timer = 0;
      effect_spawn(x, y, kDeathTimer, effect_player_death, *player.world, colour);
    }
    effect_spawn(x, y, kHitTimer, effect_player_hit, *player.world, colour);
    if (player.shield == kLowShield) {
      play_sound(SFX_LOW_HEALTH);
    } else if (player.shield == kLowerShield) {
      play_sound(SFX_LOWER_HEALTH);
    }
    game.invulnerable_timer = kInvulnerableFrames;
  }
  player.hit_this_frame = true;
  // Any touch clears all enemy fire, even one that cost nothing.
  world_clear_enemy_fire(*player.world);
}
