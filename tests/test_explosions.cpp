#include "fx/explosions.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "fx/effect.h"
#include "game/globals.h"
#include "game/world.h"
#include "shell/settings.h"
#include "shell/sound.h"
#include "tests/harness.h"

namespace {

constexpr TCOD_color_t kGiven{12, 200, 34};  // the colour effects are spawned with here

struct Expected {
  int x, y, speed, heading, life;
  TCOD_color_t colour;
  int ch;
};

void expect_particle(const Particle& p, const Expected& e, const char* what, size_t index) {
  SCOPED_TRACE(testing::Message() << what << " particle " << index);
  EXPECT_EQ(p.motion.x, e.x);
  EXPECT_EQ(p.motion.y, e.y);
  EXPECT_EQ(p.motion.speed, e.speed);
  EXPECT_EQ(p.motion.heading, e.heading);
  EXPECT_EQ(p.life, e.life);
  EXPECT_EQ(p.glyph.colour, e.colour);
  EXPECT_EQ(p.glyph.ch, e.ch);
}

// n particles from first on, headings evenly spaced from 0.
void expect_ring(const World& world, size_t first, int n, int x, int y, int speed, int life,
                 TCOD_color_t colour, int ch) {
  ASSERT_GE(world.particles.size(), first + n);
  for (int i = 0; i < n; ++i) {
    expect_particle(*world.particles[first + i], {x, y, speed, i * 360 / n, life, colour, ch},
                    "ring", first + i);
  }
}

std::vector<int> seen_timers;
void record_timer(Effect& effect) {
  seen_timers.push_back(effect.timer);
}

class Explosions : public GameTest {
 protected:
  // An effect outside any list, for calling a routine at a chosen t.
  Effect at(int x, int y, int t) {
    Effect effect;
    effect.timer = t;
    effect.colour = kGiven;
    effect.motion = motion_create(x, y, 0, 0);
    effect.world = &world;
    return effect;
  }
  void run(EffectRoutine routine, int x, int y, int t) {
    Effect effect = at(x, y, t);
    routine(effect);
  }
  void tick() { list_tick(world.explosions, effect_tick); }
  void reap() { list_remove_spent(world.explosions, effect_reap); }
  int next_draw() { return TCOD_random_get_int(nullptr, 0, 1000000); }

