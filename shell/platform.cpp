#include "shell/platform.h"

#include <SDL.h>

#include <algorithm>
#include <array>
#include <bitset>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <memory>
#include <set>
#include <utility>

#include "game/screen.h"
#include "shell/data_folder.h"
#include "shell/page.h"
#include "shell/platform_state.h"
#include "shell/settings.h"

using namespace seam;  // the seam's own state

namespace {

// libtcod 1.18 keeps the 1.5-series key calls but marks them deprecated; they
// are silenced here alone, and the rest of the file calls these.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
TCOD_key_t tcod_check_for_keypress(int flags) {
  return TCOD_console_check_for_keypress(flags);
}
bool tcod_is_key_pressed(TCOD_keycode_t key) {
  return TCOD_console_is_key_pressed(key);
}
void tcod_keyboard_repeat_off() {
  TCOD_console_set_keyboard_repeat(0, 0);
}
#pragma GCC diagnostic pop

constexpr int kSampledButtons = 32;

// The keys a sample holds, in the order of their HeldKey bits.
constexpr std::array<TCOD_keycode_t, 9> kSampledKeys = {TCODK_UP,    TCODK_DOWN, TCODK_LEFT,
                                                        TCODK_RIGHT, TCODK_KP2,  TCODK_KP4,
                                                        TCODK_KP6,   TCODK_KP8,  TCODK_ENTER};

std::pair<int, int> stroke_of(const TCOD_key_t& key) {
  int c = key.vk == TCODK_CHAR ? std::tolower(static_cast<unsigned char>(key.c)) : 0;
  return {key.vk, c};
}

// False for events that are not a stroke's own press or release.
bool stroke_filter(const TCOD_key_t& key) {
  auto stroke = stroke_of(key);
  if (key.pressed) return platform.keys_down.insert(stroke).second;
  platform.keys_down.erase(stroke);
  return true;
}

// --- Fullscreen: Alt+Enter, on every screen ---

void toggle_fullscreen() {
  SDL_Window* window = TCOD_sys_get_sdl_window();
  if (!window) return;
  if (!(SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN)) {
    SDL_GetWindowSize(window, &platform.windowed.first, &platform.windowed.second);
    SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN_DESKTOP);
    return;
  }
  SDL_SetWindowFullscreen(window, 0);
  // Under X without a window manager SDL would keep the screen's size for the
  // window and draw the console cut off.
  SDL_SetWindowSize(window, platform.windowed.first, platform.windowed.second);
}

// Takes Alt+Enter out of SDL's events as they arrive, in step with SDL's
// keyboard state and before libtcod, the game or a recording sees it: its
// Enter would pick a menu item or confirm a name. libtcod hands key events
// over one a poll, sometimes frames later, so a later filter would be too late
// for the held state. The toggle itself waits for the next flush, outside
// SDL's event pump.
int SDLCALL fullscreen_filter(void*, SDL_Event* event) {
  if (event->type != SDL_KEYDOWN && event->type != SDL_KEYUP) return 1;
  const SDL_Keycode key = event->key.keysym.sym;
  if (key != SDLK_RETURN && key != SDLK_KP_ENTER) return 1;
  if (key == platform.fullscreen_enter) {  // its repeats and its release
    if (event->type == SDL_KEYUP) platform.fullscreen_enter = SDLK_UNKNOWN;
    return 0;
  }
  // An Enter held before Alt went down repeats as Alt+Enter: still the game's.
  if (event->type == SDL_KEYUP || event->key.repeat || !(event->key.keysym.mod & KMOD_ALT)) {
    return 1;
  }
  platform.fullscreen_enter = key;
  platform.fullscreen_asked = !platform.fullscreen_asked;
  return 0;
}

// The console keeps its shape in a window of any other (fullscreen, or one the
// player resized): scaled to fit and letter-boxed, where libtcod would stretch it.
TCOD_ViewportOptions* viewport() {
  static const std::unique_ptr<TCOD_ViewportOptions, void (*)(TCOD_ViewportOptions*)> options(
      [] {
        TCOD_ViewportOptions* made = TCOD_viewport_new();
        if (made) made->keep_aspect = true;
        return made;
      }(),
      TCOD_viewport_delete);
  return options.get();
}

