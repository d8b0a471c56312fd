#include "enemies/kind.h"

#include <cmath>

#include "enemies/enemy.h"
#include "fx/bullet.h"
#include "game/globals.h"
#include "game/motion.h"
#include "game/screen.h"
#include "shell/sound.h"

namespace {
constexpr int kFramesPerSecond = 60;
constexpr double kSwayReach = 10;
constexpr double kFigureHeight = 12.5;
}  // namespace

void kind_begin(Enemy& enemy, const KindRow& row) {
  enemy_set_sprite(enemy, row.width, row.height, row.picture);
  enemy.gun_dx = row.gun_dx;
  enemy.gun_dy = row.gun_dy;
  enemy.hp = row.hp;
  enemy.score = row.score;
  enemy.death_effect = row.death_effect;
  enemy.invulnerable = row.invulnerable;
  motion_set(enemy.motion, row.speed, row.heading);
}

void kind_picture(Enemy& enemy, const char* const* rows) {
  enemy_set_sprite(enemy, enemy.width, enemy.height, rows);
}

int gun_x(const Enemy& enemy) {
  return enemy.motion.x + enemy.gun_dx;
}

int gun_y(const Enemy& enemy) {
  return enemy.motion.y + enemy.gun_dy;
}

void enemy_sound(const Enemy& enemy, int effect) {
  play_sound_at(effect, enemy.motion.x);
}

void settle(Enemy& enemy, int speed) {
  if (enemy.phase != 0) return;
  int slower = whole(enemy.motion.speed) - 1;
  motion_set(enemy.motion, slower, kDown);
  if (slower == speed) enemy.phase = 1;
}

bool settled(const Enemy& enemy) {
  return enemy.phase != 0;
}

void leave(Enemy& enemy, int exit_speed, ExitSteps steps) {
  Motion& m = enemy.motion;
  if (enemy.age % 4 != 0 || m.speed >= exit_speed) return;
  int turn = m.x > kScreenWidth / 2 ? -steps.turn_step : steps.turn_step;
  motion_set(m, whole(m.speed) + steps.speed_step, whole(m.heading) + turn);
}

void fire_volley(const Enemy& enemy, int x, int y, int speed, std::initializer_list<int> headings,
                 BulletBehaviour behaviour) {
  for (int heading : headings) enemy_bullet_spawn(x, y, speed, heading, behaviour, *enemy.world);
}

void boss_begin(Enemy& enemy, const KindRow& row, int timer_seconds) {
  kind_begin(enemy, row);
  enemy.is_boss = true;
  game.boss_active = true;
  game.boss_hp_full = row.hp;
  game.boss_timer = timer_seconds;
}

void die_with_boss(Enemy& enemy) {
  if (game.boss_active) return;
  enemy.score = 0;
  enemy.hp = 0;
}

void boss_publish(const Enemy& enemy) {
  game.boss_x = enemy.motion.x;
  game.boss_y = enemy.motion.y;
  game.boss_hp = enemy.hp;
}

double sway(int age) {
  return kSwayReach * std::sin((age - 55) / 12.5 * 1.570796);
}

void wander(Enemy& enemy, const Figure& figure) {
  Motion& m = enemy.motion;
  motion_set(m, figure.speed, kDown);
  const double across = degrees_to_radians(figure.rate * enemy.age - 150);
  const double up_and_down = degrees_to_radians(3.0 * enemy.age + 45);
  motion_set_velocity(m, whole(figure.reach * std::sin(across)),
                      whole(kFigureHeight * std::sin(up_and_down)));
}

void boss_tick(const Enemy& enemy) {
  if (enemy.age % kFramesPerSecond == 0) game.boss_timer -= 1;
}

void boss_expire(Enemy& enemy) {
  if (game.boss_timer == 0) {
    enemy.score = 0;
    enemy.hp = 0;
  }
}
