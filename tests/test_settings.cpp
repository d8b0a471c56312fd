#include "shell/settings.h"

#include "tests/harness.h"

namespace {

// The four stored fields after loading a file with this content.
std::string loaded(const std::string& content) {
  write_file(data_file("userprefs.data"), content);
  settings_load();
  return std::to_string(settings.colour_mode) + " " + std::to_string(settings.bullet_colour_mode) +
         " " + std::to_string(settings.particles) + " " + std::to_string(settings.screen_size);
}

}  // namespace

class SettingsFile : public GameTest {};

// Saving is checked by the options screen's test.
TEST_F(SettingsFile, FourFieldsInOrderAndUnreadableOrMissingFieldsStayZero) {
  settings.particles = 1;
  settings_load();  // no file
  EXPECT_EQ(settings.particles, 0);
  const char* cases[][2] = {{"1 0 1 2", "1 0 1 2"},           {"2 1", "2 1 0 0"},
                            {"1 x 1 1", "1 0 0 0"},           {"  -3\n+4\t5 6 7", "-3 4 5 6"},
                            {"99999999999 1 1 1", "0 0 0 0"},  // too big for a field
                            {"1 +-2 3 4", "1 0 0 0"}};
  for (const auto& [content, fields] : cases) EXPECT_EQ(loaded(content), fields) << content;
}

TEST_F(SettingsFile, ControlsRoundTripAndAShortOrMissingFileKeepsTheDefaults) {
  const Controls defaults = controls;
  controls_load();  // no file
  EXPECT_TRUE(controls == defaults);
  const Controls mine{'q', 'w', 'e', 'p', 7, -2, 300, 4};
  controls = mine;
  settings_save();
  const std::string bytes = read_file(data_file("controls.data"));
  // The keys, then each button as four bytes, least significant first.
  EXPECT_EQ(bytes, std::string("qwep\7\0\0\0\xfe\xff\xff\xff\x2c\1\0\0\4\0\0\0", 20));
  for (const std::string& file : {bytes, bytes.substr(0, 19)}) {
    write_file(data_file("controls.data"), file);
    controls_set_defaults();
    controls_load();
    EXPECT_TRUE(controls == (file == bytes ? mine : defaults)) << file.size();
  }
}
