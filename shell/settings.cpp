#include "shell/settings.h"

#include <cctype>
#include <charconv>
#include <cstdio>
#include <string>

#include "shell/data_folder.h"
#include "shell/files.h"

Settings settings;
Controls controls;

namespace {

constexpr size_t kSettingsFileLimit = 256;
constexpr size_t kControlsSize = sizeof(ControlsRecord);

std::string settings_path() {
  return data_path(kSettingsFile);
}
std::string controls_path() {
  return data_path(kControlsFile);
}

// Reads the next "%d" field the way fscanf would, except that a number too big
// for 32 bits counts as unreadable instead of undefined.
bool read_int(const char*& at, const char* end, int32_t& out) {
  while (at < end && std::isspace(static_cast<unsigned char>(*at))) ++at;
  // One sign only: from_chars takes the minus of "+-3", fscanf does not.
  if (at < end && *at == '+' && (at + 1 == end || at[1] != '-')) ++at;
  auto [next, error] = std::from_chars(at, end, out);
  if (error != std::errc()) return false;
  at = next;
  return true;
}

}  // namespace

void settings_load() {
  int32_t* fields[] = {&settings.colour_mode, &settings.bullet_colour_mode, &settings.particles,
                       &settings.screen_size};
  for (int32_t* field : fields) *field = 0;
  auto bytes = file_read(settings_path(), kSettingsFileLimit);
  if (!bytes) return;
  const char* at = reinterpret_cast<const char*>(bytes->data());
  const char* end = at + bytes->size();
  // Fields after the first unreadable one stay 0, as a short file leaves them.
  for (int32_t* field : fields) {
    if (!read_int(at, end, *field)) break;
  }
}

void settings_toggle_particles() {
  settings.particles = settings.particles == 0 ? 1 : 0;
}

void settings_toggle_stars() {
  settings.stars = settings.stars == 0 ? 1 : 0;
}

void settings_cycle_screen_size() {
  if (settings.screen_size == 0) {
    settings.screen_size = 1;
  } else if (settings.screen_size == 1) {
    settings.screen_size = 2;
  } else {
    settings.screen_size = 0;
  }
}

void controls_set_defaults() {
  controls = Controls{'z', 'x', 'c', 'p', 1, 2, 3, 4};
}

void controls_load() {
  auto bytes = file_read(controls_path(), kControlsSize);
  // A short file would leave half a record: the defaults stand instead.
  if (!bytes || bytes->size() != kControlsSize) return;
  controls = controls_decode(bytes->data());
}

ControlsRecord controls_encode(const Controls& mapping) {
  ControlsRecord record;
  record[0] = mapping.fire_key;
  record[1] = mapping.charge_key;
  record[2] = mapping.bomb_key;
  record[3] = mapping.fourth_key;
  put_le32(&record[4], static_cast<uint32_t>(mapping.fire_button));
  put_le32(&record[8], static_cast<uint32_t>(mapping.charge_button));
  put_le32(&record[12], static_cast<uint32_t>(mapping.bomb_button));
  put_le32(&record[16], static_cast<uint32_t>(mapping.fourth_button));
  return record;
}

Controls controls_decode(const uint8_t* record) {
  Controls mapping;
  mapping.fire_key = record[0];
  mapping.charge_key = record[1];
  mapping.bomb_key = record[2];
  mapping.fourth_key = record[3];
  mapping.fire_button = static_cast<int32_t>(get_le32(record + 4));
  mapping.charge_button = static_cast<int32_t>(get_le32(record + 8));
  mapping.bomb_button = static_cast<int32_t>(get_le32(record + 12));
  mapping.fourth_button = static_cast<int32_t>(get_le32(record + 16));
  return mapping;
}

void settings_save() {
  char text[64];
  int length = std::snprintf(text, sizeof text, "%d %d %d %d", settings.colour_mode,
                             settings.bullet_colour_mode, settings.particles, settings.screen_size);
  file_replace(settings_path(), text, static_cast<size_t>(length));

  const ControlsRecord record = controls_encode(controls);
  file_replace(controls_path(), record.data(), record.size());
}
