#include "game/director.h"

#include <array>
#include <utility>

#include "enemies/waves.h"
#include "fx/particle.h"
#include "game/globals.h"
#include "game/screen.h"
#include "shell/settings.h"

namespace {

constexpr int kStarEvery = 10;

// Each wave and the one that follows it; the fortress has none.
constexpr std::array<std::pair<Wave, Wave>, 5> kWaveChain = {{
    {wave_opening, wave_gunships},
    {wave_gunships, wave_midboss},
    {wave_midboss, wave_crossfire},
    {wave_crossfire, wave_heavies},
    {wave_heavies, wave_fortress},
}};

void add_star(World& world) {
  int speed = TCOD_random_get_int(nullptr, kStarSpeedMin, kStarSpeedMax);
  int column = TCOD_random_get_int(nullptr, 0, kScreenWidth);
  star_spawn(column, 0, speed, world);
}

}  // namespace

std::unique_ptr<Director> director_create(DirectorStep step, World& world) {
  auto director = std::make_unique<Director>();
  director->step = step;
  director->world = &world;
  return director;
}

void director_tick(Director& director) {
  director.step(director);
}

std::unique_ptr<Stage> stage_create(Wave wave, World& world) {
  auto stage = std::make_unique<Stage>();
  stage->wave = wave;
  stage->world = &world;
  game.game_won = false;
  return stage;
}

bool stage_run(Stage& stage) {
  bool done = stage.wave(stage);
  stage.ticks += 1;
  return done;
}

void stage_switch(Stage& stage, Wave wave) {
  stage.ticks = 0;
  stage.wave = wave;
}

void level_script(Director& director) {
  if (!director.stage) director.stage = stage_create(wave_opening, *director.world);
  if (director.frame % kStarEvery == 0 && settings.stars != 0) add_star(*director.world);
  if (stage_run(*director.stage)) {
    for (auto [wave, next] : kWaveChain) {
      if (wave == director.stage->wave) {
        stage_switch(*director.stage, next);
        break;
      }
    }
  }
  director.frame += 1;
}
