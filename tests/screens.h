#pragma once
// Keystrokes and text for the tests of the menus and the screens that close a game.

#include <string>
#include <vector>

#include "shell/platform.h"
#include "tests/harness.h"

// A keystroke, pressed and let go: '\n' Enter, '\b' Backspace, '\x1b' Escape,
// '<' the left arrow, '^' Shift (no character), else the character.
inline void tap(char c) {
  TCOD_keycode_t vk = c == '\n'     ? TCODK_ENTER
                      : c == '\b'   ? TCODK_BACKSPACE
                      : c == '\x1b' ? TCODK_ESCAPE
                      : c == '<'    ? TCODK_LEFT
                      : c == '^'    ? TCODK_SHIFT
                                    : TCODK_CHAR;
  int ch = c == '\n' ? '\r' : (c == '<' || c == '^') ? 0 : c;
  press_key(vk, ch);
  release_key(vk, ch);
}

// From the first flush on, flush n taps the keys of strokes[n - 1]; the
// window closes at flush `close_at`.
inline void tap_per_flush(std::vector<std::string> strokes, int close_at = 21) {
  platform_script_on_flush([strokes = std::move(strokes), close_at](int frame) {
    if (frame <= static_cast<int>(strokes.size())) {
      for (char k : strokes[static_cast<size_t>(frame - 1)]) tap(k);
    }
    if (frame >= close_at) platform_script_close_window();
  });
}

// Text from (x, y) without the blanks and box sides ('?') at its ends.
inline std::string text_at(int x, int y, int length) {
  std::string text = screen_text(x, y, length);
  text.erase(0, text.find_first_not_of(" ?"));
  text.erase(text.find_last_not_of(" ?") + 1);
  return text;
}
