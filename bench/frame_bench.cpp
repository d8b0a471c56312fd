// Plays whole games of the developer scene headless with the autopilot and
// reports the time a frame takes (the game's work plus libtcod's render under
// SDL's dummy driver; the 60 fps wait is off) and the peak entity count.
//
//   frame_bench [--frames N] [--seed N] [--enemies N] [--drones N] [--period N]

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "shell/platform.h"
#include "shell/startup.h"
#include "tools/devscene/scene.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr double kBudgetMs = 1000.0 / 60;

}  // namespace

int main(int argc, char** argv) {
  int frames = 20000;
  uint32_t seed_value = 1;
  for (int i = 1; i + 1 < argc; i += 2) {
    std::string flag = argv[i];
    int value = std::atoi(argv[i + 1]);
    if (flag == "--frames") frames = value;
    if (flag == "--seed") seed_value = static_cast<uint32_t>(value);
    if (flag == "--enemies") scene_mix.enemies = value;
    if (flag == "--drones") scene_mix.drones = value;
    if (flag == "--period") scene_mix.period = std::max(1, value);
  }
  setenv("SDL_VIDEODRIVER", "dummy", 1);
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  startup();
  random_seed(seed_value);
  platform_script_begin();

  std::vector<double> frame_ms;
  frame_ms.reserve(static_cast<size_t>(frames));
  Clock::time_point last = Clock::now();
  scene_autoplay(frames, [&](int) {
    Clock::time_point now = Clock::now();
    frame_ms.push_back(std::chrono::duration<double, std::milli>(now - last).count());
    last = now;
  });
  platform_script_end();

  std::vector<double> sorted = frame_ms;
  std::sort(sorted.begin(), sorted.end());
  double total = 0;
  for (double ms : frame_ms) total += ms;
  double mean = total / static_cast<double>(frame_ms.size());
  double p99 = sorted[sorted.size() * 99 / 100];
  double worst = sorted.back();
  std::printf("frames            %zu\n", frame_ms.size());
  std::printf("frame time (ms)   mean %.3f   p99 %.3f   worst %.3f   (budget %.1f)\n", mean, p99,
              worst, kBudgetMs);
  std::printf("peak entities     %d in all\n", scene_stats.peak_total);
  const char* names[] = {"player bullets", "enemy bullets", "drones",         "effects",
                         "particles",      "enemies",       "enemy missiles", "bomb shots"};
  for (size_t i = 0; i < scene_stats.peak.size(); ++i) {
    std::printf("  %-16s %d\n", names[i], scene_stats.peak[i]);
  }
  return worst < kBudgetMs ? 0 : 1;
}
