#include <vector>

#include "game/game_loop.h"
#include "game/globals.h"
#include "game/player.h"
#include "game/world.h"
#include "shell/platform.h"
#include "shell/settings.h"
#include "tests/harness.h"

namespace {

constexpr int kFadeFrames = 64;
constexpr int kFirstPlayFrame = kFadeFrames + 1;

bool scoreboard_showing() {
  return screen_text(13, 18, 4) == "RANK";
}

bool demo_end_showing() {
  return screen_text(5, 20, 6) == "Thanks";
}

// Runs a whole game: `each_frame` sees every flush; the scoreboard that ends a
// game is left with Enter, and a game that runs away is closed.
void play(const std::function<void(int)>& each_frame, int frame_limit = 5000) {
  platform_script_on_flush([&](int frame) {
    each_frame(frame);
    // Enter tapped: the closing screen and the scoreboard each want a new press.
    if (scoreboard_showing() || demo_end_showing()) {
      if (frame % 2 == 0) press_key(TCODK_ENTER, '\r');
      if (frame % 2 == 1) release_key(TCODK_ENTER, '\r');
    }
    if (frame >= frame_limit) platform_script_close_window();
  });
  game_run();
  platform_script_on_flush(nullptr);
}

}  // namespace

class GameLoop : public GameTest {};

TEST_F(GameLoop, StartFadesOutTheMenuOver64Frames) {
  std::vector<int> fades;
  play([&](int frame) {
    if (frame <= kFirstPlayFrame) fades.push_back(TCOD_console_get_fade());
    if (frame == kFirstPlayFrame) platform_script_close_window();
  });
  ASSERT_EQ(fades.size(), 65u);
  EXPECT_EQ(fades[0], 255);
  EXPECT_EQ(fades[1], 251);
  EXPECT_EQ(fades[63], 3);
  EXPECT_EQ(fades[64], 255);  // play starts fully visible
}

TEST_F(GameLoop, HundredStarsDrawSpeedThenRowThenColumn) {
  // Predict the stars: 100 of (speed, row, column), then the level script's
  // first star at row 0 (speed, column). None moves before its first draw.
  std::vector<std::pair<int, int>> expected;
  for (int i = 0; i < 100; ++i) {
    TCOD_random_get_int(nullptr, 2, 20);
    int row = TCOD_random_get_int(nullptr, 0, 70);
    int column = TCOD_random_get_int(nullptr, 0, 50);
    if (row < 70 && column < 50) expected.emplace_back(column, row);
  }
  TCOD_random_get_int(nullptr, 2, 20);
  expected.emplace_back(TCOD_random_get_int(nullptr, 0, 50), 0);
  seed_random(12345);

  std::vector<std::pair<int, int>> missing;
  play([&](int frame) {
    if (frame != kFirstPlayFrame) return;
    for (auto [x, y] : expected) {
      // The frame, the panel and the ship draw over the stars under them.
      bool covered =
          x < 1 || x > 48 || y < 1 || y > 58 || (y >= 55 && y <= 56 && x >= 24 && x <= 26);
      if (!covered && cell_char(x, y) != '.') missing.emplace_back(x, y);
    }
    platform_script_close_window();
  });
  EXPECT_TRUE(missing.empty()) << missing.size()
                               << " stars are not where the draw order puts them\n"
                               << screen_dump(0, 69);
}

TEST_F(GameLoop, NoStarsWhenTheSettingIsOff) {
  settings.stars = 0;
  int stars = -1;
  play([&](int frame) {
    if (frame == kFirstPlayFrame + 30) {
      stars = 0;
      for (int y = 0; y < 50; ++y)
        for (int x = 1; x < 49; ++x) stars += cell_char(x, y) == '.';  // above the ship's trail
      platform_script_close_window();
    }
  });
  EXPECT_EQ(stars, 0);
}

TEST_F(GameLoop, EscapeSlidesTheArtInThenFadesToTheScoreboard) {
  const int escape_frame = kFirstPlayFrame + 5;
  // The countdown starts at 300 on the frame after the Escape and is printed
  // before it drops, so frame escape_frame + k shows countdown 301 - k.
  auto frame_of = [&](int countdown) { return escape_frame + 301 - countdown; };
  std::string top_at_280, word_at_280, standing_top, standing_word;
  int fade_at_100 = -1, fade_at_2 = -1, fade_after = -1;
  bool scoreboard = false;
  play([&](int frame) {
    if (frame == escape_frame) press_key(TCODK_ESCAPE);
    if (frame == escape_frame + 1) release_key(TCODK_ESCAPE);
    if (frame == frame_of(280)) {
      top_at_280 = screen_text(10, 55, 22);  // first word at row 280 - 225
      word_at_280 = screen_text(46, 30, 4);  // second word from column 280 - 234
    }
    if (frame == frame_of(250)) {
      standing_top = screen_text(10, 25, 23);
      standing_word = screen_text(16, 30, 20);
    }
    if (frame == frame_of(100)) fade_at_100 = TCOD_console_get_fade();
    if (frame == frame_of(2)) fade_at_2 = TCOD_console_get_fade();
    if (frame == frame_of(1)) fade_after = TCOD_console_get_fade();  // the scoreboard's first frame
    scoreboard = scoreboard || scoreboard_showing();
  });
  EXPECT_EQ(top_at_280, "     __ ___        __ ");
  EXPECT_EQ(word_at_280, "   _");
  EXPECT_EQ(standing_top, "     __  ___        __ ");
  EXPECT_EQ(standing_word, "    ___        __  _");
  EXPECT_EQ(fade_at_100, 198);  // the countdown already dropped to 99
  EXPECT_EQ(fade_at_2, 2);
  EXPECT_EQ(fade_after, 255);
  EXPECT_TRUE(scoreboard);
}

