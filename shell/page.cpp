#include "shell/page.h"

#include <SDL.h>
#include <emscripten.h>

#include <cstring>

namespace {

// clang-format off
EM_JS(void, tell_file_saved, (const char* path), {
  if (Module.onFileSaved) Module.onFileSaved(UTF8ToString(path));
});

// A timer set at the end of each frame fires only once the game has given the
// browser back: if it has not fired by the next frame's end, that frame never did.
EM_JS(int, frame_gave_way, (), {
  return Module.evFrameGaveWay !== false;
});
EM_JS(void, watch_frame, (), {
  Module.evFrameGaveWay = false;
  setTimeout(function() { Module.evFrameGaveWay = true; }, 0);
});
// clang-format on

}  // namespace

void page_file_saved(const std::string& path) {
  tell_file_saved(path.c_str());
}

void page_frame_end(bool paced) {
  if (!paced) return;
  // libtcod's 60 fps pace sleeps (and so yields) only when the frame left it
  // time, and SDL yields after a picture only in its software renderer; a
  // long frame must not hold the page until the next one.
  if (!frame_gave_way()) emscripten_sleep(0);
  watch_frame();
}

void page_choose_audio() {
  const char* asked = SDL_getenv("SDL_AUDIODRIVER");
  if (asked && std::strcmp(asked, "dummy") == 0) SDL_setenv("SDL_AUDIODRIVER", "emscripten", 1);
}