TCOD_key_t raw_key(TCOD_key_t (*raw)()) {
  if (platform.looked_ahead) {
    TCOD_key_t key = *platform.looked_ahead;
    platform.looked_ahead.reset();
    return key;
  }
  return raw();
}

// A press's key code and character are the key's own, unshifted ('1' for
// Shift+1); what it typed ('!') comes in the text event right behind it. The
// text joins its press, so a keystroke stays one event. A text with no press
// before it (an input method's) is no keystroke and is dropped.
TCOD_key_t raw_stroke(TCOD_key_t (*raw)()) {
  for (;;) {
    TCOD_key_t key = raw_key(raw);
    if (key.vk == TCODK_TEXT) continue;
    if (!key.pressed || key.vk == TCODK_NONE) return key;
    key.text[0] = '\0';
    TCOD_key_t next = raw_key(raw);
    if (next.vk == TCODK_TEXT) {
      std::memcpy(key.text, next.text, sizeof key.text);
      key.text[sizeof key.text - 1] = '\0';
    } else if (next.vk != TCODK_NONE) {
      platform.looked_ahead = next;
    }
    return key;
  }
}

// --- Entries: key events as a recording holds them ---

constexpr std::pair<bool TCOD_key_t::*, uint8_t> kModifiers[] = {
    {&TCOD_key_t::shift, kEntryShift},     {&TCOD_key_t::lalt, kEntryLeftAlt},
    {&TCOD_key_t::lctrl, kEntryLeftCtrl},  {&TCOD_key_t::lmeta, kEntryLeftMeta},
    {&TCOD_key_t::ralt, kEntryRightAlt},   {&TCOD_key_t::rctrl, kEntryRightCtrl},
    {&TCOD_key_t::rmeta, kEntryRightMeta},
};

InputEntry entry_of(const TCOD_key_t& key) {
  InputEntry entry;
  entry.vk = static_cast<uint8_t>(key.vk);
  entry.c = static_cast<uint8_t>(key.c);
  entry.flags = key.pressed ? kEntryPressed : 0;
  for (auto [field, bit] : kModifiers) {
    if (key.*field) entry.flags |= bit;
  }
  return entry;
}

TCOD_key_t key_of(const InputEntry& entry) {
  TCOD_key_t key = no_key();
  key.vk = static_cast<TCOD_keycode_t>(entry.vk);
  key.c = static_cast<char>(entry.c);
  key.pressed = (entry.flags & kEntryPressed) != 0;
  for (auto [field, bit] : kModifiers) key.*field = (entry.flags & bit) != 0;
  return key;
}

void record_entry(const InputEntry& entry) {
  if (platform.recording.on) platform.recording.current.entries.push_back(entry);
}

// A press and the text it typed, one entry a byte behind it.
void record_key(const TCOD_key_t& key) {
  record_entry(entry_of(key));
  for (const char* text = key.text; key.pressed && *text; ++text) {
    record_entry({static_cast<uint8_t>(TCODK_TEXT), static_cast<uint8_t>(*text), 0});
  }
}

// --- Samples ---

constexpr std::array<uint8_t Controls::*, 3> kMappedKeys = {
    &Controls::fire_key, &Controls::charge_key, &Controls::bomb_key};
constexpr int kFirstMappedBit = 9;

uint8_t byte_count(int count) {
  return static_cast<uint8_t>(std::clamp(count, 0, 255));
}

const Sample& sample() {
  if (!platform.sampled) {
    platform.sample = platform.source->take_sample();
    platform.sampled = true;
  }
  return platform.sample;
}

uint16_t held_bits(const Sample& sample) {
  uint16_t held = sample.keys;
  for (size_t i = 0; i < kMappedKeys.size(); ++i) {
    if (sample.bytes[controls.*kMappedKeys[i]]) {
      held |= static_cast<uint16_t>(1u << (kFirstMappedBit + i));
    }
  }
  return held;
}

