#include "fx/explosions.h"

#include "fx/effect.h"
#include "tests/harness.h"
#include "tests/world_text.h"

namespace {

// Whether exactly n numbers were drawn since the generator was seeded with `seed`.
bool drew_exactly(int n, uint32_t seed) {
  int next = TCOD_random_get_int(nullptr, 0, 1000000);
  seed_random(seed);
  for (int i = 0; i < n; ++i) TCOD_random_get_int(nullptr, 0, 1000000);
  return next == TCOD_random_get_int(nullptr, 0, 1000000);
}

class Explosions : public GameTest {
 protected:
  // Calls a routine at t on a green effect outside any list, in an emptied, seeded world.
  void run(EffectRoutine routine, int t, uint32_t seed) {
    world.particles.clear();
    world.explosions.clear();
    sound_clear_played();
    seed_random(seed);
    Effect effect{t, TCOD_green, motion_create(40, 22, 0, 0), &world, routine};
    routine(effect);
  }

  World world;
};

}  // namespace

// The golden run keeps the ship unharmed and its bullets one colour, so these are checked here;
// every other routine's timetable plays in it.
TEST_F(Explosions, TheShipsBurstRingsTheShipItselfAndItsDeathEndsOnTheLastFrame) {
  game.player_x = 3;  // the ship's rings come where the ship is, its sparks at the effect
  game.player_y = 4;
  for (EffectRoutine routine : {effect_player_hit, effect_player_death}) {
    for (int t = 30; t >= 1; --t) {
      SCOPED_TRACE(testing::Message()
                   << "death " << (routine == effect_player_death) << ", t = " << t);
      game.player_dead = false;
      run(routine, t, t);
      EXPECT_TRUE(drew_exactly(6, t));  // three sparks, inner to outer
      std::string sparks;
      for (size_t k = 0; k < 3 && k < world.particles.size(); ++k)
        sparks += world_text::colour(world.particles[k]->glyph.colour);
      EXPECT_EQ(sparks + sounds_text() + particles_text(world, 3),
                t == 25 || t == 15 ? "rfo15x+ 3,4 25/30 g 0..336|" : "rfo");
      EXPECT_EQ(game.player_dead, routine == effect_player_death && t == 1);
    }
  }
  settings.bullet_colour_mode = 1;  // the charged burst draws a colour for every particle
  run(effect_charged_burst, 1, 5);
  EXPECT_NE(world.particles.at(0)->glyph.colour, world.particles.at(1)->glyph.colour);
}
