// Prints every key event the game's poll delivers, one line each, until 'q'
// is pressed or ten seconds pass. key_strokes.sh drives it with real X key
// events under Xvfb.

#include <SDL.h>

#include <cstdio>

#include "shell/platform.h"

int main() {
  if (!platform_window_open("/nonexistent/font.png")) return 1;
  Uint32 start = SDL_GetTicks();
  std::printf("ready\n");
  std::fflush(stdout);
  while (!platform_window_closed() && SDL_GetTicks() - start < 10000) {
    platform_flush();
    TCOD_key_t key = platform_poll_key(TCOD_KEY_PRESSED | TCOD_KEY_RELEASED);
    if (key.vk == TCODK_NONE) continue;
    std::printf("%s %d %d\n", key.pressed ? "press" : "release", key.vk, key.c);
    std::fflush(stdout);
    if (key.c == 'q') break;
  }
  return 0;
}