Sample sample_of(const InputFrame& frame) {
  Sample sample;
  sample.keys = frame.held & ((1u << kFirstMappedBit) - 1);
  for (size_t i = 0; i < kMappedKeys.size(); ++i) {
    if (frame.held & (1u << (kFirstMappedBit + i))) sample.bytes[controls.*kMappedKeys[i]] = true;
  }
  sample.hat = frame.hat;
  sample.buttons = frame.buttons;
  sample.joysticks = frame.joysticks;
  sample.button_count = frame.button_count;
  return sample;
}

// --- Recording and playback, frame by frame ---

void record_frame_end() {
  Recording& recording = platform.recording;
  InputFrame& frame = recording.current;
  // A poll past the recorded entries finds nothing, so the polls that found
  // nothing at the end of a frame need no entries.
  while (!frame.entries.empty() && frame.entries.back() == InputEntry{}) frame.entries.pop_back();
  frame.held = held_bits(platform.sample);
  frame.hat = platform.sample.hat;
  frame.buttons = platform.sample.buttons;
  frame.joysticks = platform.sample.joysticks;
  frame.button_count = platform.sample.button_count;
  if (!recording.frames.empty() && recording.frames.back().same_input(frame)) {
    recording.frames.back().repeat += 1;
  } else {
    recording.frames.push_back(std::move(frame));
  }
  frame = InputFrame{};
}

// --- Joystick ---

// Drops a joystick pulled out and opens one plugged in. libtcod's event loop
// swallows SDL's device events, so the seam asks SDL itself, every frame: a
// held joystick costs one call.
void follow_joystick_plug() {
  if (platform.joystick) {
    if (SDL_JoystickGetAttached(platform.joystick)) return;
    SDL_JoystickClose(platform.joystick);
    platform.joystick = nullptr;
    platform.joysticks_tried = -1;
  }
  int count = SDL_NumJoysticks();
  if (count == platform.joysticks_tried) return;
  platform.joysticks_tried = count;
  for (int i = 0; i < count && !platform.joystick; ++i) platform.joystick = SDL_JoystickOpen(i);
}

void add_press(PressCount& count) {
  if (count.frame != platform.frame) {
    count.before = count.total;
    count.frame = platform.frame;
  }
  count.total += 1;
}

void count_press(const TCOD_key_t& key) {
  add_press(platform.presses_by_code[static_cast<uint8_t>(key.vk)]);
  if (key.c != 0) add_press(platform.presses_by_byte[key_byte(key.c)]);
}

KeyPresses presses_of(const PressCount& count) {
  uint32_t before = count.frame == platform.frame ? count.before : count.total;
  return {count.total, count.total - before};
}

}  // namespace

namespace seam {

Platform platform;

void reset_keyboard() {
  platform.keys_down.clear();
  platform.looked_ahead.reset();
  platform.sampled = false;
  platform.hook_frames = 0;
  platform.on_flush = nullptr;
}

void use_source(const InputSource& source) {
  platform.source = &source;
  TCOD_sys_set_fps(source.paced() ? kFramesPerSecond : 0);
}

TCOD_key_t live_stroke(TCOD_key_t (*raw)()) {
  for (;;) {
    TCOD_key_t key = raw_stroke(raw);
    if (key.vk == TCODK_NONE) {
      record_entry(InputEntry{});
      return key;
    }
    if (!stroke_filter(key)) continue;
    record_key(key);
    return key;
  }
}

uint16_t sample_keys(bool (*down)(TCOD_keycode_t)) {
  uint16_t keys = 0;
  for (size_t i = 0; i < kSampledKeys.size(); ++i) {
    if (down(kSampledKeys[i])) keys |= static_cast<uint16_t>(1u << i);
  }
  if (platform.fullscreen_enter != SDLK_UNKNOWN) keys &= ~kHeldEnter;  // Alt+Enter's
  return keys;
}

void sample_joystick(Sample& sample) {
  sample.joysticks = byte_count(SDL_NumJoysticks());
  sample.button_count =
      byte_count(platform.joystick ? SDL_JoystickNumButtons(platform.joystick) : 0);
  sample.hat = SDL_JoystickGetHat(platform.joystick, 0);
  int buttons = std::min<int>(kSampledButtons, sample.button_count);
  for (int b = 0; b < buttons; ++b) {
    if (SDL_JoystickGetButton(platform.joystick, b) != 0) sample.buttons |= 1u << b;
  }
}

bool note_closed(bool closed) {
  if (closed && platform.recording.on && !platform.recording.closed_marked) {
    platform.recording.closed_marked = true;
    InputEntry mark;
    mark.vk = kEntryClosed;
    record_entry(mark);
  }
  return closed;
}

void live_joystick_update() {
  SDL_JoystickUpdate();
  follow_joystick_plug();
}

void live_frame_end() {}

}  // namespace seam

