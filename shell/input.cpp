#include "shell/input.h"

#include <SDL.h>

#include "shell/platform.h"
#include "shell/settings.h"

namespace {

struct EdgeMemory {
  bool key = false;
  bool button = false;
  bool enter = false;
};

struct InputMemory {
  EdgeMemory fire, charged_shot, bomb, accept;
};

InputMemory memory;

int edge(bool down, bool& remembered) {
  if (!down && remembered) {
    remembered = false;
    return 0;
  }
  if (down && !remembered) {
    remembered = true;
    return 1;
  }
  return -1;
}

// The key is consulted first, so a key edge hides a button edge of the same
// frame; the button's edge then comes on a later call.
int read_edges(EdgeMemory& memory, uint8_t key, int button) {
  int result = edge(platform_mapped_key_down(key), memory.key);
  if (result != -1) return result;
  return edge(platform_joystick_button(button), memory.button);
}

}  // namespace

int read_direction() {
  // The hat is read before the update, so it is the previous update's value.
  int hat = platform_joystick_hat();
  platform_joystick_update();
  auto key = [](TCOD_keycode_t code) { return platform_key_down(code); };
  bool down = key(TCODK_DOWN), left = key(TCODK_LEFT), right = key(TCODK_RIGHT), up = key(TCODK_UP);
  bool kp2 = key(TCODK_KP2), kp4 = key(TCODK_KP4), kp6 = key(TCODK_KP6), kp8 = key(TCODK_KP8);

  if ((down && right) || hat == SDL_HAT_RIGHTDOWN || (kp2 && kp6)) return 45;
  if ((down && left) || hat == SDL_HAT_LEFTDOWN || (kp2 && kp4)) return 135;
  if ((up && left) || hat == SDL_HAT_LEFTUP || (kp8 && kp4)) return 225;
  if ((up && right) || hat == SDL_HAT_RIGHTUP || (kp8 && kp6)) return 315;
  if (up || hat == SDL_HAT_UP || kp8) return 270;
  if (left || hat == SDL_HAT_LEFT || kp4) return 180;
  if (down || hat == SDL_HAT_DOWN || kp2) return 90;
  if (right || hat == SDL_HAT_RIGHT || kp6) return 0;
  return -1;
}

int read_fire() {
  return read_edges(memory.fire, controls.fire_key, controls.fire_button);
}

int read_charged_shot() {
  return read_edges(memory.charged_shot, controls.charge_key, controls.charge_button);
}

int read_bomb() {
  return read_edges(memory.bomb, controls.bomb_key, controls.bomb_button);
}

int read_accept() {
  int result = read_edges(memory.accept, controls.fire_key, controls.fire_button);
  if (result != -1) return result;
  return edge(platform_key_down(TCODK_ENTER), memory.accept.enter);
}

void input_reset() {
  memory = InputMemory{};
}
