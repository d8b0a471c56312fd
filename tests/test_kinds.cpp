#include "enemies/kinds.h"

#include <climits>
#include <initializer_list>

#include "enemies/drone.h"
#include "enemies/enemy.h"
#include "fx/bullet.h"
#include "fx/missile.h"
#include "fx/shell.h"
#include "tests/harness.h"
#include "tests/world_text.h"

namespace {

constexpr int any = INT_MIN;

// The enemy after its think and step at `age`: speed, heading, shots fired so far, the last sound
// played (-1 none) and its sprite's middle row; `any` (or no row) is left unchecked.
struct Frame {
  int age, speed, heading, fired, sound;
  const char* middle_row = nullptr;
};

// A projectile's cell, speed and heading.
std::tuple<int, int, int, int> flight(const Bullet& b) {
  return {b.motion.x, b.motion.y, int(b.motion.speed), int(b.motion.heading)};
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
      for (int i = 0; i < e.width; ++i) row += char(enemy_cell(e, i, 1));
      const int got[] = {int(e.motion.speed), int(e.motion.heading),
                         int(world.enemy_bullets.size() + world.enemy_missiles.size()),
                         sound_played().empty() ? -1 : sound_played().back().effect};
      const int want[] = {f.speed, f.heading, f.fired, f.sound};
      for (int i = 0; i < 4; ++i)
        EXPECT_EQ(got[i], want[i] == any ? got[i] : want[i])
            << "speed, heading, fired, sound: " << i << " at " << f.age;
      EXPECT_EQ(row, f.middle_row ? f.middle_row : row) << f.age;
    }
  }

  const Bullet& shot(size_t i) const { return *world.enemy_bullets.at(i); }

  World world;
};

Drone& spawn(World& world, int x, int y, DroneRoutine move, DroneRoutine fire = drone_fire_none) {
  drone_spawn(x, y, move, fire, world);
  return *world.drones.back();
}

// Each fire call: the drone as the routine saw it, and how many drones were listed.
std::vector<std::pair<Drone, size_t>> seen;
const DroneRoutine fire_recording = [](Drone& d) { seen.emplace_back(d, d.world->drones.size()); };

using ShellTest = GameTest;
using DroneTest = GameTest;

}  // namespace

// clang-format off
TEST_F(KindTest, DartsBendFromAge51To109ByTheirSpawnRowAndFireAShellOfEightAt65) {
  const struct { EnemyThink kind; int row, at51, at65, after; } cases[] = {
      {kind_dart, -2, 91, 105, 149}, {kind_dart, 0, 90, 90, 90}, {kind_dart_leader, -2, 89, 75, 31},
      {kind_dart, -4, 92, 120, 208}, {kind_dart_leader, -4, 88, 60, 332}};
  for (auto [kind, row, at51, at65, after] : cases) {
    play(kind, 20, row, {{51, 50, at51, 0, -1}, {64, 50, any, 0, -1}, {65, 50, at65, 1, 13},
                         {120, 50, after, 1, 13}});
    EXPECT_EQ(std::pair(shot(0).behaviour, int(shot(0).motion.heading)),
              std::pair(+shell_eight, at65));
  }
}

TEST_F(KindTest, PodsSettleThenLaunchByTheirSpawnRowTurningLeftAndFireTwoAimedTrios) {
  for (auto [row, h] : {std::pair{1, 180}, std::pair{2, 150}, std::pair{5, 120}})
    play(kind_pod, 30, row, {{89, 8, 90, 0, -1}, {90, 40, h, 0, -1}, {119, 40, h - 29, 0, -1},
                             {120, 40, h - 30, 3, 17}, {170, 40, h - 80, 6, 17}});
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
    for (int i = 0; i < 5; ++i)
      EXPECT_EQ(flight(shot(i)), std::make_tuple(column + 1, 13, 50, 20 * i - 40));
    for (auto [i, heading] : {std::pair{0, 0}, {1, 11}, {3, 33}, {5, 56}, {31, 348}})
      EXPECT_EQ(flight(shot(15 + i)), std::make_tuple(e.motion.x, e.motion.y, 45, heading));
    EXPECT_EQ(std::pair(e.hp, e.score), std::pair(0, 0));  // blown up, worth nothing
  }
}

