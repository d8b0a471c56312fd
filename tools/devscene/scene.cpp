#include "tools/devscene/scene.h"

#include <algorithm>

#include "enemies/drone.h"
#include "enemies/enemy.h"
#include "game/game_loop.h"
#include "game/screen.h"
#include "shell/platform.h"

SceneMix scene_mix;
SceneStats scene_stats;

namespace {

constexpr int kFirstWave = 30;
constexpr EnemyThink kKinds[] = {scene_kind_skiff, scene_kind_crab, scene_kind_skiff,
                                 scene_kind_bunker, scene_kind_plate};
constexpr int kKindCount = sizeof kKinds / sizeof kKinds[0];

void spawn_wave(World& world, int wave) {
  for (int i = 0; i < scene_mix.enemies; ++i) {
    int column = 2 + (i * (kScreenWidth - 10)) / std::max(1, scene_mix.enemies - 1);
    enemy_spawn(std::min(column, kScreenWidth - 8), -3 - (i % 3), kKinds[(wave + i) % kKindCount],
                world);
  }
  // A chevron of five aimed drones, then a staircase from one edge.
  int chevron = std::min(5, scene_mix.drones);
  int left = 8 + (wave * 7) % 26;
  const int offsets[][2] = {{0, -2}, {2, -1}, {4, 0}, {6, -1}, {8, -2}};
  for (int i = 0; i < chevron; ++i) {
    DroneRoutine move = i < 3 ? drone_fan_left : drone_fan_right;
    drone_spawn(left + offsets[i][0], offsets[i][1], move, drone_fire_aimed, world);
  }
  bool from_left = wave % 2 == 0;
  for (int k = 0; k < scene_mix.drones - chevron; ++k) {
    drone_spawn(from_left ? 0 : kScreenWidth, 10 - (k % 10),
                from_left ? drone_swoop_left : drone_swoop_right, drone_fire_none, world);
  }
}

void count(const World& world) {
  const int sizes[] = {
      static_cast<int>(world.player_bullets.size()), static_cast<int>(world.enemy_bullets.size()),
      static_cast<int>(world.drones.size()),         static_cast<int>(world.explosions.size()),
      static_cast<int>(world.particles.size()),      static_cast<int>(world.enemies.size()),
      static_cast<int>(world.enemy_missiles.size()), static_cast<int>(world.bomb_shots.size())};
  int total = 0;
  for (int i = 0; i < 8; ++i) {
    scene_stats.peak[static_cast<size_t>(i)] =
        std::max(scene_stats.peak[static_cast<size_t>(i)], sizes[i]);
    total += sizes[i];
  }
  scene_stats.peak_total = std::max(scene_stats.peak_total, total);
  scene_stats.frames += 1;
}

// A press at `at` and its release two frames later.
void tap(TCOD_keycode_t vk, int c, int frame, int at) {
  if (frame == at) platform_script_key(vk, c, true);
  if (frame == at + 2) platform_script_key(vk, c, false);
}

bool scoreboard_showing() {
  const char* header = "RANK";
  for (int i = 0; i < 4; ++i) {
    if (TCOD_console_get_char(nullptr, 13 + i, 18) != header[i]) return false;
  }
  return true;
}

}  // namespace

void scene_step(Director& director) {
  World& world = *director.world;
  int since = director.frame - kFirstWave;
  if (since >= 0 && since % scene_mix.period == 0) spawn_wave(world, since / scene_mix.period);
  count(world);
  director.frame += 1;
}

void scene_pilot(int frame) {
  if (scoreboard_showing()) tap(TCODK_ENTER, '\r', frame % 8, 0);
  // Fire held throughout, released and pressed again now and then.
  if (frame % 400 == 1) platform_script_key(TCODK_CHAR, 'z', true);
  if (frame % 400 == 390) platform_script_key(TCODK_CHAR, 'z', false);
  // Weave: left for 40 frames, a pause, right for 40 frames.
  int weave = frame % 160;
  platform_script_hold(TCODK_LEFT, 0, weave < 40);
  platform_script_hold(TCODK_RIGHT, 0, weave >= 80 && weave < 120);
  platform_script_hold(TCODK_UP, 0, frame % 700 < 30);
  platform_script_hold(TCODK_DOWN, 0, frame % 700 >= 350 && frame % 700 < 380);
  tap(TCODK_CHAR, 'x', frame % 600, 300);
  tap(TCODK_CHAR, 'c', frame % 1200, 1150);  // energy is full again by then
}

int scene_autoplay(int frames, const std::function<void(int)>& observe) {
  int flushes = 0;
  platform_script_on_flush([&](int frame) {
    flushes = frame;
    if (observe) observe(frame);
    scene_pilot(frame);
    if (frame >= frames) platform_script_close_window();
  });
  while (!platform_window_closed()) game_play(scene_step);
  platform_script_on_flush(nullptr);
  return flushes;
}
