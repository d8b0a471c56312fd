#include "game/hud.h"

#include "game/player.h"
#include "tests/harness.h"

class Hud : public GameTest {
 protected:
  World world;
  std::unique_ptr<Player> ship = player_create(25, 55, player_steer, fire_gun, world);
  Score score;

  void draw() {
    TCOD_console_clear(nullptr);
    hud_draw(*ship, score);
  }
  int bar_cells(int row) { return std::ranges::count(screen_text(18, row, 20), '='); }
};

TEST_F(Hud, AFreshGameShowsFullBarsAndNoBossThenTheScoreLineAndBossBarFollowTheGame) {
  ship->glyph.colour = TCOD_amber;
  draw();
  EXPECT_EQ(screen_text(2, 62, 44), "SCORE   = 0000000000 MULTI = 1.0  HIT = 0000");
  EXPECT_EQ(screen_text(2, 64, 47), "SHIELD  = [100][====================][   OK   ]");
  EXPECT_EQ(screen_text(2, 66, 47), "ENERGY  = [100][====================][  READY ]");
  EXPECT_EQ(screen_text(2, 68, 47), "BOSS    = [0  ][                    ][    0   ]");
  EXPECT_EQ(cell_fg(2, 62), TCOD_amber);
  EXPECT_EQ((std::vector{cell_char(0, 0), cell_char(49, 59), cell_char(0, 60), cell_char(49, 69)}),
            (std::vector{218, 217, 218, 217}));  // the play field's frame and the panel's
  // The multiplier shown doubles with double score; the boss bar shows a whole percent.
  score = Score{.score = 1234, .multiplier = 1.5, .hits = 56};
  std::tie(game.score_factor, game.boss_hp, game.boss_hp_full, game.boss_timer) =
      std::tuple(2, 37, 100, 39);
  draw();
  EXPECT_EQ(screen_text(2, 62, 44), "SCORE   = 0000001234 MULTI = 3.0  HIT = 0056");
  EXPECT_EQ(screen_text(2, 68, 47), "BOSS    = [37 ][=======             ][    39  ]");
  EXPECT_EQ(cell_fg(18, 68), (TCOD_color_t{144, 25, 105}));  // 200 - 55.5, 50 + 55.5
}

TEST_F(Hud, ShieldWordsWholeCellsAndEnergyReadyFrom75CountingAPartlyFilledCell) {
  // clang-format off
  const struct { int shield; std::string word; int cells, energy; std::string ready; int bar; }
  cases[] = {
      {99, "DAMAGED ", 19, 99, "  READY ", 20}, {25, "DAMAGED ", 5, 75, "  READY ", 15},
      {24, "CRITICAL", 4, 74, "CHARGING", 15},  {0, "CRITICAL", 0, 1, "CHARGING", 1},
      {-20, "CRITICAL", 0, 0, "CHARGING", 0}};
  // clang-format on
  for (const auto& c : cases) {
    std::tie(ship->shield, ship->energy) = std::pair(c.shield, c.energy);
    draw();
    EXPECT_EQ(
        std::tuple(screen_text(40, 64, 8), bar_cells(64), screen_text(40, 66, 8), bar_cells(66)),
        std::tuple(c.word, c.cells, c.ready, c.bar))
        << c.shield << ", " << c.energy;
  }
}
