#include "shell/session.h"

#include <cstdio>
#include <cstdlib>

#include "frontend/score_table.h"
#include "frontend/title_menu.h"
#include "game/game_loop.h"
#include "shell/data_folder.h"
#include "shell/files.h"
#include "shell/platform.h"
#include "shell/random.h"
#include "shell/settings.h"
#include "shell/startup.h"

namespace {

struct Recorder {
  std::string path;
  std::optional<uint32_t> seed;
  Replay replay;
  ReplayGame game;
  bool write_failed = false;
  int64_t first_flush = 0;  // of a whole session
};

struct Checker {
  const ReplayGame* recorded = nullptr;
  GamePlayed played;
};

Recorder recorder;
Checker checker;

ConsoleDefaults console_defaults() {
  ConsoleDefaults console;
  console.alignment = static_cast<uint8_t>(TCOD_console_get_alignment(nullptr));
  console.background_flag = static_cast<uint8_t>(TCOD_console_get_background_flag(nullptr));
  console.foreground = TCOD_console_get_default_foreground(nullptr);
  console.background = TCOD_console_get_default_background(nullptr);
  return console;
}

void record_start() {
  ReplayGame& game = recorder.game;
  game = ReplayGame{};
  game.seed = recorder.seed ? *recorder.seed : random_fresh_seed();
  random_seed(game.seed);
  game.colour_mode = settings.colour_mode;
  game.bullet_colour_mode = settings.bullet_colour_mode;
  game.particles = settings.particles;
  game.stars = settings.stars;
  game.screen_size = settings.screen_size;
  game.controls = controls;
  game.console = console_defaults();
  game.input = input_memory();
  game.score_file = file_read(score_table_path(), kScoreFileLimit).value_or(std::vector<uint8_t>{});
  platform_record_begin();
}

void record_frame(int frame, const Score& score, const World& world) {
  ReplayGame& game = recorder.game;
  if (frame % kTraceEvery == 0) game.digests.push_back(trace_digest(frame, score, world));
  game.game_frames = static_cast<uint32_t>(frame) + 1;
  game.score = score.score;
  game.hits = score.hits;
}

void record_end() {
  recorder.game.frames = platform_record_end();
  recorder.replay.games.push_back(std::move(recorder.game));
  recorder.game = ReplayGame{};
  if (!replay_save(recorder.path, recorder.replay) && !recorder.write_failed) {
    recorder.write_failed = true;
    std::fprintf(stderr, "ember_vortex: cannot write the replay %s\n", recorder.path.c_str());
  }
}

constexpr GameWatch kRecorderWatch = {record_start, record_frame, record_end};
// A whole session starts and ends with the recording, not with each game.
constexpr GameWatch kSessionRecorderWatch = {nullptr, record_frame, nullptr};

void play_frame(int frame, const Score& score, const World& world) {
  GamePlayed& played = checker.played;
  if (frame % kTraceEvery == 0) {
    TraceDigest digest = trace_digest(frame, score, world);
    const auto& recorded = checker.recorded->digests;
    size_t at = played.digests.size();
    if (played.first_difference < 0 && (at >= recorded.size() || !(recorded[at] == digest))) {
      played.first_difference = frame;
    }
    played.digests.push_back(digest);
  }
  played.game_frames = static_cast<uint32_t>(frame) + 1;
  played.score = score.score;
  played.hits = score.hits;
  int entities = trace_entities(world);
  if (entities > played.peak_entities) {
    played.peak_entities = entities;
    played.peak_frame = frame;
  }
}

constexpr GameWatch kPlaybackWatch = {nullptr, play_frame, nullptr};

bool window_closed_in(const ReplayGame& game) {
  for (const InputFrame& frame : game.frames) {
    for (const InputEntry& entry : frame.entries) {
      if (entry.vk == kEntryClosed) return true;
    }
  }
  return false;
}

// Everything a recorded game started from, in the order the recorder took it.
void restore(const ReplayGame& game) {
  settings.colour_mode = game.colour_mode;
  settings.bullet_colour_mode = game.bullet_colour_mode;
  settings.particles = game.particles;
  settings.stars = game.stars;
  settings.screen_size = game.screen_size;
  controls = game.controls;
  files_memory_put(score_table_path(), game.score_file);
  TCOD_console_set_alignment(nullptr, static_cast<TCOD_alignment_t>(game.console.alignment));
  TCOD_console_set_background_flag(nullptr,
                                   static_cast<TCOD_bkgnd_flag_t>(game.console.background_flag));
  TCOD_console_set_default_foreground(nullptr, game.console.foreground);
  TCOD_console_set_default_background(nullptr, game.console.background);
  random_seed(game.seed);
}

GamePlayed play_game(const ReplayGame& game, bool paced) {
  restore(game);
  checker = Checker{};
  checker.recorded = &game;
  platform_playback_begin(game.frames, paced);
  input_restore(game.input);
  trace_watch(&kPlaybackWatch);
  const int64_t first_flush = platform_frame();
  if (game.whole_session) {
    title_menu();
  } else {
    game_run();
  }
  trace_watch(nullptr);
  PlaybackEnd end = platform_playback_end();
  GamePlayed played = std::move(checker.played);
  if (game.whole_session)
    played.game_frames = static_cast<uint32_t>(platform_frame() - first_flush);
  played.aborted = end.aborted;
  played.out_of_step = end.out_of_step;
  // A recording that holds more digests than the playback made parts there.
  if (played.first_difference < 0 && played.digests.size() < game.digests.size()) {
    played.first_difference = game.digests[played.digests.size()].frame;
  }
  if (played.score != game.score || played.hits != game.hits ||
      played.game_frames != game.game_frames) {
    played.out_of_step = true;
  }
  return played;
}

}  // namespace

