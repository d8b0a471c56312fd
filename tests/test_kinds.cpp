#include "enemies/kinds.h"

#include <climits>
#include <initializer_list>
#include <string>
#include <tuple>

#include "enemies/enemy.h"
#include "fx/missile.h"
#include "fx/shell.h"
#include "game/globals.h"
#include "shell/sound.h"
#include "tests/harness.h"

namespace {

constexpr int any = INT_MIN;

// The enemy after its think and step at `age`: speed, heading, bullets and
// missiles fired so far, the last sound played (-1 none) and its sprite's
// middle row. `any` (or no row) leaves a field unchecked.
struct Frame {
  int age, speed, heading, fired, sound;
  const char* middle_row = nullptr;
};

// A projectile's cell, speed and heading.
std::tuple<int, int, int, int> flight(const Bullet& b) {
  return {b.motion.x, b.motion.y, static_cast<int>(b.motion.speed),
          static_cast<int>(b.motion.heading)};
}

class KindTest : public GameTest {
 protected:
  // One enemy in a fresh world, the ship in play, stepped through its timetable.
  Enemy& play(EnemyThink kind, int x, int y, std::initializer_list<Frame> frames) {
    world = World{};
    game.player_alive = true;
    sound_clear_played();
    enemy_spawn(x, y, kind, world);
    Enemy& e = *world.enemies.back();
    walk(e, frames);
    return e;
  }

  void walk(Enemy& e, std::initializer_list<Frame> frames) {
    for (const Frame& f : frames) {
      while (e.age < f.age) enemy_tick(e);
      std::string row;
      for (int i = 0; i < e.width; ++i) row += static_cast<char>(enemy_cell(e, i, 1));
      const int got[] = {static_cast<int>(e.motion.speed), static_cast<int>(e.motion.heading),
                         static_cast<int>(world.enemy_bullets.size() + world.enemy_missiles.size()),
                         sound_played().empty() ? -1 : sound_played().back().effect,
                         f.middle_row == nullptr || row == f.middle_row};
      const int want[] = {f.speed, f.heading, f.fired, f.sound, 1};
      for (int i = 0; i < 5; ++i) {
        EXPECT_TRUE(want[i] == any || got[i] == want[i])
            << "speed, heading, fired, sound, row: field " << i << " is " << got[i] << " at age "
            << f.age;
      }
    }
  }

  const Bullet& shot(size_t i) const { return *world.enemy_bullets.at(i); }

  World world;
};

}  // namespace

// clang-format off
TEST_F(KindTest, DartsBendFromAge51To109ByTheirSpawnRowAndFireAShellOfEightAt65) {
  const struct { EnemyThink kind; int row, at51, at65, after; } cases[] = {
      {kind_dart, -2, 91, 105, 149}, {kind_dart, 0, 90, 90, 90}, {kind_dart_leader, -2, 89, 75, 31},
      {kind_dart, -4, 92, 120, 208}, {kind_dart_leader, -4, 88, 60, 332}};
  for (auto [kind, row, at51, at65, after] : cases) {
    play(kind, 20, row, {{51, 50, at51, 0, -1}, {64, 50, any, 0, -1}, {65, 50, at65, 1, 13},
                         {120, 50, after, 1, 13}});
    EXPECT_EQ(shot(0).behaviour, shell_eight);
    EXPECT_EQ(std::get<3>(flight(shot(0))), at65);
  }
}

TEST_F(KindTest, PodsSettleThenLaunchByTheirSpawnRowTurningLeftAndFireTwoAimedTrios) {
  for (auto [row, h] : {std::pair{1, 180}, std::pair{2, 150}, std::pair{5, 120}}) {
    play(kind_pod, 30, row, {{89, 8, 90, 0, -1}, {90, 40, h, 0, -1}, {119, 40, h - 29, 0, -1},
                             {120, 40, h - 30, 3, 17}, {170, 40, h - 80, 6, 17}});
  }
}

TEST_F(KindTest, GunshipCrawlsDownAndFansFiveStarsEvery140FramesFromAge140) {
  play(kind_gunship, 13, 0, {{139, 5, 90, 0, -1}, {140, 5, 90, 5, -1}, {280, 5, 90, 10, -1}});
  const int headings[] = {45, 67, 90, 112, 135};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(flight(shot(i)), std::make_tuple(14, 6, 30, headings[i]));
}

