#include "game/player.h"

#include "fx/bullet.h"
#include "fx/missile.h"
#include "game/globals.h"

namespace {
constexpr int kStartX = 25;
constexpr int kStartY = 55;
constexpr int kContinueInvulnerability = 120;
constexpr int kClearEnemyFire = 1000;
}  // namespace

// Stand-in until the ship lands: it only exists and stays in play.
std::unique_ptr<Player> player_create(int x, int y, PlayerRoutine control, PlayerRoutine gun,
                                      World& world) {
  auto player = std::make_unique<Player>();
  player->world = &world;
  player->motion = motion_create(x, y, 0, 0);
  player->glyph = glyph_new(TCOD_white, 'M');
  player->control = control;
  player->gun_slot = gun;
  player->charge_slot = weapon_idle;
  player->bomb_slot = weapon_idle;
  game.player_alive = true;
  return player;
}

// Stand-in until the ship lands.
void player_update(Player&) {}

void player_continue(Player& player, Score& score) {
  game.player_alive = true;
  game.player_dead = false;
  player.shield = 100;
  player.energy = 100;
  player.age = 0;
  player.cooldown = 0;
  player.motion.x = kStartX;
  player.motion.y = kStartY;
  score.multiplier = 1.0;
  score.hits = 0;
  score.score = 0;
  game.invulnerable_timer = kContinueInvulnerability;
  game.continues_left -= 1;
  // Everything the enemies have in the air goes at the next update, unrewarded.
  for (auto& bullet : player.world->enemy_bullets) bullet_damage(*bullet, kClearEnemyFire, 0);
  for (auto& missile : player.world->enemy_missiles) missile_damage(*missile, kClearEnemyFire);
}

void player_steer(Player&) {}
void weapon_idle(Player&) {}
void fire_gun(Player&) {}
void fire_charged_shot(Player&) {}
void fire_bomb(Player&) {}
