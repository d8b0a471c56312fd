// The session golden run's pilot: a player who visits every screen of the
// front end once, reading each off the console before answering it. Only the
// recording keeps what it did, so its timing never needs to be exact; it
// needs to be sure, and it stops the session when a screen it waits for never
// comes.

#include <SDL.h>
#include <libtcod.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "game/globals.h"
#include "shell/platform.h"
#include "tests/golden/golden.h"

namespace {

constexpr int kHold = 3;            // frames a tapped key or button stays down
constexpr int kGap = 8;             // frames between two of the pilot's moves
constexpr int kStepLimit = 4000;    // frames a step may wait for its screen
constexpr int kLifeOneAscent = 60;  // frames the hat steers left before the ship climbs

std::string row_text(int y) {
  std::string text;
  for (int x = 0; x < TCOD_console_get_width(nullptr); ++x) {
    const int c = TCOD_console_get_char(nullptr, x, y);
    text += c >= 32 && c < 127 ? static_cast<char>(c) : '?';
  }
  return text;
}

bool shows(int y, const std::string& text) {
  return row_text(y).find(text) != std::string::npos;
}

// The highlighted one of the labels on `rows`, every other in grey; -1 for none.
int highlighted(const std::vector<int>& rows) {
  for (size_t i = 0; i < rows.size(); ++i) {
    const TCOD_color_t fg = TCOD_console_get_char_foreground(nullptr, 25, rows[i]);
    if (fg.r != TCOD_gray.r || fg.g != TCOD_gray.g || fg.b != TCOD_gray.b) return int(i);
  }
  return -1;
}

const std::vector<int> kMenuRows = {26, 28, 30, 32, 34};
const std::vector<int> kOptionRows = {26, 28, 30, 32, 34, 36};

// The screens, by what they print.
auto menu_on = [](int item) {
  return shows(26, "Start Game") && shows(34, "QUIT") && highlighted(kMenuRows) == item;
};
auto options_on = [](int row) {
  return shows(26, "Particles:") && highlighted(kOptionRows) == row;
};
auto in_play = [] { return shows(62, "SCORE   = "); };
auto offered = [](int continues) {
  return shows(25, "Continue? (Press Enter)") &&
         shows(40, "Continues: " + std::to_string(continues));
};
auto scoreboard = [] { return shows(18, "RANK NAME   SCORE    HITS"); };
auto always = [] { return true; };

struct Step {
  const char* what;
  std::function<bool()> ready;
  const char* moves;  // made together, see SessionPilot::move
};

class SessionPilot {
 public:
  SessionPilot();
  void on_flush(int frame);
  const std::string& failure() const { return failure_; }

 private:
  void move(char m);
  void tap(TCOD_keycode_t vk, int c, char text = 0, bool shift = false);
  void button(int number, int frames);
  void hold(TCOD_keycode_t vk, int c, bool down);
  void fly_into_the_enemies(int life_frame);
  void fight_then_fall(int life_frame);
  void menu_to(int from, int to);
  void add(const char* moves, const char* what, std::function<bool()> ready) {
    steps_.push_back({what, std::move(ready), moves});
  }

