#include "shell/platform.h"

#include <SDL.h>

#include <filesystem>
#include <vector>

#include "tests/harness.h"

namespace {

TCOD_key_t raw(TCOD_keycode_t vk, int c, bool pressed) {
  TCOD_key_t key{};
  key.vk = vk;
  key.c = static_cast<char>(c);
  key.pressed = pressed;
  return key;
}

struct Stroke {
  int vk;
  int c;
  bool pressed;
  bool operator==(const Stroke&) const = default;
};

std::vector<Stroke> drain(int flags) {
  std::vector<Stroke> out;
  for (TCOD_key_t key = platform_poll_key(flags); key.vk != TCODK_NONE;
       key = platform_poll_key(flags)) {
    out.push_back({key.vk, key.c, key.pressed});
  }
  return out;
}

}  // namespace

class KeyPoll : public GameTest {};

// What libtcod delivers under X for one held key: the press, its text event,
// the system's repeats with their text events, then the release.
TEST_F(KeyPoll, AHeldKeyGivesOnePressAndOneReleaseWithoutTextOrRepeats) {
  platform_script_event(raw(TCODK_CHAR, 'z', true));
  platform_script_event(raw(TCODK_TEXT, 0, true));
  for (int repeat = 0; repeat < 30; ++repeat) {
    platform_script_event(raw(TCODK_CHAR, 'z', true));
    platform_script_event(raw(TCODK_TEXT, 0, true));
  }
  platform_script_event(raw(TCODK_CHAR, 'z', false));
  platform_script_event(raw(TCODK_UP, 0, true));
  platform_script_event(raw(TCODK_UP, 0, true));
  platform_script_event(raw(TCODK_UP, 0, false));
  platform_script_event(raw(TCODK_CHAR, 'z', true));  // a new stroke comes through again
  auto strokes = drain(TCOD_KEY_PRESSED | TCOD_KEY_RELEASED);
  std::vector<Stroke> expected = {{TCODK_CHAR, 'z', true},
                                  {TCODK_CHAR, 'z', false},
                                  {TCODK_UP, 0, true},
                                  {TCODK_UP, 0, false},
                                  {TCODK_CHAR, 'z', true}};
  EXPECT_EQ(strokes, expected);
}

TEST_F(KeyPoll, EventsOfTheOtherKindAreConsumedAndDropped) {
  platform_script_event(raw(TCODK_CHAR, 'p', true));
  platform_script_event(raw(TCODK_CHAR, 'p', false));
  platform_script_event(raw(TCODK_CHAR, 'q', true));
  platform_script_event(raw(TCODK_CHAR, 'q', false));
  auto presses = drain(TCOD_KEY_PRESSED);
  EXPECT_EQ(presses, (std::vector<Stroke>{{TCODK_CHAR, 'p', true}, {TCODK_CHAR, 'q', true}}));
  // The dropped releases still ended their strokes: the keys can be pressed again.
  platform_script_event(raw(TCODK_CHAR, 'p', true));
  EXPECT_EQ(drain(TCOD_KEY_PRESSED).size(), 1u);
}

TEST_F(KeyPoll, ShiftedAndPlainLettersAreOneKey) {
  platform_script_event(raw(TCODK_CHAR, 'Q', true));
  platform_script_event(raw(TCODK_CHAR, 'q', true));  // a repeat after Shift was let go
  platform_script_event(raw(TCODK_CHAR, 'q', false));
  EXPECT_EQ(drain(TCOD_KEY_PRESSED | TCOD_KEY_RELEASED).size(), 2u);
}

TEST_F(KeyPoll, AClosedWindowIsReportedAndWaitingForAKeyGivesUp) {
  EXPECT_FALSE(platform_window_closed());
  platform_script_close_window();
  EXPECT_TRUE(platform_window_closed());
  EXPECT_EQ(platform_wait_key().vk, TCODK_NONE);
}

// Two quick strokes of one key reach SDL's real queue before the game waits:
// a wait that threw the queue away would lose the release, and the filter
// would then take the second press for a repeat.
TEST_F(KeyPoll, WaitingForKeysKeepsEveryStrokeOfTheRealQueue) {
  platform_script_end();
  for (bool down : {true, false, true, false}) {
    SDL_Event event{};
    event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
    event.key.keysym.sym = SDLK_a;
    event.key.keysym.scancode = SDL_SCANCODE_A;
    event.key.windowID = SDL_GetWindowID(TCOD_sys_get_sdl_window());
    SDL_PushEvent(&event);
  }
  std::vector<Stroke> waited;
  for (int i = 0; i < 2; ++i) {
    TCOD_key_t key = platform_wait_key();
    waited.push_back({key.vk, key.c, key.pressed});
  }
  platform_script_begin();
  EXPECT_EQ(waited, (std::vector<Stroke>(2, {TCODK_CHAR, 'a', true})));
}

class Files : public GameTest {};

TEST_F(Files, AssetsAreFoundBesideTheProgramNotTheWorkingDirectory) {
  EXPECT_EQ(platform_asset_path("sound/select.wav"), test_folder() + "sound/select.wav");
  std::filesystem::remove_all(test_folder() + "data");
  platform_make_data_folder();
  EXPECT_TRUE(std::filesystem::is_directory(test_folder() + "data"));
}
