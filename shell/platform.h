#pragma once
// The one seam between the game and SDL2 / libtcod's window and input.
//
// Everything SDL2 and every libtcod input call goes through here. Under a
// script (tests, tools, the benchmark) key events, held keys and the closed
// window come from the script, the joystick is SDL's virtual one, and a flush
// does not wait for the 60 fps pace.

#include <libtcod.h>

#include <cstdint>
#include <functional>
#include <string>

// --- Files beside the executable ---
// The folder of the running program (with a trailing slash); assets and data
// are never looked up through the working directory.
const std::string& platform_base_path();
void platform_set_base_path(std::string folder);  // tools and tests
std::string platform_asset_path(const std::string& relative);
void platform_make_data_folder();

// --- Start-up ---
void platform_joystick_open();  // SDL_Init(JOYSTICK) and joystick 0, failures ignored
// False when no window could be opened (no display, say).
bool platform_window_open(const std::string& font_path);
void platform_window_icon(const std::string& bmp_path);

// --- Frames ---
void platform_flush();
bool platform_window_closed();

// --- Keyboard ---
// One key event, or vk TCODK_NONE. `flags` is TCOD_KEY_PRESSED and/or
// TCOD_KEY_RELEASED; events of the other kind are consumed and dropped, as
// libtcod does. Auto-repeated presses and text events never come through:
// one pressed and one released event per stroke.
TCOD_key_t platform_poll_key(int flags);
// Waits for a key press (drops pending input first). Returns vk TCODK_NONE if
// the window closes while waiting.
TCOD_key_t platform_wait_key();
bool platform_key_down(TCOD_keycode_t key);  // arrows, keypad, Enter
bool platform_mapped_key_down(uint8_t key);  // a key byte of the control mapping

// --- Joystick 0 (a missing joystick reads centred and released) ---
void platform_joystick_update();
int platform_joystick_hat();
bool platform_joystick_button(int button);
int platform_joystick_button_count();
int platform_joystick_count();

// --- Script ---
void platform_script_begin();  // scripted input, unpaced flushes
void platform_script_end();
bool platform_scripted();
// Queues one raw key event (as libtcod would deliver it) and holds or lets go
// of the key: `c` is the key's character (0 for none).
void platform_script_key(TCOD_keycode_t vk, int c, bool pressed);
// Queues a raw event without touching the held state (repeats, text events).
void platform_script_event(TCOD_key_t key);
void platform_script_hold(TCOD_keycode_t vk, int c, bool down);
void platform_script_release_all();
void platform_script_close_window();
// Attaches SDL's virtual joystick as joystick 0; the game then reads it
// through the ordinary SDL calls.
void platform_script_joystick_attach();
void platform_script_joystick_detach();
void platform_script_hat(int value);
void platform_script_button(int button, bool down);
// Called at every flush with the number of flushes so far (1 for the first):
// the script's hook for pressing keys and reading the screen frame by frame.
void platform_script_on_flush(std::function<void(int)> hook);
int platform_script_frames();
