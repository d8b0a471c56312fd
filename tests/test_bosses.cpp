#include <string>

#include "enemies/enemy.h"
#include "enemies/fortress.h"
#include "enemies/midboss.h"
#include "enemies/waves.h"
#include "fx/enemy_shots.h"
#include "fx/missile.h"
#include "fx/shell.h"
#include "game/director.h"
#include "tests/harness.h"

namespace {

constexpr BulletBehaviour star = bullet_star;
// Projectiles as they left: cell from an origin, speed, heading, behaviour.
using Shots = std::vector<std::tuple<int, int, int, int, BulletBehaviour>>;
Shots volley(const World& world, int from_x, int from_y) {
  Shots out;
  for (const auto* list : {&world.enemy_bullets, &world.enemy_missiles})
    for (const auto& b : *list)
      out.emplace_back(b->motion.x - from_x, b->motion.y - from_y, int(b->motion.speed),
                       int(b->motion.heading), b->behaviour);
  return out;
}
struct Shot {
  int age;  // of the enemies, on the frame it was fired
  int x, y, speed, heading;
  BulletBehaviour behaviour;
};

// The bosses played by the frame as the game loop plays them: the wave (if
// any), deaths, thinks. The lists and sounds hold what the frame fired, and
// the log every shot so far.
class Bosses : public GameTest {
 protected:
  void frame() {
    if (stage.wave) {
      EXPECT_FALSE(stage_run(stage));  // the fortress never ends
    }
    list_remove_spent(world.enemies, [this](Enemy& e) { return enemy_reap(e, score); });
    world.enemy_bullets.clear();
    world.enemy_missiles.clear();
    sound_clear_played();
    list_tick(world.enemies, enemy_tick);
    ++age;
    for (auto [x, y, speed, heading, kind] : volley(world, 0, 0))
      shots.push_back({age, x, y, speed, heading, kind});
  }
  void run_to(int last_age) {
    while (age < last_age) frame();
  }
  void build() {  // what the arrival frame fires is left out
    stage = Stage{200, wave_fortress, &world};
    run_to(1);
    shots.clear();
  }
  Enemy& part(EnemyThink kind) {
    return **std::ranges::find(world.enemies, kind, [](auto& e) { return e->think; });
  }
  // What was fired at an age, as "column@heading" in order of spawning.
  std::string fired(int at, BulletBehaviour kind) const {
    std::string out;
    for (const Shot& s : shots) {
      if (s.age != at || s.behaviour != kind) continue;
      if (!out.empty()) out += ' ';
      out += std::to_string(s.x) + "@" + std::to_string(s.heading);
    }
    return out;
  }
  int count(int at, BulletBehaviour kind) const {
    return int(std::ranges::count(fired(at, kind), '@'));
  }
  void expect_fired(BulletBehaviour kind,
                    std::initializer_list<std::pair<int, const char*>> table) {
    for (auto [at, expected] : table) EXPECT_EQ(fired(at, kind), expected) << "age " << at;
  }
  // Every shot of a kind left from row y at speed (a shell may brake one in its spawn call).
  void expect_rows_and_speeds(BulletBehaviour kind, int y, int speed, int slack = 0) const {
    for (const Shot& s : shots) {
      if (s.behaviour != kind) continue;
      EXPECT_EQ(s.y, y) << s.age;
      EXPECT_NEAR(s.speed, speed, slack) << s.age;
    }
  }

  Enemy& at(size_t i) { return *world.enemies.at(i); }
  int first_sound() { return sound_played().empty() ? 0 : sound_played()[0].effect; }

  World world;
  Stage stage{0, nullptr, &world};
  Score score;
  int age = 0;
  std::vector<Shot> shots;
};

using Midboss = Bosses;
using Fortress = Bosses;

}  // namespace

