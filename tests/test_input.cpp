#include "shell/input.h"

#include <SDL.h>

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

TEST_F(Direction, TheHatIsReadAsOfThePreviousUpdate) {
  platform_script_joystick_attach();
  platform_joystick_update();
  platform_script_hat(SDL_HAT_RIGHTDOWN);
  EXPECT_EQ(read_direction(), -1);  // this call's update brings the new value in
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
