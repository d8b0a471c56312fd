#include <algorithm>
#include <sstream>

#include "enemies/drone.h"
#include "frontend/continue_offer.h"
#include "frontend/credits.h"
#include "frontend/demo_end_screen.h"
#include "frontend/logo.h"
#include "frontend/name_entry.h"
#include "frontend/options.h"
#include "frontend/remap.h"
#include "frontend/score_table.h"
#include "frontend/scoreboard.h"
#include "frontend/title_menu.h"
#include "fx/glyph.h"
#include "game/director.h"
#include "game/game_loop.h"
#include "shell/input.h"
#include "tests/harness.h"

namespace {

// A keystroke, pressed and let go: '\n' Enter ('\r' Enter held on), '\b' Backspace, '\x1b'
// Escape, '!' Shift+1 (the key '1' and its text), else the character.
void tap(char c) {
  TCOD_keycode_t vk = c == '\n' || c == '\r' ? TCODK_ENTER
                      : c == '\b'            ? TCODK_BACKSPACE
                      : c == '\x1b'          ? TCODK_ESCAPE
                                             : TCODK_CHAR;
  const int ch = c == '\n' ? '\r' : c == '!' ? '1' : c;
  press_key(vk, ch);
  if (c == '!') {
    TCOD_key_t text{};
    text.vk = TCODK_TEXT;
    text.text[0] = c;
    platform_script_event(text);
  }
  if (c != '\r') release_key(vk, ch);
}

// Flush n taps the keys of strokes[n - 1]; the window closes at flush `close_at`.
void tap_per_flush(std::vector<std::string> strokes, int close_at = 21) {
  platform_script_on_flush([strokes = std::move(strokes), close_at](int frame) {
    if (frame <= static_cast<int>(strokes.size())) {
      for (char k : strokes[static_cast<size_t>(frame - 1)]) tap(k);
    }
    if (frame >= close_at) platform_script_close_window();
  });
}

// Text from (x, y) without the blanks and box sides ('?') at its ends.
std::string text_at(int x, int y, int length) {
  std::string text = screen_text(x, y, length);
  text.erase(0, text.find_first_not_of(" ?"));
  text.erase(text.find_last_not_of(" ?") + 1);
  return text;
}

constexpr int kIntro = 80;

// Runs a screen holding one step per flush from flush `from` on: 'd' down, 'u' up, 'r'
// down-right, 'e' Enter, '.' nothing. The window closes after the last; `observe` sees every
// flush first.
void run(void (*screen)(), const std::string& steps, int from = 1,
         const std::function<void(int)>& observe = {}) {
  platform_script_on_flush([&](int frame) {
    if (observe) observe(frame);
    if (frame < from) return;
    if (frame - from >= static_cast<int>(steps.size())) return platform_script_close_window();
    const char step = steps[static_cast<size_t>(frame - from)];
    for (auto [vk, held] : {std::pair{TCODK_DOWN, step == 'd' || step == 'r'},
                            {TCODK_UP, step == 'u'},
                            {TCODK_RIGHT, step == 'r'},
                            {TCODK_ENTER, step == 'e'}}) {
      if (platform_key_down(vk) != held)
        platform_script_key(vk, vk == TCODK_ENTER ? '\r' : 0, held);
    }
  });
  screen();
  platform_script_on_flush(nullptr);
}

// Each line of a logo block where it should stand, cut at the console's edges.
bool block_at(const char* block, int x, int y) {
  std::istringstream lines(block);
  for (std::string line; std::getline(lines, line) && y < 70; ++y) {
    line.resize(std::min(line.size(), static_cast<size_t>(50 - x)));
    if (screen_text(x, y, static_cast<int>(line.size())) != line) return false;
  }
  return true;
}

// The menu item not in grey; every label covers column 25.
std::string highlighted() {
  for (int y = 26; y <= 34; y += 2)
    if (!(cell_fg(25, y) == TCOD_gray)) return text_at(0, y, 50);
  return "";
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

// Remaps the keyboard as the options do, their Enter let go: the keys for fire, charged shot and
// bomb.
std::string remapped_keys() {
  release_key(TCODK_ENTER, '\r');
  remap_keyboard();
  return {char(controls.fire_key), char(controls.charge_key), char(controls.bomb_key)};
}

// A drone shot down as it arrives: 250 points on the first frame.
void spent_drone(Drone& drone) {
  drone.score = 250;
  drone.hp = -1;
}

void one_kill(Director& director) {
  if (director.frame++ == 0) drone_spawn(25, 40, spent_drone, drone_fire_none, *director.world);
}

}  // namespace

using Menus = GameTest;

// Down on QUIT or up on Start Game plays the sound without moving; Enter on
// QUIT leaves the menu with the window open.
TEST_F(Menus, TheHighlightMovesOncePerChangeAndDoesNotWrap) {
  // clang-format off
  const struct { const char *steps, *selected; int selects; bool closed; } cases[] = {
      {"dddd.", "Scoreboard", 1, true}, {"drd.", "Options", 2, true}, {"u.", "Start Game", 1, true},
      {"d.d.d.d.d.d.", "QUIT", 6, true}, {"d.d.u.", "Scoreboard", 3, true},
      {"d.d.d.d.e.....", "QUIT", 4, false}};
  // clang-format on
  for (const auto& c : cases) {
    platform_script_begin();
    sound_clear_played();
    std::string last;
    run(title_menu, c.steps, kIntro + 1, [&](int) { last = highlighted(); });
    EXPECT_EQ(std::tuple(last, std::ranges::count(sound_played(), SFX_SELECT, &SoundPlay::effect),
                         platform_window_closed()),
              std::tuple(std::string(c.selected), c.selects, c.closed))
        << c.steps;
  }
  EXPECT_EQ(platform_script_frames(), kIntro + 9);  // the quit came on its Enter
}

// The logo rises and slides in whatever keys are pressed, then stands over
// the menu; the colour goes on across the credits, which start theirs again.
TEST_F(Menus, TheLogoRisesAndSlidesInAndTheColourGoesOnAcrossTheCredits) {
  // clang-format off
  const struct { int frame; const char* block; int x, y; } places[] = {
      {17, kLogoEmber, 6, 69}, {46, kLogoVortex, 47, 10}, {80, kLogoEmber, 6, 6},
      {80, kLogoVortex, 13, 10}, {81, kLogoEmber, 6, 5}, {81, kLogoVortex, 12, 10}};
  // clang-format on
  std::string wrong, notice, back_on, heading;
  std::vector<TCOD_color_t> menu, credits;
  run(title_menu, "d.d.d.e...e...", kIntro + 1, [&](int frame) {
    if (frame == 5) tap('a');
    for (const auto& p : places)
      if (p.frame == frame && !block_at(p.block, p.x, p.y)) wrong += screen_dump(0, 69);
    if (frame == kIntro + 1) notice = text_at(24, 60, 26);
    if (frame <= kIntro) return;
    bool on_menu = text_at(0, 26, 50) == "Start Game";
    (on_menu ? menu : credits).push_back(on_menu ? cell_fg(6, 6) : cell_fg(13, 20));
    if (on_menu && !credits.empty()) back_on = highlighted();
    if (!on_menu) heading = screen_text(0, 20, 50);
  });
  EXPECT_EQ(wrong, "");
  EXPECT_EQ(notice, "Arrows, Enter to choose");
  ASSERT_GE(credits.size(), 3u);
  for (size_t k = 0; k < menu.size(); ++k) EXPECT_EQ(menu[k], cycle_colour(int(k))) << k;
  for (size_t k = 0; k < credits.size(); ++k) EXPECT_EQ(credits[k], cycle_colour(int(k))) << k;
  EXPECT_EQ(back_on, "Credits");
  EXPECT_EQ(heading, std::string(13, ' ') + "Program, design and sound" + std::string(12, ' '));
}

// Exit and Save writes the settings (the controls are read back by the settings test), the colour
// modes unchanged and never the stars; a size out of range cycles on to x1.
TEST_F(Menus, OptionsExitAndSaveWritesTheSettings) {
  // clang-format off
  const struct { const char *before, *steps, *after; int stars; const char* sizes; } cases[] = {
      {"1 0 1 2", "d.d.d.d.d.d.e", "1 0 1 2", 1, "x2 "},
      {"1 0 7 2", "e.d.e.d.d.d.d.e", "1 0 0 2", 0, "x2 "},  // any particles but 0 are on
      {"0 0 0 5", "d.d.e.e.e.d.d.d.e", "0 0 0 2", 1, "x2 x1 x1.5 x2 "}};
  // clang-format on
  for (const auto& c : cases) {
    platform_script_begin();
    input_reset();
    write_file(data_file("userprefs.data"), c.before);
    settings_load();
    settings.stars = 1;
    std::string sizes, shown;
    run(options_screen, c.steps, 1, [&](int) {
      if (shown != text_at(32, 30, 8)) sizes += (shown = text_at(32, 30, 8)) + " ";
    });
    EXPECT_EQ(std::tuple(platform_window_closed(), read_file(data_file("userprefs.data")),
                         settings.stars, sizes),
              std::tuple(false, std::string(c.after), c.stars, std::string(c.sizes)))
        << c.steps;
  }
}

// Each prompt's buttons go down on its first flush (two for the bomb) and up on the next.
TEST_F(Menus, RemapControllerTakesTheHighestButtonDown) {
  platform_script_joystick_attach();
  platform_script_button(1, true);  // the fire button that chose the option, still down
  std::string prompt;
  platform_script_on_flush([&](int frame) {
    const bool first = text_at(0, 34, 50) != prompt;
    prompt = text_at(0, 34, 50);
    platform_script_button(1, false);
    platform_script_button(5, first && prompt == "Press button for fire:");
    platform_script_button(7, first && prompt == "Press button for charged shot:");
    platform_script_button(2, prompt == "Press button for bomb:");
    platform_script_button(9, prompt == "Press button for bomb:");
    if (frame > 50) platform_script_close_window();
  });
  remap_controller();
  EXPECT_FALSE(platform_window_closed());
  EXPECT_EQ(std::tuple(controls.fire_button, controls.charge_button, controls.bomb_button),
            std::tuple(5, 7, 9));
}

// Keys are tapped one a flush and the window closes at flush 12; no screen here writes a file
// (the name entry's own test keeps a closed window's name).
TEST_F(Menus, EachScreenLeavesOnItsKeyOrAClosedWindowWithoutWritingAFile) {
  const struct {
    const char* screen;
    std::function<void()> run;
    std::vector<std::string> strokes;
    int frames;  // the closing screen flushes once more after its entry
  } cases[] = {
      {"intro", title_menu, {}, 12},
      {"menu", [] { run(title_menu, "...", kIntro + 1); }, {}, kIntro + 4},  // run closes it
      {"options", [] { run(options_screen, "e.."); }, {}, 4},
      {"remap keyboard", [] { EXPECT_EQ(remapped_keys(), "zxc"); }, {}, 12},
      {"remap, Enter", [] { EXPECT_EQ(remapped_keys(), "asd"); }, {"\n", "a", "s", "d"}, 10},
      {"remap, fire twice, Shift", [] { EXPECT_EQ(remapped_keys(), "qqb"); }, {"qQ", "b"}, 8},
      {"remap controller without a joystick", remap_controller, {}, 0},
      {"remap controller", [] { platform_script_joystick_attach(), remap_controller(); }, {}, 12},
      {"credits", credits_screen, {}, 12},
      {"scoreboard", scoreboard_show, {}, 12},
      {"continue offer", [] { EXPECT_TRUE(continue_offer()); }, {}, 12},
      {"continue taken", [] { EXPECT_TRUE(continue_offer()); }, {"", "", "\n"}, 3},
      {"continue declined", [] { EXPECT_FALSE(continue_offer()); }, {"", "", "\x1b"}, 3},
      {"no continues", [] { EXPECT_FALSE((game.continues_left = 0, continue_offer())); }, {}, 0},
  };
  for (const auto& c : cases) {
    platform_script_begin();
    game.continues_left = 3;
    tap_per_flush(c.strokes, 12);
    c.run();
    EXPECT_EQ(platform_script_frames(), c.frames) << c.screen;
    EXPECT_TRUE(std::filesystem::is_empty(test_folder() + "data")) << c.screen;
  }
}

using EndScreens = GameTest;

// Escape saves nothing; a saved result no longer qualifies. The closing screen reopens the entry,
// empty, the flush after an Escape. A closed window keeps what was typed, in a whole, sorted
// table. The box's words, the closing screen's and its end on the Enter that confirms the name
// show in the golden run.
TEST_F(EndScreens, NameEntryStoresAtMostThreeTypedCharactersAlsoOnTheClosingScreen) {
  // Keys per flush, the window closing three flushes after the last, the table's new row and
  // the slots ('?' the block).
  // clang-format off
  const struct { std::vector<std::string> strokes; const char *row, *slots; } cases[] = {
      {{"x", "y", "z", "\n"}, "XYZ 5001", "XYZ"}, {{"x", "y", "\b", "k", "\n"}, "XK 5001", "XK?"},
      {{"", "", "", "", "", "\n"}, " 5001", "---"}, {{"a", "b", "c", "d", "e", "\n"}, "ABC 5001", "ABC"},
      {{"qq", "!", "\n"}, "QQ! 5001", "QQ!"}, {{"a", "\x1b"}, "", "A?-"}, {{"a", "b"}, "AB 5001", "AB?"},
      {{"a", "\x1b", "", "", "b", "\r"}, "B 5001", "B?-"}};  // Enter held: the closing screen
  // clang-format on
  for (const auto& c : cases) {
    std::filesystem::remove(data_file("scoreDat.data"));
    score_table_write_defaults();
    platform_script_begin();
    Score score{5001};
    tap_per_flush(c.strokes, static_cast<int>(c.strokes.size()) + 3);
    (c.strokes.back() == "\r" ? demo_end_screen : name_entry)(score);
    std::vector<Score> rows = score_table_read();
    const bool sorted = std::ranges::is_sorted(rows, std::greater{}, &Score::score);
    const auto row = std::ranges::find(rows, 5001, &Score::score);
    const std::string added =
        row == rows.end() ? "" : row->name + (" " + std::to_string(row->score));
    EXPECT_EQ(std::tuple(screen_text(23, 28, 3), added, rows.size(), sorted,
                         read_file(data_file("scoreDat.data")).size(), score_qualifies(score)),
              std::tuple(std::string(c.slots), std::string(c.row), 20u, true, 480u, !*c.row));
  }
}

// The countdown shows 30 for a frame, then each value for 60 frames down to 1, never 00.
TEST_F(EndScreens, ContinueCountdownRunsFrom30To1) {
  game.continues_left = 2;
  std::vector<int> shown;
  platform_script_on_flush([&](int frame) {
    shown.push_back(10 * big_digit_at(20) + big_digit_at(25));
    if (frame == 5) tap('a');  // only Enter takes the offer
  });
  EXPECT_FALSE(continue_offer());
  EXPECT_EQ(screen_text(25, 40, 12), "Continues: 2");
  std::vector<int> expected{30};
  for (int value = 29; value >= 1; --value) expected.insert(expected.end(), 60, value);
  EXPECT_EQ(shown, expected);
}

// A death with points: the name entry, then the continue offer taken with Enter, and play goes
// on from a score of 0 with the ship back at its start.
TEST_F(EndScreens, AContinueAfterTheNameEntryPlaysOn) {
  std::string seen;
  int continued_at = 0;
  platform_script_on_flush([&](int frame) {
    if (frame == 80) game.player_alive = false, game.player_dead = true;
    if (screen_text(11, 24, 15) == "YOUR SCORE IS: ") {
      tap('\x1b');  // cancelled, so the continue itself must clear the score
      seen = "name entry, ";
    }
    if (continued_at == 0 && screen_text(12, 25, 9) == "Continue?") {
      tap('\n');
      continued_at = frame;
    }
    if ((continued_at != 0 && frame == continued_at + 2) || frame > 2000) {
      seen += screen_text(12, 62, 10) + (cell_char(25, 55) == 'M' ? " ship " : " ") +
              std::to_string(game.continues_left);
      platform_script_close_window();
    }
  });
  game_play(one_kill);
  EXPECT_EQ(seen, "name entry, 0000000000 ship 2");
}
