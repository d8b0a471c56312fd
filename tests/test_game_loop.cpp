#include "enemies/drone.h"
#include "frontend/score_table.h"
#include "game/director.h"
#include "game/game_loop.h"
#include "tests/harness.h"

// Play, the fades, the pause, a death with or without points and the victory show in the golden
// runs; here a game after another, Escape, the last continue and a name given up before one.

namespace {

constexpr int kFirstPlayFrame = 65;  // after 64 frames of fading out the menu

// A drone shot down as it arrives: 250 points on the first frame, enough for an empty table.
void spent_drone(Drone& drone) {
  drone.score = 250;
  drone.hp = -1;
}

void one_kill(Director& director) {
  if (director.frame++ == 0) drone_spawn(25, 40, spent_drone, drone_fire_none, *director.world);
}

}  // namespace

using GameLoop = GameTest;

// Nothing of a previous game carries over, not its double score; with the stars off there are
// none where seed 12345 draws them: (3, 30), (40, 16), (33, 23), (28, 15). Escape goes to the
// game-over art and the scoreboard 300 frames on, asking no name for the points and offering no
// continue.
TEST_F(GameLoop, ANewGameCarriesNothingOverAndEscapeEndsItWithoutANameOrAnOffer) {
  settings.stars = 0;
  game.double_score_timer = 120;
  std::string drawn;
  int factor = 0, scoreboard = 0;
  platform_script_on_flush([&](int frame) {
    if (frame == kFirstPlayFrame) {
      for (auto [x, y] : {std::pair{3, 30}, {40, 16}, {33, 23}, {28, 15}}) drawn += cell_char(x, y);
    }
    if (frame == kFirstPlayFrame + 1) factor = game.score_factor, press_key(TCODK_ESCAPE);
    if (frame == kFirstPlayFrame + 2) release_key(TCODK_ESCAPE);
    if (scoreboard == 0 && screen_text(13, 18, 4) == "RANK") scoreboard = frame;
    if (scoreboard != 0 || frame > 2500) platform_script_close_window();
  });
  game_play(one_kill);
  EXPECT_EQ(std::tuple(drawn, factor, scoreboard, score_table_read().size()),
            std::tuple(std::string("    "), 1, kFirstPlayFrame + 301, 0u));
}

// A death with points and the last continue: the name entry given up with Escape, the continue
// taken with Enter, and play goes on from a score of 0.
TEST_F(GameLoop, TheLastContinueAfterANameGivenUpStartsFromNothing) {
  std::string seen;
  int continued_at = 0;
  platform_script_on_flush([&](int frame) {
    if (frame == 80) game.continues_left = 1, game.player_alive = false, game.player_dead = true;
    if (screen_text(11, 24, 15) == "YOUR SCORE IS: ") {
      press_key(TCODK_ESCAPE);
      release_key(TCODK_ESCAPE);
      seen = "name entry, ";
    }
    if (continued_at == 0 && screen_text(12, 25, 9) == "Continue?") {
      press_key(TCODK_ENTER, '\r');
      release_key(TCODK_ENTER, '\r');
      continued_at = frame;
    }
    if ((continued_at != 0 && frame == continued_at + 2) || frame > 2000) {
      seen += screen_text(12, 62, 10) + " " + std::to_string(game.continues_left);
      platform_script_close_window();
    }
  });
  game_play(one_kill);
  EXPECT_EQ(seen, "name entry, 0000000000 0");
}
