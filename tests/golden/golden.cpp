#include "tests/golden/golden.h"

#include "game/globals.h"
#include "shell/platform.h"

namespace {

constexpr int kKeepAlive = 1000;

// A press at `at` and its release two frames later.
void tap(TCOD_keycode_t vk, int c, int frame, int at) {
  if (frame == at) platform_script_key(vk, c, true);
  if (frame == at + 2) platform_script_key(vk, c, false);
}

}  // namespace

std::string golden_replay_path() {
  return EV_GOLDEN_DIR "/level.replay";
}

std::string golden_trace_path() {
  return EV_GOLDEN_DIR "/level.trace";
}

void golden_keep_alive() {
  game.invulnerable_timer = kKeepAlive;
}

void golden_pilot(int frame) {
  // Once the level is won only screens that wait for Enter are left.
  if (game.game_won) tap(TCODK_ENTER, '\r', frame % 60, 30);
  if (frame % 400 == 1) platform_script_key(TCODK_CHAR, 'z', true);
  if (frame % 400 == 390) platform_script_key(TCODK_CHAR, 'z', false);
  int weave = frame % 320;
  platform_script_hold(TCODK_LEFT, 0, weave < 80);
  platform_script_hold(TCODK_RIGHT, 0, weave >= 160 && weave < 240);
  platform_script_hold(TCODK_UP, 0, frame % 700 < 30);
  platform_script_hold(TCODK_DOWN, 0, frame % 700 >= 350 && frame % 700 < 380);
  tap(TCODK_CHAR, 'x', frame % 600, 300);
  tap(TCODK_CHAR, 'c', frame % 1200, 1150);
}
