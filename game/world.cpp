#include "game/world.h"

#include "fx/particle.h"
#include "game/hud.h"
#include "game/player.h"

std::unique_ptr<World> world_create() { return std::make_unique<World>(); }

void world_update(World& world, Score&) {
  list_remove_spent(world.particles, particle_cull);
  list_remove_spent(world.particles, particle_reap);
}

void world_draw(World& world, Player& player, Score& score) {
  list_tick(world.particles, particle_tick);
  player_update(player);
  hud_draw(player, score);
}