  std::vector<Step> steps_;
  size_t next_ = 0;
  int frame_ = 0;
  int ready_at_ = 0;
  std::vector<std::pair<int, std::function<void()>>> releases_;  // frame, let go
  std::function<void(int)> driving_;                             // play, every frame
  int life_frame_ = 0;
  std::string failure_;
};

// The moves a step makes: U and D the arrows, E Enter, X Escape, B Backspace, ! Shift+1, S
// Shift+s, a digit that joystick button, F the fire button held three times as long, a
// lower-case letter typed; [ and ] start the first and the second life's play, ; stops play and
// lets every key go.
struct Key {
  char move;
  TCOD_keycode_t vk;
  int c;
  char text;
  bool shift;
};
constexpr Key kKeys[] = {{'U', TCODK_UP, 0, 0, false},        {'D', TCODK_DOWN, 0, 0, false},
                         {'E', TCODK_ENTER, '\r', 0, false},  {'X', TCODK_ESCAPE, 27, 0, false},
                         {'B', TCODK_BACKSPACE, 8, 0, false}, {'!', TCODK_CHAR, '1', '!', true},
                         {'S', TCODK_CHAR, 's', 'S', true}};

void SessionPilot::move(char m) {
  for (const Key& key : kKeys) {
    if (key.move == m) return tap(key.vk, key.c, key.text, key.shift);
  }
  if (m >= 'a' && m <= 'z') return tap(TCODK_CHAR, m, m);
  if (m >= '0' && m <= '9') return button(m - '0', kHold);
  if (m == 'F') return button(1, 3 * kHold);
  driving_ = nullptr;
  if (m == '[' || m == ']') {
    life_frame_ = 0;
    driving_ = [this, first = m == '['](int) {
      (first ? fly_into_the_enemies(life_frame_) : fight_then_fall(life_frame_));
      life_frame_ += 1;
    };
    return;
  }
  for (TCOD_keycode_t vk : {TCODK_UP, TCODK_LEFT, TCODK_RIGHT}) hold(vk, 0, false);
  hold(TCODK_CHAR, 'a', false);
  platform_script_hat(SDL_HAT_CENTERED);
}

// A key's press, the text it typed (none for 0) and its release kHold frames on.
void SessionPilot::tap(TCOD_keycode_t vk, int c, char text, bool shift) {
  TCOD_key_t key{};
  key.vk = vk;
  key.c = static_cast<char>(c);
  key.pressed = true;
  key.shift = shift;
  platform_script_event(key);
  platform_script_hold(vk, c, true);
  if (text) {
    TCOD_key_t typed{};
    typed.vk = TCODK_TEXT;
    typed.pressed = true;
    typed.text[0] = text;
    platform_script_event(typed);
  }
  releases_.emplace_back(frame_ + kHold, [vk, c] { platform_script_key(vk, c, false); });
}

void SessionPilot::button(int number, int frames) {
  platform_script_button(number, true);
  releases_.emplace_back(frame_ + frames, [number] { platform_script_button(number, false); });
}

void SessionPilot::hold(TCOD_keycode_t vk, int c, bool down) {
  const bool held = vk == TCODK_CHAR ? platform_mapped_key_down(uint8_t(c)) : platform_key_down(vk);
  if (held != down) platform_script_key(vk, c, down);
}

// Life one: the hat steers left, then Up climbs into the first wave with the gun silent,
// so the ship is lost with no points and no name is asked for.
void SessionPilot::fly_into_the_enemies(int life_frame) {
  platform_script_hat(life_frame < kLifeOneAscent ? SDL_HAT_LEFT : SDL_HAT_CENTERED);
  hold(TCODK_UP, 0, life_frame >= kLifeOneAscent);
}

// Life two: the remapped gun held, a weave, the remapped charged shot and bomb, a pause, then
// a climb into the enemies.
void SessionPilot::fight_then_fall(int life_frame) {
  hold(TCODK_CHAR, 'a', life_frame >= 10);
  const int weave = life_frame % 240;
  hold(TCODK_LEFT, 0, weave < 60 && life_frame < 900);
  hold(TCODK_RIGHT, 0, weave >= 120 && weave < 180 && life_frame < 900);
  hold(TCODK_UP, 0, life_frame >= 900);
  if (life_frame == 300) move('s');
  if (life_frame == 400) move('9');  // the bomb's new button
  if (life_frame == 500 || life_frame == 540) move('p');
}

void SessionPilot::menu_to(int from, int to) {
  for (int at = from; at != to; at += to > from ? 1 : -1) {
    add(to > from ? "D" : "U", "the menu, moving", [at] { return menu_on(at); });
  }
}

SessionPilot::SessionPilot() {
  add("q", "the intro", [this] { return frame_ == 20; });
  // Past both ends of the menu, then down to the scoreboard and back.
  add("U", "the menu", [] { return menu_on(0); });
  menu_to(0, 4);
  add("D", "the menu on QUIT", [] { return menu_on(4); });
  menu_to(4, 1);
  add("E", "the menu on Scoreboard", [] { return menu_on(1); });
  add("E", "the scoreboard", scoreboard);
  add("D", "the menu, back", [] { return menu_on(1); });
  add("E", "the menu on Options", [] { return menu_on(2); });
  // Particles off; stars off and on again; the size round from x1; Up past the top.
  add("E", "particles", [] { return options_on(0); });
  add("U", "particles off", [] { return options_on(0) && shows(26, "Off"); });
  add("D", "options, down", [] { return options_on(0); });
  add("E", "stars", [] { return options_on(1); });
  add("E", "stars off", [] { return shows(28, "Off"); });
  add("D", "stars on", [] { return shows(28, "On"); });
  for (const char* size : {"x1 ", "x1.5", "x2"}) {
    add("E", "screen size", [size] { return options_on(2) && shows(30, size); });
  }
  add("D", "screen size x1 again", [] { return options_on(2) && shows(30, "x1 "); });
  // The keyboard: an arrow is refused, Shift is dropped from a letter.
  add("E", "remap keyboard", [] { return options_on(3); });
  add("U", "the fire prompt", [] { return shows(34, "Press key for fire:"); });
  add("a", "the fire prompt, again", always);
  add("S", "the charged shot prompt", [] { return shows(34, "Press key for charged shot:"); });
  add("d", "the bomb prompt", [] { return shows(34, "Press key for bomb:"); });
  add("D", "options after the keys", [] { return options_on(3); });
  // The controller, chosen with the fire button, which must be let go first; the bomb
  // takes the higher of two buttons.
  add("F", "remap controller", [] { return options_on(4); });
  add("5", "the fire button prompt", [] { return shows(34, "Press button for fire:"); });
  add("6", "the charged shot button prompt",
      [] { return shows(34, "Press button for charged shot:"); });
  add("79", "the bomb button prompt", [] { return shows(34, "Press button for bomb:"); });
  add("D", "options after the buttons", [] { return options_on(4); });
  add("D", "exit and save", [] { return options_on(5); });
  add("5", "exit and save, bottom", [] { return options_on(5); });
  add("D", "the menu after the options", [] { return menu_on(2); });
  add("a", "the menu on Credits", [] { return menu_on(3); });
  add("E", "the credits", [] { return shows(20, "Program, design and sound"); });
  menu_to(3, 0);
  add("E", "the menu on Start Game", [] { return menu_on(0); });
  // Life one is lost without a point; the continue is taken; life two scores.
  add("[", "play", in_play);
  add(";E", "the first continue offer", [] { return offered(3); });
  add("]", "play again", [] { return in_play() && !offered(3); });
  // A name with a letter taken back, a mark typed with Shift and a fourth letter refused.
  add(";k", "the name entry", [] { return shows(26, "RANK IN!"); });
  for (const char* letter : {"x", "B", "!", "v", "z"}) add(letter, "the name", always);
  add("E", "the name, entered", [] { return shows(28, "K!V"); });
  add("X", "the second continue offer", [] { return offered(2); });
  add("E", "the scoreboard after the game",
      [] { return scoreboard() && (shows(20, "K!V") || shows(21, "K!V") || shows(22, "K!V")); });
  menu_to(0, 4);
  add("E", "the menu on QUIT, at last", [] { return menu_on(4); });
}

void SessionPilot::on_flush(int frame) {
  frame_ = frame;
  for (size_t i = releases_.size(); i-- > 0;) {
    if (releases_[i].first > frame) continue;
    releases_[i].second();
    releases_.erase(releases_.begin() + long(i));
  }
  if (driving_) driving_(frame);
  if (next_ >= steps_.size() || !failure_.empty()) return;
  const Step& step = steps_[next_];
  if (frame >= ready_at_ && step.ready()) {
    for (const char* m = step.moves; *m; ++m) move(*m);
    next_ += 1;
    ready_at_ = frame + kGap;
  } else if (frame > ready_at_ + kStepLimit) {
    failure_ =
        std::string("waited in vain for ") + step.what + " at flush " + std::to_string(frame);
    platform_script_close_window();
  }
}

SessionPilot pilot;

}  // namespace

void golden_session_pilot(int frame) {
  pilot.on_flush(frame);
}

const std::string& golden_session_failure() {
  return pilot.failure();
}