TEST_F(KindTest, HornetSwoopsThreeTimesWithFansOfFiveThenBurstsIntoARingWithoutPoints) {
  game.player_x = 40;  // level with its gun at the first swoop: the fan's offsets stay as fired
  game.player_y = 13;
  const struct { int column, h1, h2, h3; } sides[] = {{12, 45, 145, 295}, {30, 135, 35, 245}};
  for (auto [column, h1, h2, h3] : sides) {
    Enemy& e = play(kind_hornet, column, 0, {
        {59, 0, 90, 0, -1},   {60, 60, h1, 5, 17},   {120, 0, h1, 5, 17},  {130, 60, h2, 10, 17},
        {190, 0, h2, 10, 17}, {200, 50, h3, 15, 17}, {259, 0, h3, 15, 17}, {260, 0, h3, 47, 14}});
    for (int i = 0; i < 5; ++i) {
      EXPECT_EQ(flight(shot(i)), std::make_tuple(column + 1, 13, 50, 20 * i - 40));
    }
    for (auto [i, heading] : {std::pair{0, 0}, {1, 11}, {3, 33}, {5, 56}, {31, 348}}) {
      EXPECT_EQ(flight(shot(15 + i)), std::make_tuple(e.motion.x, e.motion.y, 45, heading));
    }
    Score score;
    EXPECT_TRUE(enemy_reap(e, score));
    EXPECT_EQ(std::make_pair(score.score, score.hits), std::make_pair(0, 0));
  }
}

TEST_F(KindTest, CarrierLaunchesPodsFromItsHullFiresMissilesFromAlternateBaysAndLeaves) {
  Enemy& e = play(kind_carrier, 30, 0, {{1, 40, 90, 0, -1}});
  ASSERT_EQ(world.enemies.size(), 4u);
  for (int row = 1; row <= 3; ++row) {  // pods on rows 1 to 3 of its hull take roles 1 to 3
    EXPECT_EQ(std::make_tuple(world.enemies[row]->motion.x, world.enemies[row]->count_a),
              std::make_tuple(31, row));
  }
  walk(e, {{33, 8, 90, 0, -1},   {49, 8, 90, 0, -1},   {50, 8, 90, 1, -1},  {251, 8, 90, 5, -1},
           {252, 10, 87, 5, -1}, {256, 12, 84, 5, -1}, {300, any, any, 5, -1}});
  EXPECT_EQ(flight(*world.enemy_missiles[0]), std::make_tuple(34, 15, 70, 90));
  EXPECT_EQ(flight(*world.enemy_missiles[1]), std::make_tuple(30, 19, 70, 90));
  EXPECT_EQ(world.enemy_missiles[1]->behaviour, homing_fast);
}

TEST_F(KindTest, LancerFiresLinesFromAlternateSidesDriftsInALissajousFigureAndLeaves) {
  Enemy& e = play(kind_lancer, 20, -6, {{4, 56, 90, 0, -1}, {5, 55, 90, 1, 18}, {54, 6, 90, 6, 18},
                                        {55, 5, 90, 7, 18}, {340, 1, 90, 42, 18}});
  EXPECT_EQ(flight(shot(0)), std::make_tuple(23, -1, 60, 90));
  EXPECT_EQ(flight(shot(6)), std::make_tuple(21, 14, 60, 90));
  walk(e, {{420, 1, 90, 52, 18}});  // vx = trunc(25 sin 270), vy = trunc(12.5 sin 1305)
  EXPECT_EQ(std::make_pair(e.motion.vx, e.motion.vy), std::make_pair(-25.0, -8.0));
  walk(e, {{1000, 1, 90, 120, any}});
  e.motion.x = 40;  // on the right: it curves off to the right
  game.player_alive = false;  // and with no ship in play it holds its fire
  walk(e, {{1003, 1, 90, 120, any}, {1004, 3, 87, 120, any}, {1100, any, any, 120, any}});
}

