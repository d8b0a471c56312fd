#include <map>
#include <string>

#include "enemies/enemy.h"
#include "enemies/fortress.h"
#include "enemies/midboss.h"
#include "enemies/waves.h"
#include "fx/enemy_shots.h"
#include "fx/shell.h"
#include "game/director.h"
#include "tests/harness.h"

namespace {

// Projectiles as they left: column, heading, behaviour.
using Shots = std::vector<std::tuple<int, int, BulletBehaviour>>;

// The bosses played by the frame as the game loop plays them: the wave (if
// any), deaths, thinks. The log holds every frame's shots by age.
class Bosses : public GameTest {
 protected:
  void frame() {
    EXPECT_FALSE(stage.wave && stage_run(stage));  // the fortress never ends
    list_remove_spent(world.enemies, [this](Enemy& e) { return enemy_reap(e, score); });
    world.enemy_bullets.clear();
    world.enemy_missiles.clear();
    list_tick(world.enemies, enemy_tick);
    Shots& shots = log[++age];
    for (const auto* list : {&world.enemy_bullets, &world.enemy_missiles})
      for (const auto& b : *list)
        shots.emplace_back(b->motion.x, int(b->motion.heading), b->behaviour);
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
    for (auto [x, heading, what] : log[at])
      if (what == kind)
        out += (out.empty() ? "" : " ") + std::to_string(x) + "@" + std::to_string(heading);
    return out;
  }
  Enemy& at(size_t i) { return *world.enemies.at(i); }

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

// The exhaust shows the damage from under 3000 and from under 1500 hit points;
// the fire of each phase is left to the golden run.
TEST_F(Midboss, WingsShowDamageInTheirExhaustFromUnder3000AndFromUnder1500HitPoints) {
  std::tie(game.boss_active, game.boss_x, game.boss_y) = std::tuple(true, 20, 10);
  for (auto [think, column] :
       {std::pair(+kind_midboss_wing_left, 7), std::pair(+kind_midboss_wing_right, 4)}) {
    for (auto [hp, exhaust] :
         {std::pair(3000, "/o\\\\o/"), {2999, "/o\\`%'"}, {1500, "/o\\`%'"}, {1499, "\\ /` '"}}) {
      std::tie(world, age) = std::tuple(World{}, 0);
      enemy_spawn(0, 0, think, world);
      at(0).hp = hp;
      run_to(1);
      std::string cells;  // two rows of three cells
      for (int j : {5, 6})
        for (int i = column - 1; i <= column + 1; ++i) cells += char(enemy_cell(at(0), i, j));
      EXPECT_EQ(cells, exhaust) << hp;
    }
  }
}

// Its death leaves no time or health on the display; its scoring, and the wings
// dying with it, are left to the golden run.
TEST_F(Midboss, TheWaveEndsAfterTheBossDiesButNotBeforeFrame201) {
  Stage wave{0, wave_midboss, &world};  // run here, not by frame()
  int over_at = -1;
  for (; wave.ticks <= 400 && over_at < 0; ++wave.ticks) {
    if (wave_midboss(wave)) over_at = wave.ticks;
    if (wave.ticks == 150) enemy_damage(*world.enemies.back(), 6000);
    frame();
  }
  EXPECT_EQ(std::tuple(over_at, game.boss_timer, game.boss_hp), std::tuple(201, 0, 0));
}

// Four diagonal shells more once both arms are gone, and the turrets hold their
// fire with the ship on row 25; their sweeps, and the core's healing, are left
// to the golden run.
TEST_F(Fortress, TheCoreFiresFourDiagonalShellsMoreOnceBothArmsAreGone) {
  game.player_y = 25;  // the turrets hold their fire
  build();
  run_to(300);
  for (EnemyThink kind : {kind_core_shield, kind_arm_left, kind_arm_right}) part(kind).hp = 0;
  run_to(900);
  for (auto [at, shells] :
       {std::pair(800, "21@230"), {840, "21@310"}, {850, "29@310"}, {890, "29@230"}})
    EXPECT_EQ(fired(at, shell_quiet), shells) << "age " << at;
  size_t turret_fire = 0;
  for (const auto& [at, shots] : log)
    turret_fire += std::ranges::count(shots, +bullet_aimed, [](auto& s) { return std::get<2>(s); });
  EXPECT_EQ(turret_fire, 0u);
}

// Out of time it dies worth nothing, its parts with it, the walls stand, and
// the game is won the frame after; shot down, it is left to the golden run, and
// frame 251 to the waves' test.
TEST_F(Fortress, TheCoreRunsOutOfTimeAtAge5340WorthNothingAndTheGameIsWonTheFrameAfter) {
  build();
  run_to(5339);  // a second is gone at age 0
  EXPECT_EQ(std::tuple(game.boss_timer, game.boss_active, game.game_won),
            std::tuple(1, true, false));
  while (!game.game_won && age < 5439) frame();
  EXPECT_EQ(std::tuple(age, score.score, score.hits, world.enemies.size()),
            std::tuple(5342, 0, 0, size_t{12}));
}
