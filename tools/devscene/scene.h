#pragma once
// A developer's combat scene: waves of the scene's own test enemies and of
// drones in front of the ship, played through the real game loop, by hand in
// a window or by the autopilot headless (tests and the benchmark).

#include <array>
#include <cstdint>
#include <functional>

#include "game/director.h"
#include "shell/random.h"  // the scene's callers seed it with random_seed

struct SceneMix {
  int enemies = 5;   // test enemies per wave
  int drones = 10;   // drones per wave
  int period = 300;  // frames between waves
};

// Entity counts seen by the scene's step, the largest of each list so far.
struct SceneStats {
  int frames = 0;
  int peak_total = 0;
  std::array<int, 8> peak{};  // in the World's field order
};

extern SceneMix scene_mix;
extern SceneStats scene_stats;

// The level step of the scene: spawns its waves and keeps the statistics.
void scene_step(Director& director);

// The autopilot's input for one flush: holds the gun, weaves, fires charged
// shots and bombs, and leaves the scoreboard.
void scene_pilot(int frame);

// Plays games of the scene with the autopilot until `frames` flushes have
// passed (under a script: headless and unpaced). `observe` sees every flush
// before the autopilot acts. Returns the flushes it ran.
int scene_autoplay(int frames, const std::function<void(int)>& observe = {});

// The scene's own kinds, exercising the enemy record's paths.
void scene_kind_skiff(Enemy& enemy);   // a small aimed gunner
void scene_kind_crab(Enemy& enemy);    // strafes, fans stars, launches missiles
void scene_kind_bunker(Enemy& enemy);  // heavy, rings of stars, slow missiles
void scene_kind_plate(Enemy& enemy);   // invulnerable plate drifting through
