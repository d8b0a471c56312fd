#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "enemies/drone.h"
#include "frontend/continue_offer.h"
#include "frontend/demo_end_screen.h"
#include "frontend/name_entry.h"
#include "frontend/score_table.h"
#include "fx/glyph.h"
#include "game/director.h"
#include "game/game_loop.h"
#include "game/globals.h"
#include "tests/screens.h"

namespace {

// The seven-segment pictures, 4 x 7 cells row by row, 0 to 9.
// clang-format off
const char* const kBigDigits[10] = {
    " XX X  XX  X    X  XX  X XX ", "       X   X       X   X    ",
    " XX    X   X XX X   X    XX ", " XX    X   X XX    X   X XX ",
    "    X  XX  X XX    X   X    ", " XX X   X    XX    X   X XX ",
    " XX X   X    XX X  XX  X XX ", " XX    X   X       X   X    ",
    " XX X  XX  X XX X  XX  X XX ", " XX X  XX  X XX    X   X XX ",
};
// clang-format on

int big_digit_at(int column) {
  std::string cells;
  for (int row = 30; row < 37; ++row) cells += screen_text(column, row, 4);
  auto found = std::find(std::begin(kBigDigits), std::end(kBigDigits), cells);
  return found == std::end(kBigDigits) ? -100 : static_cast<int>(found - std::begin(kBigDigits));
}

// The name of the table's one row, or "none" without a row.
std::string stored_name() {
  std::vector<Score> rows = score_table_read();
  return rows.empty() ? "none" : rows.size() == 1 ? rows[0].name : "more than one row";
}

}  // namespace

using EndScreens = GameTest;

// Escape leaves the result as it was; a saved one is reset so it never
// qualifies twice.
TEST_F(EndScreens, NameEntryStoresAtMostThreeConfirmedCharacters) {
  const struct {
    std::vector<std::string> strokes;  // per flush
    const char *stored, *slots;        // slots at the last flush; '?' is the block
  } cases[] = {{{"x", "y", "z", "\n"}, "XYZ", "XYZ"},
               {{"x", "y", "\b", "k", "\n"}, "XK", "XK?"},
               {{"", "", "", "", "", "\n"}, "", "---"},
               {{"a", "b", "c", "d", "e", "\n"}, "ABC", "ABC"},
               {{"qq", "\n"}, "QQ", "QQ?"},
               {{"a", "\x1b"}, "none", "A?-"}};
  for (const auto& c : cases) {
    std::remove(data_file("scoreDat.data").c_str());
    platform_script_begin();
    Score score = Score{5001, 2.5, 7};
    tap_per_flush(c.strokes);
    name_entry(score);
    EXPECT_EQ(screen_text(11, 24, 25) + screen_text(11, 26, 8),
              "YOUR SCORE IS: 0000005001RANK IN!");
    EXPECT_EQ(screen_text(23, 28, 3), c.slots);
    EXPECT_EQ(stored_name(), c.stored);
    const bool saved = std::string(c.stored) != "none";
    EXPECT_EQ(std::tuple(score.score, score.hits, score.multiplier),
              saved ? std::tuple(0, 0, 1.0) : std::tuple(5001, 7, 2.5))
        << c.stored;
    if (saved) {
      EXPECT_EQ(score_table_read()[0].score, 5001);
    }
  }
}

// The countdown shows 30 for a frame, then each value for 60 frames down to 1,
// never 00; only Enter takes the offer, and none is made without continues.
TEST_F(EndScreens, ContinueCountdownRunsFrom30To1AndOnlyEnterTakesIt) {
  const struct {
    int continues;
    char key;  // tapped at the fifth flush
    bool taken;
    int frames;
  } cases[] = {
      {3, '\n', true, 5}, {3, '\x1b', false, 5}, {0, '\n', false, 0}, {2, 'a', false, 1741}};
  for (const auto& c : cases) {
    platform_script_begin();
    reset_console();
    game.continues_left = c.continues;
    std::vector<int> shown;
    platform_script_on_flush([&](int frame) {
      shown.push_back(10 * big_digit_at(20) + big_digit_at(25));
      if (frame == 5) tap(c.key);
    });
    EXPECT_EQ(continue_offer(), c.taken) << c.key;
    ASSERT_EQ(static_cast<int>(shown.size()), c.frames) << c.key;
    EXPECT_TRUE(c.frames > 0 || screen_text(10, 23, 30) == std::string(30, ' '));  // no box
    if (c.frames < 1741) continue;
    EXPECT_EQ(screen_text(25, 40, 12), "Continues: 2");
    EXPECT_TRUE(std::is_sorted(shown.rbegin(), shown.rend()));
    for (int value = 1; value <= 30; ++value) {
      EXPECT_EQ(std::count(shown.begin(), shown.end(), value), value == 30 ? 1 : 60) << value;
    }
  }
}

