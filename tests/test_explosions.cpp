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

TEST_F(Explosions, EachRoutinesTimetableOfSparksParticlesChildrenSoundsAndRandomDraws) {
  game.player_x = 3;  // the ship's rings come where the ship is, its sparks at the effect
  game.player_y = 4;
  // What each t throws after its sounds and three sparks, inner to outer, in the colours given.
  // clang-format off
  const std::string own = "15x+ 40,22 25/30 g 0..336|", ship = "15x+ 3,4 25/30 g 0..336|";
  const std::string straight = "1x+ 41,22 25/30 g 0|1x+ 40,23 25/30 g 90|"
                               "1x+ 39,22 25/30 g 180|1x+ 40,21 25/30 g 270|";
  const std::string diagonal = "1x+ 41,23 15/30 g 45|1x+ 39,21 15/30 g -135|"
                               "1x+ 39,23 15/30 g 135|1x+ 41,21 15/30 g -45|";
  const std::string dots = "1x. 42,22 0/10 r 0|1x. 40,24 0/10 r 0|"
                           "1x. 38,22 0/10 r 0|1x. 40,20 0/10 r 0|";
  auto big = [](int speed) { return "30x+ 40,22 " + std::to_string(speed) + "/35 g 0..348|"; };
  // Children by t, a period of ten frames (or three) from t = 30 down.
  const std::string b = "big 30|", f = "fireball 30|", p = "plasma 30|", d = "pop 15|";
  const std::vector<std::string> chain = {b + f + p, d, p, d, p, f + d, p, d, p, d};
  const std::vector<std::string> flashes = {"flash 2|", "", ""};
  const struct {
    EffectRoutine routine;
    std::string sparks;  // their colours
    std::map<int, std::string> thrown;  // by t
    const std::vector<std::string>* kids = nullptr;
  } cases[] = {
      {effect_fireball, "rfo", {{30, "0@40|"}, {25, own}, {15, own}}},
      {effect_player_hit, "rfo", {{25, ship}, {15, ship}}},
      {effect_player_death, "rfo", {{25, ship}, {15, ship}}},
      {effect_plasma, "rbp", {{30, "12|"}, {10, diagonal}, {5, straight}}},
      {effect_drone_pop, "", {{15, "1x7 40,22 0/10 o 0|"}, {10, straight + diagonal}, {5, dots}}},
      {effect_azure_flash, "", {{1, "22|15x7 40,22 30/10 a 0..336|"}}},
      {effect_big_burst, "", {{30, big(10)}, {15, "23|" + big(25)}, {1, big(39)}}, &flashes},
      {effect_boss_chain, "", {}, &chain},
      // These two run once, with t = 1.
      {effect_missile_pop, "", {{1, "10x7 40,22 35/16 a 0..324|6x7 40,22 50/16 f 0..300|"}}},
      {effect_charged_burst, "",
       {{1, "36xo 40,22 20/32 g 0..350|18xo 40,22 30/24 g 0..340|36xo 40,22 40/16 g 0..350|"}}}};
  // clang-format on
  for (const auto& c : cases) {
    const int from = c.routine == effect_missile_pop || c.routine == effect_charged_burst ? 1 : 30;
    for (int t = from; t >= 1; --t) {
      SCOPED_TRACE(testing::Message() << "case " << &c - cases << ", t = " << t);
      game.player_dead = false;
      run(c.routine, t, t);
      const std::string kids = c.kids ? (*c.kids)[(30 - t) % c.kids->size()] : "";
      EXPECT_EQ(effects_text(world, false), kids);
      EXPECT_TRUE(drew_exactly(2 * static_cast<int>(c.sparks.size() + world.explosions.size()), t));
      std::string sparks;
      for (size_t k = 0; k < c.sparks.size() && k < world.particles.size(); ++k)
        sparks += world_text::colour(world.particles[k]->glyph.colour);
      EXPECT_EQ(sparks + sounds_text() + particles_text(world, c.sparks.size()),
                c.sparks + (c.thrown.contains(t) ? c.thrown.at(t) : ""));
      EXPECT_EQ(game.player_dead, c.routine == effect_player_death && t == 1);
    }
  }
  settings.bullet_colour_mode = 1;  // the charged burst draws a colour for every particle
  run(effect_charged_burst, 1, 5);
  EXPECT_NE(world.particles.at(0)->glyph.colour, world.particles.at(1)->glyph.colour);
  world.explosions.clear();
  seed_random(8);  // children run in the pass that spawns them; offsets draw x first
  effect_spawn(25, 20, 30, effect_boss_chain, world, TCOD_green);
  list_tick(world.explosions, effect_tick);
  EXPECT_EQ(
      effects_text(world),
      "chain 29 25,20 g|big 29 21,26 g|fireball 29 24,22 g|plasma 29 25,14 g|flash 1 25,24 g|");
}
