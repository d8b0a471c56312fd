#include "fx/particle.h"

#include "enemies/drone.h"
#include "enemies/enemy.h"
#include "fx/bullet.h"
#include "fx/missile.h"
#include "tests/harness.h"
#include "tests/world_text.h"

class Particles : public GameTest {};

TEST_F(Particles, ALifeOfLIsLStepsAndDrawsThenRemovalLifeZeroIsNeverDrawnAndNoRemovalIsSkipped) {
  World world;
  particle_spawn(20, 20, 100, 270, 3, TCOD_orange, '+', world);
  particle_spawn(4, 4, 100, 0, 0, TCOD_white, '+', world);
  for (int frame = 1; frame <= 3; ++frame) {
    list_remove_spent(world.particles, particle_reap);
    ASSERT_EQ(world.particles.size(), 1u) << "frame " << frame;
    TCOD_console_clear(nullptr);
    list_tick(world.particles, particle_tick);
    EXPECT_EQ(cell_char(20, 20 - frame), '+') << "frame " << frame;  // it moves before it draws
    EXPECT_EQ(cell_fg(20, 20 - frame), TCOD_orange);
  }
  list_remove_spent(world.particles, particle_reap);
  EXPECT_TRUE(world.particles.empty());
  // A removal shifts the later records down, so the pass must look at the same index again.
  for (int life : {0, 0, 1, 1, 1, 0, 1, 0, 0, 1, 1})
    particle_spawn(0, 0, 0, 0, life, TCOD_white, '.', world);
  list_remove_spent(world.particles, particle_reap);
  EXPECT_EQ(particles_text(world), "6x. 0,0 0/1 w 0|");
}

// Each list's play area on the 50 x 70 console: what bullets and particles,
// missiles, drones, enemies and young enemies (50 frames old) keep, as 1 or 0.
TEST(Culls, EachListKeepsItsOwnPlayArea) {
  // clang-format off
  const std::tuple<int, int, const char*> cells[] = {
      {0, 0, "11111"},    {50, 70, "10111"},  {51, 10, "00111"},   {-1, 10, "00111"},
      {10, 71, "00111"},  {10, -1, "01111"},  {10, 60, "11111"},   {10, 61, "10111"},
      {10, -25, "01111"}, {10, -26, "00011"}, {75, 10, "00101"},   {76, 10, "00001"},
      {-25, 10, "00101"}, {-26, 10, "00001"}, {10, 95, "00101"},   {10, 96, "00001"},
      {54, 74, "00111"},  {55, 10, "00101"},  {-4, 10, "00111"},   {-5, 10, "00101"},
      {10, 75, "00101"},  {10, -50, "00011"}, {10, -51, "00001"}};
  // clang-format on
  for (const auto& [x, y, kept] : cells) {
    const Motion at = motion_create(x, y, 0, 0);
    Bullet bullet{.motion = at, .glyph = {}};
    Particle particle{.motion = at, .glyph = {}};
    Drone drone{.motion = at, .glyph = {}};
    Enemy old{.motion = at, .glyph = {}, .sprite = {}, .age = 51}, young = old;
    young.age = 50;
    EXPECT_EQ(particle_cull(particle), bullet_cull(bullet)) << x << ", " << y;
    std::string got;
    for (bool culled : {bullet_cull(bullet), missile_cull(bullet), drone_cull(drone),
                        enemy_cull(old), enemy_cull(young)})
      got += culled ? '0' : '1';
    EXPECT_EQ(got, kept) << x << ", " << y;
  }
}