// --- The real keyboard and joystick ---

namespace {

TCOD_key_t real_raw_key() {
  return tcod_check_for_keypress(TCOD_KEY_PRESSED | TCOD_KEY_RELEASED);
}

TCOD_key_t real_stroke() {
  return live_stroke(real_raw_key);
}

Sample real_sample() {
  Sample sample;
  sample.keys = sample_keys(tcod_is_key_pressed);
  int count = 0;
  const Uint8* state = SDL_GetKeyboardState(&count);
  for (int code = SDL_SCANCODE_UNKNOWN + 1; state && code < count; ++code) {
    if (!state[code]) continue;
    SDL_Keycode key = SDL_GetKeyFromScancode(static_cast<SDL_Scancode>(code));
    if (key > 0 && key < 256) sample.bytes[static_cast<size_t>(key)] = true;
  }
  sample_joystick(sample);
  return sample;
}

bool real_window_closed() {
  return note_closed(TCOD_console_is_window_closed());
}

}  // namespace

const InputSource seam::kRealSource = {
    real_stroke,    real_sample,         real_window_closed,      live_joystick_update,
    live_frame_end, [] { return true; }, /*samples_ahead=*/false, /*runs_hook=*/false};

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

std::string platform_per_user_path(const char* name) {
  // A relative or empty XDG_DATA_HOME is to be ignored; SDL would take it as
  // it stands and make the folder under / or the working directory.
  const char* xdg = std::getenv("XDG_DATA_HOME");
  if (xdg && xdg[0] != '/') unsetenv("XDG_DATA_HOME");
  char* path = SDL_GetPrefPath(nullptr, name);
  std::string folder = path ? path : "";
  SDL_free(path);
  return folder;
}

namespace {
// The data folder's files link no SDL: they ask the platform for its folders.
[[maybe_unused]] const bool data_folder_answered = [] {
  data_folder_ask({[] { return platform_asset_path("data/"); }, platform_per_user_path});
  return true;
}();
}  // namespace

void platform_joystick_open() {
  SDL_Init(SDL_INIT_JOYSTICK);
  platform.joysticks_tried = -1;
  follow_joystick_plug();
}

bool platform_window_open(const std::string& font_path) {
  TCOD_console_set_custom_font(font_path.c_str(), TCOD_FONT_LAYOUT_ASCII_INCOL, 16, 16);
  if (TCOD_console_init_root(kScreenWidth, kScreenHeight, "Ember Vortex", false,
                             TCOD_RENDERER_SDL) != TCOD_E_OK) {
    return false;
  }
  TCOD_sys_set_fps(kFramesPerSecond);
  tcod_keyboard_repeat_off();
  SDL_SetEventFilter(fullscreen_filter, nullptr);
  return true;
}

bool platform_window_unseen() {
  const char* asked = SDL_getenv("SDL_VIDEODRIVER");
  if (asked && *asked) return false;
  const char* driver = SDL_GetCurrentVideoDriver();
  return !driver || std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0;
}

