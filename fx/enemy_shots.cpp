#include "fx/enemy_shots.h"

#include <cmath>

#include "fx/glyph.h"
#include "game/globals.h"
#include "shell/settings.h"
#include "shell/sound.h"

namespace {
constexpr int kShotDamage = 5;
}  // namespace

void bullet_aim(Bullet& bullet) {
  if (bullet.age != 0) return;
  Motion& m = bullet.motion;
  int dx = game.player_x - m.x;
  int dy = game.player_y - m.y;
  double heading = m.heading + std::atan2(dy, dx) * kDegreesPerRadian;
  motion_set(m, static_cast<int>(m.speed), static_cast<int>(heading));
}

void bullet_star(Bullet& bullet) {
  if (bullet.age == 0) {
    glyph_set_char(bullet.glyph, '*');
    bullet.damage = kShotDamage;
  }
  glyph_set_colour(bullet.glyph,
                   settings.bullet_colour_mode ? bullet_rainbow(bullet.age) : TCOD_green);
}

void bullet_aimed(Bullet& bullet) {
  if (bullet.age == 0) {
    glyph_set_char(bullet.glyph, '*');
    bullet_aim(bullet);
    bullet.damage = kShotDamage;
  }
  glyph_set_colour(bullet.glyph,
                   settings.bullet_colour_mode ? bullet_rainbow(bullet.age) : TCOD_magenta);
}

void bullet_flame(Bullet& bullet) {
  if (bullet.age == 0) {
    play_sound_at(SFX_BOSS_FLAME, bullet.motion.x);
    glyph_set_char(bullet.glyph, 'V');
    bullet.damage = kShotDamage;
    // The spawn colour stands until the first tick: the flame is first drawn then.
    return;
  }
  glyph_set_colour(bullet.glyph, TCOD_flame);
}
