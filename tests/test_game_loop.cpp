#include <SDL.h>

#include "game/game_loop.h"
#include "tests/harness.h"

namespace {

constexpr int kFirstPlayFrame = 65;  // after 64 frames of fading out the menu

struct Played {
  std::vector<int> fades{255};  // the fade of every flush, from flush 1
  int scoreboard = 0;           // the first flush that showed the scoreboard
};

bool demo_end_showing() {
  return screen_text(5, 20, 6) == "Thanks";
}

// Runs a whole game: `each_frame` sees every flush; the scoreboard that ends a
// game is left with Enter, and a game that runs away is closed.
Played play(const std::function<void(int)>& each_frame) {
  Played played;
  platform_script_on_flush([&](int frame) {
    played.fades.push_back(TCOD_console_get_fade());
    each_frame(frame);
    bool scoreboard = screen_text(13, 18, 4) == "RANK";
    if (scoreboard && played.scoreboard == 0) played.scoreboard = frame;
    // Enter tapped: the closing screen and the scoreboard each want a new press.
    if (scoreboard || demo_end_showing()) {
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

TEST_F(GameLoop, StartFadesOutTheMenuThenDrawsAHundredStarsSpeedThenRowThenColumn) {
  // Seed 12345 draws speed 14, row 30, column 3; then 17, 16, 40; 9, 23, 33; 9, 15, 28.
  std::string stars;
  const Played played = play([&](int frame) {
    if (frame < kFirstPlayFrame) return;
    for (auto [x, y] : {std::pair{3, 30}, {40, 16}, {33, 23}, {28, 15}}) stars += cell_char(x, y);
    platform_script_close_window();
  });
  const auto& fades = played.fades;
  ASSERT_EQ(fades.size(), 66u);
  EXPECT_EQ((std::vector{fades[1], fades[2], fades[64], fades[65]}),
            (std::vector{255, 251, 3, 255}));  // play starts fully visible
  EXPECT_EQ(stars, "....") << screen_dump(0, 69);
}

// Escape, or a death without continues, in the game's frame `ended` starts the
// game-over art's countdown at 300 on the next frame; it is printed before it
// drops, so frame ended + k shows countdown 301 - k.
TEST_F(GameLoop, EscapeOrADeathWithoutContinuesSlidesTheArtInThenFadesToTheScoreboard) {
  const int ended = kFirstPlayFrame + 5;
  auto frame_of = [&](int countdown) { return ended + 301 - countdown; };
  for (bool death : {false, true}) {
    platform_script_begin();
    reset_console();
    game = GameGlobals{};
    std::vector<std::string> texts;
    const Played played = play([&](int frame) {
      if (frame == ended && death)
        std::tie(game.continues_left, game.player_dead) = std::pair(0, true);
      if (frame == ended && !death) press_key(TCODK_ESCAPE);
      if (frame == ended + 1 && !death) release_key(TCODK_ESCAPE);
      if (frame == frame_of(294)) texts.push_back(screen_text(10, 69, 7));  // row 294 - 225
      if (frame == frame_of(280)) {
        texts.push_back(screen_text(10, 55, 22));  // the first word at row 280 - 225
        texts.push_back(screen_text(46, 30, 4));   // the second from column 280 - 234
      }
      if (frame == frame_of(250)) {
        texts.push_back(screen_text(10, 25, 23));
        texts.push_back(screen_text(16, 30, 20));
      }
    });
    EXPECT_EQ(texts, (std::vector<std::string>{"     __", "     __ ___        __ ", "   _",
                                               "     __  ___        __ ", "    ___        __  _"}))
        << death;
    // At 100 the countdown has already dropped to 99; countdown 1 ends in the scoreboard's frame.
    const auto& fades = played.fades;
    EXPECT_EQ((std::vector{fades[frame_of(100)], fades[frame_of(2)], fades[frame_of(1)]}),
              (std::vector{198, 2, 255}));
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
    if (frame == pause + 1 || frame == pause + 22) release_char('p');
    if (frame == pause + 40) platform_script_close_window();
  });
  EXPECT_EQ(during, before);
  EXPECT_EQ((std::vector{timer[pause + 1], timer[pause + 22], timer[pause + 23]}),
            (std::vector{timer[pause], timer[pause], timer[pause] - 1}));
}

TEST_F(GameLoop, VictoryPlays45FramesThenFades126) {
  const int won = kFirstPlayFrame + 10;
  const Played played = play([&](int frame) {
    if (frame == won) game.game_won = true;
  });
  // The frame after the win is the first of 45 at full view; then one at 252,
  // then 250 down to 2.
  ASSERT_GT(played.scoreboard, won + 171);
  const auto& fades = played.fades;
  EXPECT_EQ(std::count(fades.begin() + won + 1, fades.begin() + won + 46, 255), 45);
  EXPECT_EQ((std::vector{fades[won + 46], fades[won + 47], fades[won + 171]}),
            (std::vector{252, 250, 2}));
}

// The end of a frame: the ship's cell kept as the previous one, and double
// score counted down; nothing of a previous game carries over, and no stars
// when they are off.
TEST_F(GameLoop, EndOfFrameBookkeepingStartsClean) {
  game.double_score_timer = 120;  // left over from a game ended with Escape
  settings.stars = 0;
  std::vector<int> factors;
  std::pair<int, int> prev;
  int stars = -1;
  play([&](int frame) {
    if (frame < kFirstPlayFrame) return;
    factors.push_back(game.score_factor);
    if (frame == kFirstPlayFrame) {
      game.double_score_timer = 2;
      game.player_x = 12;
      game.player_y = 34;
    }
    if (frame == kFirstPlayFrame + 1) prev = {game.player_prev_x, game.player_prev_y};
    if (frame < kFirstPlayFrame + 4) return;
    stars = 0;  // in the rows above the ship's trail
    for (int y = 0; y < 50; ++y) stars += std::ranges::count(screen_text(1, y, 48), '.');
    platform_script_close_window();
  });
  EXPECT_EQ(factors, (std::vector<int>{1, 2, 2, 1, 1}));
  EXPECT_EQ(std::tuple(prev, stars), std::tuple(std::pair(12, 34), 0));
}

// A joystick plugged in mid-game is taken up, and one pulled out while its
// hat and button are held leaves the ship still and the keyboard in charge.
// Each phase starts with its change and taps a charged shot (button 2, key x);
// a pulled-out joystick's handle is let go, or a new one would never be opened.
TEST_F(GameLoop, AJoystickPluggedInOrPulledOutMidGameIsFollowed) {
  constexpr int kPhase = 32;  // frames, past the charged shot's cooldown
  auto plug_in = [](bool first) {
    if (first) {
      platform_script_release_all();
      platform_script_joystick_attach();
      platform_script_hat(SDL_HAT_RIGHT);
    }
    platform_script_button(2, first);
  };
  const struct {
    const char* change;
    std::function<void(bool)> act;  // true on the phase's first frame
    int moved;                      // -1 left, 0 still, 1 right
    bool shot;
  } phases[] = {
      {"plugged in", plug_in, 1, true},
      {"pulled out with the hat and the button held",
       [](bool first) {
         if (first) platform_script_button(2, true), platform_script_joystick_detach();
       },
       0, false},
      {"the keyboard",
       [](bool first) {
         platform_script_hold(TCODK_LEFT, 0, true);
         if (first) press_char('x');
         if (!first) release_char('x');
       },
       -1, true},
      {"plugged in again", plug_in, 1, true},
  };
  const int start = kFirstPlayFrame + 1;
  std::vector<int> xs;
  std::vector<size_t> shots;
  play([&](int frame) {
    if (frame < start) return;
    const size_t phase = static_cast<size_t>((frame - start) / kPhase);
    if ((frame - start) % kPhase == 0) {
      xs.push_back(game.player_x);
      shots.push_back(std::ranges::count(sound_played(), SFX_CHARGED_SHOT, &SoundPlay::effect));
    }
    if (phase == std::size(phases)) return platform_script_close_window();
    phases[phase].act((frame - start) % kPhase == 0);
  });
  ASSERT_EQ(xs.size(), std::size(phases) + 1);
  for (size_t i = 0; i < std::size(phases); ++i) {
    const int moved = (xs[i + 1] > xs[i]) - (xs[i + 1] < xs[i]);
    EXPECT_EQ(std::pair(moved, shots[i + 1] > shots[i]), std::pair(phases[i].moved, phases[i].shot))
        << phases[i].change << ": x " << xs[i] << " to " << xs[i + 1];
  }
}
