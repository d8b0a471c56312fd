#include "enemies/enemy.h"

#include <memory>
#include <vector>

#include "enemies/fortress.h"
#include "fx/explosions.h"
#include "game/globals.h"
#include "game/screen.h"
#include "tests/harness.h"

namespace {

// What the probe kind saw on each of its thinks.
struct ThinkSeen {
  int age;
  int hp_max;
  size_t enemies_listed;
};
std::vector<ThinkSeen> probe_seen;

// A 3 x 2 ship with one empty cell in each row, gun cell (1, 1).
const char* const kProbeRows[] = {"A B", " C "};

void kind_probe(Enemy& enemy) {
  probe_seen.push_back({enemy.age, enemy.hp_max, enemy.world->enemies.size()});
  if (enemy.age != 0) return;
  enemy_set_sprite(enemy, 3, 2, kProbeRows);
  enemy.hp = 10;
  enemy.score = 100;
  enemy.gun_dx = 1;
  enemy.gun_dy = 1;
  enemy.death_effect = effect_fireball;
  enemy.hit = true;  // the spawn must clear what set-up leaves here
}

// Flies right one cell a frame.
void kind_runner(Enemy& enemy) {
  if (enemy.age != 0) return;
  const char* const rows[] = {"#"};
  enemy_set_sprite(enemy, 1, 1, rows);
  enemy.hp = 4;
  motion_set(enemy.motion, 100, 0);
}

// Stands still and is worth nothing.
void kind_still(Enemy& enemy) {
  if (enemy.age != 0) return;
  const char* const rows[] = {"#"};
  enemy_set_sprite(enemy, 1, 1, rows);
  enemy.hp = 5;
  enemy.score = 0;
}

void kind_boss(Enemy& enemy) {
  if (enemy.age != 0) return;
  const char* const rows[] = {"BB"};
  enemy_set_sprite(enemy, 2, 1, rows);
  enemy.hp = 50;
  enemy.score = 1000;
  enemy.is_boss = true;
  game.boss_active = true;
  game.boss_hp = 50;
  game.boss_timer = 90;
}

int missile_calls = 0;
void count_missile_calls(Bullet&) {
  ++missile_calls;
}

class EnemyTest : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    probe_seen.clear();
    missile_calls = 0;
  }
  void cull() { list_remove_spent(world.enemies, enemy_cull); }
  void reap() {
    list_remove_spent(world.enemies, [this](Enemy& e) { return enemy_reap(e, score); });
  }
  Enemy& last() { return *world.enemies.back(); }

  World world;
  Score score;
};

const TCOD_color_t kFullHealth{79, 124, 246};
const TCOD_color_t kHalfHealth{136, 242, 70};
const TCOD_color_t kNoHealth{236, 63, 150};

}  // namespace

TEST_F(EnemyTest, SpawnRunsTheSetUpAtAgeZeroBeforeTheEnemyIsListed) {
  enemy_spawn(10, -3, kind_probe, world);

  ASSERT_EQ(probe_seen.size(), 1u);
  EXPECT_EQ(probe_seen[0].age, 0);
  EXPECT_EQ(probe_seen[0].hp_max, 0);           // full health is taken after set-up
  EXPECT_EQ(probe_seen[0].enemies_listed, 0u);  // pushed only after set-up
  ASSERT_EQ(world.enemies.size(), 1u);
  Enemy& e = last();
  EXPECT_EQ(e.hp_max, 10);
  EXPECT_FALSE(e.hit);
  EXPECT_EQ(e.age, 0);
  EXPECT_EQ(e.motion.x, 10);
  EXPECT_EQ(e.motion.y, -3);
  EXPECT_EQ(e.motion.speed, 0);
  EXPECT_EQ(e.glyph.ch, '*');
  EXPECT_EQ(e.world, &world);
}

TEST_F(EnemyTest, FirstFrameThinksAtAgeOneThenMovesThenDraws) {
  enemy_spawn(10, 20, kind_runner, world);
  Enemy& e = last();
  enemy_tick(e);
  EXPECT_EQ(e.age, 1);
  EXPECT_EQ(e.motion.x, 11);
  EXPECT_EQ(cell_char(11, 20), '#');
  EXPECT_EQ(cell_char(10, 20), ' ');

  enemy_spawn(5, 5, kind_probe, world);
  enemy_tick(last());
  ASSERT_EQ(probe_seen.size(), 2u);
  EXPECT_EQ(probe_seen[1].age, 1);
}

