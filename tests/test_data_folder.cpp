#include "shell/data_folder.h"

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "frontend/score_table.h"
#include "shell/files.h"
#include "shell/platform.h"
#include "shell/settings.h"
#include "shell/startup.h"
#include "tests/harness.h"

namespace fs = std::filesystem;

namespace {

// Root writes anywhere, so each case runs in a child that drops to this
// unprivileged user first; the folders it may write are handed to it.
constexpr uid_t kNobody = 65534;

enum Folder { kMissing, kWritable, kReadOnly };

struct Layout {
  const char* name;
  Folder beside;             // data/ beside the game
  const char* beside_prefs;  // installed userprefs.data, or null
  Folder per_user;           // the XDG data home
  const char* player_prefs;  // the player's own userprefs.data, or null
  const char* odd_score;     // "folder" or "unreadable": the score file beside the game
  // What start-up made of it.
  const char* home;  // "beside", "per-user" or "memory"
  int colour_mode;   // the settings it read
  size_t rows;       // the table it shows
  bool said_why;     // one line on standard error
};

void give(const fs::path& path, Folder folder) {
  if (folder == kMissing) return;
  fs::create_directories(path);
  if (getuid() == 0 && folder == kWritable) chown(path.c_str(), kNobody, kNobody);
  chmod(path.c_str(), folder == kWritable ? 0755 : 0555);
}

// Start-up's file handling in a child; its findings come back as the exit
// status's bits and the files it leaves behind.
struct Outcome {
  std::string home;
  int colour_mode = -1;
  size_t rows = 0;
  bool said_why = false;
};

Outcome start_in_child(const fs::path& base, const fs::path& xdg, const fs::path& said) {
  pid_t child = fork();
  if (child == 0) {
    if (getuid() == 0 && (setgid(kNobody) != 0 || setuid(kNobody) != 0)) _exit(99);
    freopen(said.c_str(), "w", stderr);
    setenv("XDG_DATA_HOME", xdg.c_str(), 1);
    platform_set_base_path(base.string());
    data_folder_reset();
    DataHome home = data_folder_choose();
    settings_load();
    startup_score_file();
    int rows = static_cast<int>(score_table_read().size());
    std::fflush(stderr);
    int where = files_in_memory() ? static_cast<int>(DataHome::memory) : static_cast<int>(home);
    _exit(where * 64 + settings.colour_mode * 32 + rows);
  }
  int status = 0;
  waitpid(child, &status, 0);
  Outcome outcome;
  if (!WIFEXITED(status) || WEXITSTATUS(status) == 99) return outcome;
  int bits = WEXITSTATUS(status);
  const char* homes[] = {"beside", "per-user", "memory"};
  outcome.home = homes[bits / 64];
  outcome.colour_mode = (bits / 32) % 2;
  outcome.rows = static_cast<size_t>(bits % 32);
  std::string text = read_file(said.string());
  outcome.said_why = !text.empty() && text.find('\n') == text.size() - 1 &&
                     text.find("will not be kept") != std::string::npos;
  return outcome;
}

}  // namespace

using DataFolder = GameTest;

// Where the player's files go in a build, a portable copy, an installation
// the player cannot write, and with nothing writable at all.
TEST_F(DataFolder, TheFilesLiveBesideTheGameElseInAPerUserFolderElseInMemory) {
  const Layout layouts[] = {
      {"build", kMissing, nullptr, kWritable, nullptr, nullptr, "beside", 0, 20, false},
      {"portable", kWritable, "1 0 0 0", kWritable, nullptr, nullptr, "beside", 1, 20, false},
      {"installed", kReadOnly, "1 0 0 0", kWritable, nullptr, nullptr, "per-user", 1, 20, false},
      {"installed, player's own settings", kReadOnly, "1 0 0 0", kWritable, "0 0 0 0", nullptr,
       "per-user", 0, 20, false},
      {"nothing writable", kReadOnly, "1 0 0 0", kReadOnly, nullptr, nullptr, "memory", 1, 20,
       true},
      {"no per-user folder can be made", kReadOnly, nullptr, kMissing, nullptr, nullptr, "memory",
       0, 20, true},
      {"a folder in the score file's place", kWritable, nullptr, kWritable, nullptr, "folder",
       "memory", 0, 20, true},
      {"an unreadable score file", kWritable, nullptr, kWritable, nullptr, "unreadable", "memory",
       0, 20, true},
  };
  for (const Layout& layout : layouts) {
    SCOPED_TRACE(layout.name);
    fs::path root = fs::path(test_folder()) / "layout";
    fs::remove_all(root);
    fs::path base = root / "game", data = base / "data", xdg = root / "xdg";
    give(root, kReadOnly);
    give(base, layout.beside == kMissing ? kWritable : kReadOnly);
    if (layout.beside != kMissing) {
      fs::create_directories(data);
      if (layout.beside_prefs) write_file((data / kSettingsFile).string(), layout.beside_prefs);
      if (layout.odd_score && std::string(layout.odd_score) == "folder") {
        fs::create_directories(data / kScoreFile / "x");
      } else if (layout.odd_score) {
        write_file((data / kScoreFile).string(), std::string(24 * 3, 'K'));
        chmod((data / kScoreFile).c_str(), 0);
      }
      give(data, layout.beside);
    }
    give(xdg, layout.per_user);
    if (layout.player_prefs) {
      give(xdg / "ember-vortex", kWritable);
      write_file((xdg / "ember-vortex" / kSettingsFile).string(), layout.player_prefs);
    }
    fs::path said = fs::path(test_folder()) / "said";
    give(said, kWritable);

    Outcome outcome = start_in_child(base, xdg, said / "stderr");
    EXPECT_EQ(outcome.home, layout.home);
    EXPECT_EQ(outcome.colour_mode, layout.colour_mode);
    EXPECT_EQ(outcome.rows, layout.rows);
    EXPECT_EQ(outcome.said_why, layout.said_why);

    // An installation is seeded into the player's folder and never written.
    fs::path player = xdg / "ember-vortex";
    bool per_user = std::string(layout.home) == "per-user";
    EXPECT_EQ(fs::exists(player / kScoreFile), per_user);
    if (per_user && !layout.player_prefs) {
      EXPECT_EQ(read_file((player / kSettingsFile).string()), layout.beside_prefs);
    }
    EXPECT_TRUE(layout.beside != kReadOnly || !fs::exists(data / kScoreFile));
    // A score file start-up could not read is left as it was.
    std::string odd = layout.odd_score ? layout.odd_score : "";
    EXPECT_EQ(fs::is_directory(data / kScoreFile), odd == "folder");
    EXPECT_TRUE(odd != "unreadable" || fs::file_size(data / kScoreFile) == 72u);
    EXPECT_TRUE(per_user || !fs::exists(player / kScoreFile));
  }
  fs::remove_all(fs::path(test_folder()) / "layout");
  fs::remove_all(fs::path(test_folder()) / "said");
}