TEST_F(KindTest, CarrierLaunchesPodsFromItsHullFiresMissilesFromAlternateBaysAndLeaves) {
  Enemy& e = play(kind_carrier, 30, 0, {{1, 40, 90, 0, -1}});
  ASSERT_EQ(world.enemies.size(), 4u);
  for (int row = 1; row <= 3; ++row)  // pods on rows 1 to 3 of its hull take roles 1 to 3
    EXPECT_EQ(std::pair(world.enemies[row]->motion.x, world.enemies[row]->count_a),
              std::pair(31, row));
  walk(e, {{33, 8, 90, 0, -1},   {49, 8, 90, 0, -1},   {50, 8, 90, 1, -1},  {251, 8, 90, 5, -1},
           {252, 10, 87, 5, -1}, {256, 12, 84, 5, -1}, {300, any, any, 5, -1}});
  EXPECT_EQ(std::tuple(flight(*world.enemy_missiles[0]), flight(*world.enemy_missiles[1]),
                       world.enemy_missiles[1]->behaviour),
            std::tuple(std::tuple(34, 15, 70, 90), std::tuple(30, 19, 70, 90), +homing_fast));
}

TEST_F(KindTest, LancerFiresLinesFromAlternateSidesDriftsInALissajousFigureAndLeaves) {
  Enemy& e = play(kind_lancer, 20, -6, {{4, 56, 90, 0, -1}, {5, 55, 90, 1, 18}, {54, 6, 90, 6, 18},
                                        {55, 5, 90, 7, 18}, {340, 1, 90, 42, 18}});
  EXPECT_EQ(flight(shot(0)), std::make_tuple(23, -1, 60, 90));
  EXPECT_EQ(flight(shot(6)), std::make_tuple(21, 14, 60, 90));
  walk(e, {{420, 1, 90, 52, 18}});  // vx = trunc(25 sin 270), vy = trunc(12.5 sin 1305)
  EXPECT_EQ(std::make_pair(e.motion.vx, e.motion.vy), std::make_pair(-25.0, -8.0));
  walk(e, {{1000, 1, 90, 120, any}});
  game.player_alive = false;  // drifted to the right, it curves off that way without firing
  walk(e, {{1003, 1, 90, 120, any}, {1004, 3, 87, 120, any}, {1100, any, any, 120, any}});
}

