#include "game/director.h"

#include "enemies/waves.h"
#include "game/globals.h"
#include "game/world.h"
#include "shell/settings.h"
#include "tests/harness.h"

class LevelScript : public GameTest {
 protected:
  World world;
  std::unique_ptr<Director> director = director_create(level_script, world);
};

TEST_F(LevelScript, TheFirstFrameStartsTheOpeningAndEveryTenthAddsAStarWhileStarsAreOn) {
  game.game_won = true;
  seed_random(7);
  director_tick(*director);
  ASSERT_TRUE(director->stage);
  EXPECT_EQ(
      std::tuple(director->stage->wave, director->stage->ticks, director->frame, game.game_won),
      std::tuple(+wave_opening, 1, 1, false));
  ASSERT_EQ(world.particles.size(), 1u);
  const Particle& star = *world.particles[0];
  // Seed 7 draws 15 in 2..20, then 22 in 0..50.
  EXPECT_EQ(std::tuple(star.motion.x, star.motion.y, star.motion.speed, star.motion.heading,
                       star.life, star.glyph.ch),
            std::tuple(22, 0, 15.0, 90.0, 3000, '.'));
  EXPECT_EQ(star.glyph.colour, TCOD_light_grey);
  for (int frame = 1; frame < 35; ++frame) director_tick(*director);
  EXPECT_EQ(world.particles.size(), 4u);  // frames 0, 10, 20, 30
  settings.stars = 0;
  for (int frame = 35; frame < 100; ++frame) director_tick(*director);
  EXPECT_EQ(world.particles.size(), 4u);
}

// A wave is replaced on the call that reports it over; the next wave's first
// call, with ticks 0, comes on the following frame. The fortress never ends.
TEST_F(LevelScript, TheWavesFollowTheirChainToTheFortress) {
  const Wave chain[] = {wave_opening,   wave_gunships, wave_midboss,
                        wave_crossfire, wave_heavies,  wave_fortress};
  const int calls_of[] = {1802, 3002, 202, 1302, 2202};
  director_tick(*director);
  for (int i = 0; i < 5; ++i) {
    int calls = 1;
    for (; director->stage->wave == chain[i] && calls < 5000; ++calls) {
      game.boss_active = false;  // the mid-stage boss is shot down at once
      director_tick(*director);
    }
    EXPECT_EQ(std::tuple(director->stage->wave, director->stage->ticks, calls),
              std::tuple(chain[i + 1], 0, calls_of[i]))
        << i;
    director_tick(*director);
  }
  for (int frame = 1; frame < 1000; ++frame) director_tick(*director);
  EXPECT_EQ(std::pair(director->stage->wave, director->stage->ticks),
            std::pair(+wave_fortress, 1000));
}
