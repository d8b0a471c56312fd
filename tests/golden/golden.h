#pragma once
// The golden runs, recorded headless and checked in with the digests and
// per-flush notes they must play back to: the whole level, flown by a pilot
// while the harness keeps the ship alive, and a whole session through every
// screen of the front end, flown by another.

#include <cstdint>
#include <string>

constexpr uint32_t kGoldenSeed = 20240607;
// A level that never ends is cut off here (flushes).
constexpr int kGoldenFrameLimit = 40000;

// Brings the game up headless (SDL's dummy drivers) with its data files in
// memory, so that no run depends on, or writes, the folder beside the program.
void golden_start_headless();

// A golden run's files: `run` is "level" or "session", `ending` ".replay",
// ".trace" (the digests, one a line), ".frames" (the per-flush notes) or
// ".flushes" (the running hash after every flush, its high 32 bits little-endian:
// FNV's low bits never see a value's high ones, such as a cell's ink).
std::string golden_path(const std::string& run, const char* ending);

// Run at every flush of the recording and of its playback alike; the ship
// cannot be hurt, which no player can ask for.
void golden_keep_alive();
// The pilot's keys for one flush: the gun held and let go now and then, a
// weave across the screen, charged shots and bombs, and once the level is won
// Enter every second for the screens that close the game.
void golden_pilot(int frame);

// The trace's digests are 600 frames apart and miss what lives between them:
// a spark, a missile's flight, a sound. So every flush's console, its fade and
// the sounds it played fold into a running hash, noted every 60 flushes as
// "flush 60 1f2e...". Beginning turns the record of sounds played on.
void golden_frames_begin();
void golden_frames_flush(int flush);
const std::string& golden_frames_notes();
// Every flush's running hash, as ".flushes" holds them: a playback that parts
// from its notes finds the very flush it parted at, not just its 60.
const std::string& golden_frames_hashes();

// The session's pilot, for one flush: the intro, the menu both ways and past
// both ends, the scoreboard, every option, both remappings, the credits, a
// game of two lives with a continue taken and one declined, a name, the
// scoreboard again and QUIT. It closes the window when a screen it waits for
// never comes, and says why here.
void golden_session_pilot(int frame);
const std::string& golden_session_failure();
