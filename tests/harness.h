#pragma once
// The test harness: the real libtcod root console under SDL's dummy video and
// audio drivers, input driven through the platform seam, frames stepped
// without the 60 fps pace, and the console read back cell by cell.

#include <gtest/gtest.h>
#include <libtcod.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

// What nearly every test reaches for: the game-wide state, the world, the
// platform seam, the settings and the sound record.
#include "game/globals.h"
#include "game/world.h"
#include "shell/platform.h"
#include "shell/settings.h"
#include "shell/sound.h"

// Fresh state for every test: scripted input, default settings and controls,
// the game-wide globals of a new game, a seeded generator, an empty console,
// an empty data/ folder and sound recording on.
class GameTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
};

// The folder the game takes for the one beside its executable (data/ lives here).
const std::string& test_folder();
std::string data_file(const std::string& name);
void write_file(const std::string& path, const std::string& bytes);
std::string read_file(const std::string& path);

// Root may write anywhere, so tests of unwritable folders hand the writable
// ones to this unprivileged user and drop to it.
constexpr unsigned kNobody = 65534;
// Makes `path` writable (by nobody, when root) or read-only.
void hand_over(const std::filesystem::path& path, bool writable);

// The game program beside the tests, run from / with `env` set and `args`,
// for at most a minute: its exit status (-1 if it did not exit) and output.
struct ProgramRun {
  int status;
  std::string out, err;
};
ProgramRun run_game_program(const std::string& args,
                            const std::string& env = "SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy");

// Reading the root console back.
int cell_char(int x, int y);
TCOD_color_t cell_fg(int x, int y);
// `length` cells from (x, y) as text: printable ASCII as itself, anything else '?'.
std::string screen_text(int x, int y, int length);

// Scripted keys: a stroke's press or release event, holding the key meanwhile.
void press_key(TCOD_keycode_t vk, int c = 0);
void release_key(TCOD_keycode_t vk, int c = 0);

std::ostream& operator<<(std::ostream& out, const TCOD_color_t& colour);
