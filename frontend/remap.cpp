#include "frontend/remap.h"

#include <cctype>
#include <cstdint>

#include "game/screen.h"
#include "shell/console.h"
#include "shell/input.h"
#include "shell/platform.h"
#include "shell/settings.h"

namespace {

constexpr int kBoxWidth = 30;
constexpr int kBoxHeight = 4;
constexpr int kBoxX = kScreenWidth / 2 - 15;
constexpr int kBoxY = kScreenHeight / 2 - 2;
constexpr int kPromptX = 25;
constexpr int kPromptY = kScreenHeight / 2 - 1;

void draw_prompt(const char* prompt) {
  TCOD_console_set_default_background(nullptr, TCOD_black);
  console_print_frame(kBoxX, kBoxY, kBoxWidth, kBoxHeight, true, TCOD_BKGND_SET);
  TCOD_console_set_alignment(nullptr, TCOD_CENTER);
  console_print(kPromptX, kPromptY, "%s", prompt);
}

// Waits for any key to be let go, keeping the given readers' memory current
// so the key does not count as a fresh press afterwards. False when the
// window closed meanwhile.
bool wait_for_release(bool all_readers) {
  while (!platform_window_closed()) {
    platform_flush();
    TCOD_key_t key = platform_poll_key(TCOD_KEY_RELEASED);
    if (all_readers) {
      read_accept();
      read_fire();
      read_bomb();
      read_charged_shot();
    } else {
      read_bomb();
    }
    if (key.vk != TCODK_NONE) return true;
  }
  return false;
}

// Keys without a printable character (arrows, Shift, Escape, Enter) are
// passed over. The letter is stored in lower case whatever Shift did, which
// is how the control mapping names keys. False when the window closed.
bool read_key_byte(uint8_t& out) {
  for (;;) {
    TCOD_key_t key = platform_wait_key();
    if (key.vk == TCODK_NONE) return false;
    int c = static_cast<unsigned char>(key.c);
    if (std::isprint(c)) {
      out = static_cast<uint8_t>(std::tolower(c));
      return true;
    }
  }
}

// False when the window closed before the button was let go.
bool wait_for_button_up(int button) {
  for (;;) {
    platform_joystick_update();
    if (!platform_joystick_button(button)) return true;
    if (platform_window_closed()) return false;
    platform_flush();
  }
}

// The highest button down wins. -1 when the window closed first.
int read_button() {
  for (;;) {
    platform_joystick_update();
    int found = -1;
    for (int b = 0; b < platform_joystick_button_count(); ++b) {
      if (platform_joystick_button(b)) found = b;
    }
    if (found != -1) return found;
    if (platform_window_closed()) return -1;
    platform_flush();
  }
}

}  // namespace

void remap_keyboard() {
  TCOD_console_set_default_foreground(nullptr, TCOD_white);
  if (!wait_for_release(true)) return;
  struct Step {
    const char* prompt;
    uint8_t& key;
  };
  const Step steps[] = {
      {"Press key for fire: ", controls.fire_key},
      {"Press key for charged shot: ", controls.charge_key},
      {"Press key for bomb: ", controls.bomb_key},
  };
  for (const Step& step : steps) {
    draw_prompt(step.prompt);
    if (!read_key_byte(step.key)) return;
  }
  if (!wait_for_release(false)) return;
  platform_flush();
}

void remap_controller() {
  if (platform_joystick_count() == 0) return;
  TCOD_console_set_default_foreground(nullptr, TCOD_white);
  // The button that confirmed the option must not be taken as the new fire.
  if (!wait_for_button_up(controls.fire_button)) return;
  struct Step {
    const char* prompt;
    int32_t& button;
    bool wait_until_up;  // after the bomb the prompts are over
  };
  const Step steps[] = {
      {"Press button for fire: ", controls.fire_button, true},
      {"Press button for charged shot: ", controls.charge_button, true},
      {"Press button for bomb: ", controls.bomb_button, false},
  };
  for (const Step& step : steps) {
    draw_prompt(step.prompt);
    platform_flush();
    platform_poll_key(TCOD_KEY_PRESSED);
    int button = read_button();
    if (button == -1) return;
    step.button = button;
    if (step.wait_until_up && !wait_for_button_up(button)) return;
  }
}
