#include "tests/golden/golden.h"

#include <libtcod.h>

#include <cinttypes>
#include <cstdio>
#include <cstdlib>

#include "game/globals.h"
#include "game/trace.h"
#include "shell/data_folder.h"
#include "shell/files.h"
#include "shell/platform.h"
#include "shell/sound.h"
#include "shell/startup.h"

namespace {

constexpr int kKeepAlive = 1000;
constexpr int kFrameNoteEvery = 60;

struct FrameNotes {
  uint64_t hash = 0;
  std::string text;
  std::string hashes;
} frame_notes;

void fold(uint64_t value) {
  frame_notes.hash = trace_fold(frame_notes.hash, value);
}

// A press at `at` and its release two frames later.
void tap(TCOD_keycode_t vk, int c, int frame, int at) {
  if (frame == at) platform_script_key(vk, c, true);
  if (frame == at + 2) platform_script_key(vk, c, false);
}

}  // namespace

void golden_start_headless() {
  setenv("SDL_VIDEODRIVER", "dummy", 1);
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  files_memory_begin(data_folder());
  startup();
}

std::string golden_path(const std::string& run, const char* ending) {
  return std::string(EV_GOLDEN_DIR "/") + run + ending;
}

void golden_frames_begin() {
  frame_notes = FrameNotes{kTraceHashStart, "", ""};
  sound_record(true);
}

void golden_frames_flush(int flush) {
  for (int y = 0; y < TCOD_console_get_height(nullptr); ++y) {
    for (int x = 0; x < TCOD_console_get_width(nullptr); ++x) {
      // A blank's ink is unseen, and the blank screen before the menu takes it from
      // whatever the console held before.
      const int ch = TCOD_console_get_char(nullptr, x, y);
      const TCOD_color_t fg =
          ch == ' ' || ch == 0 ? TCOD_black : TCOD_console_get_char_foreground(nullptr, x, y);
      const TCOD_color_t bg = TCOD_console_get_char_background(nullptr, x, y);
      fold(static_cast<uint64_t>(ch));
      fold(uint64_t{fg.r} << 40 | uint64_t{fg.g} << 32 | uint64_t{fg.b} << 24 |
           uint64_t{bg.r} << 16 | uint64_t{bg.g} << 8 | bg.b);
    }
  }
  // The fade is drawn over the console, not kept in its cells.
  const TCOD_color_t fade = TCOD_console_get_fading_color();
  fold(uint64_t{TCOD_console_get_fade()} << 24 | uint64_t{fade.r} << 16 | uint64_t{fade.g} << 8 |
       fade.b);
  for (const SoundPlay& play : sound_played())
    fold(uint64_t(play.effect) << 17 | uint64_t{play.panned} << 16 |
         uint64_t{play.panning.left} << 8 | play.panning.right);
  sound_clear_played();
  for (int byte = 0; byte < 4; ++byte)
    frame_notes.hashes += static_cast<char>(frame_notes.hash >> (32 + 8 * byte) & 0xff);
  if (flush % kFrameNoteEvery != 0) return;
  char line[48];
  std::snprintf(line, sizeof line, "flush %d %016" PRIx64 "\n", flush, frame_notes.hash);
  frame_notes.text += line;
}

const std::string& golden_frames_notes() {
  return frame_notes.text;
}

const std::string& golden_frames_hashes() {
  return frame_notes.hashes;
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
