#include "game/game_loop.h"
#include "tests/harness.h"

// Escape, then a win well into the game-over: its frames run on, and its last brings the thanks.
TEST_F(GameTest, AWinLateInTheGameOverEndsOnTheGameOversFrame) {
  int thanks_at = 0;
  platform_script_on_flush([&](int frame) {
    if (frame == 65) press_key(TCODK_ESCAPE);  // after the first frame of play
    if (screen_text(5, 20, 6) == "Thanks") thanks_at = frame, platform_script_close_window();
  });
  game_play([](Director& director) { game.game_won |= director.frame++ == 100; });
  EXPECT_EQ(thanks_at, 65 + 300);
}