// The closing screen runs the name entry while the result qualifies: an
// Escape closes it for one frame only, and the Enter that confirmed a name
// is still down when the screen next reads it.
TEST_F(EndScreens, DemoEndEscapeClosesTheNameEntryForOneFrameOnly) {
  Score score = Score{5001, 2.5, 7};
  std::string thanks, reopened;
  TCOD_color_t colour{};
  platform_script_on_flush([&](int frame) {
    const char* keys[] = {"", "a", "\x1b", "", "", "b", ""};
    if (frame == 1) thanks = screen_text(5, 20, 41);
    if (frame == 4) reopened = screen_text(23, 28, 3);  // flush 3 was the closing screen's own
    if (frame < 7) {
      for (char k : std::string(keys[frame])) tap(k);
    }
    if (frame == 6) press_key(TCODK_ENTER, '\r');
    if (frame == 7) colour = cell_fg(5, 20);
  });
  demo_end_screen(score);
  EXPECT_EQ(thanks, "Thanks for playing the Ember Vortex demo.");
  EXPECT_EQ(reopened, "?--");  // the A before the Escape is gone
  EXPECT_EQ(colour, cycle_colour(1));
  EXPECT_EQ(stored_name(), "B");
  EXPECT_EQ(platform_script_frames(), 7);
}

namespace {

// A drone in the ship's line of fire, worth points.
void sitting_target(Drone& drone) {
  drone.score = 250;
}

void target_step(Director& director) {
  if (director.frame++ == 0) drone_spawn(25, 40, sitting_target, drone_fire_none, *director.world);
}

}  // namespace

// A death with points: the name entry (confirmed or cancelled), then
// the continue offer taken with Enter, and play goes on from a score of 0.
TEST_F(EndScreens, AContinueAfterTheNameEntryPlaysOn) {
  const struct { const char *name_keys, *stored; } cases[] = {{"abc\n", "ABC"}, {"\x1b", "none"}};
  for (const auto& c : cases) {
    std::remove(data_file("scoreDat.data").c_str());
    platform_script_begin();
    game = GameGlobals{};
    std::string hud_at_death, hud_after;
    int continued_at = 0, continues = -1;
    size_t typed = 0;
    platform_script_on_flush([&](int frame) {
      std::string hud = screen_text(12, 62, 10);
      if (frame == 70) press_char('z');  // the gun, held
      if (hud_at_death.empty() && hud > "0000000000" && hud < "9999999999") {
        hud_at_death = hud;
        game.player_alive = false;
        game.player_dead = true;
      }
      if (screen_text(11, 24, 15) == "YOUR SCORE IS: " && c.name_keys[typed] != '\0') {
        tap(c.name_keys[typed++]);
      }
      if (continued_at == 0 && screen_text(12, 25, 9) == "Continue?") {
        tap('\n');
        continued_at = frame;
      }
      if (continued_at != 0 && frame == continued_at + 2) {
        hud_after = hud + (cell_char(25, 55) == 'M' ? " ship" : "");
        continues = game.continues_left;
        platform_script_close_window();
      }
      if (frame > 2000) platform_script_close_window();
    });
    game_play(target_step);
    ASSERT_FALSE(hud_at_death.empty());
    EXPECT_EQ(stored_name(), c.stored) << c.name_keys;
    if (std::string(c.stored) != "none") {
      EXPECT_EQ(score_table_read()[0].score, std::stoi(hud_at_death));
    }
    EXPECT_EQ(std::pair(hud_after, continues), std::pair(std::string("0000000000 ship"), 2))
        << c.name_keys;
  }
}
