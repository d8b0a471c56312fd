#include <map>
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

// The bosses played by the frame as the game loop plays them: the wave (if any), deaths, thinks.
// The lists and sounds hold what the frame fired, and the log every frame's shots by age.
class Bosses : public GameTest {
 protected:
  void frame() {
    EXPECT_FALSE(stage.wave && stage_run(stage));  // the fortress never ends
    list_remove_spent(world.enemies, [this](Enemy& e) { return enemy_reap(e, score); });
    world.enemy_bullets.clear();
    world.enemy_missiles.clear();
    sound_clear_played();
    list_tick(world.enemies, enemy_tick);
    log[++age] = volley(world, 0, 0);
  }
  void run_to(int last_age) {
    while (age < last_age) frame();
  }
  void build() {  // what the arrival frame fires is left out
    stage = Stage{200, wave_fortress, &world};
    run_to(1);
    log.clear();
  }
  Enemy& part(EnemyThink kind) {
    return **std::ranges::find(world.enemies, kind, [](auto& e) { return e->think; });
  }
  // What was fired at an age, as "column@heading" in order of spawning.
  std::string fired(int at, BulletBehaviour kind) {
    std::string out;
    for (auto [x, y, speed, heading, what] : log[at])
      if (what == kind)
        out += (out.empty() ? "" : " ") + std::to_string(x) + "@" + std::to_string(heading);
    return out;
  }
  void expect_fired(BulletBehaviour kind,
                    std::initializer_list<std::pair<int, const char*>> table) {
    for (auto [at, expected] : table) EXPECT_EQ(fired(at, kind), expected) << "age " << at;
  }
  Enemy& at(size_t i) { return *world.enemies.at(i); }
  int first_sound() { return sound_played().empty() ? 0 : sound_played()[0].effect; }

  World world;
  Stage stage{0, nullptr, &world};
  Score score;
  int age = 0;
  std::map<int, Shots> log;
};

using Midboss = Bosses;
using Fortress = Bosses;

}  // namespace

TEST_F(Midboss, TimesOutAtAge2340WorthNothingAndTakesItsWingsWithIt) {
  enemy_spawn(23, -5, kind_midboss, world);
  run_to(2339);
  EXPECT_EQ(game.boss_timer, 1);
  run_to(2342);  // out of time at 2340: the boss goes, then its wings
  EXPECT_EQ(std::make_tuple(world.enemies.size(), score.score, score.hits, game.boss_active),
            std::make_tuple(0u, 0, 0, false));
}

TEST_F(Midboss, WingsShowDamageInTheirExhaustAndFireByIt) {
  std::tie(game.boss_active, game.boss_x, game.boss_y) = std::tuple(true, 20, 10);
  // By phase, its exhaust: whole, scorched at the foot, burnt out.
  const std::string pictures[] = {"/o\\\\o/", "/o\\`%'", "\\ /` '"};
  // clang-format off
  const struct { int hp, phase, age, sound, speed; BulletBehaviour what; std::vector<int> to; }
  fire[] = {
      {3000, 0, 125, 0, 60, homing_fast, {90}}, {3000, 0, 305, 18, 50, star, {89, 90}},
      {2999, 1, 125, 0, 0, star, {}},           {1500, 1, 150, 0, 60, homing_fast, {90}},
      {1500, 1, 310, 18, 50, star, {95}},       {1499, 2, 1, 0, 0, star, {}},  // both at once
      {1499, 2, 330, 17, 45, star, {45, 67, 90, 112, 135}}};
  // clang-format on
  for (auto [think, x, column] :
       {std::tuple<EnemyThink, int, int>(kind_midboss_wing_left, 10, 7),
        std::tuple<EnemyThink, int, int>(kind_midboss_wing_right, 26, 4)}) {
    for (const auto& v : fire) {
      std::tie(world, age) = std::tuple(World{}, 0);
      enemy_spawn(0, 0, think, world);
      at(0).hp = v.hp;
      run_to(v.age);
      std::string exhaust;  // two rows of three cells
      for (int j : {5, 6})
        for (int i = column - 1; i <= column + 1; ++i) exhaust += char(enemy_cell(at(0), i, j));
      // From four rows under the gun, which stands on the exhaust's column.
      Shots expected;
      for (int h : v.to) expected.emplace_back(column, 7, v.speed, h, v.what);
      EXPECT_EQ(std::tuple(volley(world, x, 9), first_sound(), exhaust),
                std::tuple(expected, v.sound, pictures[v.phase]))
          << v.hp << " at " << v.age;
    }
  }
}

TEST_F(Midboss, WaveEndsAfterTheBossDiesNotBeforeFrame201AndOnlyWingsShotFirstScore) {
  const struct {
    int wing_at, boss_at, over_at, score, hits;
  } cases[] = {{120, 150, 201, 2500 + 11000, 2}, {-1, 250, 251, 10000, 1}, {-1, -1, -1, 0, 0}};
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

// Four diagonal shells more once both arms are gone; its healing is left to the golden run.
TEST_F(Fortress, TheCoreFiresFourDiagonalShellsMoreOnceBothArmsAreGone) {
  game.player_y = 25;  // the turrets hold their fire
  build();
  run_to(300);
  for (EnemyThink kind : {kind_core_shield, kind_arm_left, kind_arm_right}) part(kind).hp = 0;
  run_to(900);
  expect_fired(shell_quiet, {{800, "21@230"}, {840, "21@310"}, {850, "29@310"}, {890, "29@230"}});
}

TEST_F(Fortress, TurretsFireOnceLandedAtALowShipAndSweepByTheirColumn) {
  game.boss_active = true;
  game.player_y = 26;
  for (int x : {5, 15, 25, 32, 35, 42}) enemy_spawn(x, 0, kind_turret, world);
  run_to(900);
  // Landed on row 47 at 138; the guns at (x + 1, 48); columns 25 and 35 neither sweep nor launch.
  EXPECT_EQ(std::pair(log[139].size(), log[140].size()), std::pair(size_t{0}, size_t{12}));
  expect_fired(bullet_star, {{600, ""},
                             {605, "6@133 16@100 33@80 43@47"},
                             {700, "6@95 16@84 33@96 43@85"},
                             {900, "6@135 16@100 33@80 43@45"}});
  expect_fired(homing_slow, {{600, ""}, {650, "16@90 33@90"}, {900, "6@150 43@30"}});
}

// Shot down it scores alone, out of time worth nothing; the parts die with it worth nothing, the
// walls stand, and the game is won the frame after, never before the wave's frame 251 (age 52).
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
