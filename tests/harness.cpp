#include "tests/harness.h"

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "game/globals.h"
#include "shell/data_folder.h"
#include "shell/input.h"
#include "shell/platform.h"
#include "shell/random.h"
#include "shell/settings.h"
#include "shell/sound.h"

namespace {

// The folder of the test program, where the build put the game and its assets.
std::string program_folder() {
  return std::filesystem::read_symlink("/proc/self/exe").parent_path().string() + "/";
}

// Cleared, left-aligned, grey on black, no fade.
void reset_console() {
  TCOD_console_set_fade(255, TCOD_black);
  TCOD_console_set_alignment(nullptr, TCOD_LEFT);
  TCOD_console_set_background_flag(nullptr, TCOD_BKGND_SET);
  TCOD_console_set_default_background(nullptr, TCOD_black);
  TCOD_console_set_default_foreground(nullptr, TCOD_gray);
  TCOD_console_clear(nullptr);
}

std::string make_test_folder() {
  auto folder =
      std::filesystem::temp_directory_path() / ("ember_vortex_test_" + std::to_string(getpid()));
  std::filesystem::create_directories(folder);
  return folder.string() + "/";
}

// Opens the console and the sound bank once per test program, only when tests
// run (listing them must not need SDL).
class ConsoleEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    platform_set_base_path(test_folder());
    // The game's own 8-pixel font when the build has drawn it: libtcod's
    // fallback font makes a far larger window, slow to render.
    ASSERT_TRUE(platform_window_open(program_folder() + "terminal/terminal.png"));
    sound_init();
  }
  void TearDown() override {
    std::error_code ignored;
    std::filesystem::remove_all(test_folder(), ignored);
  }
};

}  // namespace

const std::string& test_folder() {
  static const std::string folder = make_test_folder();
  return folder;
}

std::string data_file(const std::string& name) {
  return test_folder() + "data/" + name;
}

void write_file(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
}

std::string read_file(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

void hand_over(const std::filesystem::path& path, bool writable) {
  if (getuid() == 0 && writable) chown(path.c_str(), kNobody, kNobody);
  chmod(path.c_str(), writable ? 0755 : 0555);
}

ProgramRun run_game_program(const std::string& args, const std::string& env) {
  std::string out = test_folder() + "out.txt", err = test_folder() + "err.txt";
  std::string command = "cd / && env " + env + " timeout 60 '" + program_folder() +
                        "ember_vortex' " + args + " >'" + out + "' 2>'" + err + "'";
  int status = std::system(command.c_str());
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, read_file(out), read_file(err)};
}

void GameTest::SetUp() {
  platform_set_base_path(test_folder());
  std::error_code ignored;
  data_folder_reset();
  std::filesystem::remove_all(data_folder(), ignored);
  std::filesystem::create_directories(data_folder(), ignored);
  platform_script_begin();
  settings = Settings{};
  controls_set_defaults();
  input_reset();
  game = GameGlobals{};
  random_seed(12345);
  reset_console();
  sound_record(true);
}

void GameTest::TearDown() {
  sound_record(false);
  platform_script_end();
}

int cell_char(int x, int y) {
  return TCOD_console_get_char(nullptr, x, y);
}

TCOD_color_t cell_fg(int x, int y) {
  return TCOD_console_get_char_foreground(nullptr, x, y);
}

std::string screen_text(int x, int y, int length) {
  std::string text;
  for (int i = 0; i < length; ++i) {
    int c = cell_char(x + i, y);
    text += (c >= 32 && c < 127) ? static_cast<char>(c) : '?';
  }
  return text;
}

void press_key(TCOD_keycode_t vk, int c) {
  platform_script_key(vk, c, true);
}

void release_key(TCOD_keycode_t vk, int c) {
  platform_script_key(vk, c, false);
}

std::ostream& operator<<(std::ostream& out, const TCOD_color_t& colour) {
  return out << "(" << int{colour.r} << ", " << int{colour.g} << ", " << int{colour.b} << ")";
}

int main(int argc, char** argv) {
  setenv("SDL_VIDEODRIVER", "dummy", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  ::testing::InitGoogleTest(&argc, argv);
  ::testing::AddGlobalTestEnvironment(new ConsoleEnvironment);
  return RUN_ALL_TESTS();
}
