#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "enemies/drone.h"
#include "frontend/continue_offer.h"
#include "frontend/demo_end_screen.h"
#include "frontend/name_entry.h"
#include "frontend/score_table.h"
#include "frontend/scoreboard.h"
#include "fx/glyph.h"
#include "game/director.h"
#include "game/game_loop.h"
#include "game/globals.h"
#include "shell/input.h"
#include "shell/platform.h"
#include "tests/harness.h"

namespace {

// A keystroke: '\n' Enter, '\b' Backspace, '\x1b' Escape, else the character.
void tap(char c) {
  TCOD_keycode_t vk = c == '\n'     ? TCODK_ENTER
                      : c == '\b'   ? TCODK_BACKSPACE
                      : c == '\x1b' ? TCODK_ESCAPE
                                    : TCODK_CHAR;
  press_key(vk, c == '\n' ? '\r' : c);
  release_key(vk, c == '\n' ? '\r' : c);
}

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

bool name_box_showing() {
  return screen_text(11, 24, 15) == "YOUR SCORE IS: ";
}

}  // namespace

class EndScreens : public GameTest {};

TEST_F(EndScreens, NameEntryStoresAtMostThreeConfirmedCharacters) {
  struct Case {
    std::vector<std::string> strokes;  // per flush
    const char *stored, *slots;        // slots at the last flush; '?' is the block
  } cases[] = {{{"x", "y", "z", "\n"}, "XYZ", "XYZ"},
               {{"x", "y", "\b", "k", "\n"}, "XK", "XK?"},
               {{"", "", "", "", "", "\n"}, "", "---"},
               {{"a", "b", "c", "d", "e", "\n"}, "ABC", "ABC"},
               {{"qq", "\n"}, "QQ", "QQ?"},
               {{"a", "\x1b"}, nullptr, "A?-"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.slots);
    std::remove(data_file("scoreDat.data").c_str());
    platform_script_begin();
    Score score = Score{5001, 2.5, 7};
    std::string header, slots;
    platform_script_on_flush([&](int frame) {
      if (frame == 1) header = screen_text(11, 24, 25) + screen_text(11, 26, 8);
      slots = screen_text(23, 28, 3);
      if (frame <= int(c.strokes.size()))
        for (char k : c.strokes[size_t(frame - 1)]) tap(k);
      if (frame > 20) platform_script_close_window();
    });
    name_entry(score);
    EXPECT_EQ(header, "YOUR SCORE IS: 0000005001RANK IN!");
    EXPECT_EQ(slots, c.slots);
    auto rows = score_table_read();
    ASSERT_EQ(rows.size(), c.stored ? 1u : 0u);
    if (!c.stored) {
      EXPECT_EQ(score.score, 5001);  // Escape leaves the result as it was
      continue;
    }
    EXPECT_STREQ(rows[0].name, c.stored);
    EXPECT_EQ(rows[0].score, 5001);
    EXPECT_EQ(score.score + score.hits, 0);  // reset: the result never qualifies twice
    EXPECT_EQ(score.multiplier, 1.0);
  }
}

TEST_F(EndScreens, ContinueCountdownRunsFrom30To1AndOnlyEnterTakesIt) {
  struct Case {
    int continues;
    char key;  // tapped at the fifth flush
    bool taken;
    int frames;
  } cases[] = {
      {3, '\n', true, 5}, {3, '\x1b', false, 5}, {0, '\n', false, 0}, {2, 'a', false, 1741}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.key);
    platform_script_begin();
    reset_console();
    game.continues_left = c.continues;
    std::vector<int> shown;
    std::string continues;
    platform_script_on_flush([&](int frame) {
      shown.push_back(10 * big_digit_at(20) + big_digit_at(25));
      continues = screen_text(25, 40, 12);
      if (frame == 5) tap(c.key);
    });
    EXPECT_EQ(continue_offer(), c.taken);
    ASSERT_EQ(static_cast<int>(shown.size()), c.frames);
    EXPECT_TRUE(c.frames > 0 || screen_text(10, 23, 30) == std::string(30, ' '));  // no box
    if (c.frames < 1741) continue;
    EXPECT_EQ(continues, "Continues: 2");
    EXPECT_EQ(std::vector<int>(shown.begin(), shown.begin() + 2), std::vector<int>({30, 29}));
    EXPECT_EQ(std::vector<int>(shown.begin() + 60, shown.begin() + 62), std::vector<int>({29, 28}));
    EXPECT_EQ(shown.back(), 1);
    for (int value = 1; value <= 30; ++value)
      EXPECT_GT(std::count(shown.begin(), shown.end(), value), 0);
    EXPECT_EQ(*std::min_element(shown.begin(), shown.end()), 1);  // every frame readable, never 00
  }
}

