#include "frontend/scoreboard.h"

#include <vector>

#include "frontend/score_table.h"
#include "fx/glyph.h"
#include "game/screen.h"
#include "shell/console.h"
#include "shell/input.h"
#include "shell/platform.h"
#include "shell/sound.h"

namespace {
constexpr int kHeaderX = 13;
constexpr int kHeaderY = 18;
constexpr int kRowX = 14;
constexpr int kFirstRowY = 20;

// A name from a file may hold any byte: a line break or one of libtcod's
// colour codes (1 to 8) would break the row, so every control byte shows as '?'.
void make_names_printable(std::vector<Score>& rows) {
  for (Score& row : rows) {
    for (char* c = row.name; *c != '\0'; ++c) {
      if (static_cast<unsigned char>(*c) < ' ') *c = '?';
    }
  }
}
}  // namespace

void scoreboard_show() {
  TCOD_console_set_alignment(nullptr, TCOD_LEFT);
  auto rows = score_table_read();
  make_names_printable(rows);
  for (int k = 0; !platform_window_closed(); ++k) {
    TCOD_console_set_default_background(nullptr, TCOD_black);
    TCOD_console_set_default_foreground(nullptr, cycle_colour(k));
    TCOD_console_clear(nullptr);
    console_print(kHeaderX, kHeaderY, "RANK NAME   SCORE    HITS");
    // A file written by something else may hold more rows than fit.
    for (size_t i = 0; i < rows.size() && kFirstRowY + static_cast<int>(i) < kScreenHeight; ++i) {
      const Score& row = rows[i];
      console_print(kRowX, kFirstRowY + static_cast<int>(i), "%2d:  %3s %010d %d",
                    static_cast<int>(i) + 1, row.name, row.score, row.hits);
    }
    platform_flush();
    platform_poll_key(TCOD_KEY_PRESSED | TCOD_KEY_RELEASED);
    if (read_accept() == 1) {
      play_sound(SFX_CONFIRM);
      break;
    }
  }
}
