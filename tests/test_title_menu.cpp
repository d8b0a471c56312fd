#include <algorithm>
#include <filesystem>
#include <functional>
#include <sstream>

#include "frontend/continue_offer.h"
#include "frontend/credits.h"
#include "frontend/demo_end_screen.h"
#include "frontend/logo.h"
#include "frontend/name_entry.h"
#include "frontend/options.h"
#include "frontend/remap.h"
#include "frontend/scoreboard.h"
#include "frontend/title_menu.h"
#include "fx/glyph.h"
#include "game/game_loop.h"
#include "game/globals.h"
#include "shell/input.h"
#include "shell/settings.h"
#include "shell/sound.h"
#include "tests/screens.h"

namespace {

constexpr int kIntro = 80;

// Holds what a step names: 'd' down, 'u' up, 'r' down-right, 'e' Enter, '.' nothing.
void hold_step(char step) {
  auto hold = [](TCOD_keycode_t vk, bool down) {
    if (platform_key_down(vk) != down) platform_script_key(vk, vk == TCODK_ENTER ? '\r' : 0, down);
  };
  hold(TCODK_DOWN, step == 'd' || step == 'r');
  hold(TCODK_UP, step == 'u');
  hold(TCODK_RIGHT, step == 'r');
  hold(TCODK_ENTER, step == 'e');
}

// Runs a screen with one held step per flush from flush `from` on; the
// window closes after the last. `observe` sees every flush first.
void run(void (*screen)(), const std::string& steps, int from = 1,
         const std::function<void(int)>& observe = {}) {
  platform_script_on_flush([&](int frame) {
    if (observe) observe(frame);
    size_t step = static_cast<size_t>(std::max(0, frame - from));
    if (frame < from) return;
    if (step >= steps.size()) return platform_script_close_window();
    hold_step(steps[step]);
  });
  screen();
  platform_script_on_flush(nullptr);
}

// Each line of a logo block where it should stand, cut at the console's edges.
bool block_at(const char* block, int x, int y) {
  std::istringstream lines(block);
  for (std::string line; std::getline(lines, line) && y < 70; ++y) {
    int shown = std::min(static_cast<int>(line.size()), 50 - x);
    if (shown > 0 && screen_text(x, y, shown) != line.substr(0, static_cast<size_t>(shown))) {
      return false;
    }
  }
  return true;
}

std::string highlighted() {
  for (int y = 26; y <= 34; y += 2) {
    std::string row = screen_text(0, y, 50);
    int x = static_cast<int>(row.find_first_not_of(' '));
    if (x >= 0 && !(cell_fg(x, y) == TCOD_gray)) return text_at(0, y, 50);
  }
  return "";
}

size_t most_bullets = 0;
void count_bullets(Director& director) {
  most_bullets = std::max(most_bullets, director.world->player_bullets.size());
}

}  // namespace

using Menus = GameTest;

// Down on QUIT or up on Start Game plays the sound without moving; Enter on
// QUIT leaves the menu with the window open.
TEST_F(Menus, TheHighlightMovesOncePerChangeAndDoesNotWrap) {
  const struct {
    const char *steps, *selected;
    int selects;
    bool closed;
  } cases[] = {{"dddd.", "Scoreboard", 1, true},    {"dd.d.", "Options", 2, true},
               {"drd.", "Options", 2, true},        {"u.", "Start Game", 1, true},
               {"d.d.d.d.d.d.", "QUIT", 6, true},   {"d.d.u.", "Scoreboard", 3, true},
               {"d.d.d.d.e.....", "QUIT", 4, false}};
  for (const auto& c : cases) {
    platform_script_begin();
    sound_clear_played();
    std::string last;
    run(title_menu, c.steps, kIntro + 1, [&](int) { last = highlighted(); });
    EXPECT_EQ(last, c.selected) << c.steps;
    EXPECT_EQ(std::ranges::count(sound_played(), SFX_SELECT, &SoundPlay::effect), c.selects)
        << c.steps;
    EXPECT_EQ(platform_window_closed(), c.closed) << c.steps;
  }
  EXPECT_EQ(platform_script_frames(), kIntro + 9);  // the quit came on its Enter
}

// The logo rises and slides in whatever keys are pressed, then stands over
// the menu; the colour goes on across the credits, which start theirs again.
TEST_F(Menus, TheLogoRisesAndSlidesInAndTheColourGoesOnAcrossTheCredits) {
  // clang-format off
  const struct { int frame; const char* block; int x, y; } places[] = {
      {17, kLogoEmber, 6, 69}, {46, kLogoEmber, 6, 40}, {46, kLogoVortex, 47, 10},
      {80, kLogoEmber, 6, 6},  {80, kLogoVortex, 13, 10}, {81, kLogoEmber, 6, 5},
      {81, kLogoVortex, 12, 10}};
  // clang-format on
  std::string wrong, item_at_80, notice, back_on, heading, last;
  std::vector<TCOD_color_t> menu, credits;
  run(title_menu, "d.d.d.e...e...", kIntro + 1, [&](int frame) {
    if (frame == 5) tap('a');
    for (const auto& p : places) {
      if (p.frame == frame && !block_at(p.block, p.x, p.y)) wrong += screen_dump(0, 69);
    }
    if (frame == kIntro) item_at_80 = text_at(0, 26, 50);
    if (frame == kIntro + 1) notice = text_at(24, 60, 26);
    if (frame <= kIntro) return;
    bool on_menu = text_at(0, 26, 50) == "Start Game";
    (on_menu ? menu : credits).push_back(on_menu ? cell_fg(6, 6) : cell_fg(13, 20));
    if (on_menu && !credits.empty()) back_on = highlighted();
    if (!on_menu) heading = screen_text(0, 20, 50), last = text_at(0, 36, 50);
  });
  EXPECT_EQ(wrong, "");
  EXPECT_EQ(std::pair(item_at_80, notice),
            std::pair(std::string(), std::string("Arrows, Enter to choose")));
  ASSERT_GE(credits.size(), 3u);
  for (size_t k = 0; k < menu.size(); ++k) EXPECT_EQ(menu[k], cycle_colour(int(k))) << k;
  for (size_t k = 0; k < credits.size(); ++k) EXPECT_EQ(credits[k], cycle_colour(int(k))) << k;
  EXPECT_EQ(back_on, "Credits");
  EXPECT_EQ(heading, std::string(13, ' ') + "Program, design and sound" + std::string(12, ' '));
  EXPECT_EQ(last, "GoogleTest https://github.com/google/googletest");  // nothing cut
}

