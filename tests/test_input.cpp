#include "shell/input.h"

#include <SDL.h>

#include <cctype>
#include <sstream>

#include "tests/harness.h"

namespace {

// The readers' answers as text: '1' a press, '0' a release, '-' no change.
char answer(int edge) {
  return edge == 1 ? '1' : edge == 0 ? '0' : '-';
}

// A new frame as a screen runs it: the flush, then `polls` polls.
void next_frame(int polls = 1) {
  platform_flush();
  for (int i = 0; i < polls; ++i) platform_poll_key(TCOD_KEY_PRESSED | TCOD_KEY_RELEASED);
}

}  // namespace

using Direction = GameTest;

// Keys: d l r u the arrows (the golden run steers by them alone and in pairs), 2 4 6 8 the
// keypad. The hat moves at the update a reading makes and shows from the next frame on.
TEST_F(Direction, ArrowsKeypadAndHatFollowTheRuleOrder) {
  platform_script_joystick_attach();
  // clang-format off
  const struct { const char* keys; int hat, heading; } cases[] = {
      {"", 0, -1},    {"ulr", 0, 225}, {"ud", 0, 270}, {"lr", 0, 180}, {"26", 0, 45},
      {"24", 0, 135}, {"84", 0, 225},  {"86", 0, 315}, {"8", 0, 270},  {"d6", 0, 90},
      {"u6", 0, 270}, {"2r", 0, 90},  // one family a diagonal
      {"", SDL_HAT_RIGHTDOWN, 45}, {"", SDL_HAT_LEFTDOWN, 135}, {"", SDL_HAT_LEFTUP, 225},
      {"", SDL_HAT_RIGHTUP, 315},  {"", SDL_HAT_UP, 270},       {"", SDL_HAT_LEFT, 180},
      {"", SDL_HAT_DOWN, 90},      {"", SDL_HAT_RIGHT, 0},      {"", SDL_HAT_CENTERED, -1}};
  // clang-format on
  const std::string names = "dlru2468";
  const TCOD_keycode_t keys[] = {TCODK_DOWN, TCODK_LEFT, TCODK_RIGHT, TCODK_UP,
                                 TCODK_KP2,  TCODK_KP4,  TCODK_KP6,   TCODK_KP8};
  for (const auto& c : cases) {
    platform_script_release_all();
    for (char k : std::string(c.keys)) platform_script_hold(keys[names.find(k)], 0, true);
    platform_script_hat(c.hat);
    int before = read_direction();
    EXPECT_EQ(read_direction(), before) << "one sample a frame";
    next_frame(0);
    EXPECT_EQ(read_direction(), c.heading) << c.keys << ", hat " << c.hat;
  }
}

using Edges = GameTest;

// A tap of a key inside one frame reads as a press on that frame and a release on the next, for
// the readers mapped to it alone; each reader keeps its own memory of a key it shares. Buttons
// are read below and in the golden runs, the charged shot's and the bomb's keys there alone.
TEST_F(Edges, EachReaderSeesItsOwnKeysEvenATapBetweenTwoSamples) {
  input_reset();
  platform_script_key(TCODK_CHAR, 'z', true);
  platform_script_key(TCODK_CHAR, 'z', false);
  std::string reads;  // fire, charged shot, bomb, accept; frame by frame
  for (int frame = 0; frame < 3; ++frame) {
    next_frame();
    for (int (*reader)() : {read_fire, read_charged_shot, read_bomb, read_accept}) {
      reads += answer(reader());
    }
    reads += frame < 2 ? " " : "";
  }
  EXPECT_EQ(reads, "1--1 0--0 ----");
}

TEST_F(Edges, RemappedKeysAreTheOnesReadAndUnmappableOnesReadUp) {
  // A stroke of q taken while fire was still on z is no press of fire on q.
  press_key(TCODK_CHAR, 'q');
  release_key(TCODK_CHAR, 'q');
  next_frame(2);
  EXPECT_EQ(read_fire(), -1);
  next_frame();
  controls.fire_key = 'q';
  platform_script_hold(TCODK_CHAR, 'z', true);
  EXPECT_EQ(read_fire(), -1);
  platform_script_hold(TCODK_CHAR, 'q', true);
  EXPECT_EQ(read_fire(), 1);

  platform_script_joystick_attach();
  controls.charge_button = 999;  // shifts of 999 and -25 would land on button 7
  controls.bomb_button = -25;
  platform_script_button(7, true);
  platform_joystick_update();
  EXPECT_EQ(std::pair(read_charged_shot(), read_bomb()), std::pair(-1, -1));
  EXPECT_TRUE(platform_joystick_button(7));
}

// Strokes of the fire key, frame by frame as "events/polls/reads": the events
// queued at the frame's start ('Z' a press, 'z' a release, the same for 'U' Up
// and 'B' button 1), the polls made and what read_fire answers.
TEST_F(Edges, QuickStrokesReadInTheirOrderAndNoPressTwice) {
  platform_script_joystick_attach();
  const char* const cases[] = {
      "Z/1/1 zZ/2/01- z/1/0",        // let go and pressed again between two readings
      "UZ/1/1 /1/- z/1/0 /1/-",      // held before its press came through the poll
      "Zz/2/ /0/ /0/-",              // a press taken while no screen read the key is not reported
      "/0/ /0/ Z/1/1 z/1/0 Zz/1/1",  // one taken in the frame a screen starts reading is its own
      // two presses seen held before a slow poll took either
      "UuUuZ/1/1 z/1/0 Z/1/1 /1/- /1/- /1/- /1/- /1/-",
      "Z/0/1 zB/0/01-"};  // a key edge hides a button edge of its frame until the next reading
  for (const char* c : cases) {
    input_reset();
    std::istringstream frames(c);
    for (std::string frame; frames >> frame;) {
      const size_t slash = frame.find('/');
      for (char k : frame.substr(0, slash)) {
        const bool up = k == 'U' || k == 'u', down = std::isupper(k) != 0;
        if (k == 'B' || k == 'b') platform_script_button(1, down);
        if (k != 'B' && k != 'b')
          platform_script_key(up ? TCODK_UP : TCODK_CHAR, up ? 0 : 'z', down);
      }
      platform_joystick_update();
      next_frame(frame[slash + 1] - '0');
      std::string reads;
      while (reads.size() + slash + 3 < frame.size()) reads += answer(read_fire());
      EXPECT_EQ(frame.substr(0, slash + 3) + reads, frame) << c;
    }
    platform_script_release_all();
  }
}

// A pulled-out joystick lets go of its held hat and buttons, and its handle is
// let go too, or a joystick plugged in later would never be opened, even one
// plugged in before the next update. A plug shows from the frame after the
// update that follows it. Plugs: a in, d out.
TEST_F(Edges, AJoystickPluggedInOrPulledOutIsFollowed) {
  std::string reads;  // the heading, the charged shot and the bomb, a frame after each change
  for (const std::string plugs : {"a", "d", "a", "da"}) {
    for (char plug : plugs) {
      if (plug == 'd') {
        platform_script_joystick_detach();
      } else {
        platform_script_joystick_attach();
        platform_script_hat(SDL_HAT_RIGHT);
        platform_script_button(2, true);
        platform_script_button(3, true);
      }
    }
    next_frame(0);
    read_direction();
    next_frame(0);
    reads += std::to_string(read_direction()) + answer(read_charged_shot()) + answer(read_bomb());
    reads += " ";
  }
  EXPECT_EQ(reads, "011 -100 011 0-- ");  // the button held across the swap is no new press
}
