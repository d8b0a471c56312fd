#include "shell/platform.h"

#include <SDL.h>

#include <sstream>

#include "tests/harness.h"

namespace {

constexpr int kBoth = TCOD_KEY_PRESSED | TCOD_KEY_RELEASED;

// Key events as text: a letter, U (Up) or E (Enter), then + (press) or - (release), then
// the text the press typed, if any.
std::string strokes(int flags = kBoth) {
  std::string out;
  for (TCOD_key_t key = platform_poll_key(flags); key.vk != TCODK_NONE;
       key = platform_poll_key(flags)) {
    if (!out.empty()) out += ' ';
    out += key.vk == TCODK_UP ? 'U' : key.vk == TCODK_ENTER ? 'E' : key.c;
    out += (key.pressed ? "+" : "-") + std::string(key.text);
  }
  return out;
}

}  // namespace

using KeyPoll = GameTest;

// libtcod under X sends a held key's press, its text (T and what it typed) and repeats, then its
// release; the text joins its press, a text with no press before it is dropped, a dropped event
// of the other kind still ends the stroke, and case is ignored.
TEST_F(KeyPoll, AStrokeIsOnePressCarryingItsTextAndOneReleaseWithoutRepeats) {
  const struct {
    int flags;
    const char *events, *strokes;
  } cases[] = {{kBoth, "z+ Tz z+ Tz z+ z- U+ U+ U- z+", "z+z z- U+ U- z+"},
               {kBoth, "1+ T! 1- T@ 2+ U+ U-", "1+! 1- 2+ U+ U-"},
               {TCOD_KEY_PRESSED, "p+ Tp p- q+ Tq q- p+", "p+p q+q p+"},
               {kBoth, "Q+ q+ q-", "Q+ q-"}};
  for (const auto& c : cases) {
    std::istringstream events(c.events);
    for (std::string e; events >> e;) {
      TCOD_key_t key{};
      key.vk = e[0] == 'T' ? TCODK_TEXT : e[0] == 'U' ? TCODK_UP : TCODK_CHAR;
      key.c = key.vk == TCODK_CHAR ? e[0] : 0;
      key.pressed = e.back() != '-';
      if (key.vk == TCODK_TEXT) key.text[0] = e[1];
      platform_script_event(key);
    }
    EXPECT_EQ(strokes(c.flags), c.strokes) << c.events;
  }
}

// An Enter held before Alt, or pressed after a toggle, stays the game's. SDL events: L or R
// Alt, E Enter or K keypad Enter, then + press, * repeat, - release.
TEST_F(KeyPoll, AltEnterTogglesFullscreenAndNeverReachesTheGameAsEnter) {
  const struct {
    const char *events, *strokes;
    bool fullscreen;
  } cases[] = {{"RK+ RK-", "", true},
               {"LE+ LE* E-", "", false},  // Alt let go first
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
    const std::string polled = strokes();
    platform_flush();
    const bool fullscreen = SDL_GetWindowFlags(TCOD_sys_get_sdl_window()) & SDL_WINDOW_FULLSCREEN;
    EXPECT_EQ(std::pair(polled, fullscreen), std::pair(std::string(c.strokes), c.fullscreen))
        << c.events;
  }
  platform_script_begin();
}

// A window closed mid-frame reads closed in its playback too, in step whatever takes its mark:
// a poll, the frame's end or the playback's end.
TEST_F(KeyPoll, AWindowClosedMidFramePlaysBackInStep) {
  platform_script_close_window();
  for (int run = 0; run < 6; ++run) {  // recorded, then played back, for each taker
    const int taker = run / 2;
    run % 2 ? platform_playback_begin(platform_record_end(), false) : platform_record_begin();
    EXPECT_EQ(strokes(), "") << run;
    EXPECT_TRUE(platform_window_closed() && platform_window_closed()) << run;
    EXPECT_EQ(taker == 0 ? strokes() : "", "") << run;
    if (taker < 2) platform_flush();
    EXPECT_TRUE(platform_window_closed()) << run;
    EXPECT_FALSE(run % 2 && platform_playback_end().out_of_step) << run;
  }
}