TEST_F(KindTest, SpinnersTurnTheirCentreEvery8FramesFireUntilAge500ThenLeave) {
  play(kind_spinner, 10, 0, {{7, 43, 90, 1, 18, "\\[+]/"},   {8, 42, 90, 1, 18, "\\[\xB3]/"},
                             {16, 34, 90, 3, 18, "\\[/]/"},  {24, 26, 90, 3, 18, "\\[\xC4]/"},
                             {32, 18, 90, 3, 18, "\\[\\]/"}, {40, 10, 90, 3, 18, "\\[\xB3]/"},
                             {65, 2, 90, 6, 18}, {500, 2, 90, 30, 18}, {504, 4, 93, 30, 18},
                             {600, any, any, 30, 18}});
  EXPECT_EQ(std::make_pair(shot(0).motion.x, shot(0).motion.y), std::make_pair(14, 4));
  EXPECT_EQ(std::make_pair(shot(3).motion.x, shot(3).motion.y), std::make_pair(10, 15));
  play(kind_spinner_u, 6, 0, {{99, 2, 90, 0, -1, "\\[\\]/"}, {100, 2, 90, 5, -1},
                              {504, 4, 93, 25, -1}, {600, any, any, 25, -1}});
  const int headings[] = {225, 247, 269, 291, 313};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(flight(*world.enemy_missiles[i]), std::make_tuple(8, 13, 50, headings[i]));
  }
}

TEST_F(KindTest, RaiderUnfoldsFiresTwoShellsOfSixteenRecoilingEachTimeAndFoldsAsItLeaves) {
  play(kind_raider, 25, -5, {{81, 10, 90, 0, -1, "\\(x)/"},   {82, 9, 90, 0, -1, "<(\x01)>"},
                             {95, 3, 90, 0, -1, "<(\x01)>"},  {96, 2, 90, 0, -1, "{|\x01|}"},
                             {110, 0, 90, 0, -1, "{|\x01|}"}, {111, 0, 90, 0, -1, "|\xB3\x01\xB3|"},
                             {130, 0, 90, 0, -1},   {131, 40, 270, 1, 13}, {151, 0, 270, 1, 13},
                             {156, 40, 270, 2, 13}, {176, 0, 90, 2, 13},   {196, 1, 91, 2, 13},
                             {200, 2, 92, 2, 13},   {211, any, any, 2, 13, "{|\x01|}"},
                             {226, any, any, 2, 13, "<(\x01)>"}, {241, any, any, 2, 13, "\\(x)/"}});
  // From the gun cell and two columns right of it, with the raider on rows 20 and 16.
  EXPECT_EQ(flight(shot(0)), std::make_tuple(26, 23, 69, 90));
  EXPECT_EQ(flight(shot(1)), std::make_tuple(28, 19, 69, 90));
  const Particle& puff = *world.particles.at(1);  // after the first shell's trail
  EXPECT_EQ(std::make_tuple(puff.motion.x, puff.motion.y, puff.motion.speed, puff.glyph.ch),
            std::make_tuple(26, 21, 50.0, 186));
  EXPECT_TRUE(puff.motion.heading >= 195 && puff.motion.heading <= 255) << puff.motion.heading;
}

TEST_F(KindTest, StrikerUnfoldsLikeTheRaiderAndSweepsALineOfFireWhilePuffing) {
  play(kind_striker, 10, -5, {{82, 9, 90, 0, -1, "<(\x01)>"}, {96, 2, 90, 0, -1, "o:\x01)}"},
                              {111, 0, 90, 0, -1, " o\x01)]"}, {139, 0, 90, 0, -1},
                              {185, 0, 90, 10, 18}, {200, 2, 92, 10, 18},
                              {241, any, any, 10, 18, "\\(+)/"}});
  // Ages 140 to 185: 90 + 10 sin(((age - 55) / 12.5) x 1.570796 radians), cut to whole degrees.
  const int sweep[] = {80, 80, 84, 89, 95, 99, 99, 95, 90, 84};
  for (int i = 0; i < 10; ++i) EXPECT_EQ(flight(shot(i)), std::make_tuple(11, 23, 60, sweep[i]));
  ASSERT_EQ(world.particles.size(), 10u);  // a puff every fifth count from 55 to 100
  for (const auto& p : world.particles) EXPECT_EQ(p->glyph.ch, '"');
}
// clang-format on
