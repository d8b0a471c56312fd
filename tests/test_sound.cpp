#include "shell/sound.h"

#include "tests/harness.h"

TEST(Panning, ByColumnWithTheLevelsWrappingAsBytes) {
  struct Case {
    int column, left, right;
  } cases[] = {{0, 250, 0},  {25, 125, 125}, {50, 0, 250}, {10, 200, 50},
               {52, 246, 4}, {-1, 255, 251}, {-2, 4, 246}};
  for (const Case& c : cases) {
    Panning panning = sound_panning(c.column);
    EXPECT_EQ(panning.left, c.left) << "column " << c.column;
    EXPECT_EQ(panning.right, c.right) << "column " << c.column;
  }
}

class Sounds : public GameTest {};

TEST_F(Sounds, PannedAndCentredPlaysAreTold) {
  play_sound_at(SFX_PLAYER_HIT, 10);
  play_sound(SFX_CONFIRM);
  play_sound(SFX_COUNT);  // no such effect: ignored
  play_sound_at(-1, 3);
  const auto& played = sound_played();
  ASSERT_EQ(played.size(), 2u);
  EXPECT_EQ(played[0].effect, 3);
  EXPECT_TRUE(played[0].panned);
  EXPECT_EQ(played[0].panning.left, 200);
  EXPECT_EQ(played[1].effect, 21);
  EXPECT_FALSE(played[1].panned);
}
