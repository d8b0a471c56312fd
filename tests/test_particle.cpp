#include "fx/particle.h"

#include "enemies/drone.h"
#include "enemies/enemy.h"
#include "fx/bullet.h"
#include "fx/missile.h"
#include "tests/harness.h"

namespace {

// Whether list k (particles, bullets, missiles, drones, enemies) drops a record at (x, y).
bool culled(int k, int x, int y, int age = 51) {
  const Motion at = motion_create(x, y, 0, 0);
  const Bullet bullet{.motion = at, .glyph = {}};
  const Enemy enemy{.motion = at, .glyph = {}, .sprite = {}, .age = age};
  const bool by[] = {particle_cull(Particle{.motion = at, .glyph = {}}), bullet_cull(bullet),
                     missile_cull(bullet), drone_cull(Drone{.motion = at, .glyph = {}}),
                     enemy_cull(enemy)};
  return by[k];
}

}  // namespace

TEST(Culls, EachListKeepsItsOwnPlayAreaAndYoungEnemiesAnywhere) {
  // Each list's left, top, right and bottom cells still kept.
  const int areas[][4] = {
      {0, 0, 50, 70}, {0, 0, 50, 70}, {0, -25, 50, 60}, {-25, -25, 75, 95}, {-4, -50, 54, 74}};
  for (int k = 0; k < 5; ++k) {
    const auto [l, t, r, b] = areas[k];
    std::string kept;
    for (auto [x, y] : {std::pair(l, t), {r, b}, {l - 1, t}, {l, t - 1}, {r + 1, b}, {r, b + 1}})
      kept += culled(k, x, y) ? 'x' : 'k';
    EXPECT_EQ(kept, "kkxxxx") << "list " << k;
  }
  EXPECT_FALSE(culled(4, 80, -80, 50));
}
