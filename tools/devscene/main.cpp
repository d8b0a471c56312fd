// The developer scene: combat without the level script, in a real window with
// the keyboard, or headless with the autopilot.
//
//   devscene [--headless] [--frames N] [--seed N] [--enemies N] [--drones N] [--period N]

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "game/game_loop.h"
#include "shell/platform.h"
#include "shell/settings.h"
#include "shell/startup.h"
#include "tools/devscene/scene.h"

namespace {

int number_after(int& i, int argc, char** argv) {
  if (i + 1 >= argc) {
    std::fprintf(stderr, "%s needs a number\n", argv[i]);
    std::exit(2);
  }
  return std::atoi(argv[++i]);
}

}  // namespace

int main(int argc, char** argv) {
  bool headless = false;
  int frames = 3000;
  int seed = -1;
  for (int i = 1; i < argc; ++i) {
    std::string flag = argv[i];
    if (flag == "--headless") {
      headless = true;
    } else if (flag == "--frames") {
      frames = number_after(i, argc, argv);
    } else if (flag == "--seed") {
      seed = number_after(i, argc, argv);
    } else if (flag == "--enemies") {
      scene_mix.enemies = number_after(i, argc, argv);
    } else if (flag == "--drones") {
      scene_mix.drones = number_after(i, argc, argv);
    } else if (flag == "--period") {
      scene_mix.period = std::max(1, number_after(i, argc, argv));
    } else {
      std::fprintf(stderr,
                   "usage: devscene [--headless] [--frames N] [--seed N] [--enemies N] "
                   "[--drones N] [--period N]\n");
      return 2;
    }
  }
  if (headless) {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
  }
  startup();
  if (seed >= 0) random_seed(static_cast<uint32_t>(seed));
  if (headless) {
    platform_script_begin();
    int ran = scene_autoplay(frames);
    std::printf(
        "frames %d  peak entities %d  (player bullets %d, enemy bullets %d, drones %d, "
        "effects %d, particles %d, enemies %d, missiles %d, bomb shots %d)\n",
        ran, scene_stats.peak_total, scene_stats.peak[0], scene_stats.peak[1], scene_stats.peak[2],
        scene_stats.peak[3], scene_stats.peak[4], scene_stats.peak[5], scene_stats.peak[6],
        scene_stats.peak[7]);
    platform_script_end();
    return 0;
  }
  while (!platform_window_closed()) game_play(scene_step);
  return 0;
}
