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
  hand_over(path, folder == kWritable || folder == kInstalled);
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
      {"installed, writable by the player", kInstalled, "1 0 0 0", kWritable, nullptr, nullptr,
       "per-user", 1, 20, false},
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
      if (layout.beside == kInstalled) write_file((data / kInstalledMark).string(), "");
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
    EXPECT_TRUE(!per_user || !fs::exists(data / kScoreFile));
    // A score file start-up could not read is left as it was.
    std::string odd = layout.odd_score ? layout.odd_score : "";
    EXPECT_EQ(fs::is_directory(data / kScoreFile), odd == "folder");
    EXPECT_TRUE(odd != "unreadable" || fs::file_size(data / kScoreFile) == 72u);
  }
  fs::remove_all(fs::path(test_folder()) / "layout");
  fs::remove_all(fs::path(test_folder()) / "said");
}

namespace {

// The table after adding top+1 over and over from the default one.
std::vector<int> table_under(int top) {
  std::vector<int> scores;
  for (int s = top; s > 100000; --s) scores.push_back(s);
  scores.push_back(100000);
  for (int s = 95000; s >= 5000; s -= 5000) scores.push_back(s);
  scores.resize(kScoreTableRows);
  return scores;
}

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
    pid_t child = fork();
    if (child == 0) save_for_ever();
    usleep(static_cast<useconds_t>(moment_us(random)));
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);

    std::string table = read_file(data_file(kScoreFile));
    ASSERT_EQ(table.size(), 24u * kScoreTableRows) << "after kill " << kill_no;
    std::vector<int> scores;
    for (const Score& row : score_table_read()) scores.push_back(row.score);
    ASSERT_EQ(scores, table_under(scores.front())) << "after kill " << kill_no;
    saves_seen = scores.front() - 100000;

    std::string prefs = read_file(data_file(kSettingsFile));
    ASSERT_TRUE(prefs == "0 0 0 0" || prefs == "0 0 1 1") << prefs;
    std::string keys = read_file(data_file(kControlsFile));
    ASSERT_EQ(keys.size(), sizeof(Controls));
    ASSERT_TRUE(keys[0] == 'z' || keys[0] == 'q');
  }
  // The kills must have landed amid the saves, not before the first one.
  EXPECT_GT(saves_seen, kKills / 4);
}
