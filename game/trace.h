#pragma once
// The game's trace: a small digest of the game every 600 frames, which a
// recording keeps and its playback must match, and the hooks through which
// the recorder and the playback watch a game.

#include <array>
#include <cstdint>
#include <string>

#include "game/records.h"
#include "game/score.h"

constexpr int kTraceEvery = 600;

struct TraceDigest {
  int32_t frame = 0;  // of the game loop, 0 at the first
  int32_t score = 0;
  int32_t hits = 0;
  std::array<uint32_t, 8> lists{};  // entities per World list, in its field order
  uint64_t screen = 0;              // the console's characters and their foreground colours
  bool operator==(const TraceDigest&) const = default;
};

// FNV-1a over whole values: the digest's screen hash, and any watcher's own.
constexpr uint64_t kTraceHashStart = 1469598103934665603ull;
constexpr uint64_t trace_fold(uint64_t hash, uint64_t value) {
  return (hash ^ value) * 1099511628211ull;
}

// The digest as the game stands right after a flush.
TraceDigest trace_digest(int frame, const Score& score, const World& world);
// Live entities in all the World's lists.
int trace_entities(const World& world);
// One line of text: "frame 600 score 1200 hits 7 lists 3 0 ... screen 1f2e...".
std::string trace_line(const TraceDigest& digest);

// Whoever watches games: called at the start of game_run, once a game-loop
// frame right after its flush, and when game_run returns.
struct GameWatch {
  void (*start)() = nullptr;
  void (*frame)(int frame, const Score& score, const World& world) = nullptr;
  void (*end)() = nullptr;
};
void trace_watch(const GameWatch* watch);  // nullptr: nobody watches

void trace_game_start();
void trace_frame(int frame, const Score& score, const World& world);
void trace_game_end();
