#include "fx/bullet.h"

#include "fx/effect.h"
#include "fx/explosions.h"
#include "fx/particle.h"
#include "fx/player_shots.h"
#include "game/screen.h"
#include "shell/settings.h"
#include "shell/sound.h"

namespace {

constexpr int kPlayerShotStrength = 1;
constexpr int kBombShotStrength = 500;  // damage and life alike
constexpr int kEnemyBulletStrength = 1;

constexpr int kSparks = 2;
constexpr int kSparkLifeSpread = 25;
constexpr int kSparkHeadingSpread = 360;
constexpr int kSparkSpeedSpread = 30;
constexpr int kSparkSpeed = 40;
constexpr int kSparkLife = 5;
constexpr int kBurstTimer = 1;

void bullet_spawn(EntityList<Bullet>& list, int x, int y, int speed, int heading, int damage,
                  int life, BulletBehaviour behaviour, World& world) {
  auto owned = std::make_unique<Bullet>();
  Bullet& bullet = *owned;
  bullet.damage = damage;
  bullet.age = 0;
  bullet.life = life;
  bullet.grazed = 0;
  bullet.motion = motion_create(x, y, speed, heading);
  bullet.glyph = glyph_new(TCOD_white, 0);
  bullet.world = &world;
  bullet.behaviour = behaviour;
  list.push_back(std::move(owned));
  // The record lives on the heap, so it outlives any growth of the list.
  behaviour(bullet);
}

}  // namespace

void player_shot_spawn(int x, int y, int speed, int heading, BulletBehaviour behaviour,
                       World& world) {
  bullet_spawn(world.player_bullets, x, y, speed, heading, kPlayerShotStrength, kPlayerShotStrength,
               behaviour, world);
}

void bomb_shot_spawn(int x, int y, int speed, int heading, BulletBehaviour behaviour,
                     World& world) {
  bullet_spawn(world.bomb_shots, x, y, speed, heading, kBombShotStrength, kBombShotStrength,
               behaviour, world);
}

void enemy_bullet_spawn(int x, int y, int speed, int heading, BulletBehaviour behaviour,
                        World& world) {
  bullet_spawn(world.enemy_bullets, x, y, speed, heading, kEnemyBulletStrength,
               kEnemyBulletStrength, behaviour, world);
}

void bullet_tick(Bullet& bullet) {
  bullet.age += 1;
  bullet.behaviour(bullet);
  motion_step(bullet.motion);
  glyph_draw(bullet.glyph, bullet.motion.x, bullet.motion.y);
}

bool bullet_cull(const Bullet& bullet) {
  const Motion& m = bullet.motion;
  return m.x > kScreenWidth || m.x < 0 || m.y > kScreenHeight || m.y < 0;
}

bool bullet_reap(Bullet& bullet, Score& score) {
  if (bullet.life > 0) return false;
  const int x = bullet.motion.x;
  const int y = bullet.motion.y;
  // Fragments die by the dozen every frame; they leave no sparks or sounds.
  if (bullet.behaviour != shot_fragment) {
    if (settings.particles != 0) {
      for (int i = 0; i < kSparks; ++i) {
        int a = TCOD_random_get_int(nullptr, 0, kSparkLifeSpread);
        int h = TCOD_random_get_int(nullptr, 0, kSparkHeadingSpread);
        int s = TCOD_random_get_int(nullptr, 0, kSparkSpeedSpread);
        particle_spawn(x, y, kSparkSpeed + s, h, kSparkLife + a, bullet.glyph.colour, '.',
                       *bullet.world);
      }
    }
    if (bullet.behaviour == shot_charged) {
      effect_spawn(x, y, kBurstTimer, effect_charged_burst, *bullet.world, bullet.glyph.colour);
      play_sound_at(SFX_BIG_EXP, x);
    }
    if (bullet.behaviour == shot_gun_centre) play_sound_at(SFX_BULLET_HIT, x);
  }
  if (bullet.grazed == 1) score_graze(score);
  return true;
}

void bullet_damage(Bullet& bullet, int amount, int grazed) {
  bullet.life -= amount;
  bullet.grazed = grazed;
}
