#include <SDL.h>

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

// Seed 12345 draws speed 14, row 30, column 3; then 17, 16, 40; 9, 23, 33; 9, 15, 28.
TEST_F(GameLoop, StartFadesOutTheMenuThenDrawsAHundredStarsSpeedThenRowThenColumn) {
  for (int stars : {1, 0}) {
    SetUp();
    settings.stars = stars;
    std::string drawn;
    const Played played = play([&](int frame) {
      if (frame < kFirstPlayFrame) return;
      for (auto [x, y] : {std::pair{3, 30}, {40, 16}, {33, 23}, {28, 15}}) drawn += cell_char(x, y);
      platform_script_close_window();
    });
    const auto& fades = played.fades;
    ASSERT_EQ(fades.size(), 66u);
    EXPECT_EQ((std::vector{fades[1], fades[2], fades[64], fades[65]}),
              (std::vector{255, 251, 3, 255}));  // play starts fully visible
    EXPECT_EQ(drawn, stars ? "...." : "    ") << screen_dump(0, 69);
  }
}

// Escape, or a death without continues, in frame `ended` starts the game-over
// countdown at 300: frame ended + k shows countdown 301 - k.
TEST_F(GameLoop, EscapeOrADeathWithoutContinuesSlidesTheArtInThenFadesToTheScoreboard) {
  const int ended = kFirstPlayFrame + 5;
  auto frame_of = [&](int countdown) { return ended + 301 - countdown; };
  for (bool death : {false, true}) {
    SetUp();
    std::vector<std::string> texts;
    const Played played = play([&](int frame) {
      if (frame == ended && death)
        std::tie(game.continues_left, game.player_dead) = std::pair(0, true);
      if (frame == ended && !death) press_key(TCODK_ESCAPE);
      if (frame == ended + 1 && !death) release_key(TCODK_ESCAPE);
      if (frame == frame_of(251)) {
        texts.push_back(screen_text(10, 26, 22));  // the first word at row 251 - 225
        texts.push_back(screen_text(17, 30, 20));  // the second from column 251 - 234
      }
      if (frame == frame_of(250)) {
        texts.push_back(screen_text(10, 25, 23));
        texts.push_back(screen_text(16, 30, 20));
      }
    });
    EXPECT_EQ(texts, (std::vector<std::string>{"     __ ___        __ ", "   ___        __  _ ",
                                               "     __  ___        __ ", "    ___        __  _"}))
        << death;
    // The fade follows the countdown after its drop; countdown 1 ends in the scoreboard's frame.
    const auto& fades = played.fades;
    EXPECT_EQ((std::vector{fades[frame_of(129)], fades[frame_of(128)], fades[frame_of(2)],
                           fades[frame_of(1)]}),
              (std::vector{255, 254, 2, 255}));
    EXPECT_EQ(played.scoreboard, frame_of(1)) << death;
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

// The frame after the win is the first of 45 at full view; then one at 252, then 250 down to 2.
TEST_F(GameLoop, VictoryPlays45FramesThenFades126) {
  const int won = kFirstPlayFrame + 10;
  const Played played = play([&](int frame) {
    if (frame == won) game.game_won = true;
  });
  ASSERT_GT(played.scoreboard, won + 171);
  const auto& fades = played.fades;
  EXPECT_EQ(std::count(fades.begin() + won + 1, fades.begin() + won + 46, 255), 45);
  EXPECT_EQ((std::vector{fades[won + 46], fades[won + 47], fades[won + 171]}),
            (std::vector{252, 250, 2}));
}

// Each frame ends keeping the ship's cell as the previous one and counting
// double score down; a timer left by the previous game is not carried over.
TEST_F(GameLoop, EndOfFrameBookkeepingStartsClean) {
  game.double_score_timer = 120;
  std::vector<int> factors;
  std::pair<int, int> prev;
  play([&](int frame) {
    if (frame < kFirstPlayFrame) return;
    factors.push_back(game.score_factor);
    if (frame == kFirstPlayFrame) std::tie(game.player_x, game.player_y) = std::pair(12, 34);
    if (frame == kFirstPlayFrame + 1) {
      prev = {game.player_prev_x, game.player_prev_y};
      game.double_score_timer = 2;
    }
    if (frame == kFirstPlayFrame + 4) platform_script_close_window();
  });
  EXPECT_EQ(factors, (std::vector<int>{1, 1, 2, 2, 1}));
  EXPECT_EQ(prev, std::pair(12, 34));
}

// Phases of 32 frames, past the charged shot's cooldown, each start with their
// change and tap a charged shot (button 2, key x). A pulled-out joystick's
// handle is let go, or a new one would never be opened.
TEST_F(GameLoop, AJoystickPluggedInOrPulledOutMidGameIsFollowed) {
  constexpr int kPhase = 32;
  const int start = kFirstPlayFrame + 1;
  auto shots = [] {
    return std::ranges::count(sound_played(), SFX_CHARGED_SHOT, &SoundPlay::effect);
  };
  std::string moves;  // each phase's move of the ship (<, = or >) and '*' for a shot
  std::pair<int, long> last;
  play([&](int frame) {
    if (frame < start) return;
    const int phase = (frame - start) / kPhase;
    const bool first = (frame - start) % kPhase == 0;
    if (first && phase > 0) {
      moves += "<=>"[(game.player_x > last.first) - (game.player_x < last.first) + 1];
      moves += shots() > last.second ? "*" : " ";
    }
    if (first) last = {game.player_x, shots()};
    if (phase == 0 || phase == 3) {  // plugged in, the hat held right
      if (first) {
        platform_script_release_all();
        platform_script_joystick_attach();
        platform_script_hat(SDL_HAT_RIGHT);
      }
      platform_script_button(2, first);
    }
    if (phase == 1 && first) {  // pulled out with the hat and the button held
      platform_script_button(2, true);
      platform_script_joystick_detach();
    }
    if (phase == 2) {  // the keyboard in charge
      platform_script_hold(TCODK_LEFT, 0, true);
      (first ? press_char : release_char)('x');
    }
    if (phase == 4) platform_script_close_window();
  });
  EXPECT_EQ(moves, ">*= <*>*");
}