TEST_F(EnemyTest, DrawsEverySolidCellAtItsOffsetAndLeavesSpacesAlone) {
  // Marks where the sprite's empty cells fall: they must survive the draw.
  TCOD_console_put_char_ex(nullptr, 21, 30, '.', TCOD_red, TCOD_black);
  TCOD_console_put_char_ex(nullptr, 20, 31, '.', TCOD_red, TCOD_black);
  enemy_spawn(20, 30, kind_probe, world);
  enemy_tick(last());

  EXPECT_EQ(screen_text(20, 30, 3), "A.B") << screen_dump(29, 32);
  EXPECT_EQ(screen_text(20, 31, 3), ".C ") << screen_dump(29, 32);
  EXPECT_EQ(cell_fg(21, 30), TCOD_red);
  EXPECT_EQ(cell_fg(20, 30), kFullHealth);
  EXPECT_EQ(cell_fg(22, 30), kFullHealth);
  EXPECT_EQ(cell_fg(21, 31), kFullHealth);
}

TEST_F(EnemyTest, ColourFollowsDamageAtOnceAndSilverWhileInvulnerable) {
  enemy_spawn(20, 30, kind_probe, world);
  Enemy& e = last();
  enemy_damage(e, 5);
  EXPECT_EQ(e.hp, 5);
  EXPECT_TRUE(e.hit);
  enemy_tick(e);
  EXPECT_FALSE(e.hit);
  EXPECT_EQ(e.colour, kHalfHealth);
  EXPECT_EQ(cell_fg(20, 30), kHalfHealth);

  e.invulnerable = true;
  enemy_tick(e);
  EXPECT_EQ(e.colour, TCOD_silver);
  EXPECT_EQ(cell_fg(21, 31), TCOD_silver);
}

TEST(EnemyHealthColour, SlidesThroughTheHueCircle) {
  EXPECT_EQ(health_colour(100, 100), kFullHealth);
  EXPECT_EQ(health_colour(50, 100), kHalfHealth);
  EXPECT_EQ(health_colour(0, 100), kNoHealth);
  EXPECT_EQ(health_colour(10, 10), kFullHealth);
}

TEST(EnemyHealthColour, NoFullHealthOnRecordReadsAsUnharmed) {
  EXPECT_EQ(health_colour(0, 0), kFullHealth);
  EXPECT_EQ(health_colour(7, 0), kFullHealth);
  EXPECT_EQ(health_colour(-3, 0), kFullHealth);
}

TEST_F(EnemyTest, DamageNeitherKillsNorClamps) {
  enemy_spawn(0, 0, kind_still, world);
  enemy_damage(last(), 9);
  EXPECT_EQ(last().hp, -4);
  EXPECT_EQ(world.enemies.size(), 1u);
}

TEST_F(EnemyTest, EnemiesAboveTheTopStayUntilTheirFiftiethFrameHasPassed) {
  enemy_spawn(10, -50, kind_still, world);
  enemy_spawn(20, -51, kind_still, world);
  Enemy* high = world.enemies[1].get();
  for (int frame = 1; frame <= 50; ++frame) {
    cull();
    list_tick(world.enemies, enemy_tick);
  }
  cull();
  ASSERT_EQ(world.enemies.size(), 2u) << "removed at age 50";
  EXPECT_EQ(high->age, 50);

  list_tick(world.enemies, enemy_tick);
  cull();
  ASSERT_EQ(world.enemies.size(), 1u);
  EXPECT_EQ(last().motion.y, -50);
  for (int frame = 0; frame < 100; ++frame) {
    list_tick(world.enemies, enemy_tick);
    cull();
  }
  EXPECT_EQ(world.enemies.size(), 1u);
}

