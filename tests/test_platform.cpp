#include "shell/platform.h"

#include <filesystem>
#include <sstream>
#include <string>

#include "tests/harness.h"

namespace {

// Key events as text: a letter or U (Up) then + (press) or - (release); T a text event.
std::string strokes(int flags) {
  std::string out;
  for (TCOD_key_t key = platform_poll_key(flags); key.vk != TCODK_NONE;
       key = platform_poll_key(flags)) {
    if (!out.empty()) out += ' ';
    out += key.vk == TCODK_UP ? 'U' : key.c;
    out += key.pressed ? '+' : '-';
  }
  return out;
}

}  // namespace

using KeyPoll = GameTest;

// Under X libtcod delivers a held key as its press and a text event, the
// system's repeats with theirs, then the release; the poll gives one press
// and one release a stroke, and a dropped event of the other kind still ends
// its stroke. A shifted letter and its plain repeat are one key.
TEST_F(KeyPoll, AStrokeIsOnePressAndOneReleaseWithoutTextOrRepeats) {
  constexpr int kBoth = TCOD_KEY_PRESSED | TCOD_KEY_RELEASED;
  const struct {
    int flags;
    const char *events, *strokes;
  } cases[] = {{kBoth, "z+ T z+ T z+ z- U+ U+ U- z+", "z+ z- U+ U- z+"},
               {TCOD_KEY_PRESSED, "p+ p- q+ q- p+", "p+ q+ p+"},
               {kBoth, "Q+ q+ q-", "Q+ q-"}};
  for (const auto& c : cases) {
    std::istringstream events(c.events);
    for (std::string e; events >> e;) {
      TCOD_key_t key{};
      key.vk = e[0] == 'T' ? TCODK_TEXT : e[0] == 'U' ? TCODK_UP : TCODK_CHAR;
      key.c = key.vk == TCODK_CHAR ? e[0] : 0;
      key.pressed = e.back() != '-';
      platform_script_event(key);
    }
    EXPECT_EQ(strokes(c.flags), c.strokes) << c.events;
  }
}

using Files = GameTest;

TEST_F(Files, AssetsAreFoundBesideTheProgramNotTheWorkingDirectory) {
  EXPECT_EQ(platform_asset_path("sound/select.wav"), test_folder() + "sound/select.wav");
}