TEST_F(Midboss, ArrivesWithItsWingsDescendsHoldingFireFiresItsCycleAndTimesOutWorthNothing) {
  enemy_spawn(23, -5, kind_midboss, world);
  ASSERT_EQ(world.enemies.size(), 3u);
  Enemy& boss = at(2);
  // The wings listed first, where test_waves finds them.
  EXPECT_EQ(std::tuple(at(0).think, at(1).think, boss.is_boss, at(0).is_boss),
            std::tuple(+kind_midboss_wing_left, +kind_midboss_wing_right, true, false));
  EXPECT_EQ(std::tuple(game.boss_active, game.boss_hp, game.boss_hp_full, game.boss_timer),
            std::tuple(true, 6000, 6000, 39));
  EXPECT_TRUE(world.enemy_missiles.empty());  // age 0 is a multiple of 250, but it is descending
  run_to(63);  // silent: 63 + 62 + ... + 3 hundredths down by 62, the wings 20 rows with it
  EXPECT_EQ(std::make_tuple(shots.size(), boss.phase, at(0).motion.y, at(1).motion.y),
            std::make_tuple(0u, 0, 14, 14));

  // From its cell (gun at 3, 5), on frames when the wings are quiet.
  // clang-format off
  const struct { int age, sound; Shots fired; } frames[] = {
      {64, 18, {{4, 9, 45, 44, star}, {2, 9, 45, 136, star}}},
      {144, 18, {{4, 9, 45, 74, star}, {2, 9, 45, 106, star}}}, {152, 0, {}},
      {210, 17, {{3, 8, 40, 67, star}, {3, 8, 40, 90, star}, {3, 8, 40, 112, star}}},
      {250, 0, {{4, 1, 50, 270, homing_swing}}},
      {608, 18, {{4, 9, 45, 38, star}, {2, 9, 45, 142, star}}},
      // Aimed at the ship's cell, (0, 0) here, from (23, 20) and (18, 21).
      {1050, 13, {{3, 7, 64, -138, shell_aimed}}}, {1100, 13, {{3, 7, 64, -130, shell_aimed}}}};
  // clang-format on
  for (const auto& f : frames) {
    run_to(f.age);
    EXPECT_EQ(volley(world, game.boss_x, game.boss_y), f.fired) << f.age;
    EXPECT_EQ(first_sound(), f.sound) << f.age;
  }
  // 12.5 sin(825 - 150) and 12.5 sin(3300 + 45), truncated.
  EXPECT_EQ(std::pair(boss.motion.vx, boss.motion.vy), std::pair(-8.0, 12.0));

  run_to(2339);
  EXPECT_EQ(std::make_tuple(game.boss_timer, boss.hp), std::make_tuple(1, 6000));
  run_to(2342);  // out of time at 2340: the boss goes, then its wings
  EXPECT_EQ(std::make_tuple(world.enemies.size(), score.score, score.hits, game.boss_active),
            std::make_tuple(0u, 0, 0, false));
}

TEST_F(Midboss, WingsShowDamageInTheirExhaustAndFireByIt) {
  std::tie(game.boss_active, game.boss_x, game.boss_y) = std::tuple(true, 20, 10);
  auto wing = [this](EnemyThink think, int hp) -> Enemy& {
    std::tie(world, age) = std::tuple(World{}, 0);
    enemy_spawn(0, 0, think, world);
    at(0).hp = hp;
    return at(0);
  };
  auto exhaust = [](const Enemy& e, int column) {  // two rows of three cells
    std::string cells;
    for (int j : {5, 6})
      for (int i = column - 1; i <= column + 1; ++i) cells += char(enemy_cell(e, i, j));
    return cells;
  };
  // By phase, its exhaust: whole, scorched at the foot, burnt out.
  const std::string pictures[] = {"/o\\\\o/", "/o\\`%'", "\\ /` '"};
  // clang-format off
  const struct { int hp, phase, age, sound, speed; BulletBehaviour what; std::vector<int> to; }
  fire[] = {
      {4500, 0, 125, 0, 60, homing_fast, {90}}, {4500, 0, 305, 18, 50, star, {89, 90}},
      {4500, 0, 310, 18, 50, star, {95, 84}},   {2000, 1, 125, 0, 0, star, {}},
      {2000, 1, 150, 0, 60, homing_fast, {90}}, {2000, 1, 310, 18, 50, star, {95}},
      {1000, 2, 1, 0, 0, star, {}},  // both changes in the first think
      {1000, 2, 330, 17, 45, star, {45, 67, 90, 112, 135}}};
  // clang-format on
  for (auto [think, x, column] :
       {std::tuple<EnemyThink, int, int>(kind_midboss_wing_left, 10, 7),
        std::tuple<EnemyThink, int, int>(kind_midboss_wing_right, 26, 4)}) {
    Enemy& e = wing(think, 4500);
    for (auto [hp, phase] : {std::pair{3000, 0}, {2999, 1}, {1500, 1}, {1499, 2}}) {
      e.hp = hp;
      frame();
      EXPECT_EQ(std::make_tuple(e.phase, exhaust(e, column)),
                std::make_tuple(phase, pictures[phase]));
    }
    for (const auto& v : fire) {
      wing(think, v.hp);
      run_to(v.age);
      // From four rows under the gun, which stands on the exhaust's column.
      Shots expected;
      for (int h : v.to) expected.emplace_back(column, 7, v.speed, h, v.what);
      EXPECT_EQ(std::tuple(volley(world, x, 9), first_sound(), exhaust(at(0), column)),
                std::tuple(expected, v.sound, pictures[v.phase]))
          << v.hp << " at " << v.age;
    }
  }
}

