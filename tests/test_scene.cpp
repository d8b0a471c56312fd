#include <vector>

#include "game/globals.h"
#include "shell/input.h"
#include "shell/platform.h"
#include "tests/harness.h"
#include "tools/devscene/scene.h"

namespace {

constexpr int kFrames = 10000;
constexpr int kDigestEvery = 50;

// The screen (every cell's character and colour: ships, bullets, sparks and
// the heads-up display with its score) and the ship's globals, folded together.
uint64_t frame_digest() {
  uint64_t hash = 1469598103934665603ull;
  auto fold = [&hash](uint64_t value) { hash = (hash ^ value) * 1099511628211ull; };
  for (int y = 0; y < 70; ++y) {
    for (int x = 0; x < 50; ++x) {
      TCOD_color_t fg = cell_fg(x, y);
      fold(static_cast<uint64_t>(cell_char(x, y)));
      fold(static_cast<uint64_t>(fg.r << 16 | fg.g << 8 | fg.b));
    }
  }
  fold(static_cast<uint64_t>(game.player_x * 100 + game.player_y));
  fold(static_cast<uint64_t>(game.player_alive));
  return hash;
}

struct Replay {
  std::vector<uint64_t> digests;
  SceneStats stats;
};

// One seeded headless session of scene games with the autopilot.
Replay play_scene(uint32_t seed) {
  platform_script_begin();
  reset_console();  // the fade into the first game shows what the screen held
  game = GameGlobals{};
  input_reset();
  seed_random(seed);
  scene_stats = SceneStats{};
  Replay run;
  scene_autoplay(kFrames, [&run](int frame) {
    if (frame % kDigestEvery == 0) run.digests.push_back(frame_digest());
  });
  run.stats = scene_stats;
  return run;
}

}  // namespace

class ScenePlay : public GameTest {};

// A replay: the same seed and the same input give the same game, frame for
// frame, however many games the ship's deaths split it into.
TEST_F(ScenePlay, TenThousandSeededFramesPlayTheSameTwice) {
  Replay first = play_scene(2024);
  Replay second = play_scene(2024);
  ASSERT_EQ(first.digests.size(), static_cast<size_t>(kFrames / kDigestEvery));
  for (size_t i = 0; i < first.digests.size(); ++i) {
    ASSERT_EQ(first.digests[i], second.digests[i])
        << "the runs part at frame " << (i + 1) * kDigestEvery;
  }
  EXPECT_EQ(first.stats.peak, second.stats.peak);
  // The scene really fought: enemies, drones, their fire and the ship's.
  EXPECT_GT(first.stats.peak[0], 50);   // player bullets
  EXPECT_GT(first.stats.peak[1], 20);   // enemy bullets
  EXPECT_GT(first.stats.peak[2], 5);    // drones
  EXPECT_GT(first.stats.peak[3], 2);    // explosions
  EXPECT_GT(first.stats.peak[5], 3);    // enemies
  EXPECT_GT(first.stats.peak[6], 0);    // missiles
  EXPECT_EQ(first.stats.peak[7], 360);  // a bomb went off
}
