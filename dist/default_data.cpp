// default_data: writes the data/ folder a new installation starts from, through
// the game's own writers, so the installed files are exactly what the game writes.
//
//   default_data DIR    writes DIR/data/ (settings, controls, high scores)

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "frontend/score_table.h"
#include "shell/data_folder.h"
#include "shell/platform.h"
#include "shell/settings.h"

namespace {

namespace fs = std::filesystem;

// The settings, the controls and the high-score table.
constexpr int kDataFiles = 3;

bool written_whole() {
  int files = 0;
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(data_folder(), error)) {
    if (!entry.is_regular_file() || entry.file_size() == 0) return false;
    ++files;
  }
  return !error && files == kDataFiles && score_table_read().size() == kScoreTableRows;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: default_data DIR\n", stderr);
    return 2;
  }
  platform_set_base_path(argv[1]);
  // The table's writer adds to the rows it finds: start from an empty folder.
  std::error_code ignored;
  fs::remove_all(data_folder(), ignored);
  fs::create_directories(data_folder(), ignored);
  settings = Settings{};
  controls_set_defaults();
  settings_save();
  score_table_write_defaults();
  if (!written_whole()) {
    std::fprintf(stderr, "default_data: could not write %s\n", data_folder().c_str());
    return 1;
  }
  return 0;
}
