#include "shell/input.h"

#include <SDL.h>

#include <algorithm>
#include <cctype>
#include <vector>

#include "game/game_loop.h"
#include "game/trace.h"
#include "shell/platform.h"
#include "shell/settings.h"
#include "tests/harness.h"

namespace {

void hold(std::initializer_list<TCOD_keycode_t> keys, bool down = true) {
  for (TCOD_keycode_t key : keys) platform_script_hold(key, 0, down);
}

}  // namespace

class Direction : public GameTest {};

TEST_F(Direction, ArrowsAndKeypadFollowTheRuleOrder) {
  struct Case {
    std::initializer_list<TCOD_keycode_t> keys;
    int heading;
  } cases[] = {
      {{}, -1},
      {{TCODK_DOWN, TCODK_RIGHT}, 45},
      {{TCODK_DOWN, TCODK_LEFT}, 135},
      {{TCODK_UP, TCODK_LEFT}, 225},
      {{TCODK_UP, TCODK_RIGHT}, 315},
      {{TCODK_UP, TCODK_LEFT, TCODK_RIGHT}, 225},  // the up-left rule comes first
      {{TCODK_UP, TCODK_DOWN}, 270},
      {{TCODK_LEFT, TCODK_RIGHT}, 180},
      {{TCODK_UP}, 270},
      {{TCODK_LEFT}, 180},
      {{TCODK_DOWN}, 90},
      {{TCODK_RIGHT}, 0},
      {{TCODK_KP2, TCODK_KP6}, 45},
      {{TCODK_KP2, TCODK_KP4}, 135},
      {{TCODK_KP8, TCODK_KP4}, 225},
      {{TCODK_KP8, TCODK_KP6}, 315},
      {{TCODK_KP8}, 270},
      {{TCODK_DOWN, TCODK_KP6}, 90},  // a diagonal needs two keys of one family
      {{TCODK_UP, TCODK_KP6}, 270},
  };
  for (const Case& c : cases) {
    platform_script_release_all();
    hold(c.keys);
    EXPECT_EQ(read_direction(), c.heading) << "case with heading " << c.heading;
  }
}

TEST_F(Direction, WithoutAJoystickTheHatReadsCentred) {
  EXPECT_EQ(platform_joystick_hat(), 0);
  EXPECT_FALSE(platform_joystick_button(1));
  EXPECT_EQ(read_direction(), -1);
}

// A frame's hat is sampled at its first question; an update made after that
// shows in the next frame.
TEST_F(Direction, TheHatIsSampledOnceAFrame) {
  platform_script_joystick_attach();
  platform_script_hat(SDL_HAT_RIGHTDOWN);
  EXPECT_EQ(read_direction(), -1);  // the virtual hat moves at an update, which this call makes
  EXPECT_EQ(read_direction(), -1);  // the frame's sample stands
  platform_flush();
  EXPECT_EQ(read_direction(), 45);
  struct Case {
    int hat;
    int heading;
  } cases[] = {{SDL_HAT_LEFTDOWN, 135}, {SDL_HAT_LEFTUP, 225}, {SDL_HAT_RIGHTUP, 315},
               {SDL_HAT_UP, 270},       {SDL_HAT_LEFT, 180},   {SDL_HAT_DOWN, 90},
               {SDL_HAT_RIGHT, 0},      {SDL_HAT_CENTERED, -1}};
  for (const Case& c : cases) {
    platform_script_hat(c.hat);
    read_direction();
    platform_flush();
    EXPECT_EQ(read_direction(), c.heading) << "hat " << c.hat;
  }
}

class Edges : public GameTest {};

TEST_F(Edges, APressIsReportedOnceAndItsReleaseOnce) {
  EXPECT_EQ(read_fire(), -1);
  platform_script_hold(TCODK_CHAR, 'z', true);
  EXPECT_EQ(read_fire(), 1);
  EXPECT_EQ(read_fire(), -1);
  EXPECT_EQ(read_fire(), -1);
  platform_script_hold(TCODK_CHAR, 'z', false);
  EXPECT_EQ(read_fire(), 0);
  EXPECT_EQ(read_fire(), -1);
}

