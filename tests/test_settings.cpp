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

TEST_F(SettingsFile, ControlsRoundTripAShortOrMissingFileKeepsTheDefaultsAndAFailedSaveTheOldFile) {
  const Controls mine{'q', 'w', 'e', 'p', 7, -2, 300, 4};
  controls = mine;
  settings_save();
  const std::string bytes = read_file(data_file("controls.data"));
  // The keys, then each button as four bytes, least significant first.
  EXPECT_EQ(bytes, std::string("qwep\7\0\0\0\xfe\xff\xff\xff\x2c\1\0\0\4\0\0\0", 20));
  for (const std::string& file : {bytes, bytes.substr(0, 19), std::string("missing")}) {
    if (file == "missing") {
      std::filesystem::remove(data_file("controls.data"));
    } else {
      write_file(data_file("controls.data"), file);
    }
    controls_set_defaults();
    controls_load();
    EXPECT_TRUE(controls == (file == bytes ? mine : Controls{'z', 'x', 'c', 'p', 1, 2, 3, 4}))
        << file.size();
  }
  // Where no new file can be written (its temporary's place is taken), the old one stays.
  write_file(data_file("userprefs.data"), "0 0 1 0");
  std::filesystem::create_directory(data_file("userprefs.data.new"));
  settings_save();
  EXPECT_EQ(read_file(data_file("userprefs.data")), "0 0 1 0");
}
