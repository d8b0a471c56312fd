#include "enemies/midboss.h"

#include <string>
#include <tuple>
#include <vector>

#include "enemies/enemy.h"
#include "enemies/waves.h"
#include "fx/bullet.h"
#include "fx/enemy_shots.h"
#include "fx/missile.h"
#include "fx/shell.h"
#include "game/globals.h"
#include "game/hud.h"
#include "game/player.h"
#include "shell/sound.h"
#include "tests/harness.h"

namespace {

constexpr BulletBehaviour star = bullet_star;
// Projectiles as they left: cell from an origin, speed, heading, behaviour.
using Shots = std::vector<std::tuple<int, int, int, int, BulletBehaviour>>;
Shots shots(const World& world, int from_x, int from_y) {
  Shots out;
  for (const auto* list : {&world.enemy_bullets, &world.enemy_missiles}) {
    for (const auto& b : *list) {
      out.emplace_back(b->motion.x - from_x, b->motion.y - from_y,
                       static_cast<int>(b->motion.speed), static_cast<int>(b->motion.heading),
                       b->behaviour);
    }
  }
  return out;
}
int first_sound() {
  return sound_played().empty() ? 0 : sound_played()[0].effect;
}

class Midboss : public GameTest {
 protected:
  World world;
  Score score;
  Enemy& at(size_t i) { return *world.enemies.at(i); }
  // Deaths, then thinking; the lists hold only what this frame fired.
  void frame() {
    list_remove_spent(world.enemies, [this](Enemy& e) { return enemy_reap(e, score); });
    world.enemy_bullets.clear();
    world.enemy_missiles.clear();
    sound_clear_played();
    list_tick(world.enemies, enemy_tick);
  }
  void run_to(const Enemy& e, int age) {
    while (e.age < age) frame();
  }
};

}  // namespace

TEST_F(Midboss, ArrivesWithItsWingsDescendsHoldingFireFiresItsCycleAndTimesOutWorthNothing) {
  auto ship = player_create(25, 55, player_steer, fire_gun, world);
  enemy_spawn(23, -5, kind_midboss, world);
  ASSERT_EQ(world.enemies.size(), 3u);
  Enemy& boss = at(2);
  EXPECT_EQ(
      std::tuple(at(0).think, at(1).think, boss.is_boss, at(0).is_boss, at(0).motion.x,
                 at(0).motion.y, at(1).motion.x, at(1).motion.y),
      std::tuple(+kind_midboss_wing_left, +kind_midboss_wing_right, true, false, 13, -6, 29, -6));
  EXPECT_EQ(std::tuple(game.boss_active, game.boss_hp, game.boss_hp_full, game.boss_timer),
            std::tuple(true, 6000, 6000, 39));
  EXPECT_TRUE(world.enemy_missiles.empty());  // age 0 is a multiple of 250, but it is descending
  while (boss.age < 63) {
    frame();
    ASSERT_TRUE(world.enemy_bullets.empty() && sound_played().empty()) << boss.age;
  }
  // 63 + 62 + ... + 3 hundredths down by age 62: the wings came down 20 rows with it.
  EXPECT_EQ(std::make_tuple(boss.phase, at(0).motion.y, at(1).motion.y),
            std::make_tuple(0, 14, 14));

  // From its cell (gun at 3, 5), on frames when the wings are quiet.
  // clang-format off
  const struct { int age, sound; Shots fired; } frames[] = {
      {64, 18, {{4, 9, 45, 44, star}, {2, 9, 45, 136, star}}},
      {144, 18, {{4, 9, 45, 74, star}, {2, 9, 45, 106, star}}}, {152, 0, {}},
      {210, 17, {{3, 8, 40, 67, star}, {3, 8, 40, 90, star}, {3, 8, 40, 112, star}}},
      {250, 0, {{4, 1, 50, 270, homing_swing}}},
      {608, 18, {{4, 9, 45, 38, star}, {2, 9, 45, 142, star}}}};
  // clang-format on
  for (const auto& f : frames) {
    run_to(boss, f.age);
    EXPECT_EQ(shots(world, game.boss_x, game.boss_y), f.fired) << f.age;
    EXPECT_EQ(first_sound(), f.sound) << f.age;
  }
  EXPECT_EQ(std::make_tuple(boss.motion.vx, boss.motion.vy), std::make_tuple(-10.0, 11.0))
      << "12.5 sin(456 - 150) and 12.5 sin(1824 + 45), truncated";
  for (int age : {1050, 1100}) {
    run_to(boss, age);
    World aimed;  // however a shell aims, it is spawned as this one
    enemy_bullet_spawn(game.boss_x + 3, game.boss_y + 7, 65, 0, shell_aimed, aimed);
    EXPECT_EQ(shots(world, 0, 0), shots(aimed, 0, 0)) << age;
  }

  run_to(boss, 2339);
  EXPECT_EQ(std::make_tuple(game.boss_timer, boss.hp), std::make_tuple(1, 6000));
  frame();
  hud_draw(*ship, score);
  EXPECT_EQ(screen_text(38, 68, 11), "][    0   ]");
  frame();  // the boss goes,
  frame();  // then its wings
  EXPECT_EQ(std::make_tuple(world.enemies.size(), score.score, score.hits, game.boss_active),
            std::make_tuple(0u, 0, 0, false));
}

