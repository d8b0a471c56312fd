#include "game/player.h"

#include "fx/bullet.h"
#include "fx/missile.h"
#include "fx/particle.h"
#include "fx/player_shots.h"
#include "game/globals.h"
#include "game/screen.h"
#include "game/world.h"
#include "shell/input.h"
#include "shell/settings.h"
#include "shell/sound.h"

namespace {

constexpr int kContinueInvulnerability = 120;

constexpr int kFull = 100;  // shield and energy
constexpr int kHudRows = 11;
constexpr int kEnergyRegainFrames = 12;

constexpr int kSpeed = 42;
constexpr int kSpeedWhileFiring = 35;
constexpr int kNoDirection = -1;

constexpr int kUp = 270;
constexpr int kGunSpeed = 100;
constexpr int kGunEnergyFloor = 4;  // the gun costs nothing but needs more than this
constexpr int kGunCooldown = 1;
constexpr int kChargedSpeed = 85;
constexpr int kChargedCost = 14;
constexpr int kChargedEnergyFloor = 13;
constexpr int kChargedMaxCooldown = 1;
constexpr int kChargedCooldown = 30;
constexpr int kBombSpeed = 100;
constexpr int kBombShots = 360;
constexpr int kBombEnergyFloor = 99;  // only a full charge fires it
constexpr int kBombCost = 75;
constexpr int kBombCooldown = 40;
constexpr int kDoubleScoreFrames = 420;

constexpr int kTrailSpeed = 0;
constexpr int kTrailHeading = 90;
constexpr int kTrailLife = 12;

// Headings as motion_step leaves them: a rightward 0 reads 360.
bool moving_right(const Motion& m) {
  return m.speed > 0 && (m.heading == 360 || m.heading == 45 || m.heading == 315);
}
bool moving_left(const Motion& m) {
  return m.speed > 0 && (m.heading == 180 || m.heading == 135 || m.heading == 225);
}

void draw_wings_and_tail(const Motion& m, TCOD_color_t colour) {
  Glyph left = glyph_new(colour, moving_left(m) ? '.' : '/');
  Glyph right = glyph_new(colour, moving_right(m) ? '.' : '\\');
  Glyph tail = glyph_new(colour, '|');
  glyph_draw(left, m.x - 1, m.y);
  glyph_draw(right, m.x + 1, m.y);
  glyph_draw(tail, m.x, m.y + 1);
}

}  // namespace

std::unique_ptr<Player> player_create(int x, int y, PlayerRoutine control, World& world) {
  auto player = std::make_unique<Player>();
  player->cooldown = 0;
  player->fire_held = false;
  player->charge_held = false;
  player->bomb_held = false;
  player->shield = kFull;
  player->energy = kFull;
  player->age = 0;
  player->hit_this_frame = false;
  player->world = &world;
  player->motion = motion_create(x, y, 0, 0);
  player->glyph = glyph_new(TCOD_white, 'M');
  player->control = control;
  player->gun_slot = weapon_idle;
  player->charge_slot = weapon_idle;
  player->bomb_slot = weapon_idle;
  game.player_alive = true;
  return player;
}

void player_update(Player& player) {
  if (!game.player_alive) return;

  player.gun_slot = player.fire_held ? fire_gun : weapon_idle;
  player.charge_slot = player.charge_held ? fire_charged_shot : weapon_idle;
  player.bomb_slot = player.bomb_held ? fire_bomb : weapon_idle;

  player.control(player);
  player.gun_slot(player);
  player.charge_slot(player);
  player.bomb_slot(player);

  Motion& m = player.motion;
  motion_step(m);

  // The rows below the play field belong to the heads-up display.
  if (m.x >= kScreenWidth - 1) m.x -= 1;
  if (m.x <= 0) m.x += 1;
  if (m.y >= kScreenHeight - kHudRows) m.y -= 1;
  if (m.y <= 0) m.y += 1;

  TCOD_color_t body = settings.colour_mode != 0 ? TCOD_white : cycle_colour(player.age);
  glyph_set_rgb(player.glyph, body.r, body.g, body.b);
  glyph_draw(player.glyph, m.x, m.y);

  // The wings take the body's colour while double score runs.
  draw_wings_and_tail(m, game.double_score_timer != 0 ? player.glyph.colour : TCOD_white);

  if (player.cooldown > 0) player.cooldown -= 1;

  particle_spawn(m.x, m.y, kTrailSpeed, kTrailHeading, kTrailLife, player.glyph.colour, '.',
                 *player.world);

  player.age += 1;
  game.player_x = m.x;
  game.player_y = m.y;
  if (player.energy != kFull && player.age % kEnergyRegainFrames == 0) player.energy += 1;

  player.hit_this_frame = false;
  if (game.invulnerable_timer > 0) game.invulnerable_timer -= 1;
  game.player_colour = player.glyph.colour;
}

void player_continue(Player& player, Score& score) {
  game.player_alive = true;
  game.player_dead = false;
  player.shield = kFull;
  player.energy = kFull;
  player.age = 0;
  player.cooldown = 0;
  player.motion.x = kShipStartX;
  player.motion.y = kShipStartY;
  score.multiplier = 1.0;
  score.hits = 0;
  score.score = 0;
  game.invulnerable_timer = kContinueInvulnerability;
  game.continues_left -= 1;
  world_clear_enemy_fire(*player.world);
}

void player_steer(Player& player) {
  int direction = read_direction();
  if (direction == kNoDirection) {
    motion_steer(player.motion, 0, 0);
    return;
  }
  // The ship is slower while the gun fires.
  motion_steer(player.motion, player.fire_held ? kSpeedWhileFiring : kSpeed, direction);
}

void weapon_idle(Player&) {}

void fire_gun(Player& player) {
  if (!(player.cooldown == 0 && player.energy > kGunEnergyFloor)) return;
  const int x = player.motion.x;
  const int y = player.motion.y;
  World& world = *player.world;
  player_shot_spawn(x - 1, y, kGunSpeed, kUp, shot_gun_side, world);
  player_shot_spawn(x, y, kGunSpeed, kUp, shot_gun_centre, world);
  player_shot_spawn(x + 1, y, kGunSpeed, kUp, shot_gun_side, world);
  player.cooldown = kGunCooldown;
}

void fire_charged_shot(Player& player) {
  if (!(player.energy > kChargedEnergyFloor && player.cooldown <= kChargedMaxCooldown)) return;
  play_sound_at(SFX_CHARGED_SHOT, player.motion.x);
  player.cooldown = kChargedCooldown;
  player_shot_spawn(player.motion.x, player.motion.y, kChargedSpeed, kUp, shot_charged,
                    *player.world);
  player.energy -= kChargedCost;
}

void fire_bomb(Player& player) {
  if (player.energy <= kBombEnergyFloor) return;
  play_sound_at(SFX_SWEEPER, player.motion.x);
  player.cooldown = kBombCooldown;
  for (int heading = 0; heading < kBombShots; ++heading) {
    bomb_shot_spawn(player.motion.x, player.motion.y, kBombSpeed, heading, shot_bomb,
                    *player.world);
  }
  player.energy -= kBombCost;
  game.double_score_timer = kDoubleScoreFrames;
}
