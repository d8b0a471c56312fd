#pragma once
// The platform seam's own state, shared by its source files (platform.cpp:
// frames, the real source, recording and playback; platform_script.cpp: the
// script). Nothing else includes this.

#include <SDL.h>
#include <libtcod.h>

#include <array>
#include <bitset>
#include <cctype>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "shell/platform.h"

namespace seam {

constexpr int kFramesPerSecond = 60;

struct Script {
  std::deque<TCOD_key_t> events;
  std::set<int> held_keys;      // TCOD key codes
  std::bitset<256> held_bytes;  // control-mapping key bytes
  bool window_closed = false;
  int virtual_joystick = -1;               // its device index
  SDL_Joystick* virtual_handle = nullptr;  // the script's own, for setting hat and buttons
};

struct Sample {
  uint16_t keys = 0;  // HeldKey bits of kSampledKeys
  std::bitset<256> bytes;
  uint8_t hat = 0;
  uint32_t buttons = 0;
  uint8_t joysticks = 0;
  uint8_t button_count = 0;
};

// One source of input: the real keyboard and joystick, the script or a
// playback. The seam asks the live one through these routines, so it never
// needs to know which one it is.
struct InputSource {
  // The next stroke the polls take, vk TCODK_NONE when there is none.
  TCOD_key_t (*next_stroke)();
  // Held keys, key bytes and joystick as they are now.
  Sample (*take_sample)();
  bool (*window_closed)();
  void (*joystick_update)();
  // Last in the flush, after the drawing and the pace.
  void (*frame_end)();
  // Flushes keep the 60 fps pace.
  bool (*paced)();
  // Each frame's sample is known before the frame (frame_end loads it), so the
  // flush keeps it instead of leaving it to the frame's first question.
  bool samples_ahead;
  // Flushes count for the on_flush hook and call it.
  bool runs_hook;
};

extern const InputSource kRealSource;
extern const InputSource kScriptSource;
extern const InputSource kPlaybackSource;

struct Recording {
  bool on = false;
  std::vector<InputFrame> frames;
  InputFrame current;
  bool closed_marked = false;
};

struct Playback {
  std::vector<InputFrame> frames;
  size_t frame = 0;
  uint32_t repeats_done = 0;  // of frames[frame], the one under way not counted
  size_t entry = 0;           // the next entry of the frame under way
  bool closed_seen = false;
  bool past_end = false;
  bool out_of_step = false;
  bool aborted = false;
  bool paced = false;
  const InputSource* resume = &kRealSource;  // the source before the playback
};

struct PressCount {
  uint32_t total = 0;
  uint32_t before = 0;  // the total when the frame under way began
  int64_t frame = -1;   // the frame of the last press
};

struct Platform {
  std::string base_path;
  SDL_Joystick* joystick = nullptr;
  // The joystick count at the last try to open one while none was held: a
  // joystick that will not open is tried again only when the count changes.
  int joysticks_tried = 0;
  const InputSource* source = &kRealSource;
  // Keys whose press has been delivered and whose release has not: a second
  // press of one of them is the system's auto-repeat.
  std::set<std::pair<int, int>> keys_down;
  // The event taken behind a press to see whether it was the press's text.
  std::optional<TCOD_key_t> looked_ahead;
  // The Enter of an Alt+Enter (an SDL key) while it is down: its repeats and
  // release are the fullscreen toggle's too, and it never reads as held.
  SDL_Keycode fullscreen_enter = SDLK_UNKNOWN;
  bool fullscreen_asked = false;  // by Alt+Enter, as SDL's events arrive
  bool fullscreen_shown = false;  // at the last flush
  std::pair<int, int> windowed;   // the window's size before it went fullscreen
  std::array<PressCount, 256> presses_by_code{};
  std::array<PressCount, 256> presses_by_byte{};
  Sample sample;
  bool sampled = false;  // in the frame under way
  int64_t frame = 0;
  int hook_frames = 0;
  std::function<void(int)> on_flush;
  bool render = true;
  Script script;
  Recording recording;
  Playback playback;
};

extern Platform platform;

// A key byte as the control mapping holds it: lower case.
inline uint8_t key_byte(int c) {
  return static_cast<uint8_t>(std::tolower(c & 0xff));
}

inline TCOD_key_t no_key() {
  TCOD_key_t key{};
  key.vk = TCODK_NONE;
  return key;
}

// The script's held keys or joystick changed: the frame's sample is taken again.
void script_changed();
// Fresh keyboard memory and flush count for a new source.
void reset_keyboard();
// Makes `source` the live one, at its own pace.
void use_source(const InputSource& source);

// What the real keyboard and the script share, as they deliver live input:
// the stroke behind `raw`'s events, filtered and noted by a recording;
TCOD_key_t live_stroke(TCOD_key_t (*raw)());
// the sampled keys `down` says are held, Alt+Enter's Enter left out, and the
// open joystick's state;
uint16_t sample_keys(bool (*down)(TCOD_keycode_t));
void sample_joystick(Sample& sample);
// the window's close as a recording notes it;
bool note_closed(bool closed);
// and SDL's joysticks, read and followed as they are plugged in and out.
void live_joystick_update();
// Live input has no frame of its own to move on at the flush's end.
void live_frame_end();

}  // namespace seam
