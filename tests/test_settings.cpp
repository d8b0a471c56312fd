#include "shell/settings.h"

#include <filesystem>

#include "shell/platform.h"
#include "tests/harness.h"

namespace {

struct Fields {
  int colour, bullets, particles, size;
  bool operator==(const Fields&) const = default;
};

Fields loaded(const std::string& content) {
  write_file(data_file("userprefs.data"), content);
  settings_load();
  return {settings.colour_mode, settings.bullet_colour_mode, settings.particles,
          settings.screen_size};
}

std::string controls_bytes(const Controls& c) {
  std::string bytes(20, '\0');
  bytes[0] = static_cast<char>(c.fire_key);
  bytes[1] = static_cast<char>(c.charge_key);
  bytes[2] = static_cast<char>(c.bomb_key);
  bytes[3] = static_cast<char>(c.fourth_key);
  int32_t words[] = {c.fire_button, c.charge_button, c.bomb_button, c.fourth_button};
  for (int w = 0; w < 4; ++w)
    for (int i = 0; i < 4; ++i)
      bytes[4 + 4 * w + i] = static_cast<char>((static_cast<uint32_t>(words[w]) >> (8 * i)) & 0xff);
  return bytes;
}

}  // namespace

class SettingsFile : public GameTest {};

TEST_F(SettingsFile, FourFieldsInOrderAndBackAgainWithoutStars) {
  EXPECT_EQ(loaded("1 0 1 2"), (Fields{1, 0, 1, 2}));
  settings.stars = 0;
  settings_save();
  EXPECT_EQ(read_file(data_file("userprefs.data")), "1 0 1 2");
}

TEST_F(SettingsFile, UnreadableFieldsStayZero) {
  EXPECT_EQ(loaded(""), (Fields{0, 0, 0, 0}));
  EXPECT_EQ(loaded("1 1"), (Fields{1, 1, 0, 0}));
  EXPECT_EQ(loaded("on off"), (Fields{0, 0, 0, 0}));
  EXPECT_EQ(loaded("1 x 1 1"), (Fields{1, 0, 0, 0}));
  EXPECT_EQ(loaded("  -3\n+4\t5 6 7"), (Fields{-3, 4, 5, 6}));
  EXPECT_EQ(loaded("99999999999 1 1 1"), (Fields{0, 0, 0, 0}));  // too big for a field
  std::filesystem::remove(data_file("userprefs.data"));
  settings.particles = 1;
  settings_load();
  EXPECT_EQ(settings.particles, 0);
}

TEST_F(SettingsFile, TogglesAndTheScreenSizeCycle) {
  settings_toggle_particles();
  EXPECT_EQ(settings.particles, 1);
  settings.particles = 7;
  settings_toggle_particles();
  EXPECT_EQ(settings.particles, 0);
  settings_toggle_stars();
  EXPECT_EQ(settings.stars, 0);
  settings_toggle_stars();
  EXPECT_EQ(settings.stars, 1);
  int sizes[4];
  for (int& size : sizes) {
    settings_cycle_screen_size();
    size = settings.screen_size;
  }
  EXPECT_EQ(sizes[0], 1);
  EXPECT_EQ(sizes[1], 2);
  EXPECT_EQ(sizes[2], 0);
  settings.screen_size = 5;
  settings_cycle_screen_size();
  EXPECT_EQ(settings.screen_size, 0);
}

TEST_F(SettingsFile, ControlsRoundTripByteForByte) {
  controls = Controls{'q', 'w', 'e', 'p', 7, -2, 300, 4};
  settings_save();
  std::string bytes = read_file(data_file("controls.data"));
  EXPECT_EQ(bytes, controls_bytes(controls));
  controls_set_defaults();
  controls_load();
  EXPECT_EQ(controls_bytes(controls), bytes);
}

TEST_F(SettingsFile, AShortOrMissingControlsFileKeepsTheWholeDefaultMapping) {
  Controls other{'q', 'w', 'e', 'r', 9, 9, 9, 9};
  write_file(data_file("controls.data"), controls_bytes(other).substr(0, 19));
  controls_set_defaults();
  controls_load();
  EXPECT_EQ(controls.fire_key, 'z');
  EXPECT_EQ(controls.fire_button, 1);
  std::filesystem::remove(data_file("controls.data"));
  controls_load();
  EXPECT_EQ(controls.bomb_button, 3);
}

TEST_F(SettingsFile, AFolderThatCannotBeWrittenKeepsTheOldFiles) {
  write_file(data_file("userprefs.data"), "0 0 1 0");
  // The temporary file's place is taken, so no new file can be written.
  std::filesystem::create_directory(data_file("userprefs.data.new"));
  settings.particles = 0;
  settings_save();
  EXPECT_EQ(read_file(data_file("userprefs.data")), "0 0 1 0");
}