// Exit and Save writes the colour modes back unchanged, and never the stars.
TEST_F(Menus, OptionsExitAndSaveWritesBothFiles) {
  const struct {
    const char *before, *steps, *after;
    int stars;
    std::vector<std::string> sizes;
  } cases[] = {{"1 0 1 2", "d.d.d.d.d.d.e", "1 0 1 2", 1, {"x2"}},
               {"1 0 1 2", "e.d.e.d.d.d.d.e", "1 0 0 2", 0, {"x2"}},
               {"0 0 0 0", "d.d.e.e.e.d.d.d.e", "0 0 0 0", 1, {"x1", "x1.5", "x2", "x1"}}};
  for (const auto& c : cases) {
    platform_script_begin();
    input_reset();
    write_file(data_file("userprefs.data"), c.before);
    settings_load();
    settings.stars = 1;
    std::vector<std::string> sizes;
    run(options_screen, c.steps, 1, [&](int) {
      if (sizes.empty() || sizes.back() != text_at(32, 30, 8)) sizes.push_back(text_at(32, 30, 8));
    });
    EXPECT_FALSE(platform_window_closed()) << c.steps;
    EXPECT_EQ(read_file(data_file("userprefs.data")), c.after) << c.steps;
    EXPECT_EQ(read_file(data_file("controls.data")),
              std::string("zxcp\1\0\0\0\2\0\0\0\3\0\0\0\4\0\0\0", 20));
    EXPECT_EQ(settings.stars, c.stars) << c.steps;
    EXPECT_EQ(sizes, c.sizes) << c.steps;
  }
}

// The next game fires on a tap of the shifted Q of the last case, made and
// let go inside one frame, with one volley; z no longer fires.
TEST_F(Menus, RemapKeyboardStoresLowerCaseCharactersAndTheGameFiresOnThem) {
  const struct {
    std::vector<std::string> strokes;  // per flush
    const char* keys;
  } cases[] = {{{"qq", "b"}, "qqb"}, {{"<^\n", "a", "s", "d"}, "asd"}, {{"Q", "x", "c"}, "qxc"}};
  for (const auto& c : cases) {
    platform_script_begin();
    release_key(TCODK_ENTER, '\r');  // the key that chose the option, let go
    tap_per_flush(c.strokes);
    remap_keyboard();
    EXPECT_FALSE(platform_window_closed());
    EXPECT_EQ(
        std::string({char(controls.fire_key), char(controls.charge_key), char(controls.bomb_key)}),
        c.keys);
  }
  for (auto [key, volley] : {std::pair{'q', 3u}, {'z', 0u}}) {
    platform_script_begin();
    input_reset();
    most_bullets = 0;
    platform_script_on_flush([key](int frame) {
      if (frame == 70) tap(key);
      if (frame == 100) platform_script_close_window();
    });
    game_play(count_bullets);
    EXPECT_EQ(most_bullets, volley) << key;
  }
}

// Each prompt's buttons go down on its first flush (two for the bomb) and
// up on the next.
TEST_F(Menus, RemapControllerTakesTheHighestButtonDownAndNeedsAJoystick) {
  remap_controller();
  EXPECT_EQ(platform_script_frames(), 0);  // no joystick: nothing drawn
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

// A closed window leaves every screen at once, writing nothing.
TEST_F(Menus, AClosedWindowLeavesEveryScreenWithoutWritingAFile) {
  Score result;
  auto qualifying = [&] { result = Score{}, result.score = 5001; };
  const struct {
    const char* screen;
    std::function<void()> run;
    std::vector<std::string> strokes;  // one a flush before the close
    int frames;                        // the closing screen flushes once more after its entry
  } cases[] = {
      {"intro", title_menu, {}, 4},
      {"menu", [] { run(title_menu, "...", kIntro + 1); }, {}, kIntro + 4},  // run closes it
      {"options", [] { run(options_screen, "e.."); }, {}, 4},
      {"remap keyboard", remap_keyboard, {}, 4},
      {"remap controller", [] { platform_script_joystick_attach(), remap_controller(); }, {}, 4},
      {"credits", credits_screen, {}, 4},
      {"scoreboard", scoreboard_show, {}, 4},
      {"name entry", [&] { qualifying(), name_entry(result); }, {"a", "b"}, 4},
      {"continue offer", [] { EXPECT_TRUE(continue_offer()); }, {}, 4},
      {"closing screen", [&] { qualifying(), demo_end_screen(result); }, {"a", "b"}, 5},
  };
  for (const auto& c : cases) {
    platform_script_begin();
    game.continues_left = 3;
    tap_per_flush(c.strokes, 4);
    c.run();
    EXPECT_EQ(platform_script_frames(), c.frames) << c.screen;
    EXPECT_TRUE(std::filesystem::is_empty(test_folder() + "data")) << c.screen;
  }
}