TEST_F(EndScreens, DemoEndEscapeClosesTheNameEntryForOneFrameOnly) {
  Score score = Score{5001, 2.5, 7};
  std::string thanks, reopened;
  TCOD_color_t colour{};
  platform_script_on_flush([&](int frame) {
    const char* keys[] = {"", "a", "\x1b", "", "", "b", ""};
    if (frame == 1) thanks = screen_text(5, 20, 41);
    if (frame == 4) reopened = screen_text(23, 28, 3);  // flush 3 was the closing screen's own
    if (frame < 7)
      for (char k : std::string(keys[frame])) tap(k);
    if (frame == 6) press_key(TCODK_ENTER, '\r');
    if (frame == 7) colour = cell_fg(5, 20);
  });
  demo_end_screen(score);
  EXPECT_EQ(thanks, "Thanks for playing the Ember Vortex demo.");
  EXPECT_EQ(reopened, "?--");  // the A before the Escape is gone
  EXPECT_EQ(colour, cycle_colour(1));
  ASSERT_EQ(score_table_read().size(), 1u);
  EXPECT_STREQ(score_table_read()[0].name, "B");
  // The Enter that confirmed the name is still down at the screen's next reading.
  EXPECT_EQ(platform_script_frames(), 7);
}

TEST_F(EndScreens, TheScoreboardShowsANewLowestRowAndWaitsForANewPress) {
  score_table_write_defaults();
  Score score = Score{5001, 2.5, 7};
  std::memcpy(score.name, "NEW", 4);
  ASSERT_TRUE(score_qualifies(score));
  score_table_add(score);
  press_key(TCODK_ENTER, '\r');  // held from the game, whose poll saw it go down
  read_accept();
  std::vector<std::string> rows;
  TCOD_color_t colour{};
  platform_script_on_flush([&](int frame) {
    if (frame == 1)
      for (int y : {18, 20, 21, 38, 39, 40}) rows.push_back(screen_text(13, y, 25));
    if (frame == 3) colour = cell_fg(14, 39);
    if (frame == 4) release_key(TCODK_ENTER, '\r');
    if (frame == 6) press_key(TCODK_ENTER, '\r');
  });
  scoreboard_show();
  EXPECT_EQ(platform_script_frames(), 6);
  EXPECT_EQ(colour, cycle_colour(2));
  EXPECT_EQ(rows,
            std::vector<std::string>({"RANK NAME   SCORE    HITS", "  1:  ZAP 0000100000 100 ",
                                      "  2:  --- 0000095000 95  ", " 19:  --- 0000010000 10  ",
                                      " 20:  NEW 0000005001 7   ", std::string(25, ' ')}));
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

// A death with points: the name entry (confirmed, cancelled or closed), then
// the continue offer taken with Enter, and play goes on from a score of 0.
TEST_F(EndScreens, AContinueAfterTheNameEntryPlaysOn) {
  struct Case {
    const char* name_keys;
    const char* stored;
  } cases[] = {{"abc\n", "ABC"}, {"\x1b", nullptr}, {"a#", nullptr}};  // '#': the window closes
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name_keys);
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
      if (name_box_showing() && c.name_keys[typed] == '#') platform_script_close_window();
      if (name_box_showing() && c.name_keys[typed] != '\0') tap(c.name_keys[typed++]);
      if (continued_at == 0 && screen_text(12, 25, 9) == "Continue?")
        tap('\n'), continued_at = frame;
      if (continued_at != 0 && frame == continued_at + 2) {
        hud_after = hud + (cell_char(25, 55) == 'M' ? " ship" : "");
        continues = game.continues_left;
        platform_script_close_window();
      }
      if (frame > 2000) platform_script_close_window();
    });
    game_play(target_step);
    ASSERT_FALSE(hud_at_death.empty());
    auto rows = score_table_read();
    ASSERT_EQ(rows.size(), c.stored ? 1u : 0u);
    if (c.stored) {
      EXPECT_STREQ(rows[0].name, c.stored);
      EXPECT_EQ(rows[0].score, std::stoi(hud_at_death));
    }
    if (std::strchr(c.name_keys, '#')) continue;  // the game ended with the window
    EXPECT_EQ(hud_after, "0000000000 ship");
    EXPECT_EQ(continues, 2);
  }
}
