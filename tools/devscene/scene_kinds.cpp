#include "enemies/enemy.h"
#include "fx/bullet.h"
#include "fx/enemy_shots.h"
#include "fx/explosions.h"
#include "fx/missile.h"
#include "game/globals.h"
#include "game/screen.h"
#include "shell/sound.h"
#include "tools/devscene/scene.h"

namespace {

constexpr int kDown = 90;

constexpr const char* kSkiff[] = {"<=>", " ' "};
constexpr const char* kCrab[] = {"\\v_v/", "{(o)}", " ' ' "};
constexpr const char* kBunker[] = {"[=====]", "|#| |#|", "\\_____/"};
constexpr const char* kPlate[] = {"=====", " === "};

// Slows by one a frame until it stands; phase 1 once it does.
void settle(Enemy& enemy, int speed) {
  if (enemy.phase != 0) return;
  int next = static_cast<int>(enemy.motion.speed) - 1;
  motion_set(enemy.motion, next, kDown);
  if (next <= speed) enemy.phase = 1;
}

// Curves off the nearer side of the screen.
void leave(Enemy& enemy) {
  if (enemy.age % 4 != 0 || enemy.motion.speed >= 60) return;
  int turn = enemy.motion.x > kScreenWidth / 2 ? -3 : 3;
  motion_set(enemy.motion, static_cast<int>(enemy.motion.speed) + 2,
             static_cast<int>(enemy.motion.heading) + turn);
}

int gun_x(const Enemy& enemy) {
  return enemy.motion.x + enemy.gun_dx;
}
int gun_y(const Enemy& enemy) {
  return enemy.motion.y + enemy.gun_dy;
}

}  // namespace

void scene_kind_skiff(Enemy& enemy) {
  if (enemy.age == 0) {
    enemy_set_sprite(enemy, 3, 2, kSkiff);
    enemy.hp = 60;
    enemy.score = 150;
    enemy.gun_dx = 1;
    enemy.gun_dy = 1;
    enemy.death_effect = effect_plasma;
    motion_set(enemy.motion, 60, kDown);
    return;
  }
  if (enemy.age <= 40) motion_set(enemy.motion, 60 - enemy.age, kDown);
  if (enemy.age >= 30 && enemy.age % 45 == 0) {
    play_sound_at(SFX_ENEMY_GUN, enemy.motion.x);
    enemy_bullet_spawn(gun_x(enemy), gun_y(enemy) + 1, 50, 0, bullet_aimed, *enemy.world);
  }
  if (enemy.age > 400) leave(enemy);
}

void scene_kind_crab(Enemy& enemy) {
  if (enemy.age == 0) {
    enemy_set_sprite(enemy, 5, 3, kCrab);
    enemy.hp = 300;
    enemy.score = 500;
    enemy.gun_dx = 2;
    enemy.gun_dy = 2;
    enemy.death_effect = effect_fireball;
    enemy.sway = 1;
    motion_set(enemy.motion, 50, kDown);
    return;
  }
  settle(enemy, 0);
  if (enemy.phase == 1 && enemy.age < 900) {
    // Strafe between the edges.
    if (enemy.motion.x <= 2) enemy.sway = 1;
    if (enemy.motion.x >= kScreenWidth - 7) enemy.sway = -1;
    motion_set(enemy.motion, 30, enemy.sway > 0 ? 0 : 180);
  }
  if (enemy.age % 60 == 0) {
    play_sound_at(SFX_ENEMY_SHOTGUN, enemy.motion.x);
    for (int heading : {45, 67, 90, 112, 135}) {
      enemy_bullet_spawn(gun_x(enemy), gun_y(enemy) + 1, 35, heading, bullet_star, *enemy.world);
    }
  }
  if (enemy.age % 180 == 0) {
    BulletBehaviour homing = (enemy.age / 180) % 2 ? homing_fast : homing_swing;
    enemy_missile_spawn(gun_x(enemy), gun_y(enemy) + 1, 50, kDown, homing, *enemy.world);
  }
  if (enemy.age >= 900) leave(enemy);
}

void scene_kind_bunker(Enemy& enemy) {
  if (enemy.age == 0) {
    enemy_set_sprite(enemy, 7, 3, kBunker);
    enemy.hp = 1500;
    enemy.score = 2000;
    enemy.gun_dx = 3;
    enemy.gun_dy = 2;
    enemy.death_effect = effect_big_burst;
    motion_set(enemy.motion, 25, kDown);
    return;
  }
  settle(enemy, 0);
  if (enemy.age % 120 == 0) {
    play_sound_at(SFX_ENEMY_BOMB_EXPLODE, enemy.motion.x);
    for (int i = 0; i < 16; ++i) {
      enemy_bullet_spawn(gun_x(enemy), gun_y(enemy) + 1, 30, i * 22, bullet_star, *enemy.world);
    }
  }
  if (enemy.age % 240 == 0) {
    enemy_missile_spawn(gun_x(enemy), gun_y(enemy) + 1, 40, kDown, homing_slow, *enemy.world);
  }
  if (enemy.age >= 1500) leave(enemy);
}

void scene_kind_plate(Enemy& enemy) {
  if (enemy.age == 0) {
    enemy_set_sprite(enemy, 5, 2, kPlate);
    enemy.hp = 1000;
    enemy.invulnerable = true;
    enemy.death_effect = effect_fireball;
    motion_set(enemy.motion, 20, kDown);
  }
}
