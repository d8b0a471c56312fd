// Plays a recorded game headless, as fast as it goes, and reports what a frame
// costs: the game's own work (everything but the flush) apart from libtcod's
// rendering of the window. The replay is played once drawing every frame,
// then three times with the flush's drawing switched off. By default it plays the
// golden run of the whole level, keeping the ship alive as its recording did.
//
//   frame_bench [--replay FILE]

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "shell/files.h"
#include "shell/platform.h"
#include "shell/session.h"
#include "tests/golden/golden.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr double kBudgetMs = 1000.0 / 60;
constexpr int kWorkRuns = 3;

struct Pass {
  std::vector<double> frame_ms;  // from one flush to the next
  double seconds = 0;
  GamePlayed played;
};

// One playback; the flush hook keeps the ship alive and stamps every frame.
Pass play(const Replay& replay, bool render) {
  Pass pass;
  pass.frame_ms.reserve(20000);
  Clock::time_point last{};
  platform_script_begin();
  platform_render(render);
  platform_script_on_flush([&](int frame) {
    Clock::time_point now = Clock::now();
    if (frame > 1)
      pass.frame_ms.push_back(std::chrono::duration<double, std::milli>(now - last).count());
    last = now;
    golden_keep_alive();
  });
  Clock::time_point start = Clock::now();
  std::vector<GamePlayed> games = session_replay(replay, false);
  pass.seconds = std::chrono::duration<double>(Clock::now() - start).count();
  platform_script_end();
  platform_render(true);
  if (!games.empty()) pass.played = games.front();
  return pass;
}

struct Spread {
  double mean, p99, worst;
  size_t worst_flush;  // counted from the second flush
};

Spread spread(std::vector<double> ms) {
  size_t worst_flush = static_cast<size_t>(std::max_element(ms.begin(), ms.end()) - ms.begin());
  std::sort(ms.begin(), ms.end());
  double total = 0;
  for (double m : ms) total += m;
  return {total / static_cast<double>(ms.size()), ms[ms.size() * 99 / 100], ms.back(),
          worst_flush + 2};
}

}  // namespace

int main(int argc, char** argv) {
  std::string path = golden_path("level", ".replay");
  for (int i = 1; i < argc; ++i) {
    std::string flag = argv[i];
    if (flag == "--replay" && i + 1 < argc) {
      path = argv[++i];
    } else {
      std::fprintf(stderr, "usage: frame_bench [--replay FILE]\n");
      return 2;
    }
  }
  // libtcod quietly falls back to a built-in font, with a far larger window
  // that renders several times slower: a benchmark on it would mislead.
  std::string font = platform_asset_path("terminal/terminal.png");
  if (!std::filesystem::exists(font)) {
    std::fprintf(stderr, "frame_bench: no font at %s (build the assets target first)\n",
                 font.c_str());
    return 1;
  }
  ReplayRead read = replay_load(path);
  if (!read.replay || read.replay->games.empty()) {
    std::fprintf(stderr, "frame_bench: %s: %s\n", path.c_str(),
                 read.replay ? "no game in it" : read.error.c_str());
    return 2;
  }
  golden_start_headless();

  Pass drawn = play(*read.replay, true);
  // The machine is shared: each frame's own work is the least of three runs,
  // so a frame counts as slow only when it is slow every time.
  Pass work = play(*read.replay, false);
  for (int run = 1; run < kWorkRuns; ++run) {
    Pass again = play(*read.replay, false);
    for (size_t i = 0; i < work.frame_ms.size() && i < again.frame_ms.size(); ++i) {
      work.frame_ms[i] = std::min(work.frame_ms[i], again.frame_ms[i]);
    }
    work.seconds = std::min(work.seconds, again.seconds);
  }
  files_memory_end();

  Spread whole = spread(drawn.frame_ms);
  Spread own = spread(work.frame_ms);
  const double frames = static_cast<double>(work.frame_ms.size());
  std::printf("replay            %s (%u game-loop frames, %.0f flushes)\n", path.c_str(),
              work.played.game_frames, frames);
  std::printf("game's own work   mean %.4f ms   p99 %.4f ms   worst %.4f ms (flush %zu)\n",
              own.mean, own.p99, own.worst, own.worst_flush);
  std::printf("whole frame       mean %.4f ms   p99 %.4f ms   worst %.4f ms   (budget %.1f)\n",
              whole.mean, whole.p99, whole.worst, kBudgetMs);
  std::printf("flush             mean %.4f ms\n", whole.mean - own.mean);
  std::printf("frames per second %.0f with the flush, %.0f without\n",
              static_cast<double>(drawn.frame_ms.size()) / drawn.seconds, frames / work.seconds);
  std::printf("peak entities     %d at game-loop frame %d\n", work.played.peak_entities,
              work.played.peak_frame);
  bool same = drawn.played.matches() && work.played.matches();
  if (!same) std::fprintf(stderr, "frame_bench: the playback parted from its recording\n");
  return same && own.worst < kBudgetMs ? 0 : 1;
}
