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

bool menu_on(int item) {
  return shows(26, "Start Game") && shows(34, "QUIT") && highlighted(kMenuRows) == item;
}
bool options_on(int row) {
  return shows(26, "Particles:") && highlighted(kOptionRows) == row;
}
bool in_play() {
  return shows(62, "SCORE   = ");
}
bool offered(int continues) {
  return shows(25, "Continue? (Press Enter)") &&
         shows(40, "Continues: " + std::to_string(continues));
}
bool scoreboard() {
  return shows(18, "RANK NAME   SCORE    HITS");
}
bool always() {
  return true;
}

struct Step {
  const char* what;
  std::function<bool()> ready;
  std::function<void()> act;
};

struct Release {
  int at;
  std::function<void()> up;
};

class SessionPilot {
 public:
  SessionPilot();
  void on_flush(int frame);
  const std::string& failure() const { return failure_; }

 private:
  // A key tapped: its press, the text it typed (none for 0) and its release kHold frames on.
  void tap(TCOD_keycode_t vk, int c = 0, char text = 0, bool shift = false);
  void hold(TCOD_keycode_t vk, int c, bool down);
  void button(int number);
  void let_go();
  void fly_into_the_enemies(int life_frame);
  void fight_then_fall(int life_frame);
  void add(const char* what, std::function<bool()> ready, std::function<void()> act);
  void menu_to(int from, int to);

  std::vector<Step> steps_;
  size_t next_ = 0;
  int frame_ = 0;
  int ready_at_ = 0;
  int life_frame_ = 0;
  std::vector<Release> releases_;
  std::function<void(int)> driving_;  // play, every frame
  std::string failure_;
};

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
  releases_.push_back({frame_ + kHold, [vk, c] { platform_script_key(vk, c, false); }});
}

void SessionPilot::hold(TCOD_keycode_t vk, int c, bool down) {
  const bool held = vk == TCODK_CHAR ? platform_mapped_key_down(uint8_t(c)) : platform_key_down(vk);
  if (held != down) platform_script_key(vk, c, down);
}

void SessionPilot::button(int number) {
  platform_script_button(number, true);
  releases_.push_back({frame_ + kHold, [number] { platform_script_button(number, false); }});
}

void SessionPilot::let_go() {
  driving_ = nullptr;
  for (TCOD_keycode_t vk : {TCODK_UP, TCODK_DOWN, TCODK_LEFT, TCODK_RIGHT}) hold(vk, 0, false);
  hold(TCODK_CHAR, 'a', false);
  platform_script_hat(SDL_HAT_CENTERED);
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
  if (life_frame == 300) tap(TCODK_CHAR, 's');
  if (life_frame == 400) button(9);  // the bomb's new button
  if (life_frame == 500 || life_frame == 540) tap(TCODK_CHAR, 'p', 'p');
}

void SessionPilot::add(const char* what, std::function<bool()> ready, std::function<void()> act) {
  steps_.push_back({what, std::move(ready), std::move(act)});
}

void SessionPilot::menu_to(int from, int to) {
  for (int at = from; at != to; at += to > from ? 1 : -1) {
    add("the menu, moving", [at] { return menu_on(at); },
        [this, down = to > from] { tap(down ? TCODK_DOWN : TCODK_UP); });
  }
}

