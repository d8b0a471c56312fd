#include "shell/platform.h"

#include <SDL.h>

#include <sstream>

#include "tests/harness.h"

namespace {

// Key events as text: a letter or U (Up) then + (press) or - (release); T a text event.
std::string strokes(int flags) {
  std::string out;
  for (TCOD_key_t key = platform_poll_key(flags); key.vk != TCODK_NONE;
       key = platform_poll_key(flags)) {
    if (!out.empty()) out += ' ';
    out += key.vk == TCODK_UP ? 'U' : key.c;
    out += key.pressed ? '+' : '-';
  }
  return out;
}

}  // namespace

using KeyPoll = GameTest;

// Under X libtcod delivers a held key as its press and a text event, the
// system's repeats with theirs, then the release; the poll gives one press
// and one release a stroke, and a dropped event of the other kind still ends
// its stroke. A shifted letter and its plain repeat are one key.
TEST_F(KeyPoll, AStrokeIsOnePressAndOneReleaseWithoutTextOrRepeats) {
  constexpr int kBoth = TCOD_KEY_PRESSED | TCOD_KEY_RELEASED;
  const struct {
    int flags;
    const char *events, *strokes;
  } cases[] = {{kBoth, "z+ T z+ T z+ z- U+ U+ U- z+", "z+ z- U+ U- z+"},
               {TCOD_KEY_PRESSED, "p+ p- q+ q- p+", "p+ q+ p+"},
               {kBoth, "Q+ q+ q-", "Q+ q-"}};
  for (const auto& c : cases) {
    std::istringstream events(c.events);
    for (std::string e; events >> e;) {
      TCOD_key_t key{};
      key.vk = e[0] == 'T' ? TCODK_TEXT : e[0] == 'U' ? TCODK_UP : TCODK_CHAR;
      key.c = key.vk == TCODK_CHAR ? e[0] : 0;
      key.pressed = e.back() != '-';
      platform_script_event(key);
    }
    EXPECT_EQ(strokes(c.flags), c.strokes) << c.events;
  }
}

// Alt+Enter toggles fullscreen at the next flush, and neither its press, its
// repeats nor its release reach the game's poll; an Enter held before Alt
// stays the game's. Rows run in order, as SDL events: L or R for the left or
// right Alt, E Enter or K keypad Enter, then + press, * repeat, - release.
TEST_F(KeyPoll, AltEnterTogglesFullscreenAndNeverReachesTheGameAsEnter) {
  const struct {
    const char *events, *strokes;
    bool fullscreen;
  } cases[] = {{"LE+ LE* E-", "", true},  // Alt let go first
               {"RK+ RK-", "", false},
               {"E+ LE* E-", "E+ E-", false}};
  platform_script_end();  // the keys libtcod takes from SDL
  for (const auto& c : cases) {
    std::istringstream events(c.events);
    for (std::string e; events >> e;) {
      SDL_Event event{};
      event.type = e.back() == '-' ? SDL_KEYUP : SDL_KEYDOWN;
      event.key.repeat = e.back() == '*';
      event.key.keysym.mod = e[0] == 'L' ? KMOD_LALT : e[0] == 'R' ? KMOD_RALT : KMOD_NONE;
      const bool keypad = e.find('K') != std::string::npos;
      event.key.keysym.sym = keypad ? SDLK_KP_ENTER : SDLK_RETURN;
      event.key.keysym.scancode = keypad ? SDL_SCANCODE_KP_ENTER : SDL_SCANCODE_RETURN;
      SDL_PushEvent(&event);
    }
    std::string polled;
    for (TCOD_key_t key; (key = platform_poll_key(TCOD_KEY_PRESSED | TCOD_KEY_RELEASED)).vk;) {
      polled += std::string(polled.empty() ? "" : " ") + "E" + (key.pressed ? "+" : "-");
    }
    platform_flush();
    const bool fullscreen = SDL_GetWindowFlags(TCOD_sys_get_sdl_window()) & SDL_WINDOW_FULLSCREEN;
    EXPECT_EQ(std::pair(polled, fullscreen), std::pair(std::string(c.strokes), c.fullscreen))
        << c.events;
  }
  platform_script_begin();
}
