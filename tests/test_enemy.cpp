#include "enemies/enemy.h"

#include "tests/harness.h"
#include "tests/world_text.h"

namespace {

// A 3 x 2 ship with one empty cell in each row (the short second row's last), gun cell (2, 1).
void kind_probe(Enemy& enemy) {
  if (enemy.age != 0) return;
  const char* const rows[] = {"A B", " C"};
  enemy_set_sprite(enemy, 3, 2, rows);
  enemy.hp = 10;
  enemy.score = 100;
  enemy.gun_dx = 2;
  enemy.gun_dy = 1;
  enemy.death_effect = effect_fireball;
}

class EnemyTest : public GameTest {
 protected:
  World world;
  Score score;
};

const TCOD_color_t kFullHealth{79, 124, 246};

}  // namespace

// The health colour slides round the hue circle; no full health on record reads unharmed.
TEST(HealthColour, SlidesRoundTheHueCircleAndReadsUnharmedWithNoFullHealthOnRecord) {
  EXPECT_EQ((std::vector{health_colour(100, 100), health_colour(0, 100), health_colour(-3, 0)}),
            (std::vector<TCOD_color_t>{kFullHealth, {236, 63, 150}, kFullHealth}));
}

TEST_F(EnemyTest, DeathExplodesAtTheGunCellInItsColourScoresOnlyWorthyKillsAndEndsTheBoss) {
  std::tie(game.boss_active, game.boss_hp, game.boss_timer) = std::tuple(true, 50, 90);
  auto reap = [this] {
    list_remove_spent(world.enemies, [this](Enemy& e) { return enemy_reap(e, score); });
    return std::tuple(world.enemies.size(), score.score, score.multiplier, score.hits,
                      game.boss_active, game.boss_hp, game.boss_timer);
  };
  for (int k = 0; k < 2; ++k) enemy_spawn(20, 30, kind_probe, world);
  Enemy &worthless = *world.enemies[0], &boss = *world.enemies[1];
  std::tie(worthless.score, worthless.death_effect, boss.is_boss) =
      std::tuple(0, &effect_nothing, true);
  enemy_damage(boss, 3);
  enemy_tick(boss);  // takes the colour of 7 hp out of 10
  enemy_damage(worthless, 14);
  score.multiplier = 1.5;
  // An ordinary death leaves the boss alone.
  EXPECT_EQ(reap(), std::tuple(1u, 0, 1.5, 0, true, 50, 90));
  enemy_damage(boss, 7);
  // At the gun cell, in the colour of the last frame drawn: 7 hp out of 10.
  EXPECT_EQ(reap(), std::tuple(0u, 150, 1.6, 1, false, 0, 0));
  EXPECT_EQ(effects_text(world), "nothing 30 22,31 w|fireball 30 22,31 " +
                                     world_text::colour(health_colour(7, 10)) + "|");
}
