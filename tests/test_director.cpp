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

TEST_F(LevelScript, TheFirstFrameCreatesTheOpeningAddsAStarAndRunsTheWave) {
  game.game_won = true;
  seed_random(7);
  int speed = TCOD_random_get_int(nullptr, 2, 20);
  int column = TCOD_random_get_int(nullptr, 0, 50);
  seed_random(7);
  director_tick(*director);
  ASSERT_TRUE(director->stage);
  EXPECT_EQ(director->stage->wave, wave_opening);
  EXPECT_EQ(director->stage->ticks, 1);
  EXPECT_EQ(director->frame, 1);
  EXPECT_FALSE(game.game_won);
  ASSERT_EQ(world.particles.size(), 1u);
  const Particle& star = *world.particles[0];
  EXPECT_EQ(star.motion.x, column);
  EXPECT_EQ(star.motion.y, 0);
  EXPECT_EQ(star.motion.speed, speed);
  EXPECT_EQ(star.motion.heading, 90);
  EXPECT_EQ(star.life, 3000);
  EXPECT_EQ(star.glyph.ch, '.');
  EXPECT_EQ(star.glyph.colour, TCOD_light_grey);
}

TEST_F(LevelScript, AStarEveryTenthFrameOnlyWhileStarsAreOn) {
  for (int frame = 0; frame < 35; ++frame) director_tick(*director);
  EXPECT_EQ(world.particles.size(), 4u);  // frames 0, 10, 20, 30
  settings.stars = 0;
  for (int frame = 35; frame < 100; ++frame) director_tick(*director);
  EXPECT_EQ(world.particles.size(), 4u);
}

TEST_F(LevelScript, AFinishedWaveIsReplacedAtOnceAndTheNextStartsNextFrame) {
  director_tick(*director);
  director->stage->ticks = 1801;  // the opening is over after frame 1800
  director_tick(*director);
  EXPECT_EQ(director->stage->wave, wave_gunships);
  EXPECT_EQ(director->stage->ticks, 0);
  director_tick(*director);
  EXPECT_EQ(director->stage->ticks, 1);
}

TEST_F(LevelScript, TheWavesFollowTheirChainToTheFortress) {
  Wave chain[] = {wave_opening,   wave_gunships, wave_midboss,
                  wave_crossfire, wave_heavies,  wave_fortress};
  director_tick(*director);
  for (int i = 0; i + 1 < 6; ++i) {
    ASSERT_EQ(director->stage->wave, chain[i]) << i;
    for (int frame = 0; frame < 5000 && director->stage->wave == chain[i]; ++frame) {
      game.boss_active = false;  // the mid-stage boss is shot down at once
      director_tick(*director);
    }
  }
  EXPECT_EQ(director->stage->wave, wave_fortress);
  for (int frame = 0; frame < 1000; ++frame) director_tick(*director);
  EXPECT_EQ(director->stage->wave, wave_fortress);  // it never ends
  EXPECT_EQ(director->stage->ticks, 1000);
}
