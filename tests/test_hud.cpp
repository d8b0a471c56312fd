#include "game/hud.h"

#include "game/player.h"
#include "tests/harness.h"

using Hud = GameTest;

// The score line, the full bars, the boss bar and the frames show all through the golden run,
// whose ship never loses shield: here the shield's words and bars below full, and energy from
// empty to a charge.
TEST_F(Hud, ShieldWordsWholeCellsAndEnergyReadyFrom75CountingAPartlyFilledCell) {
  World world;
  std::unique_ptr<Player> ship = player_create(25, 55, player_steer, fire_gun, world);
  auto bar_cells = [](int row) { return std::ranges::count(screen_text(18, row, 20), '='); };
  // clang-format off
  const struct { int shield; std::string word; int cells, energy; std::string ready; int bar; }
  cases[] = {
      {99, "DAMAGED ", 19, 99, "  READY ", 20}, {25, "DAMAGED ", 5, 75, "  READY ", 15},
      {24, "CRITICAL", 4, 74, "CHARGING", 15},  {0, "CRITICAL", 0, 1, "CHARGING", 1},
      {-20, "CRITICAL", 0, 0, "CHARGING", 0}};
  // clang-format on
  for (const auto& c : cases) {
    std::tie(ship->shield, ship->energy) = std::pair(c.shield, c.energy);
    TCOD_console_clear(nullptr);
    hud_draw(*ship, Score{});
    EXPECT_EQ(
        std::tuple(screen_text(40, 64, 8), bar_cells(64), screen_text(40, 66, 8), bar_cells(66)),
        std::tuple(c.word, c.cells, c.ready, c.bar))
        << c.shield << ", " << c.energy;
  }
}
