#pragma once
// Replay files: the games of a recorded run, each with what it started from,
// the input of every frame as the platform seam saw it, its trace digests and
// its result; or one whole session, from the title menu to its end, in the
// same record. Fixed-width little-endian fields throughout:
//
//   header   "EVRP", version (u32), game count (u32)
//   game     kind (u8: 0 one game, 1 a whole session); seed (u32); colour mode,
//            bullet colour mode, particles, stars, screen size (i32 each);
//            the control mapping (20 bytes, the layout of data/controls.data);
//            console defaults: alignment, background flag (u8 each), foreground and
//            background (r, g, b);
//            readers' memories: fire, charged shot, bomb, accept, each key, button,
//            Enter: flags (u8: 1 down, the presses ahead times 2), age (u8), pending presses (u32);
//            result: game-loop frames (a session's: flushes), score, hits (u32, i32, i32);
//            data/scoreDat.data as the game found it: length (u32), bytes;
//            frame runs: count (u32), each repeat (u32), held keys (u16), hat (u8),
//            buttons (u32), joysticks plugged in and the open one's buttons (u8 each),
//            entry count (u16), entries of vk, character, flags (u8 each);
//            digests: count (u32), each frame, score, hits (i32), the eight list sizes
//            (u32), screen hash (u64); a session's are its games' in turn
//
// Version 1, still read, is one game a record, without the kind, the screen
// size, the joysticks or the text entries.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "game/trace.h"
#include "shell/input.h"
#include "shell/platform.h"
#include "shell/settings.h"

constexpr uint32_t kReplayVersion = 2;

struct ConsoleDefaults {
  uint8_t alignment = 0;
  uint8_t background_flag = 0;
  TCOD_color_t foreground{0, 0, 0};
  TCOD_color_t background{0, 0, 0};
  bool operator==(const ConsoleDefaults&) const = default;
};

struct ReplayGame {
  uint32_t seed = 0;
  int32_t colour_mode = 0;
  int32_t bullet_colour_mode = 0;
  int32_t particles = 0;
  int32_t stars = 1;
  Controls controls{};
  ConsoleDefaults console;
  InputMemory input{};
  uint32_t game_frames = 0;  // frames of the game loop
  int32_t score = 0;         // as its last game-loop frame showed them
  int32_t hits = 0;
  std::vector<uint8_t> score_file;
  std::vector<InputFrame> frames;
  std::vector<TraceDigest> digests;
  bool whole_session = false;  // from the title menu, not one game
  int32_t screen_size = 0;
  bool operator==(const ReplayGame&) const = default;
};

struct Replay {
  std::vector<ReplayGame> games;
};

std::vector<uint8_t> replay_encode(const Replay& replay);

// The replay, or why the bytes were refused (one line, no newline).
struct ReplayRead {
  std::optional<Replay> replay;
  std::string error;
};
ReplayRead replay_decode(const std::vector<uint8_t>& bytes);
ReplayRead replay_load(const std::string& path);
// Replaces the file whole: a crash never leaves half a replay behind.
bool replay_save(const std::string& path, const Replay& replay);
