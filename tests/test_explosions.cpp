#include "fx/explosions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "fx/effect.h"
#include "fx/glyph.h"
#include "game/globals.h"
#include "game/world.h"
#include "shell/settings.h"
#include "shell/sound.h"
#include "tests/harness.h"

namespace {

constexpr TCOD_color_t kGiven{12, 200, 34};  // the colour effects are spawned with here

// A particle: x, y, speed, heading, life, colour, character.
using P = std::tuple<int, int, int, int, int, TCOD_color_t, int>;
using Ps = std::vector<P>;
Ps operator+(Ps a, const Ps& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

Ps particles(const World& world) {
  Ps out;
  for (const auto& p : world.particles) {
    out.emplace_back(p->motion.x, p->motion.y, p->motion.speed, p->motion.heading, p->life,
                     p->glyph.colour, p->glyph.ch);
  }
  return out;
}
// n particles from one cell, headings evenly spaced from 0.
Ps ring(int n, int x, int y, int speed, int life, TCOD_color_t colour = kGiven, int ch = '+') {
  Ps out;
  for (int i = 0; i < n; ++i) out.emplace_back(x, y, speed, i * 360 / n, life, colour, ch);
  return out;
}
// Four particles around a cell: the star's straight or diagonal half, or the drone pop's dots.
enum Cross { kStraight, kDiagonal, kDots };
Ps cross(int x, int y, Cross kind) {
  const int steps[3][4][3] = {{{1, 0, 0}, {0, 1, 90}, {-1, 0, 180}, {0, -1, 270}},
                              {{1, 1, 45}, {-1, -1, -135}, {-1, 1, 135}, {1, -1, -45}},
                              {{2, 0, 0}, {0, 2, 0}, {-2, 0, 0}, {0, -2, 0}}};
  const int speed[] = {25, 15, 0}, life[] = {30, 30, 10};
  Ps out;
  for (const auto& [dx, dy, heading] : steps[kind]) {
    out.emplace_back(x + dx, y + dy, speed[kind], heading, life[kind],
                     kind == kDots ? TCOD_red : kGiven, kind == kDots ? '.' : '+');
  }
  return out;
}

// The listed effects, each as its routine's letter (as in `order`) and its timer.
std::string routines(const World& world) {
  const EffectRoutine order[] = {effect_azure_flash, effect_big_burst, effect_fireball,
                                 effect_plasma,      effect_drone_pop, effect_boss_chain};
  std::string out;
  for (const auto& e : world.explosions) {
    out += "ABFPDC"[std::ranges::find(order, e->routine) - order] + std::to_string(e->timer) + " ";
  }
  return out;
}

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
  // Calls a routine at a chosen t, on an effect outside any list.
  void run(EffectRoutine routine, int x, int y, int t) {
    Effect effect{t, kGiven, motion_create(x, y, 0, 0), &world, routine};
    routine(effect);
  }

  World world;
};

TEST_F(Explosions, TimerTRunsTTimesThroughTheFramePassesAndChildrenAndParticlesShowAtOnce) {
  seen_timers.clear();
  Player player;
  player.world = &world;
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
  // Explosions tick before particles, so the pop's dot was drawn in its first frame already.
  EXPECT_EQ(world.particles.at(0)->life, 7);
  EXPECT_EQ(cell_char(30, 40), 7);
  EXPECT_EQ(cell_fg(30, 40), TCOD_orange);

  // Children run their first frame in the same pass: the big burst's own flash too.
  world.explosions.clear();
  effect_spawn(25, 20, 30, effect_boss_chain, world, kGiven);
  list_tick(world.explosions, effect_tick);
  EXPECT_EQ(routines(world), "C29 B29 F29 P29 A1 ");
}

TEST_F(Explosions, EachRoutinesTimetableOfSparksParticlesChildrenSoundsAndDraws) {
  game.player_x = 3;  // the ship's rings come where the ship is, its sparks at the effect
  game.player_y = 4;
  const TCOD_color_t fire[] = {TCOD_red, TCOD_flame, TCOD_orange};
  const TCOD_color_t violet[] = {TCOD_red, TCOD_blue, TCOD_purple};
  using Thrown = std::vector<std::pair<int, Ps>>;  // t and what it throws after its sparks
  using Heard = std::vector<std::pair<int, int>>;  // t and the sound
  const Ps own = ring(15, 40, 22, 25, 30), ship = ring(15, 3, 4, 25, 30);
  const Ps diag = cross(40, 22, kDiagonal), straight = cross(40, 22, kStraight);
  const Ps flash = ring(15, 40, 22, 30, 10, TCOD_azure, 7), dots = cross(40, 22, kDots);
  const Ps dot = {{40, 22, 0, 0, 10, TCOD_orange, 7}};
  const Ps pop = ring(10, 40, 22, 35, 16, TCOD_azure, 7) + ring(6, 40, 22, 50, 16, TCOD_flame, 7);
  const Ps o_rings = ring(36, 40, 22, 20, 32, kGiven, 'o') + ring(18, 40, 22, 30, 24, kGiven, 'o') +
                     ring(36, 40, 22, 40, 16, kGiven, 'o');
  auto big = [](int speed) { return ring(30, 40, 22, speed, 35); };
  const Thrown big_rings = {{30, big(10)}, {15, big(25)}, {1, big(39)}};
  auto flashes = [](int t) { return std::string(t % 3 == 0 ? "A2 " : ""); };
  auto chain = [](int t) {
    return std::string(t % 10 == 0 ? "B30 " : "") + (t % 5 == 0 ? "F30 " : "") +
           (t % 2 != 0 ? "D15 " : "P30 ");
  };
  const struct {
    EffectRoutine routine;
    const TCOD_color_t* sparks;  // none when null
    Thrown thrown;
    Heard heard;
    std::string (*kids)(int t) = nullptr;  // none when null
  } cases[] = {{effect_fireball, fire, {{25, own}, {15, own}}, {{30, SFX_BIG_EXP2}}},
               {effect_player_hit, fire, {{25, ship}, {15, ship}}, {}},
               {effect_player_death, fire, {{25, ship}, {15, ship}}, {}},
               {effect_plasma, violet, {{10, diag}, {5, straight}}, {{30, SFX_MED_EXP3}}},
               {effect_drone_pop, nullptr, {{15, dot}, {10, straight + diag}, {5, dots}}, {}},
               {effect_azure_flash, nullptr, {{1, flash}}, {{1, SFX_HUGE_SMALL_EXP}}},
               {effect_big_burst, nullptr, big_rings, {{15, SFX_HUGE_EXP}}, flashes},
               {effect_boss_chain, nullptr, {}, {}, chain},
               {effect_missile_pop, nullptr, {{1, pop}}, {}},  // these two run once
               {effect_charged_burst, nullptr, {{1, o_rings}}, {}}};
  const auto& played = sound_played();
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "case " << &c - cases);
    Heard heard;
    game.player_dead = false;
    bool once = c.routine == effect_missile_pop || c.routine == effect_charged_burst;
    for (int t = once ? 1 : 50; t >= 1; --t) {
      world.particles.clear();
      world.explosions.clear();
      size_t sounds = played.size();
      seed_random(t);
      run(c.routine, 40, 22, t);
      EXPECT_EQ(routines(world), c.kids ? c.kids(t) : "") << "t = " << t;
      int draws = (c.sparks ? 6 : 0) + 2 * static_cast<int>(world.explosions.size());
      EXPECT_TRUE(drew_exactly(draws, t)) << "t = " << t;
      seed_random(t);
      Ps expected;
      for (int reach = 1; c.sparks && reach <= 3; ++reach) {
        int r = TCOD_random_get_int(nullptr, 0, 2 * reach);
        int col = TCOD_random_get_int(nullptr, 0, 2 * reach);
        expected.emplace_back(40 - reach + col, 22 - reach + r, 0, 0, reach == 3 ? 5 : 3,
                              c.sparks[reach - 1], 7);
      }
      for (const auto& [at, thrown] : c.thrown) expected = at == t ? expected + thrown : expected;
      EXPECT_EQ(particles(world), expected) << "t = " << t;
      // Each child at its own fresh offset, in the effect's colour.
      int spread = c.routine == effect_big_burst ? 5 : 7;
      for (const auto& kid : world.explosions) {
        int dx = TCOD_random_get_int(nullptr, -spread, spread);
        int dy = TCOD_random_get_int(nullptr, -spread, spread);
        EXPECT_EQ(std::pair(kid->motion.x - 40, kid->motion.y - 22), std::pair(dx, dy)) << t;
        EXPECT_EQ(kid->colour, kGiven);
      }
      for (size_t i = sounds; i < played.size(); ++i) heard.emplace_back(t, played[i].effect);
      EXPECT_EQ(game.player_dead, c.routine == effect_player_death && t == 1) << "t = " << t;
    }
    EXPECT_EQ(heard, c.heard);
  }
  EXPECT_EQ(played.at(0).panning.left, 50);  // the fireball's, by its column
  for (const SoundPlay& play : played) EXPECT_EQ(play.panned, play.effect == SFX_BIG_EXP2);
}

TEST_F(Explosions, ChargedBurstInBulletColourModeDrawsAColourPerParticle) {
  settings.bullet_colour_mode = 1;
  seed_random(5);
  run(effect_charged_burst, 25, 40, 1);
  ASSERT_EQ(world.particles.size(), 90u);
  seed_random(5);
  for (const auto& p : world.particles) EXPECT_EQ(p->glyph.colour, random_bright_colour());
}

}  // namespace