TEST_F(KindTest, SpinnersTurnTheirCentreEvery8FramesFireUntilAge500ThenLeave) {
  play(kind_spinner, 10, 0, {{7, 43, 90, 1, 18, "\\[+]/"},   {8, 42, 90, 1, 18, "\\[\xB3]/"},
                             {16, 34, 90, 3, 18, "\\[/]/"},  {24, 26, 90, 3, 18, "\\[\xC4]/"},
                             {32, 18, 90, 3, 18, "\\[\\]/"}, {40, 10, 90, 3, 18, "\\[\xB3]/"},
                             {65, 2, 90, 6, 18}, {500, 2, 90, 30, 18}, {504, 4, 93, 30, 18},
                             {600, any, any, 30, 18}});
  EXPECT_EQ(std::tuple(shot(0).motion.x, shot(0).motion.y, shot(3).motion.x, shot(3).motion.y),
            std::tuple(14, 4, 10, 15));
  play(kind_spinner_u, 6, 0, {{99, 2, 90, 0, -1, "\\[\\]/"}, {100, 2, 90, 5, -1},
                              {504, 4, 93, 25, -1}, {600, any, any, 25, -1}});
  const int headings[] = {225, 247, 269, 291, 313};
  for (int i = 0; i < 5; ++i)
    EXPECT_EQ(flight(*world.enemy_missiles[i]), std::make_tuple(8, 13, 50, headings[i]));
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

TEST_F(ShellTest, SlowsToAStopBurstsIntoItsRingAndLeavesARedTrailEveryFrame) {
  game.player_x = 25;  // straight below: an aimed shell turns its offset of 10 to 100
  game.player_y = 60;
  const std::string eight = "0 45 90 135 180 225 270 315 ";
  const std::string sixteen = "0 22 45 67 90 112 135 157 180 202 225 247 270 292 315 337 ";
  // clang-format off
  const struct { BulletBehaviour shell; int speed, burst_age, heading; std::string ring;
                 int ring_speed; bool loud; } cases[] = {
      {shell_eight, 60, 59, 10, eight, 35, true},   {shell_quiet, 40, 39, 10, eight, 35, false},
      {shell_sixteen, 1, 0, 10, sixteen, 35, true}, {shell_sixteen, 0, 0, 10, sixteen, 35, true},
      {shell_aimed, 50, 49, 100, eight, 50, true}};
  // clang-format on
  for (const auto& c : cases) {
    World w;
    sound_clear_played();
    enemy_bullet_spawn(25, 30, c.speed, 10, c.shell, w);
    Bullet& shell = *w.enemy_bullets.at(0);
    const int heading = int(shell.motion.heading);
    while (w.enemy_bullets.size() == 1 && shell.age < 100) bullet_tick(shell);
    std::string ring;
    for (size_t i = 1; i < w.enemy_bullets.size(); ++i)
      ring += std::to_string(int(w.enemy_bullets[i]->motion.heading)) + " ";
    const Motion& m = shell.motion;
    const Bullet& star = *w.enemy_bullets.back();  // the stars start alike, where the shell stops
    ASSERT_EQ(w.particles.size(), size_t(c.burst_age + 1)) << c.speed;  // a trail each frame
    const Particle& trail = *w.particles.back();
    EXPECT_EQ(
        std::tuple(heading, shell.age, shell.life, shell.damage, shell.glyph.ch, ring,
                   star.motion.x, star.motion.y, star.motion.speed, star.behaviour, sounds_text(),
                   trail.life, trail.glyph.ch, trail.motion.speed, trail.glyph.colour),
        std::tuple(c.heading, c.burst_age, 0, 5, 10, c.ring, m.x, m.y, 1.0 * c.ring_speed,
                   +bullet_star, c.loud ? "13@25|14@" + std::to_string(m.x) + "|" : "", 15, '.',
                   0.0, TCOD_red))
        << c.speed;
  }
}

TEST_F(ShellTest, ABurstShellTickedBeforeItsRemovalDoesNotBurstAgainAndTrailsTheRainbow) {
  World world;
  settings.bullet_colour_mode = 1;
  enemy_bullet_spawn(10, 10, 1, 0, shell_eight, world);
  bullet_tick(*world.enemy_bullets.at(0));
  EXPECT_EQ(std::make_pair(world.enemy_bullets.size(), sounds_text()),
            std::make_pair(size_t{9}, std::string("13@10|14@10|")));
  // Steps 0 and 6 of the hue cycle: each frame's trail keeps that frame's colour.
  EXPECT_EQ(particles_text(world), "1x. 10,10 0/15 150,236,63 0|1x. 10,10 0/15 160,230,58 0|");
}

TEST_F(DroneTest, MovesSetTheNumbersThenTurnOverTheirAgesAndTicksDrawInLightAzure) {
  // clang-format off
  const std::tuple<DroneRoutine, int, int, int, int, int, int, int, double, double> cases[] = {
      // move, spawn row, role, hp, score, char, speed, turns from; heading then, at age 150
      {drone_fan_left,    -2, 1, 30, 50, 'V', 50, 66, 92,  208},
      {drone_fan_left,    -1, 2, 30, 50, 'V', 50, 66, 91,  149},
      {drone_fan_left,     0, 3, 30, 50, 'V', 50, 66, 90,  90},
      {drone_fan_right,   -2, 1, 30, 50, 'V', 50, 66, 88,  332},
      {drone_swoop_left,  10, 0, 5,  10, 'v', 60, 36, 55,  260},
      {drone_swoop_right, 10, 0, 5,  10, 'v', 60, 36, 125, 280}};
  // clang-format on
  for (auto [move, row, role, hp, points, ch, speed, from, first, last] : cases) {
    World w;
    Drone& drone = spawn(w, 25, row, move);
    const Motion& m = drone.motion;
    const std::vector<int> born{drone.role, drone.hp, drone.hp_max, drone.score, drone.pop};
    while (drone.age < from) drone_tick(drone);
    const auto turning = std::tuple(m.heading, cell_char(m.x, m.y), cell_fg(m.x, m.y));
    while (drone.age < 150) drone_tick(drone);
    EXPECT_EQ(std::tuple(born, turning, m.heading, m.speed),
              std::tuple(std::vector<int>{role, hp, hp, points, 1},
                         std::tuple(first, ch, TCOD_light_azure), last, speed + 0.0))
        << "row " << row << " turning to " << last;
  }
}

TEST_F(DroneTest, ReapBelowZeroHpBurstsByPopCountsTheKillEvenForNoPointsAndSoundsAtRandom) {
  // pop, score, hp; the burst and the sound (seed 4242 draws 1, 0, 4 of 0..4)
  const std::tuple<int, int, int, std::string> cases[] = {{1, 50, 0, ""},
                                                          {1, 50, -1, "pop 15 7,30 a|7@7|"},
                                                          {0, 0, -1, "6@7|"},
                                                          {2, 10, -3, "plasma 20 7,30 w|10@7|"}};
  seed_random(4242);
  for (auto [pop, points, hp, left] : cases) {
    World w;
    Score s{.score = 0, .multiplier = 2.0};
    Drone drone{.hp = hp, .world = &w, .pop = pop, .score = points, .motion = {}, .glyph = {}};
    drone.motion = motion_create(7, 30, 0, 0);
    sound_clear_played();
    const bool reaped = hp < 0;
    EXPECT_EQ(drone_reap(drone, s), reaped);
    EXPECT_EQ(std::tuple(s.score, s.hits, s.multiplier, effects_text(w) + sounds_text()),
              std::tuple(reaped ? 2 * points : 0, int(reaped), reaped ? 2.1 : 2.0, left))
        << "pop " << pop << " hp " << hp;
  }
}

// Fire runs at spawn before the move has set the drone's numbers, and in a tick after the age
// is raised; only while the ship is in play.
TEST_F(DroneTest, FireRunsBeforeMoveAtSpawnAndAnAimedDroneFiresAtAge60OnlyWhileTheShipIsInPlay) {
  World world;
  seen.clear();
  spawn(world, 10, 10, drone_swoop_right, fire_recording);
  Drone& lost = spawn(world, 10, 0, drone_fan_left, drone_fire_aimed);
  while (lost.age < 60) drone_tick(lost);
  game.player_alive = true;
  spawn(world, 10, -2, drone_fan_left, fire_recording);
  ASSERT_EQ(seen.size(), 1u);
  const auto& [d, listed] = seen[0];
  EXPECT_EQ(std::tuple(listed, d.hp, d.pop, d.role, d.age), std::tuple(size_t{3}, 5, 0, 0, 0));
  Drone& drone = spawn(world, 25, 0, drone_fan_left, drone_fire_aimed);
  while (drone.age < 200) drone_tick(drone);
  // Once, from its cell at age 59, aimed at the ship's cell: (0, 0) here.
  EXPECT_EQ(bullets_text(world.enemy_bullets), "1xaimed 25,29 40/-130|");
}