void platform_window_icon(const std::string& bmp_path) {
  SDL_Window* window = TCOD_sys_get_sdl_window();
  SDL_Surface* icon = SDL_LoadBMP_RW(SDL_RWFromFile(bmp_path.c_str(), "rb"), 1);
  if (window && icon) SDL_SetWindowIcon(window, icon);
  SDL_FreeSurface(icon);
}

void platform_flush() {
  platform.frame += 1;
  // The frame's input is settled before the hook runs: what a script changes
  // there, or reads after a change, belongs to the next frame.
  if (platform.recording.on) record_frame_end();
  if (!platform.source->samples_ahead) platform.sampled = false;
  if (platform.source->runs_hook) {
    platform.hook_frames += 1;
    if (platform.on_flush) platform.on_flush(platform.hook_frames);
  }
  if (platform.fullscreen_asked != platform.fullscreen_shown) {
    platform.fullscreen_shown = platform.fullscreen_asked;
    toggle_fullscreen();
  }
  if (platform.render) TCOD_console_flush_ex(nullptr, viewport());
  page_frame_end(platform.source->paced());
  platform.source->frame_end();
}

void platform_render(bool on) {
  platform.render = on;
}

bool platform_window_closed() {
  return platform.source->window_closed();
}

int64_t platform_frame() {
  return platform.frame;
}

TCOD_key_t platform_poll_key(int flags) {
  for (;;) {
    TCOD_key_t key = platform.source->next_stroke();
    if (key.vk == TCODK_NONE) return key;
    if (key.pressed) count_press(key);
    int kind = key.pressed ? TCOD_KEY_PRESSED : TCOD_KEY_RELEASED;
    if (flags & kind) return key;
  }
}

TCOD_key_t platform_wait_key() {
  // Never libtcod's own wait: it throws the queued events away, releases
  // included, and the filter would then take the key's next press for a repeat.
  while (!platform_window_closed()) {
    platform_flush();
    TCOD_key_t key = platform_poll_key(TCOD_KEY_PRESSED | TCOD_KEY_RELEASED);
    if (key.vk != TCODK_NONE && key.pressed) return key;
  }
  return no_key();
}

bool platform_key_down(TCOD_keycode_t key) {
  auto at = std::find(kSampledKeys.begin(), kSampledKeys.end(), key);
  if (at == kSampledKeys.end()) return false;
  return (sample().keys >> (at - kSampledKeys.begin())) & 1u;
}

bool platform_mapped_key_down(uint8_t key) {
  return sample().bytes[key];
}

KeyPresses platform_key_presses(TCOD_keycode_t key) {
  return presses_of(platform.presses_by_code[static_cast<uint8_t>(key)]);
}

KeyPresses platform_mapped_key_presses(uint8_t key) {
  return presses_of(platform.presses_by_byte[key]);
}

void platform_joystick_update() {
  platform.source->joystick_update();
}

int platform_joystick_hat() {
  return sample().hat;
}

bool platform_joystick_button(int button) {
  if (button < 0 || button >= kSampledButtons) return false;
  return (sample().buttons >> button) & 1u;
}

int platform_joystick_button_count() {
  return sample().button_count;
}

int platform_joystick_count() {
  return sample().joysticks;
}

// --- Recording ---

void platform_record_begin() {
  platform.recording = Recording{};
  platform.recording.on = true;
}

std::vector<InputFrame> platform_record_end() {
  if (!platform.recording.on) return {};
  record_frame_end();
  std::vector<InputFrame> frames = std::move(platform.recording.frames);
  platform.recording = Recording{};
  return frames;
}

// --- Playback ---

