#include "fx/explosions.h"

#include "fx/effect.h"
#include "tests/harness.h"
#include "tests/world_text.h"

namespace {

const TCOD_color_t kGiven = TCOD_green;  // the colour effects are spawned with here

// Whether exactly n numbers were drawn since the generator was seeded with `seed`.
bool drew_exactly(int n, uint32_t seed) {
  int next = TCOD_random_get_int(nullptr, 0, 1000000);
  seed_random(seed);
  for (int i = 0; i < n; ++i) TCOD_random_get_int(nullptr, 0, 1000000);
  return next == TCOD_random_get_int(nullptr, 0, 1000000);
}

std::vector<int> seen_timers;

class Explosions : public GameTest {
 protected:
  // Calls a routine at t on an effect outside any list, in an emptied world freshly seeded.
  void run(EffectRoutine routine, int t, uint32_t seed) {
    world.particles.clear();
    world.explosions.clear();
    sound_clear_played();
    game.player_dead = false;
    seed_random(seed);
    Effect effect{t, kGiven, motion_create(40, 22, 0, 0), &world, routine};
    routine(effect);
  }

  World world;
};

}  // namespace

TEST_F(Explosions, TimerTRunsTTimesThroughTheFramePassesAndChildrenAndParticlesShowAtOnce) {
  seen_timers.clear();
  Player player{.world = &world, .motion = {}, .glyph = {}};
  Score score;
  EffectRoutine record = [](Effect& effect) { seen_timers.push_back(effect.timer); };
  effect_spawn(5, 5, 1, record, world, kGiven);
  effect_spawn(20, 20, 3, record, world, kGiven);
  effect_spawn(30, 40, 15, effect_drone_pop, world, kGiven);
  const size_t listed[] = {3, 2, 2, 1};
  for (int frame = 0; frame < 4; ++frame) {
    world_update(world, score);
    EXPECT_EQ(world.explosions.size(), listed[frame]) << "frame " << frame;
    if (frame < 3) world_draw(world, player, score);
  }
  EXPECT_EQ(seen_timers, (std::vector<int>{1, 3, 2, 1}));  // none at spawn
  // Explosions tick before particles, so the pop's dot drew in its first frame: 3 in 3 frames.
  EXPECT_EQ(std::tuple(world.particles.at(0)->life, cell_char(30, 40), cell_fg(30, 40)),
            std::tuple(7, 7, TCOD_orange));

  // Children run their first frame in the same pass: the big burst's own flash too.
  world.explosions.clear();
  effect_spawn(25, 20, 30, effect_boss_chain, world, kGiven);
  list_tick(world.explosions, effect_tick);
  EXPECT_EQ(effects_text(world, false), "chain 29|big 29|fireball 29|plasma 29|flash 1|");
}

TEST_F(Explosions, EachRoutinesTimetableOfSparksParticlesChildrenAndSounds) {
  game.player_x = 3;  // the ship's rings come where the ship is, its sparks at the effect
  game.player_y = 4;
  const TCOD_color_t fire[] = {TCOD_red, TCOD_flame, TCOD_orange};
  const TCOD_color_t violet[] = {TCOD_red, TCOD_blue, TCOD_purple};
  // What each t throws beyond the sparks, after its sounds.
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
    const TCOD_color_t* sparks;  // none when null
    std::map<int, std::string> thrown;  // by t
    const std::vector<std::string>* kids = nullptr;
  } cases[] = {
      {effect_fireball, fire, {{30, "0@40|"}, {25, own}, {15, own}}},
      {effect_player_hit, fire, {{25, ship}, {15, ship}}},
      {effect_player_death, fire, {{25, ship}, {15, ship}}},
      {effect_plasma, violet, {{30, "12|"}, {10, diagonal}, {5, straight}}},
      {effect_drone_pop, nullptr,
       {{15, "1x7 40,22 0/10 o 0|"}, {10, straight + diagonal}, {5, dots}}},
      {effect_azure_flash, nullptr, {{1, "22|15x7 40,22 30/10 a 0..336|"}}},
      {effect_big_burst, nullptr, {{30, big(10)}, {15, "23|" + big(25)}, {1, big(39)}}, &flashes},
      {effect_boss_chain, nullptr, {}, &chain},
      // These two run once, with t = 1.
      {effect_missile_pop, nullptr, {{1, "10x7 40,22 35/16 a 0..324|6x7 40,22 50/16 f 0..300|"}}},
      {effect_charged_burst, nullptr,
       {{1, "36xo 40,22 20/32 g 0..350|18xo 40,22 30/24 g 0..340|36xo 40,22 40/16 g 0..350|"}}}};
  // clang-format on
  for (const auto& c : cases) {
    const int from = c.routine == effect_missile_pop || c.routine == effect_charged_burst ? 1 : 30;
    for (int t = from; t >= 1; --t) {
      SCOPED_TRACE(testing::Message() << "case " << &c - cases << ", t = " << t);
      run(c.routine, t, t);
      const std::string kids = c.kids ? (*c.kids)[(30 - t) % c.kids->size()] : "";
      EXPECT_EQ(effects_text(world, false), kids);
      // Three sparks first, inner to outer; where they fall is drawn as the fireball's below.
      const size_t sparks = c.sparks ? 3 : 0;
      EXPECT_TRUE(drew_exactly(2 * static_cast<int>(sparks + world.explosions.size()), t));
      ASSERT_GE(world.particles.size(), sparks);
      for (size_t k = 0; k < sparks; ++k) EXPECT_EQ(world.particles[k]->glyph.colour, c.sparks[k]);
      EXPECT_EQ(sounds_text() + particles_text(world, sparks),
                c.thrown.contains(t) ? c.thrown.at(t) : "");
      EXPECT_EQ(game.player_dead, c.routine == effect_player_death && t == 1);
    }
  }
}

// Rows are drawn before columns, and every child draws its own offset, x first.
TEST_F(Explosions, RandomDrawsComeInTheirOrderAndNumber) {
  run(effect_fireball, 20, 8);  // 0..2: 0, 1; 0..4: 1, 4; 0..6: 6, 4
  EXPECT_EQ(particles_text(world), "1x7 40,21 0/3 r 0|1x7 42,21 0/3 f 0|1x7 41,25 0/5 o 0|");
  run(effect_boss_chain, 30, 8);
  EXPECT_EQ(effects_text(world), "big 30 36,28 g|fireball 30 39,24 g|plasma 30 40,16 g|");
  run(effect_big_burst, 30, 8);
  EXPECT_EQ(effects_text(world), "flash 2 45,26 g|");
  settings.bullet_colour_mode = 1;  // the charged burst draws a colour for every particle
  run(effect_charged_burst, 1, 5);
  EXPECT_TRUE(drew_exactly(270, 5));
  EXPECT_NE(world.particles.at(0)->glyph.colour, world.particles.at(1)->glyph.colour);
}
