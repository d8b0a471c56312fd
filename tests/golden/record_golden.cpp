// Records the golden run: the whole level played headless by the scripted
// pilot, written to tests/golden/level.replay with its digests, one a line,
// in tests/golden/level.trace, and its running hash of every flush in
// tests/golden/level.frames. Run it by hand when the level changes on
// purpose, and check the three in.
//
//   record_golden [REPLAY TRACE FRAMES]

#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "game/game_loop.h"
#include "shell/data_folder.h"
#include "shell/files.h"
#include "shell/input.h"
#include "shell/platform.h"
#include "shell/session.h"
#include "shell/settings.h"
#include "shell/startup.h"
#include "tests/golden/golden.h"

int main(int argc, char** argv) {
  std::string replay_path = argc > 2 ? argv[1] : golden_replay_path();
  std::string trace_path = argc > 2 ? argv[2] : golden_trace_path();
  std::string frames_path = argc > 3 ? argv[3] : golden_frames_path();
  setenv("SDL_VIDEODRIVER", "dummy", 1);
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  // The run must not depend on the data folder beside the program.
  files_memory_begin(data_folder());
  startup();
  settings = Settings{};
  settings.particles = 1;
  controls_set_defaults();
  platform_script_begin();
  input_reset();
  golden_frames_begin();
  platform_script_on_flush([](int frame) {
    golden_frames_flush(frame);
    golden_keep_alive();
    golden_pilot(frame);
    if (frame >= kGoldenFrameLimit) platform_script_close_window();
  });
  session_record(replay_path, kGoldenSeed);
  game_run();
  session_record_stop();
  platform_script_end();

  const Replay& replay = session_recorded();
  if (replay.games.size() != 1) return 1;
  const ReplayGame& game = replay.games[0];
  std::ofstream trace(trace_path, std::ios::trunc);
  for (const TraceDigest& digest : game.digests) trace << trace_line(digest) << '\n';
  std::ofstream frames(frames_path, std::ios::trunc);
  frames << golden_frames_notes();
  std::printf("%u game-loop frames, score %d, hits %d, %zu frame runs, %zu bytes\n",
              game.game_frames, game.score, game.hits, game.frames.size(),
              replay_encode(replay).size());
  return trace && frames ? 0 : 1;
}