namespace {

Sample playback_sample() {
  const Playback& playback = platform.playback;
  if (playback.frame >= playback.frames.size()) return Sample{};
  return sample_of(playback.frames[playback.frame]);
}

void playback_load() {
  Playback& playback = platform.playback;
  if (playback.frame >= playback.frames.size()) playback.past_end = true;
  platform.sample = playback_sample();
  platform.sampled = true;
}

bool close_mark_at_cursor() {
  const Playback& playback = platform.playback;
  if (playback.past_end) return false;
  const auto& entries = playback.frames[playback.frame].entries;
  return playback.entry < entries.size() && entries[playback.entry].vk == kEntryClosed;
}

// The window's close is only looked at by its question; whatever moves the
// cursor on takes the mark.
void take_close_mark() {
  while (close_mark_at_cursor()) {
    platform.playback.entry += 1;
    platform.playback.closed_seen = true;
  }
}

// The next recorded event; vk TCODK_NONE for a poll that found nothing.
TCOD_key_t playback_stroke() {
  Playback& playback = platform.playback;
  take_close_mark();
  if (playback.past_end) return no_key();
  const InputFrame& frame = playback.frames[playback.frame];
  if (playback.entry >= frame.entries.size()) return no_key();
  const InputEntry& entry = frame.entries[playback.entry++];
  if (entry.vk == TCODK_NONE) return no_key();
  TCOD_key_t key = key_of(entry);
  size_t typed = 0;
  while (playback.entry < frame.entries.size() && frame.entries[playback.entry].vk == TCODK_TEXT &&
         typed + 1 < sizeof key.text) {
    key.text[typed++] = static_cast<char>(frame.entries[playback.entry++].c);
  }
  return key;
}

bool playback_window_closed() {
  const Playback& playback = platform.playback;
  return playback.aborted || playback.past_end || playback.closed_seen || close_mark_at_cursor();
}

// A playback's joystick is its recording: SDL's is never touched.
void playback_joystick_update() {}

// The real keyboard still counts during a playback in the window: Escape or
// closing the window ends it.
void playback_watch_window() {
  for (TCOD_key_t key = tcod_check_for_keypress(TCOD_KEY_PRESSED | TCOD_KEY_RELEASED);
       key.vk != TCODK_NONE; key = tcod_check_for_keypress(TCOD_KEY_PRESSED | TCOD_KEY_RELEASED)) {
    if (key.vk == TCODK_ESCAPE && key.pressed) platform.playback.aborted = true;
  }
  if (TCOD_console_is_window_closed()) platform.playback.aborted = true;
}

void playback_frame_end() {
  Playback& playback = platform.playback;
  if (playback.paced) playback_watch_window();
  if (playback.past_end) return;
  take_close_mark();
  const InputFrame& frame = playback.frames[playback.frame];
  if (playback.entry != frame.entries.size()) playback.out_of_step = true;
  playback.entry = 0;
  if (++playback.repeats_done >= frame.repeat) {
    playback.repeats_done = 0;
    playback.frame += 1;
  }
  playback_load();
}

bool playback_paced() {
  return platform.playback.paced;
}

}  // namespace

const InputSource seam::kPlaybackSource = {
    playback_stroke,    playback_sample, playback_window_closed, playback_joystick_update,
    playback_frame_end, playback_paced,  /*samples_ahead=*/true, /*runs_hook=*/true};

void platform_playback_begin(std::vector<InputFrame> frames, bool paced) {
  const InputSource* resume =
      platform.source == &kPlaybackSource ? platform.playback.resume : platform.source;
  platform.playback = Playback{};
  platform.playback.frames = std::move(frames);
  platform.playback.paced = paced;
  platform.playback.resume = resume;
  use_source(kPlaybackSource);
  platform.hook_frames = 0;
  playback_load();
}

PlaybackEnd platform_playback_end() {
  if (platform.source != &kPlaybackSource) return {};
  Playback& playback = platform.playback;
  PlaybackEnd end;
  end.aborted = playback.aborted;
  take_close_mark();
  // The game must have ended in the last recorded frame, with all its input taken.
  bool at_last = playback.frame + 1 == playback.frames.size() &&
                 playback.repeats_done + 1 == playback.frames.back().repeat &&
                 playback.entry == playback.frames.back().entries.size();
  end.out_of_step = playback.out_of_step || !at_last;
  const InputSource& resume = *playback.resume;
  platform.playback = Playback{};
  platform.sampled = false;
  use_source(resume);
  return end;
}
