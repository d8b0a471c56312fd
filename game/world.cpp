#include "game/world.h"

#include "enemies/drone.h"
#include "enemies/enemy.h"
#include "fx/bullet.h"
#include "fx/effect.h"
#include "fx/missile.h"
#include "fx/particle.h"
#include "game/hud.h"
#include "game/player.h"

namespace {
constexpr int kClearFire = 1000;  // more than any enemy shot's life
}  // namespace

std::unique_ptr<World> world_create() {
  return std::make_unique<World>();
}

void world_update(World& world, Score& score) {
  list_remove_spent(world.enemy_bullets, bullet_cull);
  list_remove_spent(world.player_bullets, bullet_cull);
  list_remove_spent(world.bomb_shots, bullet_cull);
  list_remove_spent(world.enemy_missiles, missile_cull);
  list_remove_spent(world.particles, particle_cull);
  list_remove_spent(world.drones, drone_cull);
  list_remove_spent(world.enemies, enemy_cull);

  auto reap_drone = [&score](Drone& drone) { return drone_reap(drone, score); };
  auto reap_bullet = [&score](Bullet& bullet) { return bullet_reap(bullet, score); };
  auto reap_enemy = [&score](Enemy& enemy) { return enemy_reap(enemy, score); };
  list_remove_spent(world.drones, reap_drone);
  list_remove_spent(world.enemy_bullets, reap_bullet);
  list_remove_spent(world.player_bullets, reap_bullet);
  list_remove_spent(world.bomb_shots, reap_bullet);
  list_remove_spent(world.enemies, reap_enemy);
  list_remove_spent(world.enemy_missiles, missile_reap);
  list_remove_spent(world.explosions, effect_reap);
  list_remove_spent(world.particles, particle_reap);
}

void world_draw(World& world, Player& player, Score& score) {
  list_tick(world.explosions, effect_tick);
  list_tick(world.particles, particle_tick);
  list_tick(world.player_bullets, bullet_tick);
  list_tick(world.bomb_shots, bullet_tick);
  list_tick(world.drones, drone_tick);
  list_tick(world.enemies, enemy_tick);
  list_tick(world.enemy_bullets, bullet_tick);
  list_tick(world.enemy_missiles, missile_tick);
  player_update(player);
  hud_draw(player, score);
}

void world_clear_enemy_fire(World& world) {
  for (auto& bullet : world.enemy_bullets) bullet_damage(*bullet, kClearFire, 0);
  for (auto& missile : world.enemy_missiles) missile_damage(*missile, kClearFire);
}
