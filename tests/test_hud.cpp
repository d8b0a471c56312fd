#include "game/hud.h"

#include "game/player.h"
#include "tests/harness.h"

using Hud = GameTest;

// The score line, the full bars, the boss bar, the frames and the energy from empty to a charge
// show all through the golden run, whose ship never loses shield: here the shield's words and bars
// below full.
TEST_F(Hud, ShieldWordsAndWholeCellsBelowFull) {
  World world;
  std::unique_ptr<Player> ship = player_create(25, 55, player_steer, world);
  auto bar_cells = [] { return int(std::ranges::count(screen_text(18, 64, 20), '=')); };
  // clang-format off
  const std::tuple<int, std::string, int> cases[] = {
      {99, "DAMAGED ", 19}, {25, "DAMAGED ", 5}, {24, "CRITICAL", 4}, {0, "CRITICAL", 0},
      {-20, "CRITICAL", 0}};
  // clang-format on
  for (const auto& [shield, word, cells] : cases) {
    ship->shield = shield;
    TCOD_console_clear(nullptr);
    hud_draw(*ship, Score{});
    EXPECT_EQ(std::pair(screen_text(40, 64, 8), bar_cells()), std::pair(word, cells)) << shield;
  }
}