TEST_F(Midboss, WaveEndsAfterTheBossDiesNotBeforeFrame201AndOnlyWingsShotFirstScore) {
  // clang-format off
  const struct { int wing_at, boss_at, over_at, score, hits; } cases[] = {
      {120, 150, 201, 2500 + 11000, 2}, {-1, 250, 251, 10000, 1}, {-1, -1, -1, 0, 0}};
  // clang-format on
  for (const auto& c : cases) {
    std::tie(world, score) = std::make_tuple(World{}, Score{});
    Stage stage{0, wave_midboss, &world};
    int over_at = -1;
    for (; stage.ticks <= 400 && over_at < 0; ++stage.ticks) {
      if (wave_midboss(stage)) over_at = stage.ticks;
      if (stage.ticks == c.wing_at) enemy_damage(at(0), 4500);
      if (stage.ticks == c.boss_at) enemy_damage(*world.enemies.back(), 6000);
      frame();
    }
    EXPECT_EQ(std::make_tuple(over_at, score.score, score.hits),
              std::make_tuple(c.over_at, c.score, c.hits))
        << c.boss_at;
  }
}

TEST_F(Fortress, BuildsTwentyPartsThatLandTogetherThenTheCoreHealsByItsArmsAndFiresPastThePlate) {
  // clang-format off
  const std::tuple<EnemyThink, int, int> cells[] = {
      {kind_fortress_core, 17, -40}, {kind_bulwark_left, 0, -25}, {kind_bulwark_right, 30, -25},
      {kind_core_shield, 20, -25},   {kind_pillar, 10, -30},      {kind_pillar, 10, -35},
      {kind_pillar, 10, -40},        {kind_pillar, 10, -45},      {kind_pillar, 10, -50},
      {kind_pillar, 39, -30},        {kind_pillar, 39, -35},      {kind_pillar, 39, -40},
      {kind_pillar, 39, -45},        {kind_pillar, 39, -50},      {kind_turret, 5, -20},
      {kind_turret, 15, -20},        {kind_turret, 42, -20},      {kind_turret, 32, -20},
      {kind_arm_right, 30, -40},     {kind_arm_left, 11, -35}};
  // clang-format on
  game.player_y = 25;  // the turrets hold their fire
  build();
  ASSERT_EQ(world.enemies.size(), 20u);
  Enemy& core = part(kind_fortress_core);
  EXPECT_EQ(std::tuple(core.hp, game.boss_hp, game.boss_hp_full), std::tuple(1007, 1007, 10000));
  // Braking from 70 on every even age from the spawn on: 69 + 2 x (68 + ... + 1) hundredths.
  for (auto [at, speed, phase] : {std::tuple{1, 69, 0}, {2, 68, 0}, {137, 1, 0}, {138, 0, 1}}) {
    run_to(at);
    for (auto& e : world.enemies) {
      EXPECT_EQ(std::tuple(int(e->motion.speed), e->phase), std::tuple(speed, phase)) << at;
    }
  }
  run_to(300);
  for (size_t i = 0; i < 20; ++i) {
    auto [kind, x, y] = cells[i];
    EXPECT_EQ(std::tuple(at(i).think, at(i).motion.x, at(i).motion.y), std::tuple(kind, x, y + 47));
  }
  // Only the plate fires once landed on (20, 22) at 138: a star every 20 ages.
  EXPECT_EQ(shots.size(), 9u);
  expect_fired(bullet_star,
               {{120, ""}, {140, "23@90"}, {160, "28@90"}, {180, "21@90"}, {200, "26@90"}});
  expect_rows_and_speeds(bullet_star, 26, 40);
  part(kind_core_shield).hp = 0;
  run_to(740);
  // clang-format off
  expect_fired(bullet_flame, {{305, "29@90"}, {365, "29@90 26@90 25@90 24@90 21@90"},
                              {450, "24@90 21@90"}, {475, "21@90"}, {500, ""}, {600, "21@90"},
                              {665, "21@90 24@90 25@90 26@90 29@90"}, {666, ""},
                              {740, "25@90 26@90 29@90"}});
  // clang-format on
  expect_rows_and_speeds(bullet_flame, 14, 80);
  // Each arm gives 3.5 hit points a frame, truncated; with none, four diagonal shells more.
  for (auto [arm, gain] :
       {std::pair<EnemyThink, int>{nullptr, 7}, {kind_arm_left, 3}, {kind_arm_right, 0}}) {
    if (arm != nullptr) part(arm).hp = 0;
    frame();
    const int before = core.hp;
    frame();
    EXPECT_EQ(core.hp - before, gain);
  }
  run_to(900);
  // clang-format off
  expect_fired(shell_quiet, {{610, "21@250"}, {620, "21@270"}, {630, "21@290"}, {640, ""},
                             {660, "29@290"}, {670, "29@270"}, {680, "29@250"}, {690, ""},
                             {800, "21@230"}, {830, "21@290"}, {840, "21@310"}, {850, "29@310"},
                             {890, "29@230"}});
  // clang-format on
  expect_rows_and_speeds(shell_quiet, 9, 40, 1);
}

