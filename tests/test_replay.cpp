#include "shell/replay.h"

#include <SDL.h>

#include "game/game_loop.h"
#include "shell/files.h"
#include "shell/session.h"
#include "tests/harness.h"

namespace {

// Every field away from its default, so a field the file drops shows.
ReplayGame sample_game(uint32_t seed) {
  InputMemory input{};
  input[3].enter = {true, true, 1, 2};
  input[1].button.down = true;
  // clang-format off
  return {seed, 1, -7, 1, 0, Controls{'q', 'w', 'e', 'p', 5, -1, 3, 4},
          ConsoleDefaults{TCOD_CENTER, TCOD_BKGND_SET, {1, 2, 3}, {250, 251, 252}}, input,
          1234, 98765, 43, {0, 1, 2, 255},
          // A run of still frames, then a busy one: a press, the text it typed, the window closed.
          {{64, 0, 0, 0, {InputEntry{}}},
           {1, kHeldLeft | kHeldFireKey, SDL_HAT_RIGHTUP, 1u << 31,
            {{TCODK_CHAR, 'z', kEntryPressed | kEntryShift}, {TCODK_TEXT, 'Z', 0},
             {kEntryClosed, 0, 0}}, 2, 16}},
          {{}, {600, 10, 3, {1, 2, 3, 4, 5, 6, 7, 8}, 0x0123456789abcdefull}}, true, 2};
  // clang-format on
}

// The joystick's hat steering and its charged-shot button, then Escape, and
// Enter once the scoreboard shows; the golden run covers the keyboard's play.
void scripted_game(int frame) {
  if (frame == 320) platform_script_hat(SDL_HAT_RIGHTUP);
  if (frame == 380) platform_script_hat(SDL_HAT_CENTERED);
  platform_script_button(2, frame >= 400 && frame < 404);
  if (frame == 600) press_key(TCODK_ESCAPE);
  if (frame == 602) release_key(TCODK_ESCAPE);
  if (screen_text(13, 18, 4) == "RANK") press_key(TCODK_ENTER, '\r');
  if (frame >= 3000) platform_script_close_window();
}

}  // namespace

TEST(ReplayFile, RoundTripsEveryField) {
  Replay replay{{sample_game(1), sample_game(0xffffffffu)}};
  replay.games[1].frames.clear();
  std::vector<uint8_t> bytes = replay_encode(replay);
  ReplayRead read = replay_decode(bytes);
  ASSERT_TRUE(read.replay) << read.error;
  EXPECT_TRUE(read.replay->games == replay.games);
}

TEST(ReplayFile, DamagedFilesAreRefusedWithAReason) {
  const std::vector<uint8_t> good = replay_encode(Replay{{sample_game(7)}});
  const size_t score_length_at = 12 + 1 + 4 + 20 + 20 + 8 + 72 + 12;
  const size_t runs_at = score_length_at + 4 + 4;
  const size_t busy_press_flags_at = runs_at + 4 + 18 + 15 + 2;
  auto cut = [&](size_t size) { return std::vector<uint8_t>(good.begin(), good.begin() + size); };
  auto with = [&](size_t at, uint32_t value) {
    std::vector<uint8_t> bytes = good;
    put_le32(bytes.data() + at, value);
    return bytes;
  };
  std::vector<uint8_t> trailing = good;
  trailing.push_back(0);
  std::vector<uint8_t> stray_text = good;
  stray_text[busy_press_flags_at] = 0;  // the press becomes a release
  const struct {
    const char* name;
    std::vector<uint8_t> bytes;
    const char* reason;
  } cases[] = {
      {"empty", {}, "not a replay"},
      {"garbage", {'G', 'I', 'F', '8', '9', 'a', 0, 0, 0, 0, 0, 0}, "not a replay"},
      {"header cut short", cut(6), "cut short"},
      {"wrong version", with(4, 3), "version 3"},
      {"a text with no press before it", stray_text, "bad key code"},
      {"cut inside a game", cut(40), "past the end"},
      {"score file past the end", with(score_length_at, 0x7fffffff), "past the end"},
      {"frame runs past the end", with(runs_at, 5000), "past the end"},
      {"cut before the last byte", cut(good.size() - 1), "past the end"},
      {"a byte after the last game", trailing, "after the last game"},
      {"no repeat", with(runs_at + 4, 0), "bad frame repeat"},
  };
  for (const auto& c : cases) {
    ReplayRead read = replay_decode(c.bytes);
    EXPECT_FALSE(read.replay) << c.name;
    EXPECT_NE(read.error.find(c.reason), std::string::npos) << c.name << ": " << read.error;
  }
}

using Replays = GameTest;

// The program plays the recording back to its digests, and parts from it
// where the hat no longer steers.
TEST_F(Replays, AJoystickGamePlaysBackInTheProgramToItsDigests) {
  std::string path = test_folder() + "scripted.replay";
  platform_script_joystick_attach();
  platform_script_on_flush(scripted_game);
  session_record(path, 4242);
  game_run();
  session_record_stop();
  ReplayRead read = replay_load(path);
  ASSERT_TRUE(read.replay) << read.error;
  Replay replay = *read.replay;
  ASSERT_EQ(replay.games.size(), 1u);
  const ReplayGame& recorded = replay.games[0];
  ASSERT_EQ(recorded.digests.size(), 2u);  // frames 0 and 600
  EXPECT_LT(std::filesystem::file_size(path), 4096u) << "a run of identical frames is one record";
  ProgramRun outcome = run_game_program("--headless --replay '" + path + "'");
  EXPECT_EQ(outcome.status, 0) << outcome.err;
  EXPECT_NE(outcome.out.find(trace_line(recorded.digests[1])), std::string::npos) << outcome.out;
  for (InputFrame& frame : replay.games[0].frames) frame.hat = SDL_HAT_CENTERED;
  replay_save(path, replay);
  outcome = run_game_program("--headless --replay '" + path + "'");
  EXPECT_EQ(outcome.status, 1);
  EXPECT_NE(outcome.err.find("game 1: frame 600 differs from the recording"), std::string::npos)
      << outcome.err;
}
