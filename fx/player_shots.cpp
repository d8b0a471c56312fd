#include "fx/player_shots.h"

#include "fx/bullet.h"
#include "fx/particle.h"
#include "game/globals.h"
#include "shell/settings.h"

namespace {

constexpr int kBarChar = 0xB3;
constexpr int kSmileyChar = 1;
constexpr int kGunDamage = 4;
constexpr int kChargedDamage = 500;
constexpr int kChargedLife = 100;
constexpr int kFragmentDamage = 10;
constexpr int kFragmentLife = 1;
constexpr int kFragmentLastAge = 5;
constexpr int kFragmentSpeedPerAge = 2;
constexpr int kFragmentHeadingStep = 45;
constexpr int kFragmentHeadingEnd = 360;
constexpr int kTrailSpeed = 0;
constexpr int kTrailHeading = 90;
constexpr int kTrailLife = 5;

// Under the bullet colour mode every shot is born in a random bright colour.
TCOD_color_t shot_colour(TCOD_color_t fixed) {
  return settings.bullet_colour_mode != 0 ? random_bright_colour() : fixed;
}

}  // namespace

void shot_gun_side(Bullet& bullet) {
  if (bullet.age != 0) return;
  glyph_set(bullet.glyph, shot_colour(TCOD_desaturated_azure), kBarChar);
  bullet.damage = kGunDamage;
}

void shot_gun_centre(Bullet& bullet) {
  if (bullet.age != 0) return;
  glyph_set(bullet.glyph, shot_colour(game.player_colour), kBarChar);
  bullet.damage = kGunDamage;
}

void shot_bomb(Bullet& bullet) {
  if (bullet.age != 0) return;
  glyph_set(bullet.glyph, shot_colour(game.player_colour), '*');
}

void shot_charged(Bullet& bullet) {
  if (bullet.age == 0) {
    glyph_set(bullet.glyph, shot_colour(TCOD_red), kSmileyChar);
    bullet.damage = kChargedDamage;
    bullet.life = kChargedLife;
    return;
  }
  // The older the shot, the faster its fragments fly: a widening star behind it.
  for (int heading = 0; heading < kFragmentHeadingEnd; heading += kFragmentHeadingStep) {
    player_shot_spawn(bullet.motion.x, bullet.motion.y, kFragmentSpeedPerAge * bullet.age, heading,
                      shot_fragment, *bullet.world);
  }
}

void shot_fragment(Bullet& bullet) {
  if (bullet.age == 0) {
    glyph_set(bullet.glyph, shot_colour(game.player_colour), '+');
    bullet.damage = kFragmentDamage;
    bullet.life = kFragmentLife;
  }
  if (bullet.age == kFragmentLastAge) bullet.life = 0;
  if (settings.particles != 0) {
    particle_spawn(bullet.motion.x, bullet.motion.y, kTrailSpeed, kTrailHeading, kTrailLife,
                   bullet.glyph.colour, '.', *bullet.world);
  }
}
