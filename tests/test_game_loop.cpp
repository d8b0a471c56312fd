#include "enemies/drone.h"
#include "frontend/score_table.h"
#include "game/director.h"
#include "game/game_loop.h"
#include "tests/harness.h"

// Play, the fades, the pause, a death with or without points and the victory show in the golden
// runs; here a game after another, the last continue after a name given up, and Escape.

namespace {

constexpr int kFirstPlayFrame = 65;  // after 64 frames of fading out the menu

// A drone shot down as it arrives: 250 points every 100 frames, enough for an empty table.
void spent_drone(Drone& drone) {
  drone.score = 250;
  drone.hp = -1;
}

void kill_now_and_then(Director& director) {
  if (director.frame++ % 100 == 0)
    drone_spawn(25, 40, spent_drone, drone_fire_none, *director.world);
}

}  // namespace

using GameLoop = GameTest;

// Nothing of a previous game carries over, not its double score; with the stars off there are
// none where seed 12345 draws them: (3, 30), (40, 16), (33, 23), (28, 15). A death with points and
// the last continue: the name given up with Escape, the continue taken, play goes on from 0.
// Escape then goes to the game-over art and the scoreboard, asking no name for the new points and
// offering no continue; how long the art stays shows in the golden runs.
TEST_F(GameLoop, AGameAfterAnotherTheLastContinueAndEscape) {
  settings.stars = 0;
  game.double_score_timer = 120;
  std::string seen;
  int factor = 0, continued_at = 0, scoreboard = 0;
  platform_script_on_flush([&](int frame) {
    if (frame == kFirstPlayFrame) {
      for (auto [x, y] : {std::pair{3, 30}, {40, 16}, {33, 23}, {28, 15}})
        seen += static_cast<char>(cell_char(x, y));
    }
    if (frame == kFirstPlayFrame + 1) factor = game.score_factor;
    if (frame == 80) game.continues_left = 1, game.player_alive = false, game.player_dead = true;
    auto tap = [](TCOD_keycode_t key) { press_key(key), release_key(key); };
    if (screen_text(11, 24, 15) == "YOUR SCORE IS: ") tap(TCODK_ESCAPE), seen += " name entry,";
    if (continued_at == 0 && screen_text(12, 25, 9) == "Continue?")
      tap(TCODK_ENTER), continued_at = frame;
    if (continued_at != 0 && frame == continued_at + 2)
      seen += " " + screen_text(12, 62, 10) + " " + std::to_string(game.continues_left);
    if (continued_at != 0 && frame == continued_at + 150) press_key(TCODK_ESCAPE);
    if (scoreboard == 0 && screen_text(13, 18, 4) == "RANK") scoreboard = frame;
    if (scoreboard != 0 || frame > 3000) platform_script_close_window();
  });
  game_play(kill_now_and_then);
  EXPECT_NE(scoreboard, 0);
  EXPECT_EQ(std::tuple(seen, factor, score_table_read().size()),
            std::tuple(std::string("     name entry, 0000000000 0"), 1, 0u));
}
