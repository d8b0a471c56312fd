#pragma once
// The test harness: the real libtcod root console under SDL's dummy video and
// audio drivers, input driven through the platform seam, frames stepped
// without the 60 fps pace, and the console read back cell by cell.

#include <gtest/gtest.h>
#include <libtcod.h>

#include <cstdint>
#include <string>

// Fresh state for every test: scripted input, default settings and controls,
// the game-wide globals of a new game, a seeded generator, an empty console,
// an empty data/ folder and sound recording on.
class GameTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
};

// The console as a test starts it: cleared, left-aligned, grey on black, no fade.
void reset_console();

// Seeds libtcod's default generator, which every random draw of the game uses.
void seed_random(uint32_t seed);

// The folder of the test program, where the build put the game and its assets.
std::string program_folder();

// The folder the game takes for the one beside its executable (data/ lives here).
const std::string& test_folder();
std::string data_file(const std::string& name);
void write_file(const std::string& path, const std::string& bytes);
std::string read_file(const std::string& path);

// Reading the root console back.
int cell_char(int x, int y);
TCOD_color_t cell_fg(int x, int y);
TCOD_color_t cell_bg(int x, int y);
// `length` cells from (x, y) as text: printable ASCII as itself, anything else '?'.
std::string screen_text(int x, int y, int length);
// Rows y0..y1 as text, for failure messages.
std::string screen_dump(int y0, int y1);

// Scripted keys: a stroke's press or release event, holding the key meanwhile.
void press_key(TCOD_keycode_t vk, int c = 0);
void release_key(TCOD_keycode_t vk, int c = 0);
inline void press_char(int c) {
  press_key(TCODK_CHAR, c);
}
inline void release_char(int c) {
  release_key(TCODK_CHAR, c);
}

std::ostream& operator<<(std::ostream& out, const TCOD_color_t& colour);
