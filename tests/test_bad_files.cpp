// Thousands of generated data folders, good and bad: the game starts, plays and
// quits through each, and shows any table it could read unchanged.

#include <sys/stat.h>
#include <unistd.h>

#include <random>

#include "frontend/score_table.h"
#include "game/game_loop.h"
#include "shell/data_folder.h"
#include "shell/files.h"
#include "shell/startup.h"
#include "tests/harness.h"

namespace fs = std::filesystem;

namespace {

constexpr int kCases = 2000;
constexpr int kPlayFrames = 65 + 200;  // the menu's fade, then play

enum Content { kAbsent, kRandom, kTruncated, kValid, kOversized, kFolder, kUnreadable, kContents };

struct Case {
  std::mt19937 random;
  explicit Case(int number) : random(static_cast<uint32_t>(number)) {}
  int pick(int below) { return std::uniform_int_distribution<int>(0, below - 1)(random); }
  std::string bytes(size_t length) {
    std::string out(length, '\0');
    for (char& c : out) c = static_cast<char>(pick(256));
    return out;
  }
};

std::string valid_content(const char* name, Case& c) {
  if (name == std::string(kSettingsFile)) {
    return std::to_string(c.pick(3) - 1) + " " + std::to_string(c.pick(2)) + " " +
           std::to_string(c.pick(2)) + " " + std::to_string(c.pick(4));
  }
  if (name == std::string(kControlsFile)) return c.bytes(sizeof(Controls));
  return c.bytes(24 * static_cast<size_t>(1 + c.pick(25)));
}

void make_file(const fs::path& path, const char* name, Content content, Case& c) {
  if (content == kAbsent) return;
  if (content == kFolder) return void(fs::create_directories(path / "inside"));
  std::string bytes = content == kRandom ? c.bytes(size_t(c.pick(300))) : valid_content(name, c);
  if (content == kTruncated) bytes.resize(size_t(c.pick(int(bytes.size()))));
  if (content == kOversized) bytes += std::string(kScoreFileLimit, 'x');
  write_file(path.string(), bytes);
  if (content == kUnreadable) chmod(path.c_str(), 0);
}

class BadFiles : public GameTest {
 protected:
  void next_case() {
    TearDown();
    SetUp();
    platform_render(false);  // the frames run, the window is not drawn
    files_sync(false);       // throwaway files need not reach the disk
  }
  void TearDown() override {
    if (geteuid() != getuid()) seteuid(getuid());
    files_sync(true);
    GameTest::TearDown();
  }
};

}  // namespace

TEST_F(BadFiles, TheGameStartsPlaysAndQuitsAndKeepsEveryReadableTable) {
  const fs::path root = fs::path(test_folder()) / "bad";
  for (int number = 0; number < kCases; ++number) {
    SCOPED_TRACE("case " + std::to_string(number));
    next_case();
    Case c(number);
    fs::remove_all(root);
    const fs::path base = root / "game", data = base / "data", xdg = root / "xdg";
    fs::create_directories(base);
    hand_over(root, true);
    // Data folder: missing, as the files say, or read-only; the per-user
    // folder possible or not.
    int folder = c.pick(4);
    if (folder != 0) {
      fs::create_directories(data);
      for (const char* name : {kSettingsFile, kControlsFile, kScoreFile}) {
        make_file(data / name, name, static_cast<Content>(c.pick(kContents)), c);
      }
    }
    hand_over(base, folder != 3);
    if (folder != 0) hand_over(data, folder != 3);
    fs::create_directories(xdg);
    hand_over(xdg, c.pick(2) == 0);
    setenv("XDG_DATA_HOME", xdg.c_str(), 1);

    ASSERT_TRUE(getuid() != 0 || seteuid(kNobody) == 0);
    platform_set_base_path(base.string());
    data_folder_reset();
    // The rows of a score file the player can read, up to the reader's limit.
    auto before = file_read((data / kScoreFile).string(), kScoreFileLimit);
    std::vector<int> rows;
    for (size_t at = 0; before && at + 24 <= before->size(); at += 24)
      rows.push_back(static_cast<int>(get_le32(&(*before)[at])));
    data_folder_choose();
    settings_load();
    controls_set_defaults();
    controls_load();
    startup_score_file();

    // A table start-up could read is the one the game shows, unchanged, even
    // one of a few bytes and no whole row; any other gives way to the default.
    std::vector<int> shown;
    for (const Score& row : score_table_read()) shown.push_back(row.score);
    if (before && !before->empty()) {
      ASSERT_EQ(shown, rows);
    } else {
      ASSERT_EQ(shown.size(), size_t{kScoreTableRows});
    }

    settings.screen_size = 0;
    platform_script_on_flush([](int frame) {
      if (frame >= kPlayFrames) platform_script_close_window();
    });
    game_run();
    platform_script_on_flush(nullptr);

    ASSERT_EQ(seteuid(getuid()), 0);
  }
  fs::remove_all(root);
}
