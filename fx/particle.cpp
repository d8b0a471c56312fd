#include "fx/particle.h"

#include "game/screen.h"

void particle_spawn(int x, int y, int speed, int heading, int life, TCOD_color_t colour, int ch,
                    World& world) {
  auto particle = std::make_unique<Particle>();
  particle->life = life;
  particle->world = &world;
  particle->motion = motion_create(x, y, speed, heading);
  particle->glyph = glyph_new(colour, ch);
  world.particles.push_back(std::move(particle));
}

void star_spawn(int column, int row, int speed, World& world) {
  constexpr int kDown = 90;
  constexpr int kStarLife = 3000;  // most leave the screen long before
  particle_spawn(column, row, speed, kDown, kStarLife, TCOD_light_grey, '.', world);
}

void particle_tick(Particle& particle) {
  if (particle.life == 0) return;
  motion_step(particle.motion);
  glyph_draw(particle.glyph, particle.motion.x, particle.motion.y);
  particle.life -= 1;
}

bool particle_cull(const Particle& particle) {
  const Motion& m = particle.motion;
  return m.x > kScreenWidth || m.x < 0 || m.y > kScreenHeight || m.y < 0;
}

bool particle_reap(const Particle& particle) {
  return particle.life == 0;
}
