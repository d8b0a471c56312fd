#include "shell/settings.h"

#include "tests/harness.h"

class SettingsFile : public GameTest {};

// Saving is checked by the options screen's test, the parse of a file's fields by its fuzz target
// from seeds of blanks, signs, short and oversized fields.
TEST_F(SettingsFile, AMissingFileLeavesEveryFieldZero) {
  settings = Settings{1, 1, 1, 1, 1};
  settings_load();
  EXPECT_EQ(std::tuple(settings.colour_mode, settings.bullet_colour_mode, settings.particles,
                       settings.screen_size),
            std::tuple(0, 0, 0, 0));
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