TEST_F(Edges, EachReaderUsesItsOwnKeyAndKeepsItsOwnMemory) {
  platform_script_hold(TCODK_CHAR, 'x', true);
  platform_script_hold(TCODK_CHAR, 'c', true);
  EXPECT_EQ(read_fire(), -1);
  EXPECT_EQ(read_charged_shot(), 1);
  EXPECT_EQ(read_bomb(), 1);
  platform_script_hold(TCODK_CHAR, 'z', true);
  EXPECT_EQ(read_fire(), 1);
  EXPECT_EQ(read_accept(), 1);  // the same key, remembered separately
}

TEST_F(Edges, RemappedKeysAreTheOnesRead) {
  // A stroke of q taken while fire was still on z is no press of fire on q.
  press_char('q');
  release_char('q');
  for (int i = 0; i < 2; ++i) platform_poll_key(TCOD_KEY_PRESSED | TCOD_KEY_RELEASED);
  EXPECT_EQ(read_fire(), -1);
  platform_flush();
  controls.fire_key = 'q';
  platform_script_hold(TCODK_CHAR, 'z', true);
  EXPECT_EQ(read_fire(), -1);
  platform_script_hold(TCODK_CHAR, 'q', true);
  EXPECT_EQ(read_fire(), 1);
}

TEST_F(Edges, AKeyEdgeHidesAButtonEdgeOfTheSameFrameUntilTheNextCall) {
  platform_script_joystick_attach();
  platform_script_hold(TCODK_CHAR, 'z', true);
  platform_script_button(1, true);
  platform_joystick_update();
  EXPECT_EQ(read_fire(), 1);  // the key
  EXPECT_EQ(read_fire(), 1);  // then the button
  EXPECT_EQ(read_fire(), -1);
  platform_script_button(1, false);
  platform_joystick_update();
  EXPECT_EQ(read_fire(), 0);
}

TEST_F(Edges, MappedButtonsOfEachControl) {
  platform_script_joystick_attach();
  platform_script_button(2, true);
  platform_script_button(3, true);
  platform_joystick_update();
  EXPECT_EQ(read_fire(), -1);
  EXPECT_EQ(read_charged_shot(), 1);
  EXPECT_EQ(read_bomb(), 1);
}

TEST_F(Edges, AcceptTakesTheFireKeyTheFireButtonThenEnter) {
  platform_script_hold(TCODK_ENTER, '\r', true);
  EXPECT_EQ(read_accept(), 1);
  EXPECT_EQ(read_accept(), -1);
  EXPECT_EQ(read_fire(), -1);  // Enter is no fire key in play
  platform_script_hold(TCODK_ENTER, '\r', false);
  EXPECT_EQ(read_accept(), 0);
}

TEST_F(Edges, ButtonsOutOfRangeAndUnmappableKeysReadAsReleased) {
  platform_script_joystick_attach();
  controls.fire_button = 999;
  controls.charge_button = -3;
  controls.bomb_key = 200;  // no key has this code
  platform_script_button(15, true);
  platform_joystick_update();
  EXPECT_EQ(read_fire(), -1);
  EXPECT_EQ(read_charged_shot(), -1);
  EXPECT_FALSE(platform_joystick_button(999));
  EXPECT_TRUE(platform_joystick_button(15));
}

TEST_F(Edges, UnmappableKeyBytesReadReleasedThroughSdl) {
  platform_script_end();  // the real keyboard state
  EXPECT_FALSE(platform_mapped_key_down(200));
  EXPECT_FALSE(platform_mapped_key_down(0));
  EXPECT_FALSE(platform_mapped_key_down('z'));
  platform_script_begin();
}

