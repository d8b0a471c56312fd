#pragma once
// Recording games into a replay file, and playing a replay back.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "shell/replay.h"

// From now on every game_run is recorded into `path`, the file rewritten whole
// as each game ends. Each game is reseeded with a fresh seed, or with `seed`.
void session_record(const std::string& path, std::optional<uint32_t> seed = std::nullopt);
// Records everything from now until session_record_stop as one whole session:
// the title menu the caller runs and every screen it leads to, seeded once.
void session_record_whole(const std::string& path, uint32_t seed);
// Ends either recording; a whole session is written now.
void session_record_stop();
const Replay& session_recorded();

struct GamePlayed {
  std::vector<TraceDigest> digests;
  uint32_t game_frames = 0;  // a whole session's: its flushes
  int32_t score = 0;
  int32_t hits = 0;
  int peak_entities = 0;  // live entities in the World's lists, at the busiest frame
  int peak_frame = 0;
  int first_difference = -1;  // the first digest frame unlike the recording's, or -1
  bool out_of_step = false;   // the game took other input than was recorded
  bool aborted = false;       // Escape or the window's close stopped it
  bool matches() const { return first_difference < 0 && !out_of_step; }
};

// Plays the games back through game_run (a whole session through the title
// menu), in the window at 60 fps (`paced`) or as fast as they go; the data
// files live in memory meanwhile. Stops after a game that was aborted.
std::vector<GamePlayed> session_replay(const Replay& replay, bool paced);

// The program's --replay: reads the file, plays it and prints each game's
// result and digests. Returns the exit status: 0 when every game matches its
// recording, 1 when one does not, 2 when the file is refused.
int session_replay_main(const std::string& path, bool headless);