TEST_F(Fortress, TurretsFireOnceLandedAtALowShipAndSweepByTheirColumn) {
  game.boss_active = true;
  game.player_y = 26;
  for (int x : {5, 15, 25, 32, 35, 42}) enemy_spawn(x, 0, kind_turret, world);
  run_to(200);
  game.player_y = 25;
  run_to(299);
  game.player_y = 26;
  run_to(900);
  // Landed on row 47 at 138; the guns at (x + 1, 48); columns 25 and 35 neither sweep nor launch.
  EXPECT_EQ(shots.at(0).age, 140);
  for (const Shot& s : shots) EXPECT_FALSE(s.age > 200 && s.age < 300) << s.age;
  EXPECT_EQ(count(140, bullet_aimed), 12);  // an aimed pair each
  EXPECT_EQ(count(200, shell_aimed), 6);
  // clang-format off
  expect_fired(bullet_star, {{600, ""}, {605, "6@133 16@100 33@80 43@47"},
                             {700, "6@95 16@84 33@96 43@85"}, {900, "6@135 16@100 33@80 43@45"}});
  expect_fired(homing_slow, {{600, ""}, {650, "16@90 33@90"}, {700, "6@150 43@30"},
                             {750, "16@90 33@90"}, {800, "6@150 43@30"}, {850, "16@90 33@90"},
                             {900, "6@150 43@30"}});
  // clang-format on
  for (BulletBehaviour kind : {bullet_aimed, bullet_star}) expect_rows_and_speeds(kind, 48, 80);
  expect_rows_and_speeds(shell_aimed, 48, 50, 1);
  expect_rows_and_speeds(homing_slow, 48, 40);
}

// Shot down it scores alone, or out of time it blows up worth nothing; either
// way the parts die with it worth nothing and the walls stand. The game is won
// on the frame after, but never before the wave's frame 251 (age 52).
TEST_F(Fortress, TheCoreDiesShotDownOrOutOfTimeAndThePartsFollowItWithoutPointsThenTheGameIsWon) {
  for (auto [when, timer, points, won] :
       {std::tuple{40, 89, 12500, 52}, {200, 86, 12500, 202}, {5339, 1, 0, 5342}}) {
    std::tie(world, score, age, game) = std::tuple(World{}, Score{}, 0, GameGlobals{});
    build();
    run_to(when);  // a second is gone at age 0
    EXPECT_EQ(std::tuple(game.boss_timer, game.boss_active, game.game_won),
              std::tuple(timer, true, false));
    if (points != 0) part(kind_fortress_core).hp = 0;
    while (!game.game_won && age < when + 100) frame();
    EXPECT_EQ(std::tuple(age, score.score, score.hits, world.enemies.size()),
              std::tuple(won, points, points / 12500, size_t{12}))
        << when;
  }
}