TEST_F(EnemyTest, PlayAreaReachesFourCellsPastTheSidesAndTheBottom) {
  struct Case {
    int x, y;
    bool kept;
  } cases[] = {
      {kScreenWidth + 4, 10, true},
      {kScreenWidth + 5, 10, false},
      {-4, 10, true},
      {-5, 10, false},
      {10, kScreenHeight + 4, true},
      {10, kScreenHeight + 5, false},
      {-5, kScreenHeight + 5, false},
      {kScreenWidth + 4, kScreenHeight + 4, true},
  };
  for (const Case& c : cases) {
    World one;
    enemy_spawn(c.x, c.y, kind_still, one);
    one.enemies.back()->age = 51;
    list_remove_spent(one.enemies, enemy_cull);
    EXPECT_EQ(one.enemies.size(), c.kept ? 1u : 0u) << "at " << c.x << ", " << c.y;
  }
}

TEST_F(EnemyTest, LivingEnemyIsNotReaped) {
  enemy_spawn(20, 30, kind_probe, world);
  enemy_damage(last(), 9);
  reap();
  EXPECT_EQ(world.enemies.size(), 1u);
  EXPECT_TRUE(world.explosions.empty());
  EXPECT_EQ(score.score, 0);
}

TEST_F(EnemyTest, DeathExplodesAtTheGunCellAndScoresTheScaledPoints) {
  enemy_spawn(20, 30, kind_still, world);
  enemy_spawn(20, 30, kind_probe, world);
  Enemy& e = last();
  enemy_damage(e, 3);
  enemy_tick(e);  // takes the colour of 7 hp out of 10
  TCOD_color_t worn = e.colour;
  enemy_damage(e, 7);
  score.multiplier = 1.5;
  reap();

  ASSERT_EQ(world.enemies.size(), 1u);
  EXPECT_EQ(last().think, kind_still);
  ASSERT_EQ(world.explosions.size(), 1u);
  const Effect& boom = *world.explosions[0];
  EXPECT_EQ(boom.motion.x, 21);
  EXPECT_EQ(boom.motion.y, 31);
  EXPECT_EQ(boom.timer, 30);
  EXPECT_EQ(boom.routine, effect_fireball);
  EXPECT_EQ(boom.colour, worn);
  EXPECT_EQ(boom.colour, health_colour(7, 10));
  EXPECT_EQ(score.score, 150);
  EXPECT_DOUBLE_EQ(score.multiplier, 1.6);
  EXPECT_EQ(score.hits, 1);
}

TEST_F(EnemyTest, WorthlessKillStillExplodesButCountsNothing) {
  enemy_spawn(5, 6, kind_still, world);
  enemy_damage(last(), 5);
  score.multiplier = 2.0;
  reap();
  EXPECT_TRUE(world.enemies.empty());
  ASSERT_EQ(world.explosions.size(), 1u);
  EXPECT_EQ(world.explosions[0]->routine, effect_nothing);
  EXPECT_EQ(score.score, 0);
  EXPECT_DOUBLE_EQ(score.multiplier, 2.0);
  EXPECT_EQ(score.hits, 0);
}

TEST_F(EnemyTest, BossDeathClearsTheBossOfRecord) {
  enemy_spawn(20, 5, kind_boss, world);
  last().hp = 0;
  reap();
  EXPECT_FALSE(game.boss_active);
  EXPECT_EQ(game.boss_hp, 0);
  EXPECT_EQ(game.boss_timer, 0);
  EXPECT_EQ(score.score, 1000);
}

TEST_F(EnemyTest, OrdinaryDeathLeavesTheBossAlone) {
  enemy_spawn(20, 5, kind_boss, world);
  enemy_spawn(20, 5, kind_still, world);
  last().hp = 0;
  reap();
  EXPECT_TRUE(game.boss_active);
  EXPECT_EQ(game.boss_hp, 50);
  EXPECT_EQ(game.boss_timer, 90);
}

TEST_F(EnemyTest, FortressPartsReportTheirDeaths) {
  // Built in place: the parts' own set-up is not what is under test.
  auto part = [this](EnemyThink think) {
    auto e = std::make_unique<Enemy>();
    e->think = think;
    e->death_effect = effect_nothing;
    e->world = &world;
    world.enemies.push_back(std::move(e));
  };
  game.arms_left = 2;
  game.core_shield_up = true;
  part(kind_arm_left);
  part(kind_still);
  part(kind_arm_right);
  reap();
  EXPECT_EQ(game.arms_left, 0);
  EXPECT_TRUE(game.core_shield_up);
  EXPECT_TRUE(world.enemies.empty());

  part(kind_core_shield);
  reap();
  EXPECT_FALSE(game.core_shield_up);
  EXPECT_EQ(game.arms_left, 0);
}

