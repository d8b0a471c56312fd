#include "enemies/enemy.h"

#include <memory>
#include <tuple>
#include <vector>

#include "enemies/fortress.h"
#include "fx/explosions.h"
#include "game/globals.h"
#include "tests/harness.h"

namespace {

// What the probe kind saw on each think: age, hp_max and how many enemies were listed.
std::vector<std::tuple<int, int, size_t>> probe_seen;
int missile_calls = 0;

// A 3 x 2 ship with one empty cell in each row, gun cell (2, 1).
void kind_probe(Enemy& enemy) {
  probe_seen.emplace_back(enemy.age, enemy.hp_max, enemy.world->enemies.size());
  if (enemy.age != 0) return;
  const char* const rows[] = {"A B", " C "};
  enemy_set_sprite(enemy, 3, 2, rows);
  enemy.hp = 10;
  enemy.score = 100;
  enemy.gun_dx = 2;
  enemy.gun_dy = 1;
  enemy.death_effect = effect_fireball;
  enemy.hit = true;  // the spawn must clear what set-up leaves here
}

// One cell standing still, worth nothing.
void kind_still(Enemy& enemy) {
  if (enemy.age != 0) return;
  const char* const rows[] = {"#"};
  enemy_set_sprite(enemy, 1, 1, rows);
  enemy.hp = 5;
}

class EnemyTest : public GameTest {
 protected:
  void reap() {
    list_remove_spent(world.enemies, [this](Enemy& e) { return enemy_reap(e, score); });
  }

  World world;
  Score score;
};

const TCOD_color_t kFullHealth{79, 124, 246}, kHalfHealth{136, 242, 70};

auto boss_globals() {
  return std::make_tuple(game.boss_active, game.boss_hp, game.boss_timer);
}

}  // namespace

TEST_F(EnemyTest, SpawnSetsUpAtAgeZeroBeforeListingThenATickThinksMovesAndDrawsItsColour) {
  probe_seen.clear();
  // Marks where the sprite's empty cells fall after a step: they must survive the draw.
  TCOD_console_put_char_ex(nullptr, 22, 30, '.', TCOD_red, TCOD_black);
  TCOD_console_put_char_ex(nullptr, 21, 31, '.', TCOD_red, TCOD_black);
  enemy_spawn(20, 30, kind_probe, world);
  Enemy& e = *world.enemies.at(0);
  // Full health is taken, and the enemy listed, only after the set-up.
  EXPECT_EQ(probe_seen.at(0), std::make_tuple(0, 0, size_t{0}));
  EXPECT_EQ(std::make_tuple(e.hp_max, e.hit), std::make_tuple(10, false));
  enemy_damage(e, 5);
  EXPECT_TRUE(e.hit);
  motion_set(e.motion, 100, 0);  // one cell right a frame
  enemy_tick(e);
  EXPECT_EQ(std::get<0>(probe_seen.at(1)), 1);
  EXPECT_FALSE(e.hit);
  EXPECT_EQ(screen_text(20, 30, 4), " A.B") << screen_dump(29, 32);
  EXPECT_EQ(screen_text(20, 31, 4), " .C ") << screen_dump(29, 32);
  EXPECT_EQ(cell_fg(22, 30), TCOD_red);
  for (int x : {21, 23}) EXPECT_EQ(cell_fg(x, 30), kHalfHealth) << x;  // damage shows at once
  EXPECT_EQ(cell_fg(22, 31), kHalfHealth);
  e.invulnerable = true;
  enemy_tick(e);
  EXPECT_EQ(cell_fg(23, 31), TCOD_silver);
}

TEST(EnemyHealthColour, SlidesThroughTheHueCircleAndReadsUnharmedWithoutFullHealthOnRecord) {
  const struct {
    int hp, hp_max;
    TCOD_color_t colour;
  } cases[] = {{100, 100, kFullHealth}, {50, 100, kHalfHealth}, {0, 100, {236, 63, 150}},
               {10, 10, kFullHealth},   {0, 0, kFullHealth},    {7, 0, kFullHealth},
               {-3, 0, kFullHealth}};
  for (const auto& c : cases) {
    EXPECT_EQ(health_colour(c.hp, c.hp_max), c.colour) << c.hp << " of " << c.hp_max;
  }
}

TEST_F(EnemyTest, CullTakesEnemiesOutOfPlayOnlyAfterTheirFiftiethFrame) {
  enemy_spawn(10, -50, kind_still, world);
  enemy_spawn(20, -51, kind_still, world);
  for (int frame = 1; frame <= 150; ++frame) {
    list_tick(world.enemies, enemy_tick);
    list_remove_spent(world.enemies, enemy_cull);
    ASSERT_EQ(world.enemies.size(), frame <= 50 ? 2u : 1u) << "frame " << frame;
  }
  EXPECT_EQ(world.enemies.at(0)->motion.y, -50);

  // The play area reaches four cells past the sides and the bottom of the 50 x 70 console.
  const struct {
    int x, y;
    bool kept;
  } cases[] = {{54, 10, true}, {55, 10, false}, {-4, 10, true},  {-5, 10, false},
               {10, 74, true}, {10, 75, false}, {-5, 75, false}, {54, 74, true}};
  for (const auto& c : cases) {
    World one;
    enemy_spawn(c.x, c.y, kind_still, one);
    one.enemies.back()->age = 51;
    list_remove_spent(one.enemies, enemy_cull);
    EXPECT_EQ(one.enemies.size(), c.kept ? 1u : 0u) << "at " << c.x << ", " << c.y;
  }
}

