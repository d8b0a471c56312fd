#include "enemies/fortress.h"

#include <string>
#include <tuple>
#include <vector>

#include "enemies/enemy.h"
#include "enemies/waves.h"
#include "fx/enemy_shots.h"
#include "fx/missile.h"
#include "fx/shell.h"
#include "game/globals.h"
#include "tests/harness.h"

namespace {

struct Shot {
  int age;  // of the parts, on the frame it was fired
  BulletBehaviour behaviour;
  int x, y, speed, heading;
};

class Fortress : public GameTest {
 protected:
  // The enemies' share of a frame in the loop's order (wave, deaths, thinks); shots are logged.
  void frame() {
    wave_fortress(stage);
    ++stage.ticks;
    list_remove_spent(world.enemies, [this](Enemy& e) { return enemy_reap(e, score); });
    list_tick(world.enemies, enemy_tick);
    ++age;
    for (auto* list : {&world.enemy_bullets, &world.enemy_missiles}) {
      for (auto& b : *list) {
        const Motion& m = b->motion;
        shots.push_back({age, b->behaviour, m.x, m.y, int(m.speed), int(m.heading)});
      }
      list->clear();
    }
  }
  void run_to(int last_age) {
    while (age < last_age) frame();
  }
  void build() {  // what the arrival frame fires is left out
    stage.ticks = 200;
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
      out += (out.empty() ? "" : " ") + std::to_string(s.x) + "@" + std::to_string(s.heading);
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

  World world;
  Stage stage{.ticks = 201, .wave = nullptr, .world = &world};  // past the building frame
  Score score;
  int age = 0;
  std::vector<Shot> shots;
};

}  // namespace

TEST_F(Fortress, FrameTwoHundredBuildsTwentyPartsThatLandTogether) {
  const std::tuple<EnemyThink, int, int> cells[] = {
      {kind_fortress_core, 17, -40}, {kind_bulwark_left, 0, -25}, {kind_bulwark_right, 30, -25},
      {kind_core_shield, 20, -25},   {kind_pillar, 10, -30},      {kind_pillar, 10, -35},
      {kind_pillar, 10, -40},        {kind_pillar, 10, -45},      {kind_pillar, 10, -50},
      {kind_pillar, 39, -30},        {kind_pillar, 39, -35},      {kind_pillar, 39, -40},
      {kind_pillar, 39, -45},        {kind_pillar, 39, -50},      {kind_turret, 5, -20},
      {kind_turret, 15, -20},        {kind_turret, 42, -20},      {kind_turret, 32, -20},
      {kind_arm_right, 30, -40},     {kind_arm_left, 11, -35}};
  build();
  ASSERT_EQ(world.enemies.size(), 20u);
  // Braking from 70 on every even age from the spawn on: 69 + 2 x (68 + ... + 1) hundredths.
  for (auto [at, speed, phase] : {std::tuple{1, 69, 0}, {2, 68, 0}, {137, 1, 0}, {138, 0, 1}}) {
    run_to(at);
    for (auto& e : world.enemies) {
      EXPECT_EQ(std::tuple(int(e->motion.speed), e->phase), std::tuple(speed, phase)) << at;
    }
  }
  run_to(300);
  for (size_t i = 0; i < 20; ++i) {
    const Enemy& e = *world.enemies[i];
    auto [kind, x, y] = cells[i];
    EXPECT_EQ(std::tuple(e.think, e.motion.x, e.motion.y), std::tuple(kind, x, y + 47)) << i;
  }
}

TEST_F(Fortress, TheCoreHealsByItsArmsHoldsFireBehindThePlateThenSweepsFlamesAndRaisesShells) {
  game.player_y = 25;  // the turrets hold their fire
  build();
  Enemy& core = part(kind_fortress_core);  // lands on (17, 7)
  EXPECT_EQ(std::tuple(core.hp, game.boss_hp, game.boss_hp_full), std::tuple(1007, 1007, 10000));
  run_to(300);
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

// Shot down at 200 it scores alone, or out of time it blows up worth nothing;
// either way the parts die with it worth nothing, the walls stand and the
// game is won.
TEST_F(Fortress, TheCoreDiesShotDownOrOutOfTimeAndThePartsFollowItWithoutPoints) {
  for (auto [at, timer, points] : {std::tuple{200, 86, 12500}, {5339, 1, 0}}) {
    std::tie(world, score, age, stage.ticks, game) =
        std::tuple(World{}, Score{}, 0, 201, GameGlobals{});
    build();
    EXPECT_EQ(game.boss_timer, 89);  // one second gone at age 0
    run_to(at);
    EXPECT_EQ(std::tuple(game.boss_timer, game.boss_active, game.game_won),
              std::tuple(timer, true, false));
    if (points != 0) part(kind_fortress_core).hp = 0;
    run_to(at + 4);
    EXPECT_EQ(std::tuple(score.score, score.hits, world.enemies.size(), game.game_won),
              std::tuple(points, points / 12500, size_t{12}, true))
        << at;
  }
}
