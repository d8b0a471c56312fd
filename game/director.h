#pragma once
// The level script: the chain of waves and the stream of new stars.

#include <memory>

#include "game/records.h"

struct Director;
using DirectorStep = void (*)(Director&);

struct Director {
  std::unique_ptr<Stage> stage;  // none until the first tick
  DirectorStep step = nullptr;
  World* world = nullptr;
  int32_t frame = 0;  // frames since the start of the game
};

std::unique_ptr<Director> director_create(DirectorStep step, World& world);
void director_tick(Director& director);

// Also clears game_won.
std::unique_ptr<Stage> stage_create(Wave wave, World& world);
bool stage_run(Stage& stage);
void stage_switch(Stage& stage, Wave wave);

// The level's step: creates the first stage, adds a star every tenth frame,
// runs the wave and moves to the next one when it is over.
void level_script(Director& director);