TEST_F(EnemyTest, MissileIsListedWithoutRunningItsBehaviour) {
  enemy_missile_spawn(12, 7, 70, 90, count_missile_calls, world);
  EXPECT_EQ(missile_calls, 0);
  ASSERT_EQ(world.enemy_missiles.size(), 1u);
  const Bullet& m = *world.enemy_missiles[0];
  EXPECT_EQ(m.damage, 10);
  EXPECT_EQ(m.life, 18);
  EXPECT_EQ(m.grazed, 10);
  EXPECT_EQ(m.age, 0);
  EXPECT_EQ(m.glyph.ch, 0);
  EXPECT_EQ(m.glyph.colour, TCOD_white);
  EXPECT_EQ(m.motion.x, 12);
  EXPECT_EQ(m.motion.y, 7);
  EXPECT_EQ(m.motion.speed, 70);
  EXPECT_EQ(m.motion.heading, 90);
  EXPECT_EQ(m.behaviour, count_missile_calls);
  EXPECT_EQ(m.world, &world);
  EXPECT_TRUE(world.enemy_bullets.empty());
}

TEST(EnemySprite, ContactCountsSolidCellsAndTheCellAboveEach) {
  Enemy e;
  const char* const rows[] = {"A  ", "   ", " B"};  // the last row is short
  enemy_set_sprite(e, 3, 3, rows);
  EXPECT_EQ(enemy_cell(e, 0, 0), 'A');
  EXPECT_EQ(enemy_cell(e, 1, 2), 'B');
  EXPECT_EQ(enemy_cell(e, 2, 2), ' ');

  EXPECT_TRUE(enemy_contact(e, 0, 0));   // solid
  EXPECT_TRUE(enemy_contact(e, 1, 2));   // solid
  EXPECT_TRUE(enemy_contact(e, 1, 1));   // empty, just above B
  EXPECT_FALSE(enemy_contact(e, 1, 0));  // empty above empty
  EXPECT_FALSE(enemy_contact(e, 0, 1));  // below A does not count
  EXPECT_FALSE(enemy_contact(e, 0, 2));  // bottom row, empty
  EXPECT_FALSE(enemy_contact(e, 2, 1));
}

TEST(EnemySprite, OutsideTheSpriteIsEmptyAndNeverTouches) {
  Enemy e;
  const char* const rows[] = {"AB"};
  enemy_set_sprite(e, 2, 1, rows);
  EXPECT_EQ(enemy_cell(e, -1, 0), ' ');
  EXPECT_EQ(enemy_cell(e, 2, 0), ' ');
  EXPECT_EQ(enemy_cell(e, 0, 1), ' ');
  EXPECT_FALSE(enemy_contact(e, 0, -1));  // the row above the top one
  EXPECT_FALSE(enemy_contact(e, 2, 0));
  EXPECT_FALSE(enemy_contact(e, -1, 0));

  enemy_set_cell(e, 5, 0, 'Z');
  enemy_set_cell(e, 0, 1, 'Z');
  EXPECT_EQ(e.sprite, (std::vector<int32_t>{'A', 'B'}));
  enemy_set_cell(e, 1, 0, 179);
  EXPECT_EQ(enemy_cell(e, 1, 0), 179);
}

TEST_F(EnemyTest, AllEmptySpriteIsInvisible) {
  auto kind_ghost = [](Enemy& enemy) {
    const char* const rows[] = {"  ", "  "};
    if (enemy.age == 0) enemy_set_sprite(enemy, 2, 2, rows);
    enemy.hp = 1;
  };
  TCOD_console_put_char_ex(nullptr, 3, 3, '.', TCOD_red, TCOD_black);
  enemy_spawn(3, 3, kind_ghost, world);
  enemy_tick(last());
  EXPECT_EQ(screen_text(3, 3, 2), ". ");
  EXPECT_EQ(screen_text(3, 4, 2), "  ");
  EXPECT_FALSE(enemy_contact(last(), 0, 0));
  EXPECT_FALSE(enemy_contact(last(), 1, 1));
}
