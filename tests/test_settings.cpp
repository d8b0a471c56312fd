#include "shell/settings.h"

#include "tests/harness.h"

class SettingsFile : public GameTest {};

// Saving is the options screen's test's, a missing file the data-folder test's, the parse of the
// fields the fuzz target's, from seeds of blanks, signs, short and oversized fields.
TEST_F(SettingsFile, ControlsRoundTripAndAShortFileKeepsTheDefaults) {
  const Controls defaults = controls;
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
