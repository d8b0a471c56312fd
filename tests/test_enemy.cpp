#include "enemies/enemy.h"

#include "tests/harness.h"
#include "tests/world_text.h"

namespace {

// What the probe kind saw on each think: age, hp_max and how many enemies were listed.
std::vector<std::tuple<int, int, size_t>> probe_seen;

// A 3 x 2 ship with one empty cell in each row (the short second row's last), gun cell (2, 1).
void kind_probe(Enemy& enemy) {
  probe_seen.emplace_back(enemy.age, enemy.hp_max, enemy.world->enemies.size());
  if (enemy.age != 0) return;
  const char* const rows[] = {"A B", " C"};
  enemy_set_sprite(enemy, 3, 2, rows);
  enemy.hp = 10;
  enemy.score = 100;
  enemy.gun_dx = 2;
  enemy.gun_dy = 1;
  enemy.death_effect = effect_fireball;
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
  EXPECT_EQ(e.hp_max, 10);
  enemy_damage(e, 5);
  motion_set(e.motion, 100, 0);  // one cell right a frame
  enemy_tick(e);
  EXPECT_EQ(std::get<0>(probe_seen.at(1)), 1);
  EXPECT_EQ(screen_text(20, 30, 4) + "|" + screen_text(20, 31, 4), " A.B| .C ");
  EXPECT_EQ((std::vector{cell_fg(22, 30), cell_fg(21, 30), cell_fg(23, 30), cell_fg(22, 31)}),
            (std::vector{TCOD_red, kHalfHealth, kHalfHealth, kHalfHealth}));  // damage shows now
  e.invulnerable = true;
  enemy_tick(e);
  EXPECT_EQ(cell_fg(23, 31), TCOD_silver);
  // The health colour slides round the hue circle; no full health on record reads unharmed.
  EXPECT_EQ((std::vector{health_colour(100, 100), health_colour(0, 100), health_colour(-3, 0)}),
            (std::vector<TCOD_color_t>{kFullHealth, {236, 63, 150}, kFullHealth}));
}

TEST_F(EnemyTest, DeathExplodesAtTheGunCellInItsColourScoresOnlyWorthyKillsAndEndsTheBoss) {
  std::tie(game.boss_active, game.boss_hp, game.boss_timer) = std::tuple(true, 50, 90);
  auto after = [this] {
    return std::tuple(world.enemies.size(), score.score, score.multiplier, score.hits,
                      game.boss_active, game.boss_hp, game.boss_timer);
  };
  enemy_spawn(5, 6, kind_still, world);
  enemy_spawn(20, 30, kind_probe, world);
  Enemy& probe = *world.enemies.back();
  probe.is_boss = true;
  enemy_damage(probe, 3);
  enemy_tick(probe);  // takes the colour of 7 hp out of 10
  enemy_damage(*world.enemies[0], 9);
  EXPECT_EQ(world.enemies[0]->hp, -4);  // damage neither clamps nor kills
  score.multiplier = 1.5;
  reap();  // an ordinary death leaves the boss alone
  EXPECT_EQ(after(), std::tuple(1u, 0, 1.5, 0, true, 50, 90));

  enemy_damage(probe, 7);
  reap();
  // At the gun cell, in the colour of the last frame drawn: 7 hp out of 10.
  EXPECT_EQ(effects_text(world),
            "nothing 30 5,6 w|fireball 30 22,31 " + world_text::colour(health_colour(7, 10)) + "|");
  EXPECT_EQ(after(), std::tuple(0u, 150, 1.6, 1, false, 0, 0));
}
