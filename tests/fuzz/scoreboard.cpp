// The scoreboard drawn from data/scoreDat.data: whatever bytes a name holds,
// each row keeps its columns and nothing is drawn below the last row.

#include <libtcod.h>

#include <cstdlib>
#include <cstring>

#include "frontend/score_table.h"
#include "frontend/scoreboard.h"
#include "game/screen.h"
#include "shell/platform.h"
#include "tests/fuzz/fuzz_files.h"

namespace {

constexpr int kRowX = 14;
constexpr int kFirstRowY = 20;
constexpr int kNameX = 5;  // within the row
constexpr int kNameCells = 3;

void check_screen() {
  const std::vector<Score> rows = score_table_read();
  int y = kFirstRowY;
  for (size_t i = 0; i < rows.size() && y < kScreenHeight; ++i, ++y) {
    char text[64];
    int length = std::snprintf(text, sizeof text, "%2d:  %3s %010d %d", static_cast<int>(i) + 1,
                               rows[i].name, rows[i].score, rows[i].hits);
    for (int x = 0; x < length + 1; ++x) {
      int expected = x < length ? static_cast<unsigned char>(text[x]) : ' ';
      bool in_name = x >= kNameX && x < kNameX + kNameCells;
      if (in_name && (expected < ' ' || expected > '~')) continue;  // drawn as the font has it
      FUZZ_CHECK(TCOD_console_get_char(nullptr, kRowX + x, y) == expected);
    }
  }
  for (; y < kScreenHeight; ++y) {
    for (int x = 0; x < TCOD_console_get_width(nullptr); ++x) {
      FUZZ_CHECK(TCOD_console_get_char(nullptr, x, y) == ' ');
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  setenv("SDL_VIDEODRIVER", "dummy", 0);
  // No font: the window is never drawn, only the console is read back.
  if (!platform_window_open("/nonexistent/terminal.png")) std::abort();
  platform_render(false);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz_data_file("scoreDat.data", data, size);
  platform_script_begin();
  platform_script_on_flush([](int) {
    check_screen();
    platform_script_close_window();
  });
  scoreboard_show();
  platform_script_end();
  files_memory_end();
  return 0;
}
