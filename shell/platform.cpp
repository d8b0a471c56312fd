#include "shell/platform.h"

#include <SDL.h>

#include <algorithm>
#include <bitset>
#include <cctype>
#include <deque>
#include <filesystem>
#include <set>
#include <utility>

namespace {

// libtcod 1.18 keeps the 1.5-series key calls but marks them deprecated; they
// are silenced here alone, and the rest of the file calls these.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
TCOD_key_t tcod_check_for_keypress(int flags) {
  return TCOD_console_check_for_keypress(flags);
}
TCOD_key_t tcod_wait_for_keypress() {
  return TCOD_console_wait_for_keypress(true);
}
bool tcod_is_key_pressed(TCOD_keycode_t key) {
  return TCOD_console_is_key_pressed(key);
}
void tcod_keyboard_repeat_off() {
  TCOD_console_set_keyboard_repeat(0, 0);
}
#pragma GCC diagnostic pop

constexpr int kConsoleWidth = 50;
constexpr int kConsoleHeight = 70;
constexpr int kFramesPerSecond = 60;
constexpr int kVirtualButtons = 16;

struct Script {
  bool on = false;
  std::deque<TCOD_key_t> events;
  std::set<int> held_keys;      // TCOD key codes
  std::bitset<256> held_bytes;  // control-mapping key bytes
  bool window_closed = false;
  int frames = 0;
  std::function<void(int)> on_flush;
  int virtual_joystick = -1;
};

struct Platform {
  std::string base_path;
  SDL_Joystick* joystick = nullptr;
  // Keys whose press has been delivered and whose release has not: a second
  // press of one of them is the system's auto-repeat.
  std::set<std::pair<int, int>> keys_down;
  Script script;
};

Platform platform;

std::pair<int, int> stroke_of(const TCOD_key_t& key) {
  int c = key.vk == TCODK_CHAR ? std::tolower(static_cast<unsigned char>(key.c)) : 0;
  return {key.vk, c};
}

// False for events that are not a stroke's own press or release.
bool stroke_filter(const TCOD_key_t& key) {
  if (key.vk == TCODK_TEXT) return false;
  auto stroke = stroke_of(key);
  if (key.pressed) return platform.keys_down.insert(stroke).second;
  platform.keys_down.erase(stroke);
  return true;
}

TCOD_key_t raw_key() {
  if (!platform.script.on) {
    return tcod_check_for_keypress(TCOD_KEY_PRESSED | TCOD_KEY_RELEASED);
  }
  TCOD_key_t key{};
  key.vk = TCODK_NONE;
  if (!platform.script.events.empty()) {
    key = platform.script.events.front();
    platform.script.events.pop_front();
  }
  return key;
}

int key_byte(int c) {
  return std::tolower(c & 0xff);
}

}  // namespace

const std::string& platform_base_path() {
  if (platform.base_path.empty()) {
    char* base = SDL_GetBasePath();
    platform.base_path = base ? base : "./";
    SDL_free(base);
  }
  return platform.base_path;
}

void platform_set_base_path(std::string folder) {
  if (!folder.empty() && folder.back() != '/') folder += '/';
  platform.base_path = std::move(folder);
}

std::string platform_asset_path(const std::string& relative) {
  return platform_base_path() + relative;
}

void platform_make_data_folder() {
  std::error_code ignored;
  std::filesystem::create_directories(platform_asset_path("data"), ignored);
}

void platform_joystick_open() {
  SDL_Init(SDL_INIT_JOYSTICK);
  platform.joystick = SDL_JoystickOpen(0);
}

bool platform_window_open(const std::string& font_path) {
  TCOD_console_set_custom_font(font_path.c_str(), TCOD_FONT_LAYOUT_ASCII_INCOL, 16, 16);
  if (TCOD_console_init_root(kConsoleWidth, kConsoleHeight, "Ember Vortex", false,
                             TCOD_RENDERER_SDL) != TCOD_E_OK) {
    return false;
  }
  TCOD_sys_set_fps(kFramesPerSecond);
  tcod_keyboard_repeat_off();
  return true;
}

void platform_window_icon(const std::string& bmp_path) {
  SDL_Window* window = TCOD_sys_get_sdl_window();
  SDL_Surface* icon = SDL_LoadBMP_RW(SDL_RWFromFile(bmp_path.c_str(), "rb"), 1);
  if (window && icon) SDL_SetWindowIcon(window, icon);
  SDL_FreeSurface(icon);
}