SessionPilot::SessionPilot() {
  add("the intro", [this] { return frame_ == 20; }, [this] { tap(TCODK_CHAR, 'q', 'q'); });
  // Past both ends of the menu, then down to the scoreboard and back.
  add("the menu", [] { return menu_on(0); }, [this] { tap(TCODK_UP); });
  menu_to(0, 4);
  add("the menu on QUIT", [] { return menu_on(4); }, [this] { tap(TCODK_DOWN); });
  menu_to(4, 1);
  add("the menu on Scoreboard", [] { return menu_on(1); }, [this] { tap(TCODK_ENTER, '\r'); });
  add("the scoreboard", scoreboard, [this] { tap(TCODK_ENTER, '\r'); });
  add("the menu, back", [] { return menu_on(1); }, [this] { tap(TCODK_DOWN); });
  add("the menu on Options", [] { return menu_on(2); }, [this] { tap(TCODK_ENTER, '\r'); });
  // Particles off; stars off and on again; the size round from x1; Up past the top.
  add("particles", [] { return options_on(0); }, [this] { tap(TCODK_ENTER, '\r'); });
  add("particles off", [] { return options_on(0) && shows(26, "Off"); }, [this] { tap(TCODK_UP); });
  add("options, down", [] { return options_on(0); }, [this] { tap(TCODK_DOWN); });
  add("stars", [] { return options_on(1); }, [this] { tap(TCODK_ENTER, '\r'); });
  add("stars off", [] { return shows(28, "Off"); }, [this] { tap(TCODK_ENTER, '\r'); });
  add("stars on", [] { return shows(28, "On"); }, [this] { tap(TCODK_DOWN); });
  for (const char* size : {"x1", "x1.5", "x2"}) {
    add("screen size", [size] { return options_on(2) && shows(30, size); },
        [this] { tap(TCODK_ENTER, '\r'); });
  }
  add("screen size x1 again", [] { return options_on(2) && shows(30, "x1 "); },
      [this] { tap(TCODK_DOWN); });
  // The keyboard: an arrow is refused, Shift is dropped from a letter.
  add("remap keyboard", [] { return options_on(3); }, [this] { tap(TCODK_ENTER, '\r'); });
  add("the fire prompt", [] { return shows(34, "Press key for fire:"); }, [this] { tap(TCODK_UP); });
  add("the fire prompt, again", always, [this] { tap(TCODK_CHAR, 'a', 'a'); });
  add("the charged shot prompt", [] { return shows(34, "Press key for charged shot:"); },
      [this] { tap(TCODK_CHAR, 's', 'S', true); });
  add("the bomb prompt", [] { return shows(34, "Press key for bomb:"); },
      [this] { tap(TCODK_CHAR, 'd', 'd'); });
  add("options after the keys", [] { return options_on(3); }, [this] { tap(TCODK_DOWN); });
  // The controller, chosen with the fire button, which must be let go first.
  add("remap controller", [] { return options_on(4); },
      [this] {
        platform_script_button(1, true);
        releases_.push_back({frame_ + 3 * kHold, [] { platform_script_button(1, false); }});
      });
  add("the fire button prompt", [] { return shows(34, "Press button for fire:"); },
      [this] { button(5); });
  add("the charged shot button prompt", [] { return shows(34, "Press button for charged shot:"); },
      [this] { button(6); });
  add("the bomb button prompt", [] { return shows(34, "Press button for bomb:"); },
      [this] { button(7), button(9); });
  add("options after the buttons", [] { return options_on(4); }, [this] { tap(TCODK_DOWN); });
  add("exit and save", [] { return options_on(5); }, [this] { tap(TCODK_DOWN); });
  add("exit and save, bottom", [] { return options_on(5); }, [this] { button(5); });
  add("the menu after the options", [] { return menu_on(2); }, [this] { tap(TCODK_DOWN); });
  add("the menu on Credits", [] { return menu_on(3); }, [this] { tap(TCODK_CHAR, 'a', 'a'); });
  add("the credits", [] { return shows(20, "Program, design and sound"); },
      [this] { tap(TCODK_ENTER, '\r'); });
  menu_to(3, 0);
  add("the menu on Start Game", [] { return menu_on(0); }, [this] { tap(TCODK_ENTER, '\r'); });
  // Life one is lost without a point; the continue is taken.
  add("play", in_play, [this] {
    life_frame_ = 0;
    driving_ = [this](int) { fly_into_the_enemies(life_frame_++); };
  });
  add("the first continue offer", [] { return offered(3); },
      [this] { let_go(), tap(TCODK_ENTER, '\r'); });
  add("play again", [] { return in_play() && !offered(3); }, [this] {
    life_frame_ = 0;
    driving_ = [this](int) { fight_then_fall(life_frame_++); };
  });
  // A name with a letter taken back, a mark typed with Shift and a fourth letter refused.
  add("the name entry", [] { return shows(26, "RANK IN!"); },
      [this] { let_go(), tap(TCODK_CHAR, 'k', 'k'); });
  add("the name, 2", always, [this] { tap(TCODK_CHAR, 'x', 'x'); });
  add("the name, 3", always, [this] { tap(TCODK_BACKSPACE, 8); });
  add("the name, 4", always, [this] { tap(TCODK_CHAR, '1', '!', true); });
  add("the name, 5", always, [this] { tap(TCODK_CHAR, 'v', 'v'); });
  add("the name, 6", always, [this] { tap(TCODK_CHAR, 'z', 'z'); });
  add("the name, entered", [] { return shows(28, "K!V"); }, [this] { tap(TCODK_ENTER, '\r'); });
  add("the second continue offer", [] { return offered(2); }, [this] { tap(TCODK_ESCAPE, 27); });
  add("the scoreboard after the game",
      [] { return scoreboard() && (shows(20, "K!V") || shows(21, "K!V") || shows(22, "K!V")); },
      [this] { tap(TCODK_ENTER, '\r'); });
  menu_to(0, 4);
  add("the menu on QUIT, at last", [] { return menu_on(4); }, [this] { tap(TCODK_ENTER, '\r'); });
}

void SessionPilot::on_flush(int frame) {
  frame_ = frame;

  for (size_t i = releases_.size(); i-- > 0;) {
    if (releases_[i].at > frame) continue;
    releases_[i].up();
    releases_.erase(releases_.begin() + long(i));
  }
  if (driving_) driving_(frame);
  if (next_ >= steps_.size() || !failure_.empty()) return;
  const Step& step = steps_[next_];
  if (frame >= ready_at_ && step.ready()) {
    step.act();
    next_ += 1;
    ready_at_ = frame + kGap;
  } else if (frame > ready_at_ + kStepLimit) {
    failure_ = std::string("waited in vain for ") + step.what + " at flush " + std::to_string(frame);
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