TEST_F(EnemyTest, DeathExplodesAtTheGunCellInItsColourScoresOnlyWorthyKillsAndEndsTheBoss) {
  game.boss_active = true;
  game.boss_hp = 50;
  game.boss_timer = 90;
  enemy_spawn(5, 6, kind_still, world);
  enemy_spawn(20, 30, kind_probe, world);
  Enemy& probe = *world.enemies.back();
  probe.is_boss = true;
  enemy_damage(probe, 3);
  enemy_tick(probe);  // takes the colour of 7 hp out of 10
  enemy_damage(*world.enemies[0], 9);
  EXPECT_EQ(world.enemies[0]->hp, -4);  // damage neither clamps nor kills
  score.multiplier = 1.5;
  reap();
  EXPECT_EQ(world.enemies.size(), 1u);
  const Effect& dud = *world.explosions.at(0);
  EXPECT_EQ(std::tie(dud.motion.x, dud.motion.y, dud.routine),
            std::make_tuple(5, 6, effect_nothing));
  EXPECT_EQ(std::make_tuple(score.score, score.multiplier, score.hits), std::make_tuple(0, 1.5, 0));
  EXPECT_EQ(boss_globals(), std::make_tuple(true, 50, 90));  // an ordinary death leaves it alone

  enemy_damage(probe, 7);
  reap();
  EXPECT_TRUE(world.enemies.empty());
  ASSERT_EQ(world.explosions.size(), 2u);
  const Effect& boom = *world.explosions[1];
  EXPECT_EQ(std::make_tuple(boom.motion.x, boom.motion.y, boom.timer, boom.routine),
            std::make_tuple(22, 31, 30, effect_fireball));
  EXPECT_EQ(boom.colour, health_colour(7, 10));
  EXPECT_EQ(std::make_tuple(score.score, score.multiplier, score.hits),
            std::make_tuple(150, 1.6, 1));
  EXPECT_EQ(boss_globals(), std::make_tuple(false, 0, 0));
}

TEST_F(EnemyTest, FortressPartsReportTheirDeathsAndNoDeathInARowIsSkipped) {
  game.arms_left = 2;
  game.core_shield_up = true;
  // Built in place at hp 0: the parts' own set-up is not what is under test.
  auto dead_part = [this](EnemyThink think) {
    auto e = std::make_unique<Enemy>();
    e->think = think;
    e->world = &world;
    world.enemies.push_back(std::move(e));
  };
  for (EnemyThink think : {kind_arm_left, kind_still, kind_arm_right}) dead_part(think);
  reap();
  EXPECT_EQ(std::make_tuple(game.arms_left, game.core_shield_up), std::make_tuple(0, true));
  dead_part(kind_core_shield);
  reap();
  EXPECT_EQ(std::make_tuple(game.arms_left, game.core_shield_up), std::make_tuple(0, false));
  EXPECT_TRUE(world.enemies.empty());
}

TEST_F(EnemyTest, MissileIsListedWithoutRunningItsBehaviour) {
  BulletBehaviour count = [](Bullet&) { ++missile_calls; };
  missile_calls = 0;
  enemy_missile_spawn(12, 7, 70, 90, count, world);
  EXPECT_EQ(missile_calls, 0);
  const Bullet& m = *world.enemy_missiles.at(0);
  EXPECT_EQ(std::make_tuple(m.damage, m.life, m.grazed, m.age), std::make_tuple(10, 18, 10, 0));
  EXPECT_EQ(std::make_tuple(m.motion.x, m.motion.y, m.motion.speed, m.motion.heading),
            std::make_tuple(12, 7, 70.0, 90.0));
  EXPECT_EQ(std::make_tuple(m.glyph.ch, m.behaviour, m.world), std::make_tuple(0, count, &world));
  EXPECT_EQ(m.glyph.colour, TCOD_white);
}

TEST(EnemySprite, ContactCountsSolidCellsAndTheCellAboveEachButNothingOutside) {
  Enemy e;
  const char* const rows[] = {"A  ", "   ", " B"};  // the last row is short
  enemy_set_sprite(e, 3, 3, rows);
  EXPECT_EQ(std::make_tuple(enemy_cell(e, 0, 0), enemy_cell(e, 1, 2), enemy_cell(e, 2, 2)),
            std::make_tuple('A', 'B', ' '));
  const struct {
    int i, j;
    bool touches;
  } cases[] = {{0, 0, true},   {1, 2, true},   {1, 1, true},  // solid, solid, just above B
               {1, 0, false},  {0, 1, false},  {0, 2, false}, {2, 1, false},
               {0, -1, false}, {-1, 0, false}, {3, 2, false}, {1, 3, false}};
  for (const auto& c : cases) {
    EXPECT_EQ(enemy_contact(e, c.i, c.j), c.touches) << c.i << ", " << c.j;
  }
  const int outside[][2] = {{-1, 0}, {3, 0}, {0, 3}};
  for (const auto& [i, j] : outside) {
    EXPECT_EQ(enemy_cell(e, i, j), ' ') << i << ", " << j;
    enemy_set_cell(e, i, j, 'Z');  // ignored outside
  }
  EXPECT_EQ(e.sprite, (std::vector<int32_t>{'A', ' ', ' ', ' ', ' ', 'B', ' ', ' ', ' '}));
  enemy_set_cell(e, 2, 0, 179);
  EXPECT_EQ(enemy_cell(e, 2, 0), 179);
}
