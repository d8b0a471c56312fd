#include "game/hud.h"

#include "game/globals.h"
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
  int bar_cells(int row) {
    int cells = 0;
    for (int x = 18; x < 38; ++x) cells += cell_char(x, row) == '=';
    return cells;
  }
};

TEST_F(Hud, AFreshGameShowsFullBarsAndNoBoss) {
  ship->glyph.colour = TCOD_amber;
  draw();
  EXPECT_EQ(screen_text(2, 62, 44), "SCORE   = 0000000000 MULTI = 1.0  HIT = 0000");
  EXPECT_EQ(screen_text(2, 64, 47), "SHIELD  = [100][====================][   OK   ]");
  EXPECT_EQ(screen_text(2, 66, 47), "ENERGY  = [100][====================][  READY ]");
  EXPECT_EQ(screen_text(2, 68, 47), "BOSS    = [0  ][                    ][    0   ]");
  EXPECT_EQ(cell_fg(2, 62), TCOD_amber);
  EXPECT_EQ(cell_fg(18, 64), (TCOD_color_t{50, 25, 200}));  // a full bar is blue-violet
  // The play field's frame and the panel's, in the font's box-drawing cells.
  EXPECT_EQ(cell_char(0, 0), 218);
  EXPECT_EQ(cell_char(49, 59), 217);
  EXPECT_EQ(cell_char(0, 60), 218);
  EXPECT_EQ(cell_char(49, 69), 217);
}

TEST_F(Hud, ShieldWordsAndWholeCells) {
  struct Case {
    int shield;
    std::string word;
    int cells;
  } cases[] = {{100, "   OK   ", 20}, {99, "DAMAGED ", 19}, {25, "DAMAGED ", 5},
               {24, "CRITICAL", 4},   {0, "CRITICAL", 0},   {-20, "CRITICAL", 0}};
  for (const Case& c : cases) {
    ship->shield = c.shield;
    draw();
    EXPECT_EQ(screen_text(40, 64, 8), c.word) << c.shield;
    EXPECT_EQ(bar_cells(64), c.cells) << c.shield;
  }
}

TEST_F(Hud, EnergyCountsAPartlyFilledCellAndIsReadyFrom75) {
  struct Case {
    int energy;
    std::string word;
    int cells;
  } cases[] = {{100, "  READY ", 20}, {99, "  READY ", 20}, {75, "  READY ", 15},
               {74, "CHARGING", 15},  {1, "CHARGING", 1},   {0, "CHARGING", 0}};
  for (const Case& c : cases) {
    ship->energy = c.energy;
    draw();
    EXPECT_EQ(screen_text(40, 66, 8), c.word) << c.energy;
    EXPECT_EQ(bar_cells(66), c.cells) << c.energy;
  }
}

TEST_F(Hud, TheMultiplierShownDoublesWithDoubleScore) {
  score.multiplier = 1.5;
  score.score = 1234;
  score.hits = 56;
  game.score_factor = 2;
  draw();
  EXPECT_EQ(screen_text(2, 62, 44), "SCORE   = 0000001234 MULTI = 3.0  HIT = 0056");
}

TEST_F(Hud, TheBossBarShowsAWholePercentAndItsTimer) {
  game.boss_hp = 37;
  game.boss_hp_full = 100;
  game.boss_timer = 39;
  draw();
  EXPECT_EQ(screen_text(2, 68, 47), "BOSS    = [37 ][=======             ][    39  ]");
  EXPECT_EQ(cell_fg(18, 68), (TCOD_color_t{144, 25, 105}));  // 200 - 55.5, 50 + 55.5
  game.boss_hp = 1000;
  game.boss_hp_full = 10000;
  draw();
  EXPECT_EQ(screen_text(13, 68, 2), "10");
  EXPECT_EQ(bar_cells(68), 2);
}

TEST_F(Hud, EmptyBarsTurnRed) {
  ship->shield = 20;
  draw();
  EXPECT_EQ(cell_fg(18, 64), (TCOD_color_t{170, 25, 80}));
}