TEST_F(Midboss, WingsShowDamageInTheirExhaustAndFireByIt) {
  auto wing = [this](EnemyThink think, int hp) -> Enemy& {
    world.enemies.clear();
    game.boss_active = true;  // a boss standing at (20, 10)
    std::tie(game.boss_x, game.boss_y) = std::make_tuple(20, 10);
    enemy_spawn(0, 0, think, world);
    at(0).hp = hp;
    return at(0);
  };
  auto exhaust = [](const Enemy& e, int column) {  // its two rows of three cells
    std::string cells;
    for (int j : {5, 6}) {
      for (int i = column - 1; i <= column + 1; ++i)
        cells += static_cast<char>(enemy_cell(e, i, j));
    }
    return cells;
  };
  // clang-format off
  const struct { int hp, phase; std::string cells; } states[] = {
      {3000, 0, "/o\\\\o/"}, {2999, 1, "/o\\`%'"}, {1500, 1, "/o\\`%'"}, {1499, 2, "\\ /` '"}};
  const struct { int hp, age, sound, speed; BulletBehaviour what; std::vector<int> to; } fire[] = {
      {4500, 125, 0, 60, homing_fast, {90}}, {4500, 305, 18, 50, star, {89, 90}},
      {4500, 310, 18, 50, star, {95, 84}},   {2000, 125, 0, 0, star, {}},
      {2000, 150, 0, 60, homing_fast, {90}}, {2000, 310, 18, 50, star, {95}},
      {1000, 330, 17, 45, star, {45, 67, 90, 112, 135}}};
  // clang-format on
  for (auto [think, x, column] :
       {std::tuple<EnemyThink, int, int>(kind_midboss_wing_left, 10, 7),
        std::tuple<EnemyThink, int, int>(kind_midboss_wing_right, 26, 4)}) {
    Enemy& e = wing(think, 4500);
    for (const auto& s : states) {
      e.hp = s.hp;
      frame();
      EXPECT_EQ(std::make_tuple(e.phase, exhaust(e, column)), std::make_tuple(s.phase, s.cells));
    }
    wing(think, 1000);
    frame();  // both changes in one think
    EXPECT_EQ(exhaust(at(0), column), "\\ /` '");

    for (const auto& v : fire) {
      run_to(wing(think, v.hp), v.age);
      // From four rows under the gun, which stands on the exhaust's column.
      Shots expected;
      for (int h : v.to) expected.emplace_back(column, 7, v.speed, h, v.what);
      EXPECT_EQ(shots(world, x, 9), expected) << v.hp << " at " << v.age;
      EXPECT_EQ(first_sound(), v.sound) << v.hp << " at " << v.age;
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