  World world;
};

TEST_F(Explosions, TimerOneRunsOnceWithTOneAndIsReapedByTheNextUpdate) {
  seen_timers.clear();
  effect_spawn(5, 5, 1, record_timer, world, kGiven);
  EXPECT_TRUE(seen_timers.empty());  // not run at spawn
  reap();
  ASSERT_EQ(world.explosions.size(), 1u);
  tick();
  EXPECT_EQ(seen_timers, std::vector<int>{1});
  reap();
  EXPECT_TRUE(world.explosions.empty());
}

TEST_F(Explosions, ThroughTheFramePassesATimerOfThreeSeesThreeTwoOneAndItsDotIsDrawnAtOnce) {
  seen_timers.clear();
  Player player;
  player.world = &world;
  Score score;
  effect_spawn(20, 20, 3, record_timer, world, kGiven);
  effect_spawn(30, 40, 15, effect_drone_pop, world, kGiven);
  for (int frame = 0; frame < 3; ++frame) {
    world_update(world, score);
    EXPECT_EQ(world.explosions.size(), 2u) << "frame " << frame;
    world_draw(world, player, score);
  }
  EXPECT_EQ(seen_timers, (std::vector<int>{3, 2, 1}));
  // Explosions tick before particles, so the pop's first dot showed in its first frame
  // and was drawn three times by now.
  ASSERT_FALSE(world.particles.empty());
  EXPECT_EQ(world.particles[0]->life, 7);
  EXPECT_EQ(cell_char(30, 40), 7);
  EXPECT_EQ(cell_fg(30, 40), TCOD_orange);
  world_update(world, score);
  ASSERT_EQ(world.explosions.size(), 1u);
  EXPECT_EQ(world.explosions[0]->routine, effect_drone_pop);
}

TEST_F(Explosions, SparksTakeRowThenColumnForEachOfTheirThreeSquares) {
  seed_random(4242);
  for (int t = 24; t >= 16; --t) run(effect_fireball, 20, 30, t);
  ASSERT_EQ(world.particles.size(), 27u);
  seed_random(4242);
  int row_differs_from_column = 0;
  for (size_t i = 0; i < world.particles.size(); ++i) {
    int reach = 1 + static_cast<int>(i % 3);
    int r = TCOD_random_get_int(nullptr, 0, 2 * reach);
    int c = TCOD_random_get_int(nullptr, 0, 2 * reach);
    row_differs_from_column += r != c;
    const TCOD_color_t colours[] = {TCOD_red, TCOD_flame, TCOD_orange};
    expect_particle(*world.particles[i],
                    {20 - reach + c, 30 - reach + r, 0, 0, reach == 3 ? 5 : 3, colours[i % 3], 7},
                    "spark", i);
  }
  EXPECT_GT(row_differs_from_column, 10);  // the seed tells the draw order apart
}

TEST_F(Explosions, PlasmaSparksAreRedBluePurpleAndItsStarComesInTwoHalves) {
  run(effect_plasma, 20, 30, 11);
  ASSERT_EQ(world.particles.size(), 3u);
  EXPECT_EQ(world.particles[0]->glyph.colour, TCOD_red);
  EXPECT_EQ(world.particles[1]->glyph.colour, TCOD_blue);
  EXPECT_EQ(world.particles[2]->glyph.colour, TCOD_purple);

  run(effect_plasma, 20, 30, 10);
  ASSERT_EQ(world.particles.size(), 10u);
  const Expected diagonals[] = {{21, 31, 15, 45, 30, kGiven, '+'},
                                {19, 29, 15, -135, 30, kGiven, '+'},
                                {19, 31, 15, 135, 30, kGiven, '+'},
                                {21, 29, 15, -45, 30, kGiven, '+'}};
  for (size_t i = 0; i < 4; ++i) expect_particle(*world.particles[6 + i], diagonals[i], "diag", i);

  world.particles.clear();
  run(effect_plasma, 20, 30, 5);
  ASSERT_EQ(world.particles.size(), 7u);
  const Expected straights[] = {{21, 30, 25, 0, 30, kGiven, '+'},
                                {20, 31, 25, 90, 30, kGiven, '+'},
                                {19, 30, 25, 180, 30, kGiven, '+'},
                                {20, 29, 25, 270, 30, kGiven, '+'}};
  for (size_t i = 0; i < 4; ++i) expect_particle(*world.particles[3 + i], straights[i], "orth", i);
}

TEST_F(Explosions, PlasmaIsHeardOnlyWhenItStartsAtThirty) {
  effect_spawn(10, 10, 20, effect_plasma, world, kGiven);
  for (int frame = 0; frame < 20; ++frame) tick();
  EXPECT_TRUE(sound_played().empty());

  effect_spawn(10, 10, 30, effect_plasma, world, kGiven);
  tick();
  ASSERT_EQ(sound_played().size(), 1u);
  EXPECT_EQ(sound_played()[0].effect, SFX_MED_EXP3);
  EXPECT_FALSE(sound_played()[0].panned);
  for (int frame = 0; frame < 29; ++frame) tick();
  EXPECT_EQ(sound_played().size(), 1u);
}

TEST_F(Explosions, FireballBooms30PannedByItsColumnAndRingsAtItsOwnCell) {
  game.player_x = 3;
  game.player_y = 4;
  run(effect_fireball, 40, 22, 30);
  ASSERT_EQ(sound_played().size(), 1u);
  EXPECT_EQ(sound_played()[0].effect, SFX_BIG_EXP2);
  EXPECT_TRUE(sound_played()[0].panned);
  EXPECT_EQ(sound_played()[0].panning.left, 50);
  EXPECT_EQ(sound_played()[0].panning.right, 200);
  EXPECT_EQ(world.particles.size(), 3u);  // sparks only

  for (int t : {29, 25, 24, 15}) run(effect_fireball, 40, 22, t);
  EXPECT_EQ(sound_played().size(), 1u);
  ASSERT_EQ(world.particles.size(), 3u + 3 + 18 + 3 + 18);
  expect_ring(world, 9, 15, 40, 22, 25, 30, kGiven, '+');
  expect_ring(world, 30, 15, 40, 22, 25, 30, kGiven, '+');
}

TEST_F(Explosions, ShipBurstsRingWhereTheShipIsWhileTheirSparksStayAtTheEffect) {
  for (EffectRoutine routine : {effect_player_hit, effect_player_death}) {
    world.particles.clear();
    game.player_x = 30;
    game.player_y = 50;
    run(routine, 10, 12, 25);
    ASSERT_EQ(world.particles.size(), 18u);
    for (size_t i = 0; i < 3; ++i) {
      EXPECT_LE(std::abs(world.particles[i]->motion.x - 10), 3);
      EXPECT_LE(std::abs(world.particles[i]->motion.y - 12), 3);
    }
    EXPECT_EQ(world.particles[2]->glyph.colour, TCOD_orange);
    expect_ring(world, 3, 15, 30, 50, 25, 30, kGiven, '+');

    run(routine, 10, 12, 24);
    EXPECT_EQ(world.particles.size(), 21u);

    game.player_x = 7;  // the ship moved on
    game.player_y = 60;
    run(routine, 10, 12, 15);
    expect_ring(world, 24, 15, 7, 60, 25, 30, kGiven, '+');
  }
  EXPECT_FALSE(game.player_dead);
}

TEST_F(Explosions, PlayerDeathEndsTheShipOnlyOnItsFiftiethFrame) {
  effect_spawn(25, 55, 50, effect_player_death, world, game.player_colour);
  for (int frame = 0; frame < 49; ++frame) tick();
  EXPECT_FALSE(game.player_dead);
  reap();
  ASSERT_EQ(world.explosions.size(), 1u);
  tick();
  EXPECT_TRUE(game.player_dead);
  reap();
  EXPECT_TRUE(world.explosions.empty());

  game.player_dead = false;
  run(effect_player_hit, 25, 55, 1);
  EXPECT_FALSE(game.player_dead);
}

TEST_F(Explosions, DronePopKeysOnFifteenTenAndFive) {
  seed_random(99);
  for (int t = 15; t >= 1; --t) {
    size_t before = world.particles.size();
    run(effect_drone_pop, 20, 30, t);
    size_t expected = t == 15 ? 1 : t == 10 ? 8 : t == 5 ? 4 : 0;
    EXPECT_EQ(world.particles.size() - before, expected) << "t = " << t;
  }
  ASSERT_EQ(world.particles.size(), 13u);
  expect_particle(*world.particles[0], {20, 30, 0, 0, 10, TCOD_orange, 7}, "dot", 0);
  const Expected star[] = {{21, 30, 25, 0, 30, kGiven, '+'},   {20, 31, 25, 90, 30, kGiven, '+'},
                           {19, 30, 25, 180, 30, kGiven, '+'}, {20, 29, 25, 270, 30, kGiven, '+'},
                           {21, 31, 15, 45, 30, kGiven, '+'},  {19, 29, 15, -135, 30, kGiven, '+'},
                           {19, 31, 15, 135, 30, kGiven, '+'}, {21, 29, 15, -45, 30, kGiven, '+'}};
  for (size_t i = 0; i < 8; ++i) expect_particle(*world.particles[1 + i], star[i], "star", i);
  const Expected dots[] = {{22, 30, 0, 0, 10, TCOD_red, '.'},
                           {20, 32, 0, 0, 10, TCOD_red, '.'},
                           {18, 30, 0, 0, 10, TCOD_red, '.'},
                           {20, 28, 0, 0, 10, TCOD_red, '.'}};
  for (size_t i = 0; i < 4; ++i) expect_particle(*world.particles[9 + i], dots[i], "dot", i);

  int after = next_draw();
  seed_random(99);
  EXPECT_EQ(after, next_draw());  // it never draws a random number
}

TEST_F(Explosions, ChargedBurstThrowsThreeRingsOfO) {
  seed_random(5);
  run(effect_charged_burst, 25, 40, 1);
  ASSERT_EQ(world.particles.size(), 90u);
  expect_ring(world, 0, 36, 25, 40, 20, 32, kGiven, 'o');
  expect_ring(world, 36, 18, 25, 40, 30, 24, kGiven, 'o');
  expect_ring(world, 54, 36, 25, 40, 40, 16, kGiven, 'o');
  int after = next_draw();
  seed_random(5);
  EXPECT_EQ(after, next_draw());
}

TEST_F(Explosions, ChargedBurstInBulletColourModeDrawsAColourPerParticle) {
  settings.bullet_colour_mode = 1;
  seed_random(5);
  run(effect_charged_burst, 25, 40, 1);
  ASSERT_EQ(world.particles.size(), 90u);
  seed_random(5);
  for (size_t i = 0; i < 90; ++i) {
    int r = 50 + 10 * TCOD_random_get_int(nullptr, 0, 20);
    int g = 50 + 10 * TCOD_random_get_int(nullptr, 0, 20);
    int b = 50 + 10 * TCOD_random_get_int(nullptr, 0, 20);
    TCOD_color_t drawn =
        TCOD_color_RGB(static_cast<uint8_t>(r), static_cast<uint8_t>(g), static_cast<uint8_t>(b));
    EXPECT_EQ(world.particles[i]->glyph.colour, drawn) << "particle " << i;
  }
}

TEST_F(Explosions, MissilePopIsTenAzureThenSixFlame) {
  run(effect_missile_pop, 8, 9, 1);
  ASSERT_EQ(world.particles.size(), 16u);
  expect_ring(world, 0, 10, 8, 9, 35, 16, TCOD_azure, 7);
  expect_ring(world, 10, 6, 8, 9, 50, 16, TCOD_flame, 7);
}

TEST_F(Explosions, AzureFlashWaitsForItsLastFrame) {
  run(effect_azure_flash, 8, 9, 2);
  EXPECT_TRUE(world.particles.empty());
  EXPECT_TRUE(sound_played().empty());
  run(effect_azure_flash, 8, 9, 1);
  ASSERT_EQ(sound_played().size(), 1u);
  EXPECT_EQ(sound_played()[0].effect, SFX_HUGE_SMALL_EXP);
  EXPECT_FALSE(sound_played()[0].panned);
  expect_ring(world, 0, 15, 8, 9, 30, 10, TCOD_azure, 7);
}

TEST_F(Explosions, BigBurstRingsSpeedUpAndFlashesScatterEveryThirdFrame) {
  struct Frame {
    int t;
    size_t particles;
    size_t flashes;
    int ring_speed;
  };
  const Frame frames[] = {{30, 30, 1, 10}, {29, 0, 0, 0}, {27, 0, 1, 0},
                          {15, 30, 1, 25}, {14, 0, 0, 0}, {1, 30, 0, 39}};
  for (const Frame& f : frames) {
    SCOPED_TRACE(testing::Message() << "t = " << f.t);
    world.particles.clear();
    world.explosions.clear();
    seed_random(777);
    run(effect_big_burst, 20, 20, f.t);
    ASSERT_EQ(world.particles.size(), f.particles);
    if (f.particles > 0) expect_ring(world, 0, 30, 20, 20, f.ring_speed, 35, kGiven, '+');
    ASSERT_EQ(world.explosions.size(), f.flashes);
    if (f.flashes > 0) {
      seed_random(777);
      int dx = TCOD_random_get_int(nullptr, -5, 5);
      int dy = TCOD_random_get_int(nullptr, -5, 5);
      const Effect& flash = *world.explosions[0];
      EXPECT_EQ(flash.routine, effect_azure_flash);
      EXPECT_EQ(flash.timer, 2);
      EXPECT_EQ(flash.motion.x, 20 + dx);
      EXPECT_EQ(flash.motion.y, 20 + dy);
      EXPECT_EQ(flash.colour, kGiven);
    }
  }
  ASSERT_EQ(sound_played().size(), 1u);  // t = 15 only
  EXPECT_EQ(sound_played()[0].effect, SFX_HUGE_EXP);
}

TEST_F(Explosions, BossChainPicksItsChildrenByTAndScattersEachWithFreshDraws) {
  struct Child {
    EffectRoutine routine;
    int timer;
  };
  const Child burst{effect_big_burst, 30}, fireball{effect_fireball, 30}, plasma{effect_plasma, 30},
      pop{effect_drone_pop, 15};
  struct Frame {
    int t;
    std::vector<Child> children;
  };
  const Frame frames[] = {{30, {burst, fireball, plasma}},
                          {29, {pop}},
                          {25, {fireball, pop}},
                          {20, {burst, fireball, plasma}},
                          {28, {plasma}}};
  for (const Frame& f : frames) {
    SCOPED_TRACE(testing::Message() << "t = " << f.t);
    world.explosions.clear();
    seed_random(31337);
    run(effect_boss_chain, 25, 20, f.t);
    ASSERT_EQ(world.explosions.size(), f.children.size());
    seed_random(31337);
    for (size_t i = 0; i < f.children.size(); ++i) {
      int dx = TCOD_random_get_int(nullptr, -7, 7);
      int dy = TCOD_random_get_int(nullptr, -7, 7);
      const Effect& child = *world.explosions[i];
      EXPECT_EQ(child.routine, f.children[i].routine) << "child " << i;
      EXPECT_EQ(child.timer, f.children[i].timer) << "child " << i;
      EXPECT_EQ(child.motion.x, 25 + dx) << "child " << i;
      EXPECT_EQ(child.motion.y, 20 + dy) << "child " << i;
      EXPECT_EQ(child.colour, kGiven);
    }
  }
}

TEST_F(Explosions, BossChainChildrenRunTheirFirstFrameInTheSamePass) {
  effect_spawn(25, 20, 30, effect_boss_chain, world, kGiven);
  tick();
  // The big burst's own flash child joined the pass too, after the chain's children.
  const EffectRoutine order[] = {effect_boss_chain, effect_big_burst, effect_fireball,
                                 effect_plasma, effect_azure_flash};
  const int timers[] = {29, 29, 29, 29, 1};
  ASSERT_EQ(world.explosions.size(), 5u);
  for (size_t i = 0; i < 5; ++i) {
    EXPECT_EQ(world.explosions[i]->routine, order[i]) << i;
    EXPECT_EQ(world.explosions[i]->timer, timers[i]) << i;
  }
  ASSERT_EQ(sound_played().size(), 2u);
  EXPECT_EQ(sound_played()[0].effect, SFX_BIG_EXP2);
  EXPECT_EQ(sound_played()[1].effect, SFX_MED_EXP3);
}

}  // namespace