void platform_flush() {
  if (platform.script.on) {
    ++platform.script.frames;
    if (platform.script.on_flush) platform.script.on_flush(platform.script.frames);
  }
  TCOD_console_flush();
}

bool platform_window_closed() {
  if (platform.script.on && platform.script.window_closed) return true;
  return TCOD_console_is_window_closed();
}

TCOD_key_t platform_poll_key(int flags) {
  for (;;) {
    TCOD_key_t key = raw_key();
    if (key.vk == TCODK_NONE) return key;
    if (!stroke_filter(key)) continue;
    int kind = key.pressed ? TCOD_KEY_PRESSED : TCOD_KEY_RELEASED;
    if (flags & kind) return key;
  }
}

TCOD_key_t platform_wait_key() {
  for (;;) {
    // A script queues its keys from the flush hook, so it is flushed while waiting.
    TCOD_key_t key = platform.script.on ? raw_key() : tcod_wait_for_keypress();
    if (key.vk == TCODK_NONE && platform_window_closed()) return key;
    if (key.vk == TCODK_NONE) platform_flush();
    if (key.vk != TCODK_NONE && stroke_filter(key) && key.pressed) return key;
  }
}

bool platform_key_down(TCOD_keycode_t key) {
  if (platform.script.on) return platform.script.held_keys.count(key) > 0;
  return tcod_is_key_pressed(key);
}

bool platform_mapped_key_down(uint8_t key) {
  if (platform.script.on) return platform.script.held_bytes[key];
  int count = 0;
  const Uint8* state = SDL_GetKeyboardState(&count);
  // A byte that names no key maps to scancode 0, which is never down.
  SDL_Scancode code = SDL_GetScancodeFromKey(static_cast<SDL_Keycode>(key));
  return state && code > SDL_SCANCODE_UNKNOWN && code < count && state[code];
}

void platform_joystick_update() {
  SDL_JoystickUpdate();
}

int platform_joystick_hat() {
  return SDL_JoystickGetHat(platform.joystick, 0);
}

bool platform_joystick_button(int button) {
  if (button < 0 || button >= platform_joystick_button_count()) return false;
  return SDL_JoystickGetButton(platform.joystick, button) != 0;
}

int platform_joystick_button_count() {
  return platform.joystick ? std::max(0, SDL_JoystickNumButtons(platform.joystick)) : 0;
}

int platform_joystick_count() {
  return std::max(0, SDL_NumJoysticks());
}

// --- Script ---

void platform_script_begin() {
  platform.script = Script{};
  platform.script.on = true;
  platform.keys_down.clear();
  TCOD_sys_set_fps(0);
}

void platform_script_end() {
  platform_script_joystick_detach();
  platform.script = Script{};
  platform.keys_down.clear();
  TCOD_sys_set_fps(kFramesPerSecond);
}

bool platform_scripted() {
  return platform.script.on;
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
}

void platform_script_key(TCOD_keycode_t vk, int c, bool pressed) {
  TCOD_key_t key{};
  key.vk = vk;
  key.c = static_cast<char>(c);
  key.pressed = pressed;
  platform_script_event(key);
  platform_script_hold(vk, c, pressed);
}

void platform_script_release_all() {
  platform.script.held_keys.clear();
  platform.script.held_bytes.reset();
}

void platform_script_close_window() {
  platform.script.window_closed = true;
}

void platform_script_joystick_attach() {
  if (platform.script.virtual_joystick >= 0) return;
  // A scripted window never has the focus, without which SDL drops joystick presses.
  SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
  SDL_InitSubSystem(SDL_INIT_JOYSTICK);
  platform.script.virtual_joystick =
      SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, 2, kVirtualButtons, 1);
  platform.joystick = SDL_JoystickOpen(platform.script.virtual_joystick);
}

void platform_script_joystick_detach() {
  if (platform.script.virtual_joystick < 0) return;
  SDL_JoystickClose(platform.joystick);
  platform.joystick = nullptr;
  SDL_JoystickDetachVirtual(platform.script.virtual_joystick);
  platform.script.virtual_joystick = -1;
}

void platform_script_hat(int value) {
  SDL_JoystickSetVirtualHat(platform.joystick, 0, static_cast<Uint8>(value));
}

void platform_script_button(int button, bool down) {
  SDL_JoystickSetVirtualButton(platform.joystick, button, down ? 1 : 0);
}

void platform_script_on_flush(std::function<void(int)> hook) {
  platform.script.on_flush = std::move(hook);
}

int platform_script_frames() {
  return platform.script.frames;
}