void session_record(const std::string& path, std::optional<uint32_t> seed) {
  recorder = Recorder{};
  recorder.path = path;
  recorder.seed = seed;
  trace_watch(&kRecorderWatch);
}

void session_record_whole(const std::string& path, uint32_t seed) {
  recorder = Recorder{};
  recorder.path = path;
  recorder.seed = seed;
  record_start();
  recorder.game.whole_session = true;
  recorder.first_flush = platform_frame();
  trace_watch(&kSessionRecorderWatch);
}

void session_record_stop() {
  trace_watch(nullptr);
  // Only a whole session is still open here: a game's ended with the game.
  if (!recorder.game.whole_session) return;
  recorder.game.game_frames = static_cast<uint32_t>(platform_frame() - recorder.first_flush);
  record_end();
}

const Replay& session_recorded() {
  return recorder.replay;
}

std::vector<GamePlayed> session_replay(const Replay& replay, bool paced) {
  bool own_memory = !files_in_memory();
  if (own_memory) files_memory_begin(data_folder());
  std::vector<GamePlayed> games;
  for (const ReplayGame& game : replay.games) {
    games.push_back(play_game(game, paced));
    if (games.back().aborted) break;
  }
  if (own_memory) files_memory_end();
  return games;
}

int session_replay_main(const std::string& path, bool headless) {
  ReplayRead read = replay_load(path);
  if (!read.replay) {
    std::fprintf(stderr, "ember_vortex: %s: %s\n", path.c_str(), read.error.c_str());
    return 2;
  }
  if (headless) {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
  }
  // The data files live in memory from the start: not even the default
  // high-score table is written.
  files_memory_begin(data_folder());
  startup();
  std::vector<GamePlayed> games = session_replay(*read.replay, !headless);
  int status = 0;
  for (size_t i = 0; i < games.size(); ++i) {
    const GamePlayed& played = games[i];
    const bool session = read.replay->games[i].whole_session;
    if (played.aborted) {
      std::printf("game %zu: stopped at %s %u\n", i + 1, session ? "flush" : "frame",
                  played.game_frames);
      break;
    }
    std::printf("%s %zu: %u %s, score %d, hits %d, peak %d entities at frame %d%s\n",
                session ? "session" : "game", i + 1, played.game_frames,
                session ? "flushes" : "frames", played.score, played.hits, played.peak_entities,
                played.peak_frame,
                window_closed_in(read.replay->games[i]) ? ", ended by closing the window" : "");
    for (const TraceDigest& digest : played.digests)
      std::printf("  %s\n", trace_line(digest).c_str());
    if (played.first_difference >= 0) {
      std::fprintf(stderr, "ember_vortex: game %zu: frame %d differs from the recording\n", i + 1,
                   played.first_difference);
      status = 1;
    } else if (played.out_of_step) {
      std::fprintf(stderr, "ember_vortex: game %zu: the game took other input than was recorded\n",
                   i + 1);
      status = 1;
    }
  }
  files_memory_end();
  return status;
}
