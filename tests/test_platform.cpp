#include "shell/platform.h"

#include <SDL.h>

#include <filesystem>
#include <vector>

#include "tests/harness.h"

namespace {

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

using KeyPoll = GameTest;

// Under X libtcod delivers a held key as its press and a text event, the
// system's repeats with theirs, then the release; the poll gives one press
// and one release a stroke, and a dropped event of the other kind still ends
// its stroke.
TEST_F(KeyPoll, AStrokeIsOnePressAndOneReleaseWithoutTextOrRepeats) {
  constexpr TCOD_keycode_t kChar = TCODK_CHAR, kText = TCODK_TEXT, kUp = TCODK_UP;
  const struct {
    int flags;
    std::vector<Stroke> events, strokes;
  } cases[] = {
      {TCOD_KEY_PRESSED | TCOD_KEY_RELEASED,
       {{kChar, 'z', true},
        {kText, 0, true},
        {kChar, 'z', true},
        {kText, 0, true},
        {kChar, 'z', true},
        {kChar, 'z', false},
        {kUp, 0, true},
        {kUp, 0, true},
        {kUp, 0, false},
        {kChar, 'z', true}},
       {{kChar, 'z', true},
        {kChar, 'z', false},
        {kUp, 0, true},
        {kUp, 0, false},
        {kChar, 'z', true}}},
      {TCOD_KEY_PRESSED,
       {{kChar, 'p', true},
        {kChar, 'p', false},
        {kChar, 'q', true},
        {kChar, 'q', false},
        {kChar, 'p', true}},
       {{kChar, 'p', true}, {kChar, 'q', true}, {kChar, 'p', true}}},
      // A shifted letter and its plain repeat after Shift was let go are one key.
      {TCOD_KEY_PRESSED | TCOD_KEY_RELEASED,
       {{kChar, 'Q', true}, {kChar, 'q', true}, {kChar, 'q', false}},
       {{kChar, 'Q', true}, {kChar, 'q', false}}},
  };
  for (const auto& c : cases) {
    for (const Stroke& e : c.events) {
      TCOD_key_t key{};
      key.vk = static_cast<TCOD_keycode_t>(e.vk);
      key.c = static_cast<char>(e.c);
      key.pressed = e.pressed;
      platform_script_event(key);
    }
    EXPECT_EQ(drain(c.flags), c.strokes) << c.events.size() << " events";
  }
}

// Two quick strokes of one key reach SDL's real queue before the game waits:
// a wait that threw the queue away would lose the release, and the filter
// would then take the second press for a repeat.
TEST_F(KeyPoll, WaitingForKeysKeepsEveryStrokeOfTheRealQueueAndGivesUpOnAClosedWindow) {
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
  platform_script_close_window();
  EXPECT_TRUE(platform_window_closed());
  EXPECT_EQ(platform_wait_key().vk, TCODK_NONE);
}

using Files = GameTest;

TEST_F(Files, AssetsAreFoundBesideTheProgramNotTheWorkingDirectory) {
  EXPECT_EQ(platform_asset_path("sound/select.wav"), test_folder() + "sound/select.wav");
  std::filesystem::remove_all(test_folder() + "data");
  platform_make_data_folder();
  EXPECT_TRUE(std::filesystem::is_directory(test_folder() + "data"));
}