namespace {

// One frame as a screen runs it: the flush, one poll, then the readings.
std::vector<int> run_frame(int polls, int readings, int (*reader)()) {
  platform_flush();
  for (int i = 0; i < polls; ++i) platform_poll_key(TCOD_KEY_PRESSED | TCOD_KEY_RELEASED);
  std::vector<int> reads;
  for (int i = 0; i < readings; ++i) reads.push_back(reader());
  return reads;
}

}  // namespace

// A press and its release both queued inside one frame: under X a 12 ms tap
// often falls between two samples of the held keys.
TEST_F(Edges, ATapBetweenTwoSamplesReadsAsOnePressThenItsRelease) {
  struct Case {
    const char* name;
    int (*reader)();
    TCOD_keycode_t vk;
    int c;
  } cases[] = {
      {"fire", read_fire, TCODK_CHAR, 'z'},
      {"charged shot", read_charged_shot, TCODK_CHAR, 'x'},
      {"bomb", read_bomb, TCODK_CHAR, 'c'},
      {"accept by the fire key", read_accept, TCODK_CHAR, 'z'},
      {"accept by Enter", read_accept, TCODK_ENTER, '\r'},
  };
  for (const Case& c : cases) {
    input_reset();
    platform_script_key(c.vk, c.c, true);
    platform_script_key(c.vk, c.c, false);
    std::vector<int> reads;
    for (int frame = 0; frame < 3; ++frame) reads.push_back(run_frame(1, 1, c.reader)[0]);
    EXPECT_EQ(reads, (std::vector<int>{1, 0, -1})) << c.name;
  }
}

// Strokes of the fire key, frame by frame: the events queued at its start
// ('Z' a press, 'z' a release, 'U' a press of Up), the polls made and what
// read_fire answers.
TEST_F(Edges, QuickStrokesReadInTheirOrderAndNoPressTwice) {
  struct Frame {
    std::string queue;
    int polls;
    std::vector<int> reads;
  };
  struct Case {
    const char* name;
    std::vector<Frame> frames;
  } cases[] = {
      {"let go and pressed again between two readings",
       {{"Z", 1, {1}}, {"zZ", 2, {0, 1, -1}}, {"z", 1, {0}}}},
      {"held before its press came through the poll",
       {{"UZ", 1, {1}}, {"", 1, {-1}}, {"z", 1, {0}}, {"", 1, {-1}}}},
      {"a press taken while no screen read the key is not reported later",
       {{"Zz", 2, {}}, {"", 0, {}}, {"", 0, {-1}}}},
      {"a press taken in the frame a screen starts reading is its own",
       {{"", 0, {}}, {"", 0, {}}, {"Z", 1, {1}}, {"z", 1, {0}}, {"Zz", 1, {1}}}},
  };
  for (const Case& c : cases) {
    input_reset();
    for (size_t f = 0; f < c.frames.size(); ++f) {
      const Frame& frame = c.frames[f];
      for (char k : frame.queue) {
        bool up = k == 'U';
        platform_script_key(up ? TCODK_UP : TCODK_CHAR, up ? 0 : 'z', std::isupper(k) != 0);
      }
      EXPECT_EQ(run_frame(frame.polls, static_cast<int>(frame.reads.size()), read_fire),
                frame.reads)
          << c.name << ", frame " << f;
    }
    platform_script_release_all();
  }
}

namespace {
size_t most_shots = 0;
void count_shots(int, const Score&, const World& world) {
  most_shots = std::max(most_shots, world.player_bullets.size());
}
}  // namespace

TEST_F(Edges, ATapInsideOneFrameFiresOneVolley) {
  constexpr int kFirstPlayFrame = 65;
  platform_script_on_flush([](int frame) {
    if (frame == kFirstPlayFrame + 5) {
      press_char('z');
      release_char('z');
    }
    if (frame == kFirstPlayFrame + 40) platform_script_close_window();
  });
  GameWatch watch;
  watch.frame = count_shots;
  trace_watch(&watch);
  game_run();
  trace_watch(nullptr);
  EXPECT_EQ(most_shots, 3u);  // the gun's three shots, once
}
