// Records a golden run, headless, into tests/golden/: the recording
// (RUN.replay), its digests one a line (RUN.trace) and the running hash of
// every flush, noted every 60 (RUN.frames) and whole (RUN.flushes). "level" is the whole level
// flown by a scripted pilot; "session" is a whole session through the front end. Run it by hand
// when the game changes on purpose, and check the four files in.
//
//   record_golden level|session

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <utility>

#include "frontend/score_table.h"
#include "frontend/title_menu.h"
#include "game/game_loop.h"
#include "shell/files.h"
#include "shell/input.h"
#include "shell/platform.h"
#include "shell/session.h"
#include "shell/settings.h"
#include "tests/golden/golden.h"

namespace {

// The level alone, with the ship kept alive.
void record_level() {
  platform_script_on_flush([](int frame) {
    golden_frames_flush(frame);
    golden_keep_alive();
    golden_pilot(frame);
    if (frame >= kGoldenFrameLimit) platform_script_close_window();
  });
  session_record(golden_path("level", ".replay"), kGoldenSeed);
  game_run();
  session_record_stop();
}

// From the title menu to QUIT, on a short table that any points enter, with
// a joystick plugged in for the controller's remapping and the shots in the
// bullet colour mode, which the level's run never plays.
void record_session() {
  settings.bullet_colour_mode = 1;
  files_memory_put(score_table_path(), {});
  for (auto [score, name] : {std::pair{50000, "ACE"}, {20, "BOB"}, {10, "CAT"}}) {
    Score row{.score = score, .hits = score / 100};
    std::copy_n(name, 4, row.name);
    score_table_add(row);
  }
  platform_script_joystick_attach();
  platform_script_on_flush([](int frame) {
    golden_frames_flush(frame);
    golden_session_pilot(frame);
    if (frame >= kGoldenFrameLimit) platform_script_close_window();
  });
  session_record_whole(golden_path("session", ".replay"), kGoldenSeed);
  title_menu();
  session_record_stop();
}

}  // namespace

int main(int argc, char** argv) {
  const std::string run = argc == 2 ? argv[1] : "";
  if (run != "level" && run != "session") {
    std::fputs("usage: record_golden level|session\n", stderr);
    return 2;
  }
  golden_start_headless();
  settings = Settings{};
  settings.particles = 1;
  controls_set_defaults();
  platform_script_begin();
  input_reset();
  golden_frames_begin();
  (run == "level" ? record_level : record_session)();
  platform_script_end();
  if (!golden_session_failure().empty()) {
    std::fprintf(stderr, "record_golden: %s\n", golden_session_failure().c_str());
    return 1;
  }

  const Replay& replay = session_recorded();
  if (replay.games.size() != 1) return 1;
  const ReplayGame& game = replay.games[0];
  std::ofstream trace(golden_path(run, ".trace"), std::ios::trunc);
  for (const TraceDigest& digest : game.digests) trace << trace_line(digest) << '\n';
  std::ofstream frames(golden_path(run, ".frames"), std::ios::trunc);
  frames << golden_frames_notes();
  std::ofstream flushes(golden_path(run, ".flushes"), std::ios::binary | std::ios::trunc);
  flushes << golden_frames_hashes();
  std::printf("%u %s, score %d, hits %d, %zu frame runs, %zu bytes\n", game.game_frames,
              game.whole_session ? "flushes" : "game-loop frames", game.score, game.hits,
              game.frames.size(), replay_encode(replay).size());
  return trace && frames && flushes ? 0 : 1;
}
