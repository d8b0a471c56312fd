#include "fx/shell.h"

#include <cmath>
#include <span>

#include "fx/bullet.h"
#include "fx/enemy_shots.h"
#include "fx/glyph.h"
#include "fx/particle.h"
#include "shell/settings.h"
#include "shell/sound.h"

namespace {

constexpr int kShellChar = 10;
constexpr int kShellDamage = 5;
constexpr int kTrailLife = 15;

// clang-format off
constexpr int kRingOfEight[] = {0, 45, 90, 135, 180, 225, 270, 315};
constexpr int kRingOfSixteen[] = {0, 22, 45, 67, 90, 112, 135, 157,
                                  180, 202, 225, 247, 270, 292, 315, 337};

// What sets the four shells apart: aiming, sound, and the ring they burst into.
struct ShellKind {
  bool aimed;
  bool loud;  // sound 13 when fired, 14 at the burst
  std::span<const int> ring;
  int ring_speed;
};
//                             aimed  loud   ring            ring speed
constexpr ShellKind kAimed    {true,  true,  kRingOfEight,   50};
constexpr ShellKind kQuiet    {false, false, kRingOfEight,   35};
constexpr ShellKind kEight    {false, true,  kRingOfEight,   35};
constexpr ShellKind kSixteen  {false, true,  kRingOfSixteen, 35};
// clang-format on

void burst(Bullet& shell, const ShellKind& kind) {
  const Motion& m = shell.motion;
  for (int heading : kind.ring) {
    enemy_bullet_spawn(m.x, m.y, kind.ring_speed, heading, bullet_star, *shell.world);
  }
  shell.life = 0;
  if (kind.loud) play_sound_at(SFX_ENEMY_BOMB_EXPLODE, m.x);
}

// Slows by a hundredth of a cell a frame and bursts on the frame it stops, so
// the spawn speed decides both its range and its fuse.
void shell_fly(Bullet& shell, const ShellKind& kind) {
  Motion& m = shell.motion;
  if (shell.age == 0) {
    if (kind.loud) play_sound_at(SFX_ENEMY_BOMB, m.x);
    glyph_set_char(shell.glyph, kShellChar);
    shell.damage = kShellDamage;
    if (kind.aimed) bullet_aim(shell);
  }
  if (m.speed != 0) {
    motion_set(m, static_cast<int>(std::trunc(m.speed - 1)),
               static_cast<int>(std::trunc(m.heading)));
  }
  // A shell fired at speed 1 or less bursts in its spawn call and may still
  // get a tick before the next removal pass: it must not burst twice.
  if (m.speed == 0 && shell.life > 0) burst(shell, kind);
  TCOD_color_t colour = settings.bullet_colour_mode ? bullet_rainbow(shell.age) : TCOD_red;
  glyph_set_colour(shell.glyph, colour);
  // The trail is left whatever the particles setting.
  particle_spawn(m.x, m.y, 0, 0, kTrailLife, colour, '.', *shell.world);
}

}  // namespace

void shell_aimed(Bullet& shell) {
  shell_fly(shell, kAimed);
}

void shell_quiet(Bullet& shell) {
  shell_fly(shell, kQuiet);
}

void shell_eight(Bullet& shell) {
  shell_fly(shell, kEight);
}

void shell_sixteen(Bullet& shell) {
  shell_fly(shell, kSixteen);
}