TEST_F(GameLoop, PauseHoldsTheFrameUntilPIsPressedAgainAndLetGo) {
  const int pause_frame = kFirstPlayFrame + 3;
  std::string before, during;
  int resumed_at = -1;
  int paused_timer = -1;
  play([&](int frame) {
    // The double-score timer counts the frames that play runs.
    if (frame == kFirstPlayFrame) game.double_score_timer = 1000;
    if (frame == pause_frame) {
      before = screen_dump(0, 69);
      paused_timer = game.double_score_timer;
      press_char('p');
    }
    if (frame == pause_frame + 1) release_char('p');  // the first stroke's release does not resume
    if (frame == pause_frame + 20) during = screen_dump(0, 69);
    if (frame == pause_frame + 21) press_char('p');
    if (frame == pause_frame + 22) release_char('p');
    if (frame > pause_frame && resumed_at < 0 && game.double_score_timer != paused_timer) {
      resumed_at = frame;
    }
    if (frame == pause_frame + 40) platform_script_close_window();
  });
  EXPECT_EQ(during, before);
  EXPECT_EQ(resumed_at, pause_frame + 23);
}

TEST_F(GameLoop, ADeathWithoutContinuesGoesToTheGameOverArt) {
  const int death_frame = kFirstPlayFrame + 10;
  bool art = false;
  play([&](int frame) {
    if (frame == death_frame) game.player_dead = true;
    for (int y = 0; y < 70 && !art; ++y) art = screen_text(10, y, 7) == "     __";
    if (art) platform_script_close_window();
  });
  EXPECT_TRUE(art);
}

TEST_F(GameLoop, VictoryPlays45FramesThenFades126) {
  const int won_frame = kFirstPlayFrame + 10;
  std::vector<int> fades;
  bool scoreboard = false;
  play([&](int frame) {
    if (frame == won_frame) game.game_won = true;
    if (frame > won_frame && !scoreboard) fades.push_back(TCOD_console_get_fade());
    scoreboard = scoreboard || scoreboard_showing();
  });
  ASSERT_TRUE(scoreboard);
  // The frame after the win is the first of 45 at full view; then one at 252,
  // then 250 down to 2.
  ASSERT_GE(fades.size(), 45u + 1 + 125);
  for (int i = 0; i < 45; ++i) EXPECT_EQ(fades[i], 255) << i;
  EXPECT_EQ(fades[45], 252);
  EXPECT_EQ(fades[46], 250);
  EXPECT_EQ(fades[45 + 125], 2);
}

// The end of a frame: the ship's cell kept as the previous one, and double
// score counted down; nothing of a previous game carries over.
TEST_F(GameLoop, EndOfFrameBookkeepingStartsClean) {
  game.double_score_timer = 120;  // left over from a game ended with Escape
  std::vector<int> factors;
  int prev_x = -1, prev_y = -1;
  play([&](int frame) {
    if (frame == kFirstPlayFrame) {
      factors.push_back(game.score_factor);
      game.double_score_timer = 2;
      game.player_x = 12;
      game.player_y = 34;
    }
    if (frame > kFirstPlayFrame) factors.push_back(game.score_factor);
    if (frame == kFirstPlayFrame + 1) {
      prev_x = game.player_prev_x;
      prev_y = game.player_prev_y;
    }
    if (frame == kFirstPlayFrame + 4) platform_script_close_window();
  });
  EXPECT_EQ(factors, (std::vector<int>{1, 2, 2, 1, 1}));
  EXPECT_EQ(prev_x, 12);
  EXPECT_EQ(prev_y, 34);
}

TEST_F(GameLoop, PollSetsAndClearsTheFireFlagsFromTheEdges) {
  auto world = world_create();
  auto player = player_create(25, 55, player_steer, fire_gun, *world);
  press_char('z');
  EXPECT_TRUE(poll_game_input(*player));
  EXPECT_TRUE(player->fire_held);
  press_char('x');
  poll_game_input(*player);
  EXPECT_TRUE(player->charge_held);
  EXPECT_TRUE(player->fire_held);  // no edge: the flag keeps its value
  release_char('z');
  poll_game_input(*player);
  EXPECT_FALSE(player->fire_held);
  EXPECT_TRUE(player->charge_held);
  press_key(TCODK_ESCAPE);
  EXPECT_FALSE(poll_game_input(*player));
}
