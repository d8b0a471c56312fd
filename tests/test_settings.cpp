#include "shell/settings.h"

#include <filesystem>

#include "tests/harness.h"

namespace {

// The four stored fields after loading a file with this content.
std::string loaded(const std::string& content) {
  write_file(data_file("userprefs.data"), content);
  settings_load();
  return std::to_string(settings.colour_mode) + " " + std::to_string(settings.bullet_colour_mode) +
         " " + std::to_string(settings.particles) + " " + std::to_string(settings.screen_size);
}

std::string controls_bytes(const Controls& c) {
  std::string bytes;
  for (uint8_t key : {c.fire_key, c.charge_key, c.bomb_key, c.fourth_key})
    bytes += static_cast<char>(key);
  for (int32_t word : {c.fire_button, c.charge_button, c.bomb_button, c.fourth_button})
    for (int i = 0; i < 4; ++i)
      bytes += static_cast<char>((static_cast<uint32_t>(word) >> (8 * i)));
  return bytes;
}

}  // namespace

class SettingsFile : public GameTest {};

TEST_F(SettingsFile, FourFieldsInOrderAndBackAgainWithoutStarsAndUnreadableFieldsStayZero) {
  EXPECT_EQ(loaded("1 0 1 2"), "1 0 1 2");
  settings.stars = 0;
  settings_save();
  EXPECT_EQ(read_file(data_file("userprefs.data")), "1 0 1 2");
  // The last holds a number too big for a field.
  const char* cases[][2] = {{"", "0 0 0 0"},
                            {"1 1", "1 1 0 0"},
                            {"1 x 1 1", "1 0 0 0"},
                            {"  -3\n+4\t5 6 7", "-3 4 5 6"},
                            {"99999999999 1 1 1", "0 0 0 0"},
                            {"1 +-2 3 4", "1 0 0 0"}};
  for (const auto& [content, fields] : cases) EXPECT_EQ(loaded(content), fields) << content;
  std::filesystem::remove(data_file("userprefs.data"));
  settings.particles = 1;
  settings_load();
  EXPECT_EQ(settings.particles, 0);
}

TEST_F(SettingsFile, TogglesAndTheScreenSizeCycle) {
  std::string seen;
  auto repeat = [&](void (*operation)(), const int32_t& field, int times) {
    for (int i = 0; i < times; ++i, seen += std::to_string(field)) operation();
  };
  settings.particles = 7;  // any value but 0 is on
  repeat(settings_toggle_particles, settings.particles, 2);
  repeat(settings_toggle_stars, settings.stars, 2);
  settings.screen_size = 5;
  repeat(settings_cycle_screen_size, settings.screen_size, 4);
  EXPECT_EQ(seen,
            "01"
            "01"
            "0120");
}

TEST_F(SettingsFile, ControlsRoundTripAShortOrMissingFileKeepsTheDefaultsAndAFailedSaveTheOldFile) {
  controls = Controls{'q', 'w', 'e', 'p', 7, -2, 300, 4};
  settings_save();
  std::string bytes = read_file(data_file("controls.data"));
  EXPECT_EQ(bytes, controls_bytes(controls));
  controls_set_defaults();
  controls_load();
  EXPECT_EQ(controls_bytes(controls), bytes);

  write_file(data_file("controls.data"), bytes.substr(0, 19));
  controls_set_defaults();
  const std::string defaults("zxcp\1\0\0\0\2\0\0\0\3\0\0\0\4\0\0\0", 20);
  controls_load();
  EXPECT_EQ(controls_bytes(controls), defaults);
  std::filesystem::remove(data_file("controls.data"));
  controls_load();
  EXPECT_EQ(controls_bytes(controls), defaults);
  // Where no new file can be written (its temporary's place is taken), the old one stays.
  write_file(data_file("userprefs.data"), "0 0 1 0");
  std::filesystem::create_directory(data_file("userprefs.data.new"));
  settings_save();
  EXPECT_EQ(read_file(data_file("userprefs.data")), "0 0 1 0");
}
