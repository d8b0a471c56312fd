#pragma once
// The one seam between the game and SDL2 / libtcod's window and input.
//
// Everything SDL2 and every libtcod input call goes through here. Input comes
// from one of three sources: the real keyboard and joystick; a script (tests,
// tools, the benchmark: key events, held keys and SDL's virtual joystick, with
// flushes that do not wait for the 60 fps pace); or a recorded game played
// back. Whatever the source, held keys, the hat and the buttons are sampled
// once a frame (the time between two flushes), at the first question after
// the flush, and every question of that frame is answered from the sample:
// a recording of each frame's sample and of the key events its polls took
// therefore plays back exactly.

#include <libtcod.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// --- Files beside the executable ---
// The folder of the running program (with a trailing slash); assets and data
// are never looked up through the working directory.
const std::string& platform_base_path();
void platform_set_base_path(std::string folder);  // tools and tests
std::string platform_asset_path(const std::string& relative);
// The player's own folder of that name, made if need be, with a trailing
// slash ($XDG_DATA_HOME/name/); "" when there is none.
std::string platform_per_user_path(const char* name);

// --- Start-up ---
void platform_joystick_open();  // SDL_Init(JOYSTICK) and the first joystick, failures ignored
// False when no window could be opened (no display, say).
bool platform_window_open(const std::string& font_path);
// True when SDL, left to choose, found no display and fell back to a window
// nobody sees (offscreen or dummy). A driver named in SDL_VIDEODRIVER is the
// user's own choice and never counts.
bool platform_window_unseen();
void platform_window_icon(const std::string& bmp_path);

// --- Frames ---
void platform_flush();
bool platform_window_closed();
// Flushes since the program (or the current script) began.
int64_t platform_frame();
// Off: flushes skip drawing the window, so a benchmark can time the game's
// own work apart from libtcod's rendering. On at start.
void platform_render(bool on);

// --- Keyboard ---
// One key event, or vk TCODK_NONE. `flags` is TCOD_KEY_PRESSED and/or
// TCOD_KEY_RELEASED; events of the other kind are consumed and dropped, as
// libtcod does. Auto-repeated presses never come through: one pressed and one
// released event per stroke. A press carries in `text` what it typed, as the
// keyboard's layout and Shift made it ("!" for Shift+1), when the system said;
// `c` stays the key's own character ('1'). Alt+Enter (either Alt, either
// Enter) never comes through, nor does its Enter read as held: it toggles
// fullscreen at the next flush, on every screen.
TCOD_key_t platform_poll_key(int flags);
// Waits for a key press: each pass flushes (keeping the pace and the window
// alive) and polls one event, so releases are never thrown away. Returns vk
// TCODK_NONE when the window closes.
TCOD_key_t platform_wait_key();
// Held keys of this frame's sample: the arrows, keypad 2, 4, 6 and 8 and
// Enter (any other key reads as up), and the key bytes of the control mapping.
bool platform_key_down(TCOD_keycode_t key);
bool platform_mapped_key_down(uint8_t key);
// Presses the polls have taken so far (one per stroke), by key code and by
// key byte, and how many of them in the frame under way: a tap can come and
// go between two samples, its press cannot.
struct KeyPresses {
  uint32_t total = 0;
  uint32_t this_frame = 0;
};
KeyPresses platform_key_presses(TCOD_keycode_t key);
KeyPresses platform_mapped_key_presses(uint8_t key);

// --- The joystick (a missing one reads centred and released) ---
// Lets SDL read the joystick, drops one pulled out and opens the first one
// plugged in: a joystick joins or leaves mid-game at the next update. A
// playback's joystick is its recording, SDL's is left alone.
void platform_joystick_update();
// This frame's sample, as the rest: buttons 0 to 31 are read.
int platform_joystick_hat();
bool platform_joystick_button(int button);
int platform_joystick_button_count();
int platform_joystick_count();

