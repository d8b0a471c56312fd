#include "fx/effect.h"

void effect_spawn(int x, int y, int timer, EffectRoutine routine, World& world,
                  TCOD_color_t colour) {
  auto effect = std::make_unique<Effect>();
  effect->timer = timer;
  effect->colour = colour;
  effect->motion = motion_create(x, y, 0, 0);
  effect->world = &world;
  effect->routine = routine;
  world.explosions.push_back(std::move(effect));
}

void effect_tick(Effect& effect) {
  effect.routine(effect);
  effect.timer -= 1;
}

bool effect_reap(const Effect& effect) {
  return effect.timer == 0;
}
