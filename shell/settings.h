#pragma once
// The game-wide settings and the control mapping, read once at start-up and
// written back together from the options screen.

#include <array>
#include <cstdint>

struct Settings {
  int32_t colour_mode = 0;         // non-zero: every glyph drawn white
  int32_t bullet_colour_mode = 0;  // non-zero: random and cycling bullet colours
  int32_t particles = 0;           // bullet sparks and fragment trails
  int32_t screen_size = 0;         // 0 = x1, 1 = x1.5, anything else x2
  int32_t stars = 1;               // never stored: on at every start
};

// Byte for byte the layout of data/controls.data; the fourth key and button
// are stored but never read by the game.
struct Controls {
  uint8_t fire_key;
  uint8_t charge_key;
  uint8_t bomb_key;
  uint8_t fourth_key;
  int32_t fire_button;
  int32_t charge_button;
  int32_t bomb_button;
  int32_t fourth_button;
  bool operator==(const Controls&) const = default;
};
static_assert(sizeof(Controls) == 20);
using ControlsRecord = std::array<uint8_t, sizeof(Controls)>;

// The mapping as data/controls.data stores it (little-endian), and back.
ControlsRecord controls_encode(const Controls& mapping);
Controls controls_decode(const uint8_t* record);

extern Settings settings;
extern Controls controls;

void settings_load();
void settings_toggle_particles();
void settings_toggle_stars();
void settings_cycle_screen_size();

void controls_set_defaults();
void controls_load();

// Writes data/userprefs.data, then data/controls.data.
void settings_save();
