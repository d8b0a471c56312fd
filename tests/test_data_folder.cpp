#include "shell/data_folder.h"

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <random>

#include "frontend/score_table.h"
#include "shell/files.h"
#include "shell/startup.h"
#include "tests/harness.h"

namespace fs = std::filesystem;

namespace {

// kInstalled: writable, but marked as an installation's.
enum Folder { kMissing, kWritable, kReadOnly, kInstalled };
enum OddScore { kNone, kEmpty, kFolderInPlace, kUnreadable };

struct Layout {
  const char* name;
  Folder beside, per_user;  // data/ beside the game; the XDG data home
  Folder player;            // the player's own folder, "0 0 0 0" in it
  OddScore odd;             // the score file beside the game
  DataHome home;            // where start-up put the files
  int colour_mode;          // the settings it read
};

void give(const fs::path& path, Folder folder) {
  if (folder == kMissing) return;
  fs::create_directories(path);
  hand_over(path, folder == kWritable || folder == kInstalled);
}

}  // namespace

using DataFolder = GameTest;

// Where the player's files go in a build, a portable copy, an installation
// the player cannot write, and with nothing writable at all.
TEST_F(DataFolder, TheFilesLiveBesideTheGameElseInAPerUserFolderElseInMemory) {
  using enum DataHome;
  const Layout layouts[] = {
      {"portable", kWritable, kWritable, kMissing, kNone, beside, 1},
      // After a 1 was read, so the missing file must put it back to 0.
      {"build", kMissing, kWritable, kMissing, kNone, beside, 0},
      {"installed", kReadOnly, kWritable, kMissing, kNone, per_user, 1},
      {"installed, writable by the player", kInstalled, kWritable, kMissing, kNone, per_user, 1},
      {"installed, player's own settings", kReadOnly, kWritable, kWritable, kNone, per_user, 0},
      {"nothing writable", kReadOnly, kReadOnly, kMissing, kNone, memory, 1},
      {"no per-user folder can be made", kReadOnly, kMissing, kMissing, kNone, memory, 1},
      {"a per-user folder left read-only", kReadOnly, kWritable, kReadOnly, kNone, memory, 1},
      {"a folder in the score file's place", kWritable, kWritable, kMissing, kFolderInPlace, memory,
       1},
      {"an empty score file", kWritable, kWritable, kMissing, kEmpty, beside, 1},
      {"an unreadable score file", kWritable, kWritable, kMissing, kUnreadable, memory, 1},
  };
  const fs::path root = fs::path(test_folder()) / "layout";
  for (const Layout& layout : layouts) {
    SCOPED_TRACE(layout.name);
    fs::remove_all(root);
    fs::path base = root / "game", data = base / "data", xdg = root / "xdg";
    fs::path player = xdg / "ember-vortex";
    give(root, kReadOnly);
    give(base, layout.beside == kMissing ? kWritable : kReadOnly);
    if (layout.beside != kMissing) {
      fs::create_directories(data);
      write_file((data / kSettingsFile).string(), "1 0 0 0");
      if (layout.beside == kInstalled) write_file((data / kInstalledMark).string(), "");
      if (layout.odd == kEmpty) write_file((data / kScoreFile).string(), "");
      if (layout.odd == kFolderInPlace) fs::create_directories(data / kScoreFile / "x");
      if (layout.odd == kUnreadable) {
        write_file((data / kScoreFile).string(), std::string(24 * 3, 'K'));
        chmod((data / kScoreFile).c_str(), 0);
      }
      give(data, layout.beside);
    }
    give(xdg, layout.per_user);
    if (layout.player != kMissing) {
      fs::create_directories(player);
      write_file((player / kSettingsFile).string(), "0 0 0 0");
      give(player, layout.player);
    }

    // Start-up's file handling, as nobody.
    setenv("XDG_DATA_HOME", xdg.c_str(), 1);
    platform_set_base_path(base.string());
    data_folder_reset();
    testing::internal::CaptureStderr();
    ASSERT_TRUE(getuid() != 0 || seteuid(kNobody) == 0);
    DataHome home = data_folder_choose();
    settings_load();
    startup_score_file();
    ASSERT_EQ(seteuid(getuid()), 0);
    std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(files_in_memory() ? memory : home, layout.home);
    EXPECT_EQ(settings.colour_mode, layout.colour_mode);
    // Only a game that keeps nothing says so, in one line.
    bool said_why =
        std::count(said.begin(), said.end(), '\n') == 1 && said.ends_with("will not be kept\n");
    EXPECT_EQ(said_why, layout.home == memory);
    // An installation is never written: the scores go to the player's folder.
    EXPECT_EQ(fs::exists(player / kScoreFile), layout.home == per_user);
    // A score file start-up could not read is left as it was.
    EXPECT_EQ(fs::is_directory(data / kScoreFile), layout.odd == kFolderInPlace);
    EXPECT_TRUE(layout.odd != kUnreadable || fs::file_size(data / kScoreFile) == 72u);
  }
  fs::remove_all(root);
}

namespace {

// Saves for ever: a new best score, then the settings and controls flipped.
[[noreturn]] void save_for_ever() {
  for (int flip = 0;; flip ^= 1) {
    Score best;
    best.score = score_table_read().front().score + 1;
    score_table_add(best);
    settings.particles = settings.screen_size = flip;
    controls.fire_key = flip ? 'q' : 'z';
    settings_save();
  }
}

}  // namespace

// SIGKILL at random moments of a save: each file is the old one or the new
// one, whole, never empty or torn.
TEST_F(DataFolder, AKilledSaveLeavesEachFileOldOrNewAndWhole) {
  constexpr int kKills = 300;
  score_table_write_defaults();
  settings_save();
  std::mt19937 random(7);
  std::uniform_int_distribution<int> moment_us(0, 20000);
  int saves_seen = 0;
  for (int kill_no = 0; kill_no < kKills; ++kill_no) {
    SCOPED_TRACE("after kill " + std::to_string(kill_no));
    pid_t child = fork();
    if (child == 0) save_for_ever();
    usleep(static_cast<useconds_t>(moment_us(random)));
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);

    ASSERT_EQ(read_file(data_file(kScoreFile)).size(), 24u * kScoreTableRows);
    saves_seen = score_table_read().front().score - 100000;
    std::string prefs = read_file(data_file(kSettingsFile));
    ASSERT_TRUE(prefs == "0 0 0 0" || prefs == "0 0 1 1") << prefs;
    std::string keys = read_file(data_file(kControlsFile));
    ASSERT_TRUE(keys.size() == sizeof(Controls) && (keys[0] == 'z' || keys[0] == 'q'));
  }
  // The kills must have landed amid the saves, not before the first one.
  EXPECT_GT(saves_seen, kKills / 4);
}
