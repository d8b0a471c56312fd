// One whole session of the game, headless and unpaced, driven frame by frame
// from the title menu: a game whose ship is lost, a name typed, a continue
// taken, the ship lost again, a second name, the continue declined, the
// scoreboard, back to the menu and QUIT. Each screen is recognised by its text
// on the console; the program exits 1 when one it expected never came, so a
// session that skipped a screen never passes. valgrind_session.sh runs it
// under memcheck.
//
//   scripted_session
//
// The game's data folder lives in a temporary folder (with terminal/ and
// sound/ linked from beside this program), removed at the end.

#include <libtcod.h>
#include <stdlib.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <iterator>
#include <string>
#include <vector>

#include "frontend/score_table.h"
#include "frontend/title_menu.h"
#include "shell/data_folder.h"
#include "shell/platform.h"
#include "shell/random.h"
#include "shell/startup.h"

namespace fs = std::filesystem;

namespace {

constexpr uint32_t kSeed = 7;
// A session takes a few thousand flushes; past this one it is stuck.
constexpr int kFrameLimit = 40000;
// Play that scores nothing for this long never reaches the name entry.
constexpr int kScorelessLimit = 3000;
constexpr int kSteerLeftFrames = 90;
constexpr int kTapFrames = 2;  // a tap's press is held this long
constexpr int kPause = 4;      // frames between two taps
constexpr const char* kNames[] = {"KAI", "EVA"};

enum class Screen { other, menu, play, name_entry, offer, scoreboard };

const char* screen_name(Screen screen) {
  switch (screen) {
    case Screen::menu:
      return "menu";
    case Screen::play:
      return "play";
    case Screen::name_entry:
      return "name entry";
    case Screen::offer:
      return "continue offer";
    case Screen::scoreboard:
      return "scoreboard";
    default:
      return "other";
  }
}

// The order the screens must come in; fades and the intro count as none.
const std::vector<Screen> kExpected = {
    Screen::menu,       Screen::play,       Screen::name_entry, Screen::offer,
    Screen::play,       Screen::name_entry, Screen::offer,      Screen::play,  // the game-over art
    Screen::scoreboard, Screen::menu,
};

std::string text_at(int x, int y, int length) {
  std::string text;
  for (int i = 0; i < length; ++i) {
    int c = TCOD_console_get_char(nullptr, x + i, y);
    text += (c >= 32 && c < 127) ? static_cast<char>(c) : '?';
  }
  return text;
}

bool shows(int x, int y, const char* text) {
  return text_at(x, y, static_cast<int>(std::strlen(text))) == text;
}

// The console about to be flushed, by the text each screen prints; boxes
// drawn over play are checked before the heads-up display they cover.
Screen screen_now() {
  if (shows(12, 25, "Continue? (Press Enter)")) return Screen::offer;
  if (shows(11, 26, "RANK IN!")) return Screen::name_entry;
  if (shows(13, 18, "RANK NAME   SCORE    HITS")) return Screen::scoreboard;
  if (shows(20, 26, "Start Game") && shows(23, 34, "QUIT")) return Screen::menu;
  if (shows(2, 62, "SCORE   = ")) return Screen::play;
  return Screen::other;
}

struct MenuRow {
  int x, y;  // the first cell of the label
};
constexpr MenuRow kMenuRows[] = {{20, 26}, {20, 28}, {21, 30}, {21, 32}, {23, 34}};
constexpr int kMenuRowCount = static_cast<int>(std::size(kMenuRows));
constexpr int kQuitRow = kMenuRowCount - 1;

// The highlighted menu row: the one label not in grey.
int menu_selection() {
  for (int i = 0; i < kMenuRowCount; ++i) {
    TCOD_color_t fg = TCOD_console_get_char_foreground(nullptr, kMenuRows[i].x, kMenuRows[i].y);
    if (!(fg.r == TCOD_gray.r && fg.g == TCOD_gray.g && fg.b == TCOD_gray.b)) return i;
  }
  return -1;
}

struct Held {
  TCOD_keycode_t vk;
  int c;
  int release_at;  // frame, or -1 while held until let go
};

class Driver {
 public:
  void on_flush(int frame);
  bool passed() const;
  void report() const;