// --- Recording and playback ---
// One poll's take, or a mark: vk TCODK_NONE is a poll that found nothing
// (implied for every poll past a frame's last entry), and kEntryClosed the
// point where the window was first seen closed. Entries of vk TCODK_TEXT right
// behind a press hold the text it typed, a byte each.
struct InputEntry {
  uint8_t vk = TCODK_NONE;
  uint8_t c = 0;
  uint8_t flags = 0;  // kEntryPressed and the modifier bits
  bool operator==(const InputEntry&) const = default;
};
constexpr uint8_t kEntryClosed = 0xff;
enum EntryFlag : uint8_t {
  kEntryPressed = 1,
  kEntryShift = 2,
  kEntryLeftAlt = 4,
  kEntryLeftCtrl = 8,
  kEntryLeftMeta = 16,
  kEntryRightAlt = 32,
  kEntryRightCtrl = 64,
  kEntryRightMeta = 128,
};

// The held keys of a sample, as a recording stores them: the mapped keys by
// their place in the control mapping.
enum HeldKey : uint16_t {
  kHeldUp = 1 << 0,
  kHeldDown = 1 << 1,
  kHeldLeft = 1 << 2,
  kHeldRight = 1 << 3,
  kHeldKp2 = 1 << 4,
  kHeldKp4 = 1 << 5,
  kHeldKp6 = 1 << 6,
  kHeldKp8 = 1 << 7,
  kHeldEnter = 1 << 8,
  kHeldFireKey = 1 << 9,
  kHeldChargeKey = 1 << 10,
  kHeldBombKey = 1 << 11,
};
constexpr uint16_t kHeldAll = (1 << 12) - 1;

// One frame of input as the seam saw it, or `repeat` identical frames in a row.
struct InputFrame {
  uint32_t repeat = 1;
  uint16_t held = 0;
  uint8_t hat = 0;
  uint32_t buttons = 0;
  std::vector<InputEntry> entries;
  uint8_t joysticks = 0;     // plugged in
  uint8_t button_count = 0;  // of the open one
  bool same_input(const InputFrame& other) const {
    return held == other.held && hat == other.hat && buttons == other.buttons &&
           entries == other.entries && joysticks == other.joysticks &&
           button_count == other.button_count;
  }
  bool operator==(const InputFrame&) const = default;
};

// Records every frame from now on; the frame under way is the first.
void platform_record_begin();
// The frames recorded, the one under way included.
std::vector<InputFrame> platform_record_end();

// Plays the frames back instead of any other source (the auto-repeat filter
// is bypassed: the events were recorded after it). `paced`: at 60 fps, with
// Escape on the real keyboard or the real window's close ending it.
void platform_playback_begin(std::vector<InputFrame> frames, bool paced);
struct PlaybackEnd {
  bool aborted = false;      // Escape or the window's close
  bool out_of_step = false;  // the game took more or less input than was recorded
};
PlaybackEnd platform_playback_end();

// --- Script ---
void platform_script_begin();  // scripted input, unpaced flushes
void platform_script_end();
// Queues one raw key event (as libtcod would deliver it) and holds or lets go
// of the key: `c` is the key's character (0 for none).
void platform_script_key(TCOD_keycode_t vk, int c, bool pressed);
// Queues a raw event without touching the held state (repeats, text events).
void platform_script_event(TCOD_key_t key);
// Changes to the script's held keys and joystick take effect at once (a new
// sample is taken), so tests can drive the seam between two questions.
void platform_script_hold(TCOD_keycode_t vk, int c, bool down);
void platform_script_release_all();
void platform_script_close_window();
// Plugs SDL's virtual joystick in (or pulls it out); the seam opens it at
// its next joystick update, as it would a real one, and reads it through the
// ordinary SDL calls.
void platform_script_joystick_attach();
void platform_script_joystick_detach();
void platform_script_hat(int value);
void platform_script_button(int button, bool down);
// Called at every flush under a script or a playback with the number of
// flushes so far (1 for the first): the hook for pressing keys and reading
// the screen frame by frame.
void platform_script_on_flush(std::function<void(int)> hook);
int platform_script_frames();
