#include "shell/startup.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "frontend/score_table.h"
#include "shell/data_folder.h"
#include "shell/files.h"
#include "shell/platform.h"
#include "shell/settings.h"
#include "shell/sound.h"

namespace {
constexpr int kNoWindowStatus = 1;
}

std::string startup_font_file(int screen_size) {
  if (screen_size == 0) return "terminal/terminal.png";
  if (screen_size == 1) return "terminal/termx15.png";
  return "terminal/termx2.png";
}

void startup_score_file() {
  std::string path = score_table_path();
  auto head = file_read(path, 1);
  if (head && !head->empty()) return;
  std::error_code ignored;
  bool unreadable = !head && !files_in_memory() && std::filesystem::exists(path, ignored);
  if (!unreadable && score_table_write_defaults()) return;
  data_folder_keep_in_memory(path + " cannot be " + (unreadable ? "read" : "written"));
  if (score_table_empty()) score_table_write_defaults();
}

void startup() {
  platform_joystick_open();
  // A replay plays on copies of the data files and never writes the folder.
  if (!files_in_memory()) data_folder_choose();
  settings_load();
  if (!platform_window_open(platform_asset_path(startup_font_file(settings.screen_size)))) {
    // Without a window the menu would wait forever for a key nobody can press.
    std::fprintf(stderr, "Unable to open the window: %s\n", TCOD_get_error());
    std::exit(kNoWindowStatus);
  }
  if (platform_window_unseen()) {
    // SDL's fallback would run the game unseen for ever, burning a core.
    std::fputs(
        "ember_vortex: no display found (set DISPLAY, or SDL_VIDEODRIVER to choose a video "
        "driver)\n",
        stderr);
    std::exit(kNoWindowStatus);
  }
  TCOD_console_set_default_background(nullptr, TCOD_black);
  TCOD_console_set_default_foreground(nullptr, TCOD_gray);
  sound_init();
  platform_window_icon(platform_asset_path("terminal/EVicon.bmp"));
  settings.stars = 1;
  controls_set_defaults();
  controls_load();
  startup_score_file();
}
