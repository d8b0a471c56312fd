#include "fx/shell.h"

#include <vector>

#include "fx/bullet.h"
#include "fx/enemy_shots.h"
#include "game/globals.h"
#include "shell/settings.h"
#include "shell/sound.h"
#include "tests/harness.h"

namespace {

std::vector<int> sounds() {
  std::vector<int> out;
  for (const SoundPlay& p : sound_played()) out.push_back(p.effect);
  return out;
}

using ShellTest = GameTest;

}  // namespace

TEST_F(ShellTest, SlowsToAStopBurstsIntoItsRingAndLeavesARedTrailEveryFrame) {
  game.player_x = 25;  // straight below: an aimed shell turns its offset of 10 to 100
  game.player_y = 60;
  const std::vector<int> eight{0, 45, 90, 135, 180, 225, 270, 315};
  const std::vector<int> sixteen{0,   22,  45,  67,  90,  112, 135, 157,
                                 180, 202, 225, 247, 270, 292, 315, 337};
  // clang-format off
  const struct { BulletBehaviour shell; int speed, burst_age, heading; std::vector<int> ring;
                 int ring_speed; bool loud; } cases[] = {
      {shell_eight, 60, 59, 10, eight, 35, true},   {shell_quiet, 40, 39, 10, eight, 35, false},
      {shell_sixteen, 1, 0, 10, sixteen, 35, true}, {shell_sixteen, 0, 0, 10, sixteen, 35, true},
      {shell_aimed, 50, 49, 100, eight, 50, true}};
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "speed " << c.speed << " ring speed " << c.ring_speed);
    World w;
    sound_clear_played();
    enemy_bullet_spawn(25, 30, c.speed, 10, c.shell, w);
    Bullet& shell = *w.enemy_bullets.at(0);
    EXPECT_EQ(shell.motion.heading, c.heading);
    while (w.enemy_bullets.size() == 1 && shell.age < 100) bullet_tick(shell);
    EXPECT_EQ(std::make_tuple(shell.age, shell.life, shell.damage, shell.glyph.ch),
              std::make_tuple(c.burst_age, 0, 5, 10));
    std::vector<int> ring;
    for (size_t i = 1; i < w.enemy_bullets.size(); ++i) {
      ring.push_back(static_cast<int>(w.enemy_bullets[i]->motion.heading));
    }
    const Bullet& star = *w.enemy_bullets.back();  // the stars start alike
    EXPECT_EQ(std::make_tuple(star.motion.x, star.motion.y, star.motion.speed, star.behaviour),
              std::make_tuple(shell.motion.x, shell.motion.y, 1.0 * c.ring_speed, bullet_star));
    EXPECT_EQ(ring, c.ring);
    EXPECT_EQ(sounds(), (c.loud ? std::vector<int>{13, 14} : std::vector<int>{}));
    ASSERT_EQ(w.particles.size(), static_cast<size_t>(c.burst_age + 1));  // one a frame
    const Particle& trail = *w.particles.back();
    EXPECT_EQ(std::make_tuple(trail.life, trail.glyph.ch, trail.motion.speed, trail.glyph.colour),
              std::make_tuple(15, '.', 0.0, TCOD_red));
  }
}

TEST_F(ShellTest, ABurstShellTickedBeforeItsRemovalDoesNotBurstAgainAndTrailsTheRainbow) {
  World world;
  settings.bullet_colour_mode = 1;
  enemy_bullet_spawn(10, 10, 1, 0, shell_eight, world);
  bullet_tick(*world.enemy_bullets.at(0));
  EXPECT_EQ(std::make_pair(world.enemy_bullets.size(), sounds()),
            std::make_pair(size_t{9}, std::vector<int>{13, 14}));
  // Steps 0 and 6 of the hue cycle: each frame's trail keeps that frame's colour.
  ASSERT_EQ(world.particles.size(), 2u);
  EXPECT_EQ(world.particles[0]->glyph.colour, (TCOD_color_t{150, 236, 63}));
  EXPECT_EQ(world.particles[1]->glyph.colour, (TCOD_color_t{160, 230, 58}));
}
