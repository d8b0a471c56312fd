#include <cstring>

#include "frontend/continue_offer.h"
#include "frontend/credits.h"
#include "frontend/demo_end_screen.h"
#include "frontend/menu_cursor.h"
#include "frontend/name_entry.h"
#include "frontend/options.h"
#include "frontend/remap.h"
#include "frontend/score_table.h"
#include "frontend/scoreboard.h"
#include "frontend/title_menu.h"
#include "tests/harness.h"

// The screens' words, colours, layout, sounds and highlight, and the keys each answers, show in
// the session golden run; here what it never does: closed windows, odd settings, the files saved,
// a name given up, the countdown running out.

namespace {

// Flush n presses keys[n - 1] and lets go of the key before: 'v' Down, '\n' Enter, '\x1b'
// Escape, '\b' Backspace, '.' nothing, else that character. The window closes at flush `close_at`.
void keys_per_flush(const std::string& keys, int close_at = 12) {
  auto key = [](char c, bool down) {
    const TCOD_keycode_t vk = c == 'v'      ? TCODK_DOWN
                              : c == '\n'   ? TCODK_ENTER
                              : c == '\x1b' ? TCODK_ESCAPE
                              : c == '\b'   ? TCODK_BACKSPACE
                                            : TCODK_CHAR;
    if (c != '.') platform_script_key(vk, c == 'v' ? 0 : c, down);
  };
  platform_script_on_flush([=](int frame) {
    if (frame >= 2 && frame - 2 < int(keys.size())) key(keys[frame - 2], false);
    if (frame <= int(keys.size())) key(keys[frame - 1], true);
    if (frame >= close_at) platform_script_close_window();
  });
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

}  // namespace

using Menus = GameTest;

// A diagonal between two downs (a stick rolled over) is a change, so the second down moves too.
TEST_F(Menus, ADiagonalBetweenTwoDownsLetsTheSecondMove) {
  MenuCursor cursor{5};
  for (int direction : {90, 45, 90, 135, 90}) menu_cursor_step(cursor, direction);
  EXPECT_EQ(cursor.selection, 3);
}

// Exit and Save writes the settings (the controls file is read back by the settings test), the
// colour modes unchanged and never the stars. Any particles but 0 are on and show On, and a toggle
// turns them off; a size out of range shows as x2 and cycles on to x1.
TEST_F(Menus, OptionsExitAndSaveWritesTheSettingsFromOddValues) {
  const struct {
    const char *before, *keys, *after, *shown;  // the particles' value, then the size's
  } cases[] = {{"1 0 7 5", "\n.v.v.v.v.v.\n", "1 0 0 5", " Off  x2 "},
               {"0 0 7 5", "v.v.\n.v.v.v.\n", "0 0 7 0", " On   x1 "}};
  for (const auto& c : cases) {
    platform_script_begin();
    write_file(data_file("userprefs.data"), c.before);
    settings_load();
    keys_per_flush(c.keys, 40);
    options_screen();
    EXPECT_EQ(std::tuple(platform_window_closed(), read_file(data_file("userprefs.data")),
                         screen_text(33, 26, 5) + screen_text(33, 30, 4)),
              std::tuple(false, std::string(c.after), std::string(c.shown)));
  }
}

// A closed window ends each screen at once and none writes a file (the options save only on Exit
// and Save, the name entry's test keeps a closed window's name). The keyboard's remap stores a
// letter in lower case whatever Shift did; the controller's takes the highest button down.
TEST_F(Menus, AClosedWindowEndsEachScreenWithoutWritingAFile) {
  const struct {
    const char* screen;
    std::function<void()> run;
    const char *keys, *controls;  // the fire key, the charged shot's key and the fire button
    int frames;
  } cases[] = {
      {"intro", title_menu, "", "zx1", 12},
      {"options", options_screen, "\n", "zx1", 12},
      {"remap keyboard", remap_keyboard, ".\n.Q", "qx1", 12},
      {"remap controller without a joystick", remap_controller, "", "zx1", 0},
      {"credits", credits_screen, "", "zx1", 12},
      {"scoreboard", scoreboard_show, "", "zx1", 12},
      {"continue offer", [] { EXPECT_TRUE(continue_offer()); }, "", "zx1", 12},
      {"none left", [] { EXPECT_FALSE((game.continues_left = 0, continue_offer())); }, "", "zx1",
       0},
      {"remap controller",
       [] {
         platform_script_joystick_attach();
         for (int button : {2, 9}) platform_script_button(button, true);
         remap_controller();
       },
       "", "zx9", 12},
  };
  for (const auto& c : cases) {
    platform_script_begin();
    controls_set_defaults();
    keys_per_flush(c.keys);
    c.run();
    const std::string mapped = std::string{char(controls.fire_key), char(controls.charge_key)} +
                               std::to_string(controls.fire_button);
    EXPECT_EQ(std::tuple(platform_script_frames(), mapped,
                         std::filesystem::is_empty(test_folder() + "data")),
              std::tuple(c.frames, std::string(c.controls), true))
        << c.screen;
  }
}

using EndScreens = GameTest;

// A closed window keeps the letters typed so far; Escape saves nothing, but on the closing screen
// the entry opens again, empty, the flush after. A letter taken back is gone and a control byte
// is no letter. The table stays whole and sorted.
TEST_F(EndScreens, NameEntryKeepsAClosedWindowsLettersAndNothingOnEscape) {
  const struct {
    const char *keys, *row;
    bool closing;
  } cases[] = {{"ab", "AB 5001", false},
               {"a\x1b", "", false},
               {"a\x1b..b\n", "B 5001", true},
               {"ab\b\x01\n", "A 5001", false}};
  for (const auto& c : cases) {
    std::filesystem::remove(data_file("scoreDat.data"));
    score_table_write_defaults();
    platform_script_begin();
    Score score{5001};
    keys_per_flush(c.keys, int(std::strlen(c.keys)) + 3);
    (c.closing ? demo_end_screen : name_entry)(score);
    std::vector<Score> rows = score_table_read();
    const auto row = std::ranges::find(rows, 5001, &Score::score);
    const std::string added =
        row == rows.end() ? "" : row->name + (" " + std::to_string(row->score));
    EXPECT_EQ(
        std::tuple(added, rows.size(), std::ranges::is_sorted(rows, std::greater{}, &Score::score)),
        std::tuple(std::string(c.row), 20u, true))
        << c.keys;
  }
}

// With the last continue the countdown shows 30 for a frame, then each value for 60 frames down
// to 1, never 00, and ends declined; a letter does not take the offer.
TEST_F(EndScreens, ContinueCountdownRunsFrom30To1) {
  game.continues_left = 1;
  std::vector<int> shown;
  platform_script_on_flush([&](int frame) {
    shown.push_back(10 * big_digit_at(20) + big_digit_at(25));
    if (frame == 5) press_key(TCODK_CHAR, 'a');
    if (frame == 6) release_key(TCODK_CHAR, 'a');
  });
  EXPECT_FALSE(continue_offer());
  std::vector<int> expected{30};
  for (int value = 29; value >= 1; --value) expected.insert(expected.end(), 60, value);
  EXPECT_EQ(shown, expected);
}