 private:
  void press(TCOD_keycode_t vk, int c, int frames);
  void let_go(TCOD_keycode_t vk, int c);
  void let_go_all();
  bool holding(TCOD_keycode_t vk, int c) const;
  void release_due();
  void fail(const std::string& why);
  void on_menu();
  void on_play();
  void on_name_entry();
  void on_offer();
  void on_scoreboard();

  int frame_ = 0;
  int next_tap_ = 0;
  std::vector<Held> held_;
  std::vector<Screen> seen_;
  int names_ = 0;
  int offers_ = 0;
  int play_frames_ = 0;    // in the life under way
  bool answered_ = false;  // Enter or Escape given on this screen: wait for the next
  bool quit_chosen_ = false;
  std::string failure_;
};

void Driver::press(TCOD_keycode_t vk, int c, int frames) {
  if (holding(vk, c)) return;
  if (vk == TCODK_ENTER || vk == TCODK_ESCAPE) answered_ = true;
  platform_script_key(vk, c, true);
  held_.push_back({vk, c, frames < 0 ? -1 : frame_ + frames});
}

bool Driver::holding(TCOD_keycode_t vk, int c) const {
  for (const Held& h : held_) {
    if (h.vk == vk && h.c == c) return true;
  }
  return false;
}

// Every press gets its release event: a key let go silently would read as
// still down, and its next press as the system's auto-repeat.
void Driver::let_go(TCOD_keycode_t vk, int c) {
  for (size_t i = 0; i < held_.size(); ++i) {
    if (held_[i].vk == vk && held_[i].c == c) {
      platform_script_key(vk, c, false);
      held_.erase(held_.begin() + static_cast<long>(i));
      return;
    }
  }
}

void Driver::let_go_all() {
  while (!held_.empty()) let_go(held_.back().vk, held_.back().c);
}

void Driver::release_due() {
  for (size_t i = held_.size(); i-- > 0;) {
    if (held_[i].release_at >= 0 && held_[i].release_at <= frame_) {
      let_go(held_[i].vk, held_[i].c);
    }
  }
}

void Driver::fail(const std::string& why) {
  if (failure_.empty()) failure_ = why + " (flush " + std::to_string(frame_) + ")";
  // Ends the menu, the game and every screen's loop.
  platform_script_close_window();
}

void Driver::on_flush(int frame) {
  frame_ = frame;
  release_due();
  if (frame > kFrameLimit) return fail("the session never ended");
  Screen screen = screen_now();
  if (screen != Screen::other && (seen_.empty() || seen_.back() != screen)) {
    if (screen != Screen::play) let_go_all();
    if (screen == Screen::play) play_frames_ = 0;
    answered_ = false;
    seen_.push_back(screen);
    next_tap_ = frame + kPause;
  }
  if (seen_.size() > kExpected.size()) return fail("a screen more than expected");
  if (screen == Screen::play) return on_play();
  if (frame < next_tap_ || answered_) return;
  next_tap_ = frame + kPause;
  switch (screen) {
    case Screen::menu:
      return on_menu();
    case Screen::name_entry:
      return on_name_entry();
    case Screen::offer:
      return on_offer();
    case Screen::scoreboard:
      return on_scoreboard();
    default:
      return;
  }
}

void Driver::on_menu() {
  // Start Game the first time; QUIT once a game has been played.
  int target = seen_.size() > 1 ? kQuitRow : 0;
  int at = menu_selection();
  if (at < 0) return fail("no menu row highlighted");
  if (at == target) {
    if (target == kQuitRow) quit_chosen_ = true;
    press(TCODK_ENTER, 0, kTapFrames);
  } else {
    press(at < target ? TCODK_DOWN : TCODK_UP, 0, kTapFrames);
  }
}

// Gun held; under the left-hand enemies until something scores, then up into
// them until the ship is lost.
void Driver::on_play() {
  play_frames_ += 1;
  press(TCODK_CHAR, 'z', -1);
  bool scored = !shows(12, 62, "0000000000");
  if (play_frames_ < kSteerLeftFrames) {
    press(TCODK_LEFT, 0, -1);
  } else {
    let_go(TCODK_LEFT, 0);
  }
  if (scored) press(TCODK_UP, 0, -1);
  if (!scored && play_frames_ > kScorelessLimit) fail("the ship scored nothing");
}

void Driver::on_name_entry() {
  const char* name = kNames[names_ % 2];
  int typed = 0;
  while (typed < 3 && shows(23 + typed, 28, std::string(1, name[typed]).c_str())) ++typed;
  if (typed < 3) {
    press(TCODK_CHAR, name[typed] - 'A' + 'a', 1);
    return;
  }
  names_ += 1;
  press(TCODK_ENTER, 0, kTapFrames);
}

void Driver::on_offer() {
  // The first offer is taken, the second declined.
  const char* left = offers_ == 0 ? "Continues: 3" : "Continues: 2";
  if (!shows(25, 40, left)) return fail(std::string("the offer does not show ") + left);
  press(offers_ == 0 ? TCODK_ENTER : TCODK_ESCAPE, 0, kTapFrames);
  offers_ += 1;
}

void Driver::on_scoreboard() {
  bool both = false;
  for (int y = 20; y < 25; ++y) {
    for (int other = y + 1; other < 25; ++other) {
      both = both || (shows(19, y, kNames[0]) && shows(19, other, kNames[1])) ||
             (shows(19, y, kNames[1]) && shows(19, other, kNames[0]));
    }
  }
  if (!both) return fail("the scoreboard lacks a name typed");
  press(TCODK_ENTER, 0, kTapFrames);
}

bool Driver::passed() const {
  return failure_.empty() && quit_chosen_ && seen_ == kExpected;
}

void Driver::report() const {
  std::printf("screens:");
  for (Screen s : seen_) std::printf(" %s,", screen_name(s));
  std::printf(" then %s after %d flushes\n", quit_chosen_ ? "QUIT" : "no QUIT", frame_);
  if (!failure_.empty()) std::fprintf(stderr, "scripted_session: %s\n", failure_.c_str());
  if (failure_.empty() && seen_ != kExpected) {
    std::fprintf(stderr, "scripted_session: the screens did not come in the expected order\n");
  }
}

// A fresh folder for the game: its own data/, the build's assets linked in.
std::string make_game_folder() {
  std::string pattern = (fs::temp_directory_path() / "ember_session_XXXXXX").string();
  if (!mkdtemp(pattern.data())) return {};
  fs::path assets = fs::read_symlink("/proc/self/exe").parent_path();
  std::error_code error;
  for (const char* sub : {"terminal", "sound"}) {
    fs::create_directory_symlink(assets / sub, fs::path(pattern) / sub, error);
    if (error) return {};
  }
  return pattern;
}

}  // namespace

int main() {
  setenv("SDL_VIDEODRIVER", "dummy", 1);
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  std::string folder = make_game_folder();
  if (folder.empty()) {
    std::fprintf(stderr, "scripted_session: no temporary folder for the game\n");
    return 1;
  }
  platform_set_base_path(folder);
  // A short table, so that any points at all enter it and both names are asked for.
  std::filesystem::create_directories(data_folder());
  Score row;
  row.score = 1;
  std::memcpy(row.name, "AAA", 4);
  score_table_add(row);

  startup();
  random_seed(kSeed);
  Driver driver;
  platform_script_begin();
  platform_script_on_flush([&driver](int frame) { driver.on_flush(frame); });
  title_menu();
  platform_script_end();
  driver.report();

  std::error_code ignored;
  fs::remove_all(folder, ignored);
  return driver.passed() ? 0 : 1;
}
