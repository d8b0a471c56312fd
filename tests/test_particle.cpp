#include "fx/particle.h"

#include "game/world.h"
#include "tests/harness.h"

namespace {

void draw_pass(World& world) {
  list_tick(world.particles, particle_tick);
}

void update_pass(World& world) {
  list_remove_spent(world.particles, particle_cull);
  list_remove_spent(world.particles, particle_reap);
}

}  // namespace

class Particles : public GameTest {};

TEST_F(Particles, ALifeOfLIsDrawnLTimesAndRemovedInTheUpdateAfterTheLast) {
  World world;
  particle_spawn(10, 10, 0, 90, 3, TCOD_orange, '+', world);
  for (int frame = 1; frame <= 3; ++frame) {
    update_pass(world);
    ASSERT_EQ(world.particles.size(), 1u) << "frame " << frame;
    TCOD_console_clear(nullptr);
    draw_pass(world);
    EXPECT_EQ(cell_char(10, 10), '+') << "frame " << frame;
    EXPECT_EQ(cell_fg(10, 10), TCOD_orange);
  }
  update_pass(world);
  EXPECT_TRUE(world.particles.empty());
}

TEST_F(Particles, MovesBeforeEachDrawAndLifeZeroIsNeverDrawn) {
  World world;
  particle_spawn(20, 20, 100, 270, 5, TCOD_white, '.', world);
  particle_spawn(4, 4, 100, 0, 0, TCOD_white, '.', world);
  draw_pass(world);
  EXPECT_EQ(cell_char(20, 19), '.');
  EXPECT_EQ(cell_char(4, 4), ' ');
  EXPECT_EQ(cell_char(5, 4), ' ');
  world.particles.erase(world.particles.begin());
  update_pass(world);
  EXPECT_TRUE(world.particles.empty());
}

TEST_F(Particles, TheCullKeepsColumnWAndRowHButNotBeyond) {
  World world;
  particle_spawn(50, 10, 0, 0, 10, TCOD_white, '.', world);
  particle_spawn(10, 70, 0, 0, 10, TCOD_white, '.', world);
  particle_spawn(51, 10, 0, 0, 10, TCOD_white, '.', world);
  particle_spawn(10, -1, 0, 0, 10, TCOD_white, '.', world);
  particle_spawn(-1, 10, 0, 0, 10, TCOD_white, '.', world);
  particle_spawn(10, 71, 0, 0, 10, TCOD_white, '.', world);
  update_pass(world);
  ASSERT_EQ(world.particles.size(), 2u);
  EXPECT_EQ(world.particles[0]->motion.x, 50);
  EXPECT_EQ(world.particles[1]->motion.y, 70);
  draw_pass(world);  // drawn off the console: nothing shows, nothing fails
  EXPECT_EQ(world.particles[0]->life, 9);
}

// The removal protocol: a removal shifts the later records down, so the pass
// must look at the same index again.
TEST(RemovalProtocol, EverySpentRecordGoesInOnePassWhateverItsNeighbours) {
  EntityList<Particle> list;
  const int pattern[] = {0, 0, 1, 1, 1, 0, 1, 0, 0, 1, 1};
  for (int life : pattern) {
    auto particle = std::make_unique<Particle>();
    particle->life = life;
    list.push_back(std::move(particle));
  }
  int visits = 0;
  list_remove_spent(list, [&](Particle& p) {
    ++visits;
    return p.life == 0;
  });
  EXPECT_EQ(visits, 11);
  ASSERT_EQ(list.size(), 6u);
  for (auto& particle : list) EXPECT_EQ(particle->life, 1);
}

TEST(RemovalProtocol, ManyRemovalsWhileTheRoutineAppendsToTheSameList) {
  EntityList<Particle> list;
  for (int i = 0; i < 300; ++i) {
    auto particle = std::make_unique<Particle>();
    particle->life = i;
    list.push_back(std::move(particle));
  }
  // Every even record is spent and leaves a child behind; the children (life
  // -1) are walked in the same pass and kept.
  list_remove_spent(list, [&](Particle& p) {
    if (p.life < 0 || p.life % 2 != 0) return false;
    auto child = std::make_unique<Particle>();
    child->life = -1;
    list.push_back(std::move(child));
    return true;
  });
  ASSERT_EQ(list.size(), 300u);
  for (size_t i = 0; i < 150; ++i) EXPECT_EQ(list[i]->life, static_cast<int>(2 * i + 1));
  for (size_t i = 150; i < 300; ++i) EXPECT_EQ(list[i]->life, -1);
}

TEST(RemovalProtocol, ATickPassReachesRecordsAppendedDuringIt) {
  EntityList<Particle> list;
  list.push_back(std::make_unique<Particle>());
  int ticks = 0;
  list_tick(list, [&](Particle&) {
    if (++ticks < 4) list.push_back(std::make_unique<Particle>());
  });
  EXPECT_EQ(ticks, 4);
}
