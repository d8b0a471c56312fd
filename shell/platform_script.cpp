#include "shell/platform.h"

#include <SDL.h>

#include "shell/platform_state.h"

using namespace seam;  // the seam's own state

namespace {

constexpr int kVirtualButtons = 16;

TCOD_key_t script_raw_key() {
  if (platform.script.events.empty()) return no_key();
  TCOD_key_t key = platform.script.events.front();
  platform.script.events.pop_front();
  return key;
}

TCOD_key_t script_stroke() {
  return live_stroke(script_raw_key);
}

bool script_key_down(TCOD_keycode_t key) {
  return platform.script.held_keys.count(key) > 0;
}

Sample script_sample() {
  Sample sample;
  sample.keys = sample_keys(script_key_down);
  sample.bytes = platform.script.held_bytes;
  sample_joystick(sample);
  return sample;
}

// Closing the real window still counts.
bool script_window_closed() {
  return note_closed(platform.script.window_closed || TCOD_console_is_window_closed());
}

}  // namespace

// Tests and tools step frames as fast as they can: never paced.
const InputSource seam::kScriptSource = {
    script_stroke,  script_sample,        script_window_closed,    live_joystick_update,
    live_frame_end, [] { return false; }, /*samples_ahead=*/false, /*runs_hook=*/true};

namespace seam {

void script_changed() {
  // Only a sample the script's held state made is stale.
  if (platform.source == &kScriptSource) platform.sampled = false;
}

}  // namespace seam

void platform_script_begin() {
  platform.script = Script{};
  use_source(kScriptSource);
  reset_keyboard();
}

void platform_script_end() {
  platform_script_joystick_detach();
  platform.script = Script{};
  use_source(kRealSource);
  reset_keyboard();
}

void platform_script_event(TCOD_key_t key) {
  platform.script.events.push_back(key);
}

void platform_script_hold(TCOD_keycode_t vk, int c, bool down) {
  if (vk != TCODK_CHAR) {
    if (down) {
      platform.script.held_keys.insert(vk);
    } else {
      platform.script.held_keys.erase(vk);
    }
  }
  if (c != 0) platform.script.held_bytes[key_byte(c)] = down;
  script_changed();
}

void platform_script_key(TCOD_keycode_t vk, int c, bool pressed) {
  TCOD_key_t key = no_key();
  key.vk = vk;
  key.c = static_cast<char>(c);
  key.pressed = pressed;
  platform_script_event(key);
  platform_script_hold(vk, c, pressed);
}

void platform_script_release_all() {
  platform.script.held_keys.clear();
  platform.script.held_bytes.reset();
  script_changed();
}

void platform_script_close_window() {
  platform.script.window_closed = true;
}

void platform_script_joystick_attach() {
  if (platform.script.virtual_joystick >= 0) return;
  // A scripted window never has the focus, without which SDL drops joystick presses.
  SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
  SDL_InitSubSystem(SDL_INIT_JOYSTICK);
  Script& script = platform.script;
  script.virtual_joystick =
      SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, 2, kVirtualButtons, 1);
  script.virtual_handle = SDL_JoystickOpen(script.virtual_joystick);
  script_changed();
}

void platform_script_joystick_detach() {
  Script& script = platform.script;
  if (script.virtual_joystick < 0) return;
  SDL_JoystickClose(script.virtual_handle);
  script.virtual_handle = nullptr;
  SDL_JoystickDetachVirtual(script.virtual_joystick);
  script.virtual_joystick = -1;
  script_changed();
}

void platform_script_hat(int value) {
  SDL_JoystickSetVirtualHat(platform.script.virtual_handle, 0, static_cast<Uint8>(value));
  script_changed();
}

void platform_script_button(int button, bool down) {
  SDL_JoystickSetVirtualButton(platform.script.virtual_handle, button, down ? 1 : 0);
  script_changed();
}

void platform_script_on_flush(std::function<void(int)> hook) {
  platform.on_flush = std::move(hook);
}

int platform_script_frames() {
  return platform.hook_frames;
}
