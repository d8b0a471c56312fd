#include "fx/glyph.h"

#include "enemies/enemy.h"
#include "fx/bullet.h"
#include "fx/enemy_shots.h"
#include "fx/explosions.h"
#include "fx/missile.h"
#include "fx/shell.h"
#include "game/player.h"
#include "tests/harness.h"

// The golden runs never play in monochrome, and only the session's shots use the bullet colour
// mode; the hue cycle, the health colours and every other drawn colour are left to them.
using Colours = GameTest;

TEST_F(Colours, MonochromeDrawsWhiteTheShipsBodyIncludedAndNoFullHealthOnRecordReadsUnharmed) {
  settings.colour_mode = 1;
  glyph_draw(glyph_new(TCOD_red, '*'), 10, 10);
  auto world = world_create();
  player_update(*player_create(25, 40, player_steer, *world));
  EXPECT_EQ((std::vector{cell_fg(10, 10), game.player_colour, health_colour(-3, 0)}),
            (std::vector{TCOD_white, TCOD_white, health_colour(1, 1)}));
}

// The ship's shots and enemy fire in the bullet colour mode show in the session golden run; here
// what it never meets: a missile wears the rainbow of the age it acted at, its trail the one
// before, a shell's trail the rainbow of its age, and the charged burst draws a colour for every
// particle.
TEST_F(Colours, TheBulletModeGivesMissilesAndTrailsTheRainbowOfTheirAge) {
  settings.bullet_colour_mode = 1;
  World world;
  for (BulletBehaviour fire : {bullet_star, bullet_aimed, shell_eight})
    enemy_bullet_spawn(10, 10, 40, 35, fire, world);
  enemy_missile_spawn(20, 20, 100, 0, homing_swing, world);
  for (int k = 0; k < 4; ++k) {
    list_tick(world.enemy_bullets, bullet_tick);
    list_tick(world.enemy_missiles, missile_tick);
  }
  const std::vector got{world.enemy_missiles[0]->glyph.colour,
                        world.particles.end()[-1]->glyph.colour,   // the missile's last trail
                        world.particles.end()[-2]->glyph.colour};  // the shell's
  EXPECT_EQ(got, (std::vector{bullet_rainbow(3), bullet_rainbow(2), bullet_rainbow(4)}));
  Effect burst{1, TCOD_green, motion_create(40, 22, 0, 0), &world, effect_charged_burst};
  effect_charged_burst(burst);
  EXPECT_NE(world.particles.end()[-1]->glyph.colour, world.particles.end()[-2]->glyph.colour);
}
