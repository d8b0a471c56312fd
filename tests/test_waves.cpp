#include "enemies/waves.h"

#include "game/director.h"
#include "tests/harness.h"

using Waves = GameTest;

// Branches the golden run never takes: a boss that outlives its wave, and stars switched off.
TEST_F(Waves, TheMidbossWaveWaitsForItsBossAndTheFortressIsWonFromFrame251WithItsBossDown) {
  World world;
  std::unique_ptr<Director> director = director_create(level_script, world);
  game.game_won = true;
  settings.stars = 0;
  for (int frame = 0; frame < 9000; ++frame) {
    game.boss_active = true;
    director_tick(*director);
  }
  EXPECT_FALSE(game.game_won);  // the first call clears it
  EXPECT_EQ(director->stage->wave, wave_midboss);
  EXPECT_TRUE(world.particles.empty());
  Stage fortress{0, wave_fortress, &world};
  std::string won;  // after the calls on frames 250 to 252, the boss up and then down
  for (bool boss_up : {true, false}) {
    for (fortress.ticks = 0; fortress.ticks < 253;) {
      game.boss_active = boss_up;
      stage_run(fortress);
      if (fortress.ticks > 250) won += game.game_won ? 'w' : '-';
    }
  }
  EXPECT_EQ(won, "----ww");
}
