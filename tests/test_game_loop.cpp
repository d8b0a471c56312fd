#include "game/game_loop.h"
#include "tests/harness.h"

namespace {

constexpr int kFirstPlayFrame = 65;  // after 64 frames of fading out the menu

struct Played {
  std::vector<int> fades{255};  // the fade of every flush, from flush 1
  int scoreboard = 0;           // the first flush that showed the scoreboard
};

// Runs a whole game: `each_frame` sees every flush; the closing screen and the
// scoreboard are left with Enter taps, and a game that runs away is closed.
Played play(const std::function<void(int)>& each_frame) {
  Played played;
  platform_script_on_flush([&](int frame) {
    played.fades.push_back(TCOD_console_get_fade());
    each_frame(frame);
    bool scoreboard = screen_text(13, 18, 4) == "RANK";
    if (scoreboard && played.scoreboard == 0) played.scoreboard = frame;
    if (scoreboard || screen_text(5, 20, 6) == "Thanks") {
      if (frame % 2 == 0) press_key(TCODK_ENTER, '\r');
      if (frame % 2 == 1) release_key(TCODK_ENTER, '\r');
    }
    if (frame >= 5000) platform_script_close_window();
  });
  game_run();
  platform_script_on_flush(nullptr);
  return played;
}

}  // namespace

class GameLoop : public GameTest {};

// The menu fades out over 64 flushes and play starts fully visible. Nothing of
// a previous game carries over, not its double score; with the stars off there
// are none where seed 12345 draws them: (3, 30), (40, 16), (33, 23), (28, 15).
TEST_F(GameLoop, StartFadesOutTheMenuAndCarriesNothingOver) {
  settings.stars = 0;
  game.double_score_timer = 120;
  std::string drawn;
  int factor = 0;
  const Played played = play([&](int frame) {
    if (frame == kFirstPlayFrame) {
      for (auto [x, y] : {std::pair{3, 30}, {40, 16}, {33, 23}, {28, 15}}) drawn += cell_char(x, y);
    }
    if (frame == kFirstPlayFrame + 1) {
      factor = game.score_factor;
      platform_script_close_window();
    }
  });
  const auto& fades = played.fades;
  ASSERT_EQ(fades.size(), 67u);
  EXPECT_EQ((std::vector{fades[1], fades[2], fades[64], fades[65]}),
            (std::vector{255, 251, 3, 255}));
  EXPECT_EQ(drawn, "    ") << screen_dump(0, 69);
  EXPECT_EQ(factor, 1);
}

// Escape, or a death without continues, in frame `ended` starts the game-over
// countdown at 300: frame ended + k shows countdown 301 - k. The art slides in
// above 250, and the fade follows the countdown below 128 until countdown 1
// ends in the scoreboard's frame. A win keeps 45 frames at full view, then one
// at 252 and 250 down to 2, and its closing screen comes before the scoreboard.
TEST_F(GameLoop, EveryEndingFadesToTheScoreboardInItsOwnTime) {
  const int ended = kFirstPlayFrame + 5;
  const struct {
    const char* how;
    std::vector<std::pair<int, int>> fades;  // frames after `ended` and their fade
  } cases[] = {{"escape", {{172, 255}, {173, 254}, {299, 2}, {300, 255}}},
               {"death", {{172, 255}, {173, 254}, {299, 2}, {300, 255}}},
               {"win", {{45, 255}, {46, 252}, {47, 250}, {171, 2}}}};
  for (const auto& c : cases) {
    SetUp();
    const std::string how = c.how;
    std::vector<std::string> texts;
    const Played played = play([&](int frame) {
      if (frame == ended && how == "death")
        std::tie(game.continues_left, game.player_dead) = std::pair(0, true);
      if (frame == ended && how == "win") game.game_won = true;
      if (frame == ended && how == "escape") press_key(TCODK_ESCAPE);
      if (frame == ended + 1 && how == "escape") release_key(TCODK_ESCAPE);
      if (frame == ended + 50) {                   // countdown 251
        texts.push_back(screen_text(10, 26, 22));  // the first word at row 251 - 225
        texts.push_back(screen_text(17, 30, 20));  // the second from column 251 - 234
      }
      if (frame == ended + 51) {
        texts.push_back(screen_text(10, 25, 23));
        texts.push_back(screen_text(16, 30, 20));
      }
    });
    std::vector<std::pair<int, int>> fades;
    for (auto [after, fade] : c.fades) fades.emplace_back(after, played.fades.at(ended + after));
    EXPECT_EQ(fades, c.fades) << how;
    if (how == "win") continue;  // its closing screen comes before the scoreboard
    EXPECT_EQ(texts, (std::vector<std::string>{"     __ ___        __ ", "   ___        __  _ ",
                                               "     __  ___        __ ", "    ___        __  _"}))
        << how;
    EXPECT_EQ(played.scoreboard, ended + 300) << how;
  }
}

// The double-score timer counts the frames that play runs; the first stroke's
// release does not resume.
TEST_F(GameLoop, PauseHoldsTheFrameUntilPIsPressedAgainAndLetGo) {
  const int pause = kFirstPlayFrame + 3;
  std::string before, during;
  std::map<int, int> timer;
  play([&](int frame) {
    if (frame == kFirstPlayFrame) game.double_score_timer = 1000;
    timer[frame] = game.double_score_timer;
    if (frame == pause) before = screen_dump(0, 69);
    if (frame == pause + 20) during = screen_dump(0, 69);
    if (frame == pause || frame == pause + 21) press_char('p');
    if (frame == pause + 1 || frame == pause + 25) release_char('p');
    if (frame == pause + 40) platform_script_close_window();
  });
  EXPECT_EQ(during, before);
  EXPECT_EQ((std::vector{timer[pause + 1], timer[pause + 25], timer[pause + 26]}),
            (std::vector{timer[pause], timer[pause], timer[pause] - 1}));
}
